// The Tarvelo screen around its lines: opening, preview and printing, export.
#include "stat/EcraTarvelo.h"

#include "platform/widgets/Seams.h"
#include "platform/grid/GridPages.h"
#include "platform/grid/Visualizador.h"
#include "support/AberturaEcra.h"
#include "support/ErrorNumber.h"
#include "support/OutsideReaders.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QTableView>
#include <QTest>
#include <QJsonArray>
#include <QLabel>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST_F(EcraTarvelo, OpensOnTheFirstDayOfTheMonthAndToday)
{
    ecra.Form_Load();

    const QDate hoje = QDate::currentDate();
    EXPECT_EQ(ecra.DTPicker1[0]->date(), QDate(hoje.year(), hoje.month(), 1));
    EXPECT_EQ(ecra.DTPicker1[1]->date(), hoje);
    EXPECT_EQ(ecra.DTPicker1[1]->text(), hoje.toString("dd-MM-yyyy"));
    EXPECT_EQ(ecra.windowTitle(), "Tarvelo");
}

TEST_F(EcraTarvelo, ControlsCarryTheirTextsAndTips)
{
    const QString dicaData = "Data a partir da qual se processa a extração.";
    EXPECT_EQ(ecra.lblPrimeiraData->text(), "1ª Data");
    EXPECT_EQ(ecra.lblUltimaData->text(), "Ult. Data");
    for (QWidget* etiqueta : {static_cast<QWidget*>(ecra.lblPrimeiraData), static_cast<QWidget*>(ecra.lblUltimaData)})
        EXPECT_EQ(etiqueta->font().family(), "Verdana");
    for (zav::SeletorData* data : ecra.DTPicker1) {
        EXPECT_EQ(data->toolTip(), dicaData);
        EXPECT_EQ(data->displayFormat(), "dd-MM-yyyy");
    }
    const QList<std::pair<QPushButton*, QStringList>> botoes{
        {ecra.btCarga, {"&Carregar", "Confirmar a operação."}},
        {ecra.btImp, {"&Imprimir", "Confirmar a operação."}},
        {ecra.btExcel, {"&Excel", "Confirmar a operação."}},
        {ecra.btSair, {"&Sair", "Abandonar a opção."}},
    };
    for (const auto& [botao, textos] : botoes) {
        EXPECT_EQ(botao->text(), textos[0]);
        EXPECT_EQ(botao->toolTip(), textos[1]);
    }
}

TEST_F(EcraTarvelo, SairClosesTheScreenFromEitherState)
{
    ecra.show();
    ecra.btSair->click();
    EXPECT_FALSE(ecra.isVisible());

    ecra.show();
    ecra.btImp->click();
    ecra.btSair->click();
    EXPECT_FALSE(ecra.isVisible());
}

TEST_F(EcraTarvelo, OpensInTheFirstDateWheneverTheWindowIsActivated)
{
    for (const auto ativacao : {zav::test::Ativacao::DepoisDosEventos, zav::test::Ativacao::AntesDosEventos}) {
        frmTarvelo outro;
        outro.bd = &empresa.bd();
        zav::test::abreEcra(outro, ativacao);
        EXPECT_TRUE(outro.DTPicker1[0]->hasFocus()) << int(ativacao);
    }
}

