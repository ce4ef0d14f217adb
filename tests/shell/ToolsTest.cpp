// The shared helpers: message boxes by kind and the key notation.

#include "ShellTestSupport.h"

#include "shell/NotacaoTeclas.h"
#include "shell/Tools.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

// 1 names a required field, 2 informs, 3 asks OK or Cancel with Cancel the
// default, 4 asks Yes or No; only the questions give the answer back.
TEST(MostraMensagem, EachKind)
{
    using zav::MessageButtons;
    using zav::MessageIcon;
    const QList<std::tuple<int, int, MessageButtons, MessageIcon, bool>> kinds = {
        {1, zav::vbOK, MessageButtons::Ok, MessageIcon::Exclamation, false},
        {2, zav::vbOK, MessageButtons::Ok, MessageIcon::Information, false},
        {3, zav::vbOK, MessageButtons::OkCancel, MessageIcon::Information, true},
        {3, zav::vbCancel, MessageButtons::OkCancel, MessageIcon::Information, true},
        {4, zav::vbYes, MessageButtons::YesNo, MessageIcon::Information, false},
        {4, zav::vbNo, MessageButtons::YesNo, MessageIcon::Information, false},
    };
    for (const auto& [kind, answer, buttons, icon, secondDefault] : kinds) {
        shelltest::MessageRecorder messages(answer);
        EXPECT_EQ(Tools::MostraMensagem("Cliente", "Continuar?", kind), kind >= 3 ? answer : 0) << kind;
        ASSERT_EQ(messages.requests.size(), 1);
        const zav::MessageRequest& r = messages.requests[0];
        EXPECT_EQ(r.title, "Informação");
        EXPECT_EQ(r.text, kind == 1 ? "Campo obrigatório [Cliente]." : "Continuar?") << kind;
        EXPECT_EQ(r.buttons, buttons) << kind;
        EXPECT_EQ(r.icon, icon) << kind;
        EXPECT_EQ(r.secondButtonDefault, secondDefault) << kind;
    }
    for (int kind : {0, 5, -1}) {
        shelltest::MessageRecorder messages(zav::vbOK);
        EXPECT_EQ(Tools::MostraMensagem("x", "y", kind), 0);
        EXPECT_TRUE(messages.requests.isEmpty());
    }
}

TEST(KeyNotation, NamesModifiersAndCharacters)
{
    const auto teclas = [](const QList<TeclaEnviada>& lidas) {
        QStringList texto;
        for (const TeclaEnviada& t : lidas)
            texto << QStringLiteral("%1/%2/%3").arg(t.key, 0, 16).arg(int(t.modifiers), 0, 16).arg(t.text);
        return texto.join(' ');
    };
    EXPECT_EQ(teclas(leNotacaoTeclas("{TAB}+{TAB}")),
              teclas({{Qt::Key_Tab, Qt::NoModifier, "\t"}, {Qt::Key_Backtab, Qt::ShiftModifier, "\t"}}));
    EXPECT_EQ(teclas(leNotacaoTeclas("aB~{f4}{+}^c")),
              teclas({{Qt::Key_A, Qt::NoModifier, "a"}, {Qt::Key_B, Qt::ShiftModifier, "B"},
                    {Qt::Key_Return, Qt::NoModifier, "\r"}, {Qt::Key_F4}, {Qt::Key_Plus, Qt::NoModifier, "+"},
                    {Qt::Key_C, Qt::ControlModifier}}));
    for (const char* bad : {"{NOPE}", "{TAB", "+", "a}"})
        EXPECT_EQ(zav::test::errorNumberOf([&] { leNotacaoTeclas(bad); }), 5u) << bad;
}
