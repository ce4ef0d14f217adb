// The order maps under the keyboard and the mouse: Esc, pasted codes and the
// list buttons, as the user meets them.

#include "FixtureMapas.h"

#include "platform/grid/Grelha.h"
#include "platform/widgets/CommonDialog.h"
#include "platform/widgets/Seams.h"
#include "reports/frmMapas.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TeclasMapas : public ::testing::Test {
protected:
    TeclasMapas()
        : respostas(zav::messageBoxSeam(), [this](QWidget*, const zav::MessageRequest& pedido) {
              mensagens << pedido.text;
              return int(zav::vbOK);
          }),
          listas(zav::pickListSeam(), [this](QWidget*, const zav::PickListRequest& pedido) {
              listasAbertas << pedido.title;
              return QString();
          })
    {
        ecra.bd = &fixture.bd();
        ecra.iOpcao = 2;
        ecra.Form_Load();
        ecra.show();
        QApplication::setActiveWindow(&ecra);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&ecra));
        QApplication::processEvents();
    }

    void foca(QWidget* controlo)
    {
        controlo->setFocus();
        QApplication::processEvents();
    }

    // A key to whatever has the focus, and the keys it sends in turn.
    void tecla(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, mods);
        QApplication::processEvents();
        QApplication::processEvents();
    }

    // Ctrl and a letter the way the X server sends it: the control character as its text.
    void controlo(Qt::Key letra)
    {
        const QChar caracter(char16_t(letra - Qt::Key_A + 1));
        QKeyEvent prime(QEvent::KeyPress, letra, Qt::ControlModifier, QString(caracter));
        QApplication::sendEvent(QApplication::focusWidget(), &prime);
        QKeyEvent solta(QEvent::KeyRelease, letra, Qt::ControlModifier, QString(caracter));
        QApplication::sendEvent(QApplication::focusWidget(), &solta);
        QApplication::processEvents();
    }

    // A click the way the window system delivers it: to the window, at a point.
    void clica(QWidget* controlo)
    {
        QTest::mouseClick(ecra.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          controlo->mapTo(&ecra, controlo->rect().center()));
        QApplication::processEvents();
    }

    maps::FixtureMapas fixture;
    zav::CommonDialog dialogo;
    frmMapas ecra{dialogo};
    QStringList mensagens;
    QStringList listasAbertas;
    zav::Seam<int(QWidget*, const zav::MessageRequest&)>::Override respostas;
    zav::Seam<QString(QWidget*, const zav::PickListRequest&)>::Override listas;
};

} // namespace

TEST_F(TeclasMapas, EscOutsideTheFieldsLeavesTheScreenOpen)
{
    const QList<QWidget*> controlos{ecra.btCarga, ecra.btSair, ecra.btLista[8], ecra.Data[0], ecra.Option1[1],
                                    ecra.Grelha->view()};
    for (QWidget* controlo : controlos) {
        foca(controlo);
        ASSERT_TRUE(controlo->hasFocus() || controlo->isAncestorOf(QApplication::focusWidget()))
            << controlo->metaObject()->className();
        tecla(Qt::Key_Escape);
        EXPECT_TRUE(ecra.isVisible()) << controlo->metaObject()->className();
    }
    // The fields keep their own Esc: back one field, and out from the first.
    foca(ecra.campo(4).editor());
    tecla(Qt::Key_Escape);
    EXPECT_TRUE(ecra.campo(2).editor()->hasFocus());
    EXPECT_TRUE(ecra.isVisible());
    foca(ecra.campo(0).editor());
    tecla(Qt::Key_Escape);
    EXPECT_FALSE(ecra.isVisible());
}

TEST_F(TeclasMapas, APastedGroupIsCheckedOnLeavingLikeATypedOne)
{
    QApplication::clipboard()->setText("QQ");
    foca(ecra.campo(8).editor());
    controlo(Qt::Key_V);
    EXPECT_EQ(ecra.campo(8).Text(), "QQ");
    EXPECT_TRUE(ecra.CampoAlterado);
    tecla(Qt::Key_Tab);
    EXPECT_EQ(mensagens, QStringList{QString::fromUtf8("Grupo não existente!")});
    EXPECT_EQ(ecra.campo(8).Text(), "");
    EXPECT_TRUE(ecra.campo(8).editor()->hasFocus());

    // Cut: what is left is checked too.
    mensagens.clear();
    ecra.campo(8).setText("G1X");
    ecra.campo(8).setSelStart(2);
    ecra.campo(8).setSelLength(1);
    controlo(Qt::Key_X);
    EXPECT_EQ(ecra.campo(8).Text(), "G1");
    tecla(Qt::Key_Tab);
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_TRUE(ecra.campo(9).editor()->hasFocus());
}

TEST_F(TeclasMapas, ClickingAnotherFieldsListButtonChecksTheFieldLeftFirst)
{
    foca(ecra.campo(8).editor());
    QTest::keyClicks(ecra.campo(8).editor(), "QQ");
    clica(ecra.btLista[9]);
    EXPECT_EQ(mensagens, QStringList{QString::fromUtf8("Grupo não existente!")});
    EXPECT_TRUE(listasAbertas.isEmpty());
    EXPECT_TRUE(ecra.campo(8).editor()->hasFocus());

    // With the field now right, the same click opens the family list.
    QTest::keyClicks(ecra.campo(8).editor(), "G1");
    clica(ecra.btLista[9]);
    EXPECT_EQ(listasAbertas, QStringList{QString::fromUtf8("Famílias")});
    EXPECT_EQ(mensagens.size(), 1);
}
