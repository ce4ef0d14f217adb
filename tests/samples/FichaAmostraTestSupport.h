#pragma once

#include "FixtureFicha.h"

#include "platform/grid/Grelha.h"
#include "platform/widgets/CommonDialog.h"
#include "platform/widgets/Seams.h"
#include "platform/widgets/ShowImg.h"
#include "platform/widgets/zav_input.h"
#include "support/AberturaEcra.h"
#include "support/OutsideReaders.h"

#include <QDateTimeEdit>
#include <QFile>
#include <QGroupBox>
#include <QPrinter>
#include <QRadioButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <type_traits>

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
              ocupadoDuranteMensagem = ocupadoDuranteMensagem || QGuiApplication::overrideCursor() != nullptr;
              return int(zav::vbOK);
          })
    {
    }

    Ficha& abre()
    {
        if constexpr (std::is_constructible_v<Ficha, zav::CommonDialog&, QString>)
            ficha = std::make_unique<Ficha>(dialogo, fixture.caminhoConfiguracao());
        else
            ficha = std::make_unique<Ficha>(dialogo);
        ficha->bd = &fixture.bd();
        zav::test::abreEcra(*ficha);
        return *ficha;
    }

    // Types into the emptied reference field and leaves it with Tab, as the user does.
    void escreveReferencia(const QString& texto)
    {
        ficha->campo(0).setText(QString());
        ficha->campo(0).setFocus();
        QApplication::processEvents();
        QTest::keyClicks(ficha->campo(0).editor(), texto);
        QTest::keyClick(ficha->campo(0).editor(), Qt::Key_Tab);
        QApplication::processEvents();
    }

    void carrega(const QString& referencia)
    {
        ficha->campo(0).setText(referencia);
        ficha->btCarga_Click();
    }

    // Supplier | description | notes.
    QString cabecalho() const
    {
        return ficha->cmp(0).Text() + " | " + ficha->cmp(4).Text() + " | " + ficha->cmp(7).Text();
    }

    // As the card opens: an empty filter, unlocked, Pendentes over the last month, nothing loaded.
    void esperaVazia() const
    {
        EXPECT_EQ(ficha->campo(0).Text(), "");
        EXPECT_EQ(cabecalho(), " |  | ");
        EXPECT_EQ(ficha->Data[0]->dateTime().date(), QDate::currentDate().addMonths(-1));
        EXPECT_EQ(ficha->Data[1]->dateTime().date(), QDate::currentDate());
        EXPECT_TRUE(ficha->Option1[1]->isChecked());
        EXPECT_TRUE(ficha->Grelha->isHidden() && ficha->sFoto->isHidden());
        EXPECT_TRUE(ficha->GroupBox1->isEnabled());
        EXPECT_TRUE(ficha->campo(0).editor()->hasFocus());
    }

    // Prints the card on a default printer that writes a PDF; `durante` runs
    // while the page is laid out. The PDF's text, empty when nothing printed.
    QString imprime(const std::function<void()>& durante = {})
    {
        const QString pdf = pasta.filePath(QStringLiteral("ficha.pdf"));
        QFile::remove(pdf);
        zav::Seam<bool(QPrinter&)>::Override impressora(zav::defaultPrinterSeam(), [&](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            // The page is laid out after the printer is readied, letting the
            // events run as it goes: look the second time, once it is white.
            if (durante)
                QTimer::singleShot(0, [durante] { QTimer::singleShot(0, durante); });
            return true;
        });
        ficha->btImp_Click();
        return QFile::exists(pdf) ? zav::test::pdfText(pdf) : QString();
    }

    FixtureFicha fixture;
    QTemporaryDir pasta;
    zav::CommonDialog dialogo;
    QStringList mensagens;
    bool ocupadoDuranteMensagem = false;
    zav::Seam<int(QWidget*, const zav::MessageRequest&)>::Override respostas;
    std::unique_ptr<Ficha> ficha;
};

} // namespace samplestest
