// The input field: validation before the focus leaves, key handling, the list
// key, and keys sent by EnviaTeclas arriving like typed ones.

#include "platform/widgets/zav_input.h"
#include "shell/Tools.h"
#include "support/ErrorNumber.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A screen with two fields of the array `campo` and a button.
class Screen : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(&campo.add(new zav::zav_input(0, &dialog)));
        layout->addWidget(&campo.add(new zav::zav_input(1, &dialog, zav::zav_input::UmaLinha, zav::zav_input::SoNumeros)));
        button = new QPushButton("&OK", &dialog);
        button->setAutoDefault(false);
        layout->addWidget(button);
        QObject::connect(&campo, &zav::zav_inputArray::Valida, [this](int index, bool& cancel) {
            validated << index;
            cancel = cancelNext;
        });
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        campo[0].setFocus();
        ASSERT_TRUE(campo[0].editor()->hasFocus());
    }

    QWidget* focused() const { return QApplication::focusWidget(); }

    // A click the way the window system delivers it: to the window, at a point.
    void clickOn(QWidget* widget)
    {
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          widget->mapTo(&dialog, widget->rect().center()));
    }

    // A field of the screen, added at the end of the array.
    zav::zav_input& newField(int tipo)
    {
        auto* field = new zav::zav_input(campo.indexes().last() + 1, &dialog, tipo);
        dialog.layout()->addWidget(&campo.add(field));
        return *field;
    }

    QDialog dialog;
    zav::zav_inputArray campo;
    QPushButton* button = nullptr;
    QList<int> validated;
    bool cancelNext = false;
};

} // namespace

TEST_F(Screen, ValidaOnTabAndCancelKeepsTheFocus)
{
    cancelNext = true;
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(validated, QList<int>({0}));
    EXPECT_EQ(focused(), campo[0].editor());

    cancelNext = false;
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(validated, QList<int>({0, 0}));
    EXPECT_EQ(focused(), campo[1].editor());

    QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(validated, QList<int>({0, 0, 1}));
    EXPECT_EQ(focused(), campo[0].editor());

    // Backwards out of the first field the focus goes round to the last control.
    QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), button);
}

// A click on another control, its access key, or a click on a button that a
// click does not focus (a field's list button, which leaves the focus in the
// field while its list is open): each leaves the field, and a cancel swallows it.
TEST_F(Screen, ValidaBeforeAnotherControlIsPressedAndCancelSwallowsThePress)
{
    auto* lista = new QPushButton("...", &dialog);
    lista->setFocusPolicy(Qt::TabFocus);
    dialog.layout()->addWidget(lista);
    QApplication::processEvents();
    int clicks = 0;
    for (QPushButton* pressed : {button, lista})
        QObject::connect(pressed, &QPushButton::clicked, [&] { ++clicks; });
    const std::function<void()> ways[] = {
        [&] { clickOn(button); },
        [&] { QTest::keyClick(focused(), Qt::Key_O, Qt::AltModifier); },
        [&] { clickOn(lista); },
    };
    for (const auto& leave : ways) {
        campo[0].setFocus();
        validated.clear();
        clicks = 0;
        cancelNext = true;
        leave();
        EXPECT_EQ(validated, QList<int>({0}));
        EXPECT_EQ(clicks, 0);
        EXPECT_EQ(focused(), campo[0].editor());

        cancelNext = false;
        leave();
        EXPECT_EQ(validated, QList<int>({0, 0}));
        EXPECT_TRUE(QTest::qWaitFor([&] { return clicks == 1; }));
    }

    // Neither a click inside the field itself nor one on a switched-off button leaves it.
    campo[0].setFocus();
    validated.clear();
    clickOn(campo[0].editor());
    lista->setEnabled(false);
    clickOn(lista);
    EXPECT_TRUE(validated.isEmpty());
}

TEST_F(Screen, NoSecondValidaWhileOneIsRunning)
{
    QObject::disconnect(&campo, &zav::zav_inputArray::Valida, nullptr, nullptr);
    int raised = 0;
    QObject::connect(&campo, &zav::zav_inputArray::Valida, [&](int, bool& cancel) {
        ++raised;
        // What a message box opened here would cause: the field is left again.
        QTest::keyClick(campo[0].editor(), Qt::Key_Tab);
        cancel = true;
    });
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(raised, 1);
}

TEST_F(Screen, AValidaThatMovesTheFocusItselfUsesUpTheTab)
{
    // As a key field locks once its record loads and hands the focus on: the
    // Tab does not move it a second time, past the next field.
    QObject::connect(&campo, &zav::zav_inputArray::Valida, [this](int index, bool&) {
        if (index == 0)
            campo[1].setFocus();
    });
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), campo[1].editor());
}

