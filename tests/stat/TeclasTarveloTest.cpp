// The statistical report under the keyboard: Esc closes it from nowhere.

#include "stat/EcraTarvelo.h"

#include <QApplication>
#include <QTableView>
#include <QTest>

TEST_F(EcraTarvelo, EscFromAnyControlLeavesTheScreenOpen)
{
    ecra.show();
    QApplication::setActiveWindow(&ecra);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ecra));
    const QList<QWidget*> controlos{ecra.DTPicker1[0], ecra.DTPicker1[1], ecra.btCarga, ecra.btImp,
                                    ecra.btExcel,      ecra.btSair,       ecra.Grelha->view()};
    for (QWidget* controlo : controlos) {
        controlo->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(QApplication::focusWidget()) << controlo->metaObject()->className();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_TRUE(ecra.isVisible()) << controlo->metaObject()->className();
    }
}
