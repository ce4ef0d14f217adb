// The Tarvelo screen around its lines: opening, keys, preview and printing, export.
#include "stat/EcraTarvelo.h"

#include "platform/widgets/Seams.h"
#include "platform/grid/GridPages.h"
#include "platform/grid/Visualizador.h"
#include "support/AberturaEcra.h"
#include "support/ErrorNumber.h"
#include "support/OutsideReaders.h"

#include <QAction>
#include <QApplication>
#include <QTableView>
#include <QTest>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST_F(EcraTarvelo, OpensOnTheMonthsFirstDayAndTodayWithTheFocusMovedOnToTheLastDate)
{
    ecra.Form_Load();
    const QDate hoje = QDate::currentDate();
    EXPECT_EQ(ecra.DTPicker1[0]->date(), QDate(hoje.year(), hoje.month(), 1));
    EXPECT_EQ(ecra.DTPicker1[1]->text(), hoje.toString("dd-MM-yyyy"));

    // Whenever the window is activated.
    for (const auto ativacao : {zav::test::Ativacao::DepoisDosEventos, zav::test::Ativacao::AntesDosEventos}) {
        frmTarvelo outro;
        outro.bd = &empresa.bd();
        zav::test::abreEcra(outro, ativacao);
        EXPECT_TRUE(outro.DTPicker1[1]->hasFocus()) << int(ativacao);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_TRUE(outro.DTPicker1[0]->hasFocus()) << "the first date is one Shift+Tab back";
    }
}

TEST_F(EcraTarvelo, EscFromAnyControlLeavesTheScreenOpenAndSairClosesItEvenFromThePreview)
{
    ecra.show();
    QApplication::setActiveWindow(&ecra);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ecra));
    for (QWidget* controlo : QList<QWidget*>{ecra.DTPicker1[0], ecra.DTPicker1[1], ecra.btCarga, ecra.btImp,
                                             ecra.btExcel, ecra.btSair, ecra.Grelha->view()}) {
        controlo->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(QApplication::focusWidget()) << controlo->metaObject()->className();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_TRUE(ecra.isVisible()) << controlo->metaObject()->className();
    }
    ecra.btImp->click();
    ecra.btSair->click();
    EXPECT_FALSE(ecra.isVisible());
}