TEST_F(Screen, TeclaCanSwallowEscOrChangeTheKey)
{
    QObject::connect(&campo, &zav::zav_inputArray::Tecla, [](int, int& keyAscii) {
        if (keyAscii == 27)
            keyAscii = 0;
        else if (keyAscii >= 'a' && keyAscii <= 'z')
            keyAscii -= 32;
    });
    QTest::keyClicks(focused(), "ab1");
    EXPECT_EQ(campo[0].Text(), "AB1");
    QTest::keyClick(focused(), Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());  // Esc never reached the dialog
    EXPECT_EQ(campo[0].Text(), "AB1");
}

// Pasting and cutting are edits: the screen hears of them through Tecla as
// Ctrl+V (22) and Ctrl+X (24), whichever keys, menu command or drop do them,
// and may refuse them. Other Ctrl letters carry theirs too (Ctrl+A 1).
TEST_F(Screen, EveryWayOfPastingOrCuttingRaisesTecla)
{
    QList<int> keys;
    bool refuse = false;
    QObject::connect(&campo, &zav::zav_inputArray::Tecla, [&](int, int& keyAscii) {
        keys << keyAscii;
        if (refuse)
            keyAscii = 0;
    });
    // Picks a command of the field's menu once it shows; several lines have it on their viewport.
    const auto fromTheMenu = [](zav::zav_input& field, const QString& caption) {
        QTimer::singleShot(0, [caption] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_TRUE(menu);
            for (QAction* action : menu->actions())
                if (action->text().section('\t', 0, 0).remove('&') == caption)
                    action->trigger();
            menu->close();
        });
        QWidget* target = field.tipo_campo() == zav::zav_input::VariasLinhas
                              ? static_cast<QPlainTextEdit*>(field.editor())->viewport()
                              : field.editor();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), target->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(target, &event);
    };
    const auto keyWithText = [](zav::zav_input& field, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(field.editor(), &press);
    };
    const auto drop = [](zav::zav_input& field) {
        QMimeData dropped;
        dropped.setText("QQ");
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field.editor(), &enter);
        QDropEvent dropEvent(QPointF(2, 2), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field.editor(), &dropEvent);
    };
    const struct {
        const char* way;
        int tipo;
        std::function<void(zav::zav_input&)> edit;
        QList<int> heard;
        const char* done;
    } ways[] = {
        // As the X server sends Ctrl+V: the control character as its text.
        {"Ctrl+V", zav::zav_input::UmaLinha, [&](auto& f) { keyWithText(f, Qt::Key_V, Qt::ControlModifier, QString(QChar(22))); }, {22}, "QQ"},
        {"Shift+Insert", zav::zav_input::UmaLinha, [](auto& f) { QTest::keyClick(f.editor(), Qt::Key_Insert, Qt::ShiftModifier); }, {22}, "QQ"},
        {"Ctrl+X", zav::zav_input::UmaLinha, [](auto& f) { QTest::keyClick(f.editor(), Qt::Key_X, Qt::ControlModifier); }, {24}, ""},
        {"Ctrl+A", zav::zav_input::UmaLinha, [](auto& f) { QTest::keyClick(f.editor(), Qt::Key_A, Qt::ControlModifier); }, {1}, "AB"},
        {"Colar", zav::zav_input::UmaLinha, [&](auto& f) { fromTheMenu(f, "Colar"); }, {22}, "QQ"},
        {"Cortar", zav::zav_input::UmaLinha, [&](auto& f) { fromTheMenu(f, "Cortar"); }, {24}, ""},
        {"Seleccionar Tudo", zav::zav_input::UmaLinha, [&](auto& f) { fromTheMenu(f, "Seleccionar Tudo"); }, {}, "AB"},
        {"Colar", zav::zav_input::VariasLinhas, [&](auto& f) { fromTheMenu(f, "Colar"); }, {22}, "QQ"},
        {"drop", zav::zav_input::UmaLinha, drop, {22}, "QQAB"},
    };
    for (const auto& w : ways)
        for (const bool refused : {false, true}) {
            zav::zav_input& field = newField(w.tipo);
            field.setText("AB");
            field.setFocus();
            field.setSelStart(0);
            field.setSelLength(2);
            QApplication::clipboard()->setText("QQ");
            keys.clear();
            refuse = refused;
            w.edit(field);
            EXPECT_EQ(keys, w.heard) << w.way << " " << w.tipo;
            EXPECT_EQ(field.Text(), refused && !w.heard.isEmpty() ? "AB" : w.done) << w.way << " " << w.tipo << " " << refused;
        }
}

TEST_F(Screen, NumbersOnlyListKeyAndEntra)
{
    QList<int> listed, entered;
    QObject::connect(&campo, &zav::zav_inputArray::PedeLista, [&](int index) { listed << index; });
    QObject::connect(&campo, &zav::zav_inputArray::Entra, [&](int index) { entered << index; });

    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(entered, QList<int>({1}));
    QTest::keyClicks(focused(), "12a-3,5x");
    EXPECT_EQ(campo[1].Text(), "12-3,5");
    QTest::keyClick(focused(), Qt::Key_F4);
    EXPECT_EQ(listed, QList<int>({1}));
    EXPECT_EQ(campo[1].Text(), "12-3,5");
}

