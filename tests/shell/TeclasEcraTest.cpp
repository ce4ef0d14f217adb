// Keys that reach a screen itself: Esc closes no screen by itself.

#include "platform/widgets/zav_input.h"
#include "shell/Ecra.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

TEST(ScreenKeys, EscReachingTheScreenClosesNothing)
{
    Ecra ecra;
    auto* layout = new QVBoxLayout(&ecra);
    auto* campo = new zav::zav_input(0, &ecra);  // no key handler of the screen's
    auto* botao = BotaoEcra("&Carregar", QString(), &ecra);
    auto* opcao = new QCheckBox("Todas", &ecra);
    for (QWidget* w : QList<QWidget*>{campo, botao, opcao})
        layout->addWidget(w);
    int rejeicoes = 0;
    QObject::connect(&ecra, &QDialog::rejected, [&] { ++rejeicoes; });
    ecra.show();
    QApplication::setActiveWindow(&ecra);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ecra));

    for (QWidget* w : QList<QWidget*>{campo->editor(), botao, opcao}) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_TRUE(ecra.isVisible()) << w->metaObject()->className();
    }
    EXPECT_EQ(rejeicoes, 0);

    // Closing by the screen's own choice still closes it.
    ecra.close();
    EXPECT_FALSE(ecra.isVisible());
}
