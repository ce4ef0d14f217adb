#pragma once

#include "FixtureFicha.h"

#include "platform/widgets/CommonDialog.h"
#include "platform/widgets/Seams.h"
#include "platform/widgets/zav_input.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace samplestest {

inline QString u(const char* texto)
{
    return QString::fromUtf8(texto);
}

// Opens a sample card on the fixture's company, answering every message box
// (kept in `mensagens`, with whether the busy pointer was showing meanwhile).
template <class Ficha>
class FichaTest : public ::testing::Test {
protected:
    FichaTest()
        : respostas(zav::messageBoxSeam(), [this](QWidget*, const zav::MessageRequest& pedido) {
              mensagens << pedido.text;
              titulos << pedido.title;
              ocupadoDuranteMensagem = ocupadoDuranteMensagem || QGuiApplication::overrideCursor() != nullptr;
              return int(zav::vbOK);
          })
    {
    }

    void mostra(Ficha& f)
    {
        f.bd = &fixture.bd();
        f.Form_Load();
        f.show();
        QApplication::setActiveWindow(&f);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        QApplication::processEvents();
    }

    // Types into the reference field and leaves it with Tab, as the user does.
    void escreveReferencia(Ficha& f, const QString& texto)
    {
        f.campo(0).setFocus();
        QApplication::processEvents();
        QTest::keyClicks(f.campo(0).editor(), texto);
        QTest::keyClick(f.campo(0).editor(), Qt::Key_Tab);
        QApplication::processEvents();
    }

    void carrega(Ficha& f, const QString& referencia)
    {
        f.campo(0).setText(referencia);
        f.btCarga_Click();
    }

    FixtureFicha fixture;
    zav::CommonDialog dialogo;
    QStringList mensagens;
    QStringList titulos;
    bool ocupadoDuranteMensagem = false;
    zav::Seam<int(QWidget*, const zav::MessageRequest&)>::Override respostas;
};

} // namespace samplestest
