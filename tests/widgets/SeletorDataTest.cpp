// The date picker as users type dates: a click selects the section clicked,
// and digits typed from there run on through the day, month and year.

#include "platform/widgets/SeletorData.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

class Picker : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&dialog);
        before = new QLineEdit(&dialog);
        layout->addWidget(before);
        picker = new zav::SeletorData(&dialog);
        layout->addWidget(picker);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        before->setFocus();
    }

    // A click, through the window, on the middle of the character at `position` of "dd-MM-yyyy".
    void clickAt(int position)
    {
        QLineEdit* edit = picker->findChild<QLineEdit*>();
        QPoint at(0, edit->height() / 2);
        while (at.x() < edit->width() && edit->cursorPositionAt(at) <= position)
            at.rx()++;
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, Qt::NoModifier, edit->mapTo(&dialog, at));
    }

    QDialog dialog;
    QLineEdit* before = nullptr;
    zav::SeletorData* picker = nullptr;
};

} // namespace

TEST_F(Picker, AClickSelectsTheSectionClicked)
{
    picker->setDate(QDate(2026, 12, 15));
    const QList<std::pair<int, QDateTimeEdit::Section>> clicks{
        {0, QDateTimeEdit::DaySection}, {4, QDateTimeEdit::MonthSection}, {8, QDateTimeEdit::YearSection},
        {1, QDateTimeEdit::DaySection}};
    for (const auto& [position, section] : clicks) {
        clickAt(position);
        EXPECT_TRUE(picker->hasFocus());
        EXPECT_EQ(picker->currentSection(), section) << "click at " << position;
        EXPECT_EQ(picker->findChild<QLineEdit*>()->selectedText(), picker->sectionText(section)) << "click at " << position;
    }
}

TEST_F(Picker, DigitsTypedFromTheClickedDayFillTheWholeDate)
{
    const QList<std::tuple<QDate, QString, QDate>> typings{
        {QDate(2026, 12, 15), "01032026", QDate(2026, 3, 1)},
        {QDate(2026, 12, 15), "31122025", QDate(2025, 12, 31)},
        {QDate(2026, 1, 31), "28022027", QDate(2027, 2, 28)},
        {QDate(2026, 2, 15), "30042026", QDate(2026, 4, 30)},
        {QDate(2026, 2, 15), "29032026", QDate(2026, 3, 29)},
        {QDate(2026, 2, 15), "31032026", QDate(2026, 3, 31)},
        {QDate(2026, 4, 15), "31052026", QDate(2026, 5, 31)},
        {QDate(2026, 4, 15), "29022028", QDate(2028, 2, 29)},
    };
    for (const auto& [start, typed, expected] : typings) {
        picker->setDate(start);
        before->setFocus();
        clickAt(1);
        QTest::keyClicks(picker, typed);
        EXPECT_EQ(picker->date(), expected) << picker->date().toString("dd-MM-yyyy").toStdString() << " " << typed.toStdString() << " over " << start.toString("dd-MM-yyyy").toStdString();
    }
}

TEST_F(Picker, DigitsTypedOnAClickedMonthOrYearChangeOnlyFromThere)
{
    picker->setDate(QDate(2026, 12, 15));
    clickAt(3);
    QTest::keyClicks(picker, "07");
    EXPECT_EQ(picker->date(), QDate(2026, 7, 15)) << picker->text().toStdString();

    clickAt(9);
    EXPECT_EQ(picker->currentSection(), QDateTimeEdit::YearSection);
    QTest::keyClicks(picker, "2031");
    EXPECT_EQ(picker->date(), QDate(2031, 7, 15)) << picker->text().toStdString();
}

TEST_F(Picker, TabIntoThePickerAlsoTypesFromTheDay)
{
    picker->setDate(QDate(2026, 12, 15));
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(picker->hasFocus());
    QTest::keyClicks(picker, "01032026");
    EXPECT_EQ(picker->date(), QDate(2026, 3, 1));
}

TEST_F(Picker, LeavingMidwayTakesWhatIsADateAndKeepsTheLastDateOtherwise)
{
    picker->setDate(QDate(2026, 2, 15));
    clickAt(0);
    QTest::keyClicks(picker, "3");
    QTest::keyClick(picker, Qt::Key_Tab);
    EXPECT_EQ(picker->date(), QDate(2026, 2, 3)) << "one digit is the day";

    clickAt(0);
    QTest::keyClicks(picker, "31");
    QTest::keyClick(picker, Qt::Key_Tab);
    EXPECT_EQ(picker->date(), QDate(2026, 2, 3)) << "no 31 February: the date stays";
    EXPECT_EQ(picker->text(), "03-02-2026");

    clickAt(0);
    QTest::keyClicks(picker, "0103");
    clickAt(1);
    EXPECT_EQ(picker->date(), QDate(2026, 3, 1)) << "a click elsewhere takes the day and month typed";
}

TEST_F(Picker, SeparatorsCloseASectionAndImpossibleDigitsAreRefused)
{
    picker->setDate(QDate(2026, 12, 15));
    clickAt(0);
    QTest::keyClicks(picker, "1-3-2026");
    EXPECT_EQ(picker->date(), QDate(2026, 3, 1));

    clickAt(0);
    QTest::keyClicks(picker, "004" "132" "2027");
    EXPECT_EQ(picker->date(), QDate(2027, 12, 4)) << "the second 0 of the day and the 3 of the month are refused";
}

// The ERP's dates are SQL Server datetimes, from 1 January 1753.
TEST_F(Picker, HoldsOnlyDatesTheErpCanStore)
{
    for (const auto& [typed, expected] : {std::pair{"15121752", QDate(2026, 12, 15)}, {"01011753", QDate(1753, 1, 1)}}) {
        picker->setDate(QDate(2026, 12, 15));
        clickAt(0);
        QTest::keyClicks(picker, typed);
        EXPECT_EQ(picker->date(), expected) << typed;
    }
    picker->setDate(QDate(1700, 6, 15));
    EXPECT_EQ(picker->date(), QDate(1753, 1, 1));
}
