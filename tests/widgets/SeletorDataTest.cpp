// The date picker as users type dates: a click selects the section clicked,
// and digits typed from there run on through the day, month and year.

#include "platform/widgets/SeletorData.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QLineEdit>
#include <QTableView>
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

// Into the day by a click or by Tab. A separator closes a section, digits no
// date could hold are refused, and the ERP's dates begin on 1 January 1753.
TEST_F(Picker, DigitsTypedFromTheDayFillTheWholeDate)
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
        {QDate(2026, 12, 15), "1-3-2026", QDate(2026, 3, 1)},
        {QDate(2026, 12, 15), "004" "132" "2027", QDate(2027, 12, 4)}, // the second 0 and the month's 3 are refused
        {QDate(2026, 12, 15), "15121752", QDate(2026, 12, 15)},
        {QDate(2026, 12, 15), "01011753", QDate(1753, 1, 1)},
    };
    for (const bool byTab : {false, true})
        for (const auto& [start, typed, expected] : typings) {
            picker->setDate(start);
            before->setFocus();
            if (byTab)
                QTest::keyClick(before, Qt::Key_Tab);
            else
                clickAt(1);
            QTest::keyClicks(picker, typed);
            EXPECT_EQ(picker->date(), expected) << typed.toStdString() << " over " << start.toString("dd-MM-yyyy").toStdString();
        }
    picker->setDate(QDate(1700, 6, 15));
    EXPECT_EQ(picker->date(), QDate(1753, 1, 1));
}