// The pointer shows busy while the statements and the grid filling run, and
// is back however the load ends: lines, none in the period, or a failure that
// goes on to the error message.
TEST_F(EcraTarvelo, PointerIsBusyDuringTheLoadAndRestoredHoweverItEnds)
{
    QList<Qt::CursorShape> duranteAGrelha;
    QObject::connect(ecra.Grelha->view()->model(), &QAbstractItemModel::modelReset, [&] {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        duranteAGrelha << (cursor ? cursor->shape() : Qt::ArrowCursor);
    });

    CarregaMes(1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "a period without lines";

    CarregaMes(3);
    ASSERT_FALSE(duranteAGrelha.isEmpty());
    EXPECT_EQ(duranteAGrelha, QList<Qt::CursorShape>(duranteAGrelha.size(), Qt::WaitCursor));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    empresa.bd().ExecutaSQL(QString(), "DROP TABLE DOCGCLIN");
    EXPECT_NE(zav::test::errorNumberOf([&] { ecra.btCarga_Click(); }), 0u);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the error message finds the pointer restored";
}

TEST_F(EcraTarvelo, PreviewTakesTheGridsPlaceAndPrintsTheReportEmptyOrFull)
{
    QTemporaryDir pasta;
    // Prints the preview from its toolbar into a PDF; its text.
    const auto imprimePelaBarra = [&] {
        const QString pdf = pasta.filePath("mapa.pdf");
        zav::Seam<bool(QWidget*, QPrinter&)>::Override impressora(
            zav::printDialogSeam(), [&](QWidget*, QPrinter& printer) {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(pdf);
                return true;
            });
        ecra.Visualizador->tool(zav::Visualizador::ToolPrint)->trigger();
        return zav::test::pdfText(pdf);
    };
    ecra.show();
    CarregaMes(1);
    ecra.btImp->click();
    ASSERT_EQ(ecra.Visualizador->pageCount(), 1);
    QString texto = imprimePelaBarra();
    EXPECT_TRUE(texto.contains("de '01-01-2026' a '31-01-2026'") && texto.contains("Página: 1 de 1"));
    EXPECT_FALSE(texto.contains("P0100"));
    ecra.btImp->click();

    CarregaMes(3);
    ecra.btImp->click();
    EXPECT_TRUE(ecra.Visualizador->isVisible());
    EXPECT_FALSE(ecra.Grelha->isVisible());
    EXPECT_EQ(ecra.Visualizador->geometry(), ecra.Grelha->geometry());
    EXPECT_EQ(ecra.btImp->text(), "Grelha");
    EXPECT_FALSE(ecra.btCarga->isEnabled() || ecra.btExcel->isEnabled());
    texto = imprimePelaBarra();
    for (const char* esperado : {"Mapa Estatístico", "de '01-03-2026' a '31-03-2026'", "Página: 1 de 1", "Qtd.Prod.",
                                 "Camisas", "12,5", "Valor Total Vendas", "141309110000", "Outros Mercados"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado;

    ecra.btImp->click();
    EXPECT_FALSE(ecra.Visualizador->isVisible());
    EXPECT_TRUE(ecra.Grelha->isVisible());
    EXPECT_EQ(ecra.btImp->text(), "Imprimir");
    EXPECT_TRUE(ecra.btCarga->isEnabled() && ecra.btExcel->isEnabled());
}

// The first sheet of a workbook row by row, "|" between the cells, each cell
// its kind, t (text) or n (number), and its value; nothing for an empty cell.
QStringList LinhasLivro(const QString& caminho)
{
    const zav::test::ReadBack livro = zav::test::readBack(caminho);
    QStringList linhas;
    for (int linha = 0; linha < livro.rows(); ++linha) {
        QStringList celulas;
        for (const zav::test::ReadBack::Cell* celula : livro.row(linha))
            celulas << (celula ? (celula->isText ? "t:" : "n:") + celula->value.toString() : QString());
        linhas << celulas.join('|');
    }
    return linhas;
}

TEST_F(EcraTarvelo, ExportCancelledDoesNothingAndTheWorkbookHoldsTheVisibleColumnsWithFiguresAsNumbers)
{
    QTemporaryDir pasta;
    QStringList oferecidos, abertos, mensagens;
    zav::Seam<bool(const QString&)>::Override abre(zav::shellOpenSeam(), [&](const QString& caminho) {
        abertos << caminho;
        return true;
    });
    zav::Seam<int(QWidget*, const zav::MessageRequest&)>::Override mensagem(
        zav::messageBoxSeam(), [&](QWidget*, const zav::MessageRequest& pedido) {
            mensagens << pedido.text;
            return int(zav::vbOK);
        });
    // Answers the file dialog with `resposta`, keeping the name it offered.
    const auto exporta = [&](const QString& resposta) {
        zav::Seam<QString(QWidget*, const zav::FileRequest&)>::Override ficheiro(
            zav::saveFileSeam(), [&](QWidget*, const zav::FileRequest& pedido) {
                oferecidos << pedido.initialName;
                return resposta;
            });
        ecra.btExcel->click();
    };
    exporta(QString());
    EXPECT_TRUE(abertos.isEmpty());
    const QString vazia = pasta.filePath("vazia.xls");
    exporta(vazia);
    EXPECT_EQ(LinhasLivro(vazia).size(), 1);  // the grid's first empty rows: headings only

    CarregaMes(3);
    const QString caminho = pasta.filePath("mapa.xls");
    exporta(caminho);
    EXPECT_EQ(oferecidos, QStringList({"", "", vazia}));
    ASSERT_EQ(abertos, QStringList({vazia, caminho}));
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('\n').toStdString();
    const QStringList linhas = LinhasLivro(caminho);
    // Two empty rows close the grid; the sheet ends at its last written row.
    ASSERT_EQ(linhas.size(), 11);
    EXPECT_EQ(linhas[0],
              QString::fromUtf8("t:Produto|t:UND|t:Código|t:Qtd.Prod.|t:Qtd.Vend.|t:Valor Vendas|t:Observações"));
    // The field codes stay texts in the figure columns.
    EXPECT_EQ(linhas[1].section('|', 3, 3), "t:P0500");
    EXPECT_EQ(linhas[2], "t:Camisas|t:UN|t:CL10|n:90|n:27|n:282|");
    EXPECT_EQ(linhas[5].section('|', 3, 3), "n:12.5");
    EXPECT_EQ(linhas[8].section('|', 5, 5), "n:537");
    EXPECT_EQ(linhas[9].section('|', 0, 0), "t: Nacional");

    // Another opening of the screen starts without a name.
    frmTarvelo outro;
    EXPECT_EQ(outro.CommonDialog1.fileName(), "");
}

} // namespace
