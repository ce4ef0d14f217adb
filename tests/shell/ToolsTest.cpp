// The shared helpers: message boxes by kind and the key notation.

#include "ShellTestSupport.h"

#include "shell/NotacaoTeclas.h"
#include "shell/Tools.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

TEST(MostraMensagem, EachKind)
{
    {
        shelltest::MessageRecorder messages(zav::vbOK);
        EXPECT_EQ(Tools::MostraMensagem("Cliente", "ignored", 1), 0);
        ASSERT_EQ(messages.requests.size(), 1);
        const zav::MessageRequest& r = messages.requests[0];
        EXPECT_EQ(r.title, "Informação");
        EXPECT_EQ(r.text, "Campo obrigatório [Cliente].");
        EXPECT_EQ(r.icon, zav::MessageIcon::Exclamation);
        EXPECT_EQ(r.buttons, zav::MessageButtons::Ok);
    }
    {
        shelltest::MessageRecorder messages(zav::vbOK);
        EXPECT_EQ(Tools::MostraMensagem("", "Grupo não existente!", 2), 0);
        ASSERT_EQ(messages.requests.size(), 1);
        EXPECT_EQ(messages.requests[0].text, "Grupo não existente!");
        EXPECT_EQ(messages.requests[0].icon, zav::MessageIcon::Information);
        EXPECT_EQ(messages.requests[0].buttons, zav::MessageButtons::Ok);
    }
    for (int answer : {zav::vbOK, zav::vbCancel}) {
        shelltest::MessageRecorder messages(answer);
        EXPECT_EQ(Tools::MostraMensagem("", "Vai proceder à anulação.", 3), answer);
        ASSERT_EQ(messages.requests.size(), 1);
        EXPECT_EQ(messages.requests[0].buttons, zav::MessageButtons::OkCancel);
        EXPECT_TRUE(messages.requests[0].secondButtonDefault);
        EXPECT_EQ(messages.requests[0].icon, zav::MessageIcon::Information);
    }
    for (int answer : {zav::vbYes, zav::vbNo}) {
        shelltest::MessageRecorder messages(answer);
        EXPECT_EQ(Tools::MostraMensagem("", "Continuar?", 4), answer);
        ASSERT_EQ(messages.requests.size(), 1);
        EXPECT_EQ(messages.requests[0].buttons, zav::MessageButtons::YesNo);
        EXPECT_FALSE(messages.requests[0].secondButtonDefault);
    }
    for (int kind : {0, 5, -1}) {
        shelltest::MessageRecorder messages(zav::vbOK);
        EXPECT_EQ(Tools::MostraMensagem("x", "y", kind), 0);
        EXPECT_TRUE(messages.requests.isEmpty());
    }
}

TEST(KeyNotation, NamesModifiersAndCharacters)
{
    const QList<TeclaEnviada> tab = leNotacaoTeclas("{TAB}");
    ASSERT_EQ(tab.size(), 1);
    EXPECT_EQ(tab[0].key, Qt::Key_Tab);
    EXPECT_EQ(tab[0].modifiers, Qt::NoModifier);

    const QList<TeclaEnviada> back = leNotacaoTeclas("+{TAB}");
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back[0].key, Qt::Key_Backtab);
    EXPECT_EQ(back[0].modifiers, Qt::ShiftModifier);

    const QList<TeclaEnviada> mixed = leNotacaoTeclas("aB~{f4}{+}^c");
    ASSERT_EQ(mixed.size(), 6);
    EXPECT_EQ(mixed[0].text, "a");
    EXPECT_EQ(mixed[1].text, "B");
    EXPECT_EQ(mixed[2].key, Qt::Key_Return);
    EXPECT_EQ(mixed[3].key, Qt::Key_F4);
    EXPECT_EQ(mixed[4].text, "+");
    EXPECT_EQ(mixed[5].key, Qt::Key_C);
    EXPECT_EQ(mixed[5].modifiers, Qt::ControlModifier);

    for (const char* bad : {"{NOPE}", "{TAB", "+", "a}"})
        EXPECT_EQ(zav::test::errorNumberOf([&] { leNotacaoTeclas(bad); }), 5u) << bad;
}