// A click selects the section clicked, and what is typed there changes only from it on.
TEST_F(Picker, DigitsTypedOnAClickedMonthOrYearChangeOnlyFromThere)
{
    picker->setDate(QDate(2026, 12, 15));
    clickAt(4);
    EXPECT_TRUE(picker->hasFocus());
    EXPECT_EQ(picker->findChild<QLineEdit*>()->selectedText(), "12");
    QTest::keyClicks(picker, "07");
    EXPECT_EQ(picker->date(), QDate(2026, 7, 15)) << picker->text().toStdString();

    clickAt(8);
    EXPECT_EQ(picker->findChild<QLineEdit*>()->selectedText(), "2026");
    QTest::keyClicks(picker, "2031");
    EXPECT_EQ(picker->date(), QDate(2031, 7, 15)) << picker->text().toStdString();
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

// A stored date it cannot hold shows as stored, and neither typing nor
// stepping changes it; F4 drops the calendar, where a date picked replaces it.
TEST_F(Picker, AStoredDateItCannotHoldShowsAsStoredAndReadOnlyUntilOneIsPicked)
{
    int escolhidas = 0;
    QObject::connect(picker, &zav::SeletorData::Escolhida, [&] { ++escolhidas; });
    const QLineEdit* editor = picker->findChild<QLineEdit*>();
    picker->setDataGuardada(QDate(2024, 2, 29));
    EXPECT_EQ(picker->date(), QDate(2024, 2, 29)) << "a date it holds is its date";
    EXPECT_FALSE(editor->isReadOnly());

    picker->setDataGuardada(QDate(1700, 6, 15));
    EXPECT_TRUE(editor->isReadOnly());
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(picker->hasFocus());
    QTest::keyClicks(picker, "01032026");
    for (const Qt::Key tecla : {Qt::Key_Up, Qt::Key_PageDown, Qt::Key_Backspace, Qt::Key_Delete})
        QTest::keyClick(picker, tecla);
    picker->stepBy(3);
    clickAt(1);
    QTest::keyClicks(picker, "15");
    QTest::keyClick(picker, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(picker->text(), "15-06-1700");
    EXPECT_EQ(escolhidas, 0);

    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_F4);
    QCalendarWidget* calendario = picker->calendarWidget();
    ASSERT_TRUE(QTest::qWaitFor([&] { return calendario->isVisible(); }));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(calendario->isVisible());
    EXPECT_EQ(escolhidas, 1);
    const QDate segundoDoMes(QDate::currentDate().year(), QDate::currentDate().month(), 2);
    EXPECT_EQ(picker->date(), segundoDoMes) << "moved on from the first day of today's month";
    EXPECT_EQ(picker->text(), segundoDoMes.toString("dd-MM-yyyy"));
    EXPECT_FALSE(editor->isReadOnly());
    clickAt(0);
    QTest::keyClicks(picker, "01032026");
    EXPECT_EQ(picker->date(), QDate(2026, 3, 1)) << "typed again once a date is given";

    picker->setDataGuardada(QDate(1700, 6, 15));
    picker->setDate(QDate(2025, 5, 5));
    EXPECT_EQ(picker->text(), "05-05-2025") << "the program's date replaces it too";
    EXPECT_FALSE(editor->isReadOnly());
}

// The calendar of a stored date it cannot hold opens on today's month, with
// no day chosen: Enter alone, or Escape, leaves the stored date as it was; a
// day clicked replaces it.
TEST_F(Picker, TheCalendarOfAStoredDateItCannotHoldOpensOnTodaysMonthWithNoDayChosen)
{
    int escolhidas = 0;
    QObject::connect(picker, &zav::SeletorData::Escolhida, [&] { ++escolhidas; });
    QCalendarWidget* calendario = picker->calendarWidget();
    auto* dias = calendario->findChild<QTableView*>();
    ASSERT_TRUE(dias);
    const QDate hoje = QDate::currentDate();
    const QList<QList<Qt::Key>> teclas{{Qt::Key_Return}, {Qt::Key_Enter}, {Qt::Key_Escape}};
    for (const QList<Qt::Key>& premidas : teclas) {
        picker->setDataGuardada(QDate(1700, 5, 3));
        picker->setFocus();
        QTest::keyClick(picker, Qt::Key_F4);
        ASSERT_TRUE(QTest::qWaitFor([&] { return calendario->isVisible(); }));
        EXPECT_EQ(calendario->yearShown(), hoje.year());
        EXPECT_EQ(calendario->monthShown(), hoje.month());
        EXPECT_TRUE(dias->selectionModel()->selectedIndexes().isEmpty()) << "no day chosen";
        for (const Qt::Key tecla : premidas)
            QTest::keyClick(QApplication::focusWidget(), tecla);
        const Qt::Key fecho = premidas.back();
        EXPECT_FALSE(calendario->isVisible());
        EXPECT_EQ(picker->text(), "03-05-1700") << fecho;
        EXPECT_TRUE(picker->findChild<QLineEdit*>()->isReadOnly());
        EXPECT_EQ(escolhidas, 0);
    }

    // A day clicked in today's month.
    QTest::keyClick(picker, Qt::Key_F4);
    ASSERT_TRUE(QTest::qWaitFor([&] { return calendario->isVisible(); }));
    const QDate dia(hoje.year(), hoje.month(), 15);
    QModelIndex celula;
    for (int linha = 0; linha < dias->model()->rowCount() && !celula.isValid(); ++linha)
        for (int coluna = 0; coluna < dias->model()->columnCount(); ++coluna)
            if (dias->model()->index(linha, coluna).data().toInt() == 15 && linha > 1) {
                celula = dias->model()->index(linha, coluna);
                break;
            }
    ASSERT_TRUE(celula.isValid());
    QTest::mouseClick(dias->viewport(), Qt::LeftButton, Qt::NoModifier, dias->visualRect(celula).center());
    EXPECT_FALSE(calendario->isVisible());
    EXPECT_EQ(escolhidas, 1);
    EXPECT_EQ(picker->date(), dia);
    EXPECT_FALSE(picker->findChild<QLineEdit*>()->isReadOnly());
}

// F4 and Alt+Down drop the calendar on the date shown, changing nothing: on a
// plain date field Alt+Down would otherwise step the day back.
TEST_F(Picker, F4AndAltDownDropTheCalendarOnTheDateShown)
{
    QCalendarWidget* calendario = picker->calendarWidget();
    for (const auto& [tecla, modificador] : {std::pair{Qt::Key_F4, Qt::NoModifier}, std::pair{Qt::Key_Down, Qt::AltModifier}}) {
        picker->setDate(QDate(2026, 3, 15));
        picker->setFocus();
        QTest::keyClick(picker, tecla, modificador);
        ASSERT_TRUE(QTest::qWaitFor([&] { return calendario->isVisible(); }, 1000)) << tecla;
        EXPECT_EQ(picker->date(), QDate(2026, 3, 15)) << tecla;
        EXPECT_EQ(calendario->selectedDate(), QDate(2026, 3, 15)) << tecla;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(calendario->isVisible());
        EXPECT_EQ(picker->date(), QDate(2026, 3, 15)) << tecla;
    }
}

// Leaving for another control of the window is said; the window giving the
// focus to another, as it does when it closes, is not.
TEST_F(Picker, LeavingForAnotherControlIsSaidButNotForAnotherWindow)
{
    int deixadas = 0;
    QObject::connect(picker, &zav::SeletorData::Deixada, [&] { ++deixadas; });
    picker->setFocus();
    QWidget outra;
    outra.show();
    QApplication::setActiveWindow(&outra);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&outra));
    EXPECT_EQ(deixadas, 0);
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_TRUE(picker->hasFocus()) << "back where it was";
    QTest::keyClick(picker, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(deixadas, 1);
}
