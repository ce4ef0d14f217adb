// Keys that reach a screen itself: Esc closes no screen and Enter presses no
// button by themselves.

#include "platform/widgets/zav_input.h"
#include "shell/Ecra.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

TEST(ScreenKeys, EscOrEnterReachingTheScreenDoNothing)
{
    Ecra ecra;
    auto* layout = new QVBoxLayout(&ecra);
    auto* campo = new zav::zav_input(0, &ecra);  // no key handler of the screen's
    auto* botao = new QPushButton("...", &ecra);  // a dialog's button, default when it has had the focus
    auto* opcao = new QCheckBox("Todas", &ecra);
    for (QWidget* w : QList<QWidget*>{campo, botao, opcao})
        layout->addWidget(w);
    int rejeicoes = 0;
    int cliques = 0;
    QObject::connect(&ecra, &QDialog::rejected, [&] { ++rejeicoes; });
    QObject::connect(botao, &QPushButton::clicked, [&] { ++cliques; });
    ecra.show();
    QApplication::setActiveWindow(&ecra);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ecra));

    for (QWidget* w : QList<QWidget*>{campo->editor(), botao, opcao}) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_TRUE(ecra.isVisible()) << w->metaObject()->className();
    }
    EXPECT_EQ(rejeicoes, 0);

    campo->setFocus();
    QTest::keyClick(campo->editor(), Qt::Key_Return);
    QTest::keyClick(campo->editor(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(cliques, 0);
    botao->setFocus();
    QTest::keyClick(botao, Qt::Key_Return);
    EXPECT_EQ(cliques, 1) << "a button with the focus is pressed";
    campo->setFocus();
    QTest::keyClick(campo->editor(), Qt::Key_Return);
    EXPECT_EQ(cliques, 1) << "leaving the button leaves no default behind";

    // Closing by the screen's own choice still closes it.
    ecra.close();
    EXPECT_FALSE(ecra.isVisible());
}