TEST_F(EcraTarvelo, GridHasTheEightColumnsWithOrdHidden)
{
    CarregaMes(3);

    const QStringList chaves{"Ord", "Produto", "Und", "Codigo", "QtdProd", "QtdVend", "ValorVendas", "OBS"};
    const QStringList titulos{"Ord", "Produto", "UND", "Código", "Qtd.Prod.", "Qtd.Vend.", "Valor Vendas", "Observações"};
    const QList<int> larguras{1000, 5000, 1000, 1500, 1500, 1500, 1500, 3700};
    ASSERT_EQ(ecra.Grelha->columnCount(), 8);
    for (int i = 0; i < 8; ++i) {
        const zav::GridColumn& coluna = ecra.Grelha->column(i);
        EXPECT_EQ(coluna.key.name(), chaves[i]);
        EXPECT_EQ(coluna.heading, titulos[i]);
        EXPECT_EQ(coluna.widthTwips, larguras[i]);
        EXPECT_EQ(coluna.hidden, i == 0);
    }
    // The hidden order column is never written.
    EXPECT_EQ(ecra.Grelha->displayText(0, 0), "");
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

    CarregaMes(3);
    ASSERT_FALSE(duranteAGrelha.isEmpty());
    EXPECT_EQ(duranteAGrelha, QList<Qt::CursorShape>(duranteAGrelha.size(), Qt::WaitCursor));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    CarregaMes(1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "a period without lines";

    empresa.bd().ExecutaSQL(QString(), "DROP TABLE DOCGCLIN");
    ecra.DTPicker1[0]->setDate(QDate(2026, 3, 1));
    ecra.DTPicker1[1]->setDate(QDate(2026, 3, 31));
    EXPECT_NE(zav::test::errorNumberOf([&] { ecra.btCarga_Click(); }), 0u);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the error message finds the pointer restored";
}

class PreviewTarvelo : public EcraTarvelo {
protected:
    // Prints the preview from its toolbar into a PDF; its text.
    QString ImprimePelaBarra()
    {
        const QString pdf = pasta.filePath("mapa.pdf");
        zav::Seam<bool(QWidget*, QPrinter&)>::Override impressora(
            zav::printDialogSeam(), [&](QWidget*, QPrinter& printer) {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(pdf);
                return true;
            });
        ecra.Visualizador->tool(zav::Visualizador::ToolPrint)->trigger();
        return zav::test::pdfText(pdf);
    }

    QTemporaryDir pasta;
};

TEST_F(PreviewTarvelo, PreviewTakesTheGridsPlaceAndPrintsTheReport)
{
    ecra.show();
    CarregaMes(3);

    ecra.btImp->click();

    EXPECT_TRUE(ecra.Visualizador->isVisible());
    EXPECT_FALSE(ecra.Grelha->isVisible());
    EXPECT_EQ(ecra.Visualizador->geometry(), ecra.Grelha->geometry());
    EXPECT_EQ(ecra.btImp->text(), "Grelha");
    EXPECT_FALSE(ecra.btCarga->isEnabled());
    EXPECT_FALSE(ecra.btExcel->isEnabled());

    const QString texto = ImprimePelaBarra();
    EXPECT_TRUE(texto.contains("Mapa Estatístico")) << texto.toStdString();
    EXPECT_TRUE(texto.contains("de '01-03-2026' a '31-03-2026'")) << texto.toStdString();
    EXPECT_TRUE(texto.contains("Página: 1 de 1")) << texto.toStdString();
    for (const char* esperado : {"Qtd.Prod.", "Camisas", "12,5", "Valor Total Vendas", "141309110000", "Outros Mercados"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado;

    ecra.btImp->click();

    EXPECT_FALSE(ecra.Visualizador->isVisible());
    EXPECT_TRUE(ecra.Grelha->isVisible());
    EXPECT_EQ(ecra.btImp->text(), "Imprimir");
    EXPECT_TRUE(ecra.btCarga->isEnabled());
    EXPECT_TRUE(ecra.btExcel->isEnabled());
}

TEST_F(PreviewTarvelo, EmptyGridStillPrintsHeaderAndFooter)
{
    ecra.show();
    ecra.DTPicker1[0]->setDate(QDate(2026, 1, 1));
    ecra.DTPicker1[1]->setDate(QDate(2026, 1, 31));

    ecra.btImp->click();

    ASSERT_EQ(ecra.Visualizador->pageCount(), 1);
    const QString texto = ImprimePelaBarra();
    EXPECT_TRUE(texto.contains("Mapa Estatístico"));
    EXPECT_TRUE(texto.contains("de '01-01-2026' a '31-01-2026'"));
    EXPECT_TRUE(texto.contains("Página: 1 de 1"));
    EXPECT_FALSE(texto.contains("P0100"));
}

class ExportacaoTarvelo : public EcraTarvelo {
protected:
    // Answers the file dialog with `resposta` and records what it was offered.
    void Exporta(const QString& resposta)
    {
        zav::Seam<QString(QWidget*, const zav::FileRequest&)>::Override ficheiro(
            zav::saveFileSeam(), [&](QWidget*, const zav::FileRequest& pedido) {
                nomesOferecidos << pedido.initialName;
                return resposta;
            });
        ecra.btExcel->click();
    }

    QTemporaryDir pasta;
    QStringList nomesOferecidos;
    QStringList abertos;
    QStringList mensagens;
    zav::Seam<bool(const QString&)>::Override abre{zav::shellOpenSeam(), [this](const QString& caminho) {
                                                         abertos << caminho;
                                                         return true;
                                                     }};
    zav::Seam<int(QWidget*, const zav::MessageRequest&)>::Override mensagem{
        zav::messageBoxSeam(), [this](QWidget*, const zav::MessageRequest& pedido) {
            mensagens << pedido.text;
            return int(zav::vbOK);
        }};
};

QJsonArray Celula(const char* tipo, const QJsonValue& valor)
{
    return QJsonArray{QString::fromUtf8(tipo), valor};
}

// The first sheet of a workbook row by row, each cell as Celula makes it: kind
// "t" (text), "n" (number) or "" (empty) and its value.
QJsonArray LinhasLivro(const QString& caminho)
{
    const zav::test::ReadBack livro = zav::test::readBack(caminho);
    QJsonArray linhas;
    for (int linha = 0; linha < livro.rows(); ++linha) {
        QJsonArray celulas;
        for (const zav::test::ReadBack::Cell* celula : livro.row(linha)) {
            if (!celula)
                celulas.append(Celula("", ""));
            else if (celula->isText)
                celulas.append(Celula("t", celula->value.toString()));
            else
                celulas.append(Celula("n", celula->value.toDouble()));
        }
        linhas.append(celulas);
    }
    return linhas;
}

TEST_F(ExportacaoTarvelo, WorkbookHoldsTheVisibleColumnsWithFiguresAsNumbers)
{
    CarregaMes(3);
    const QString caminho = pasta.filePath("mapa.xls");

    Exporta(caminho);

    ASSERT_EQ(abertos, QStringList{caminho});
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('\n').toStdString();
    const QJsonArray linhas = LinhasLivro(caminho);
    // Two empty rows close the grid; the sheet ends at its last written row.
    ASSERT_EQ(linhas.size(), 11);
    EXPECT_EQ(linhas[0].toArray(),
              (QJsonArray{Celula("t", "Produto"), Celula("t", "UND"), Celula("t", "Código"), Celula("t", "Qtd.Prod."),
                          Celula("t", "Qtd.Vend."), Celula("t", "Valor Vendas"), Celula("t", "Observações")}));
    // The field codes stay texts in the figure columns.
    EXPECT_EQ(linhas[1].toArray()[3].toArray(), Celula("t", "P0500"));
    EXPECT_EQ(linhas[2].toArray(),
              (QJsonArray{Celula("t", "Camisas"), Celula("t", "UN"), Celula("t", "CL10"), Celula("n", 90.0),
                          Celula("n", 27.0), Celula("n", 282.0), Celula("", "")}));
    EXPECT_EQ(linhas[5].toArray()[3].toArray(), Celula("n", 12.5));
    EXPECT_EQ(linhas[8].toArray()[5].toArray(), Celula("n", 537.0));
    EXPECT_EQ(linhas[9].toArray()[0].toArray(), Celula("t", " Nacional"));
}

TEST_F(ExportacaoTarvelo, CancelDoesNothingAndTheNameIsTheScreensOwn)
{
    Exporta(QString());
    EXPECT_TRUE(abertos.isEmpty());
    EXPECT_TRUE(mensagens.isEmpty());

    const QString caminho = pasta.filePath("vazia.xls");
    Exporta(caminho);
    Exporta(QString());
    EXPECT_EQ(nomesOferecidos, QStringList({"", "", caminho}));
    // The grid still holds its first empty rows: headings only.
    EXPECT_EQ(LinhasLivro(caminho).size(), 1);

    // Another opening of the screen starts without a name.
    frmTarvelo outro;
    EXPECT_EQ(outro.CommonDialog1.fileName(), "");
}

} // namespace