// A screen's load sends a Tab before the window system has activated it: the
// first control takes the focus as the window activates, and the Tab moves on
// from it through Valida, as a typed one would; Shift+Tab goes back.
TEST(EnviaTeclas, TabSentOnOpeningMovesOnFromTheFirstControl)
{
    QDialog screen;
    screen.setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(&screen);
    zav::zav_inputArray campo;
    for (int index : {0, 1, 2})
        layout->addWidget(&campo.add(new zav::zav_input(index, &screen)));
    QList<int> validated;
    QObject::connect(&campo, &zav::zav_inputArray::Valida, [&](int index, bool&) { validated << index; });

    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    // As just shown: not active, no control has had the focus.
    QApplication::setActiveWindow(nullptr);
    if (QWidget* foco = screen.focusWidget())
        foco->clearFocus();
    ASSERT_EQ(screen.focusWidget(), nullptr);

    Tools::EnviaTeclas("{TAB}");
    EXPECT_TRUE(validated.isEmpty()); // sent keys arrive after the sender returns
    EXPECT_TRUE(QTest::qWaitFor([&] { return !validated.isEmpty(); }, 1000));
    EXPECT_EQ(validated, QList<int>({0}));
    EXPECT_EQ(QApplication::focusWidget(), campo[1].editor());

    Tools::EnviaTeclas("+{TAB}");
    EXPECT_TRUE(QTest::qWaitFor([&] { return validated == QList<int>({0, 1}); }));
    EXPECT_EQ(QApplication::focusWidget(), campo[0].editor());
}

TEST_F(Screen, SeveralLinesFieldLeavesByTabAndKeepsItsLimit)
{
    zav::zav_input& notes = newField(zav::zav_input::VariasLinhas);
    notes.setMaxLength(5);
    notes.setFocus();
    QTest::keyClicks(notes.editor(), "ab");
    QTest::keyClick(notes.editor(), Qt::Key_Return);
    QTest::keyClicks(notes.editor(), "cdef");
    EXPECT_EQ(notes.Text(), "ab\ncd");
    QTest::keyClick(notes.editor(), Qt::Key_Tab);
    EXPECT_EQ(validated, QList<int>({2}));
    EXPECT_NE(focused(), notes.editor());
}

// A limit takes of a key or a paste only what fits, never half of an emoji, and
// never cuts a longer text that was there; a pasted NUL is dropped, and in one
// line a pasted line break or tab is a blank.
TEST_F(Screen, ALimitTakesOnlyWhatFitsAndNeverCutsWhatIsThere)
{
    using zav::zav_input;
    const QString emoji = QString::fromUtf8("😀");
    const QString nul(QChar(0));
    const struct {
        int tipo;
        QString antes;
        QString escrito;
        bool colado;
        QString esperado;
    } casos[] = {
        {zav_input::UmaLinha, "zzzzzzzz", "x", false, "zzzzzzzz"},
        {zav_input::VariasLinhas, "zzzzzzzz", "x", false, "zzzzzzzz"},
        {zav_input::UmaLinha, "", "ABCDEFGH", false, "ABCDE"},
        {zav_input::UmaLinha, "", "abcd" + emoji, true, "abcd"},
        {zav_input::VariasLinhas, "", "abcd" + emoji, true, "abcd"},
        {zav_input::UmaLinha, "", "a\r\nb" + nul + "\tc", true, "a b c"},
        {zav_input::VariasLinhas, "", "a\nb" + nul + "c", true, "a\nbc"},
    };
    for (const auto& caso : casos) {
        zav_input& field = newField(caso.tipo);
        field.setMaxLength(5);
        field.setText(caso.antes);
        field.setFocus();
        field.setSelStart(int(caso.antes.size()));
        if (caso.colado) {
            QApplication::clipboard()->setText(caso.escrito);
            QTest::keyClick(field.editor(), Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(field.editor(), caso.escrito);
        }
        EXPECT_EQ(field.Text(), caso.esperado) << caso.tipo << " " << caso.escrito.toStdString();
        if (!caso.colado && !caso.antes.isEmpty()) {
            QTest::keyClick(field.editor(), Qt::Key_Backspace);
            EXPECT_EQ(field.Text(), "zzzzzzz") << "shortening a long text is no growth";
        }
    }
}

TEST(ControlArray, MissingIndexAndDuplicate)
{
    QWidget owner;
    zav::zav_inputArray cmp;
    cmp.add(new zav::zav_input(3, &owner));
    EXPECT_EQ(cmp[3].Index(), 3);
    EXPECT_EQ(zav::test::errorNumberOf([&] { cmp(4); }), 340u);
    EXPECT_EQ(zav::test::errorNumberOf([&] { cmp.add(new zav::zav_input(3, &owner)); }), 360u);
}
