#include "FixtureEncomendas.h"

#include "platform/grid/GridPages.h"
#include "platform/grid/Grelha.h"
#include "platform/grid/Visualizador.h"
#include "platform/widgets/CommonDialog.h"
#include "platform/widgets/Seams.h"
#include "reports/TitulosTamanho.h"
#include "reports/frmMapaEncomendas.h"
#include "support/AberturaEcra.h"
#include "support/MachineZone.h"
#include "support/OutsideReaders.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString u(const char* texto)
{
    return QString::fromUtf8(texto);
}

const QString SemInformacao = u("Não existe informação para as condições selecionadas!");
const QString TextoDoDocumento1 = u("Entrega em Março\nPagamento a 30 dias\n");
// Document 1's rows of R1, white and black.
const QList<QStringList> LinhasR1{{"R1", "Branco", "5", "3", "", "", "", "8"},
                                  {"R1", "Preto", "2", "", "", "10", "", "12"}};

class FrmMapaEncomendasTest : public ::testing::Test {
protected:
    FrmMapaEncomendasTest()
        : respostas(zav::messageBoxSeam(), [this](QWidget*, const zav::MessageRequest& pedido) {
              mensagens << pedido.text;
              // A message must never show under the busy pointer.
              cursorNaMensagem = cursorNaMensagem || QGuiApplication::overrideCursor();
              return int(zav::vbOK);
          })
    {
    }

    frmMapaEncomendas& abre(zav::test::Ativacao ativacao = zav::test::Ativacao::AntesDosEventos)
    {
        ecra = std::make_unique<frmMapaEncomendas>(dialogo);
        ecra->bd = &fixture.bd();
        zav::test::abreEcra(*ecra, ativacao);
        return *ecra;
    }

    // Type, year, series and number, then "&Carregar"; whether a sheet came up
    // and, when none did, what the screen said.
    ::testing::AssertionResult carrega(const QString& numero, const QString& serie = "A", const QString& ano = "2025")
    {
        ecra->campo(0).setText("ENC");
        ecra->campo(1).setText(ano);
        ecra->campo(2).setText(serie);
        ecra->campo(3).setText(numero);
        const qsizetype antes = mensagens.size();
        ecra->btCarga_Click();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        if (!ecra->Grelha->isHidden())
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "no sheet for ENC/" << ano.toStdString() << "/" << serie.toStdString()
                                             << "/" << numero.toStdString() << "; the screen said: "
                                             << mensagens.mid(antes).join(" / ").toStdString();
    }

    // Types into the field, then sends `depois` if given.
    void escreve(int index, const QString& texto, Qt::Key depois = Qt::Key_unknown)
    {
        ecra->campo(index).setFocus();
        QApplication::processEvents();
        QTest::keyClicks(ecra->campo(index).editor(), texto);
        if (depois != Qt::Key_unknown)
            tecla(index, depois);
    }

    void tecla(int index, Qt::Key key)
    {
        QTest::keyClick(ecra->campo(index).editor(), key);
        QApplication::processEvents();
        QApplication::processEvents();
    }

    bool temFoco(int index) const { return ecra->campo(index).editor()->hasFocus(); }

    // The grid's rows as shown.
    QList<QStringList> grelha() const
    {
        QList<QStringList> linhas;
        for (int r = 0; r < ecra->Grelha->rowCount(); ++r) {
            QStringList linha;
            for (int c = 0; c < ecra->Grelha->columnCount(); ++c)
                linha << ecra->Grelha->displayText(r, c);
            linhas << linha;
        }
        return linhas;
    }

    QStringList titulos() const
    {
        QStringList t;
        for (int c = 0; c < ecra->Grelha->columnCount(); ++c)
            t << ecra->Grelha->column(c).heading;
        return t;
    }

    // The preview's pages printed to a PDF, as pdftotext lays them out line by line.
    QString paginasPorLinhas()
    {
        const QString pdf = pasta.filePath("folha.pdf");
        QPrinter impressora(QPrinter::HighResolution);
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(pdf);
        ecra->Visualizador->pages()->print(impressora);
        return zav::test::pdfText(pdf);
    }
    QString paginas() { return paginasPorLinhas().simplified(); }

    ordersheet::FixtureEncomendas fixture;
    zav::CommonDialog dialogo;
    QStringList mensagens;
    bool cursorNaMensagem = false;
    zav::Seam<int(QWidget*, const zav::MessageRequest&)>::Override respostas;
    std::unique_ptr<frmMapaEncomendas> ecra;
    QTemporaryDir pasta;
};

TEST_F(FrmMapaEncomendasTest, OpensOnTheSeriesWithTheYearFilledAndTabsThroughTheFieldsInOrder)
{
    abre(zav::test::Ativacao::DepoisDosEventos);
    EXPECT_TRUE(temFoco(2)) << "whenever the window is activated";
    frmMapaEncomendas& f = abre();
    EXPECT_EQ(f.campo(1).Text(), QString::number(QDate::currentDate().year()));
    EXPECT_TRUE(temFoco(2));
    EXPECT_TRUE(f.Grelha->isHidden());
    EXPECT_FALSE(f.btExcel->isEnabled());
    EXPECT_TRUE(f.cmp(7).isHidden() && f.Label2[4]->isHidden());
    EXPECT_FALSE(f.cmp(7).isEnabled());

    f.campo(1).setFocus();
    QApplication::processEvents();
    QList<int> ordem{1};
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QApplication::processEvents();
        for (int index : f.campo.indexes())
            if (f.campo(index).editor() == QApplication::focusWidget())
                ordem << index;
    }
    EXPECT_EQ(ordem, (QList<int>{1, 2, 0, 3, 6, 5, 7}));

    for (int index : f.campo.indexes())
        EXPECT_EQ(f.campo(index).formato_campo() == zav::zav_input::SoNumeros, index == 1 || index == 3) << index;
    EXPECT_EQ(f.btLista.keys(), (QList<int>{0, 5, 6, 7}));
}

TEST_F(FrmMapaEncomendasTest, EscMovesBackFromTheYearAndClosesFromTheDocumentType)
{
    frmMapaEncomendas& f = abre();
    escreve(2, "A");
    tecla(2, Qt::Key_Escape);
    EXPECT_TRUE(temFoco(1));
    EXPECT_FALSE(f.CampoAlterado);
    tecla(1, Qt::Key_Escape);
    EXPECT_TRUE(f.isVisible());
    f.campo(0).setFocus();
    QApplication::processEvents();
    tecla(0, Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(FrmMapaEncomendasTest, OnlyCustomerOrderTypesPassTheTypeCheckPickedOrTyped)
{
    frmMapaEncomendas& f = abre();
    QList<zav::PickListRequest> pedidos;
    zav::Seam<QString(QWidget*, const zav::PickListRequest&)>::Override lista(
        zav::pickListSeam(), [&](QWidget*, const zav::PickListRequest& pedido) {
            pedidos << pedido;
            return pedido.rows.value(0).value(0);
        });
    f.btLista[0]->click();
    QApplication::processEvents();
    ASSERT_EQ(pedidos.size(), 1);
    EXPECT_EQ(pedidos[0].rows.size(), 1);
    EXPECT_EQ(f.campo(0).Text(), "ENC");
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_TRUE(temFoco(3));

    for (const char* tipo : {"FAT", "E'NC"}) {
        mensagens.clear();
        f.campo(0).setText("");
        escreve(0, tipo, Qt::Key_Tab);
        EXPECT_EQ(mensagens, QStringList{u("Tipo Documento não existente!")}) << tipo;
        EXPECT_EQ(f.campo(0).Text(), "");
        EXPECT_TRUE(temFoco(0));
    }
    mensagens.clear();
    escreve(0, "enc", Qt::Key_Tab);
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_TRUE(temFoco(3));
}

TEST_F(FrmMapaEncomendasTest, AFamilyIsCheckedWithinTheGroupFieldAndKeepsItsDescription)
{
    frmMapaEncomendas& f = abre();
    f.campo(6).setText("G2");
    escreve(5, "FA", Qt::Key_Tab);
    EXPECT_EQ(mensagens, QStringList{u("Família não existente!")});
    EXPECT_EQ(f.campo(5).Text(), "");
    EXPECT_EQ(f.DescFamilia, "");
    escreve(5, "FB", Qt::Key_Tab);
    EXPECT_EQ(f.DescFamilia, "Familia B");
    escreve(7, "SB", Qt::Key_Tab);
    EXPECT_EQ(f.DescSubFamilia, "Sub B");
}

TEST_F(FrmMapaEncomendasTest, ALoadShowsTheSheetTheCustomerAndTheTextLinesAndTheNextReplacesThemAll)
{
    frmMapaEncomendas& f = abre();
    carrega("1");
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('|').toStdString();
    EXPECT_FALSE(f.Grelha->isHidden());
    EXPECT_TRUE(f.btExcel->isEnabled());
    EXPECT_TRUE(f.GroupBox1->isEnabled());
    EXPECT_EQ(titulos(), (QStringList{u("Referência"), "Cor", "Small\r\n36", "Medium\r\n38", "Large\r\n40",
                                      "Extra\r\nExtra 2\r\n.", "", "Total"}));
    EXPECT_EQ(f.Grelha->headingHeightTwips(), 600);
    const QString corLonga = ordersheet::FixtureEncomendas::CorComprida.left(20);
    EXPECT_EQ(grelha(), LinhasR1 + QList<QStringList>({{"R2", "Azul", "7", "", "1", "", "", "8"},
                                                       {"R2", corLonga, "", "8", "", "", "", "8"}}));
    EXPECT_EQ(f.cmp(7).Text(), TextoDoDocumento1);
    EXPECT_FALSE(f.cmp(7).isHidden() || f.Label2[4]->isHidden());

    carrega("2");
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_EQ(titulos(), (QStringList{u("Referência"), "Cor", "36", "38", "40", "Total"}));
    EXPECT_EQ(f.Grelha->headingHeightTwips(), 300);
    EXPECT_EQ(grelha(), (QList<QStringList>{{"R2", "Azul", "", "9", "", "9"}}));
    EXPECT_EQ(f.sTerceiro, "CX");
    EXPECT_EQ(f.sVendedor, "V2");
    // CX has no Clientes row: nothing of C1 may stay.
    EXPECT_EQ(f.Cliente.Nome, "");
    EXPECT_EQ(f.Cliente.Morada, "");
    EXPECT_TRUE(f.cmp(7).isHidden() && f.Label2[4]->isHidden());

    carrega("5", "A'B");  // a quote in the series
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_EQ(grelha(), (QList<QStringList>{{"R1", "Branco", "", "11", "", "", "", "11"}}));
    EXPECT_EQ(f.Cliente.Nome, "Cliente Dois");
}

// Black and white at one print position keep each its own row too.
TEST_F(FrmMapaEncomendasTest, TheFamilyFilterAppliesToTheLinesNotToTheTextLinesAndColoursKeepTheirRows)
{
    fixture.bd().ExecutaSQL(QString(), "update MedTamCo set PosImp=1 where CodTipoM='CORES' and CodMed='PR'");
    frmMapaEncomendas& f = abre();
    f.campo(6).setText("G1");
    f.campo(5).setText("FA");
    f.campo(7).setText("SA");
    carrega("1");
    EXPECT_EQ(grelha(), LinhasR1);
    EXPECT_EQ(f.cmp(7).Text(), TextoDoDocumento1);

    f.campo(7).setText("");  // two of three: no filter
    carrega("1");
    EXPECT_EQ(f.Grelha->rowCount(), 4);
}

// The lines of R1 and R3 come interleaved; a row that took its reference from
// the size and colour alone would add the two.
TEST_F(FrmMapaEncomendasTest, TwoReferencesSharingASizeAndAColourKeepTheirOwnRows)
{
    abre();
    ASSERT_TRUE(carrega("8"));
    EXPECT_EQ(grelha(), (QList<QStringList>{{"R1", "Branco", "5", "3", "", "", "", "8"},
                                            {"R3", "Branco", "7", "2", "", "", "", "9"}}));
}

// The database groups a reference's lines by codes as it compares them: a
// parent or colour code written in another case, or padded, is the same row.
TEST_F(FrmMapaEncomendasTest, CodesThatDifferOnlyInCaseOrTrailingBlanksShareTheirRow)
{
    abre();
    ASSERT_TRUE(carrega("10"));
    const QList<QStringList> linhas = grelha();
    ASSERT_EQ(linhas.size(), 1) << linhas.size() << " rows";
    EXPECT_EQ(linhas.front().mid(0, 2), (QStringList{"R3", "Branco"}));
    EXPECT_EQ(linhas.front().back(), "13");
}

TEST_F(FrmMapaEncomendasTest, NothingToShowHidesTheSheetItsTextLinesAndTheExport)
{
    frmMapaEncomendas& f = abre();
    // Text lines only, cancelled, no such document, and lines without a size and colour.
    for (const char* numero : {"3", "4", "99", "7"}) {
        carrega("1");
        mensagens.clear();
        carrega(numero);
        EXPECT_EQ(mensagens, QStringList{SemInformacao}) << numero;
        EXPECT_TRUE(f.Grelha->isHidden() && f.cmp(7).isHidden()) << numero;
        EXPECT_FALSE(f.btExcel->isEnabled()) << numero;
    }
    EXPECT_FALSE(cursorNaMensagem);
}

TEST_F(FrmMapaEncomendasTest, AMissingOrNonNumericKeyValueIsNeverSent)
{
    frmMapaEncomendas& f = abre();
    carrega("");
    carrega("1", "A", "20 5");
    EXPECT_EQ(mensagens, QStringList(2, "Falta preencher campos!"));

    // A paste reaches the numbers-only field without passing its key filter (the
    // offscreen platform has no clipboard, so the paste's own insert stands in).
    mensagens.clear();
    f.campo(1).setText("");
    qobject_cast<QLineEdit*>(f.campo(1).editor())->insert("2O25");
    ASSERT_EQ(f.campo(1).Text(), "2O25");
    f.campo(3).setText("1");
    f.btCarga_Click();
    EXPECT_EQ(mensagens, QStringList{"Falta preencher campos!"});
    EXPECT_TRUE(f.Grelha->isHidden());

    mensagens.clear();
    carrega("1", "  ");  // blanks count as a series: searched, not found
    EXPECT_EQ(mensagens, QStringList{SemInformacao});
}

TEST_F(FrmMapaEncomendasTest, SizesWithoutAColumnAreReportedOnceAndTheRestShown)
{
    frmMapaEncomendas& f = abre();
    carrega("6");
    EXPECT_EQ(mensagens, QStringList{mensagemLinhasForaDasColunas(2)});
    EXPECT_FALSE(cursorNaMensagem);
    EXPECT_FALSE(f.Grelha->isHidden());
    EXPECT_EQ(grelha(), (QList<QStringList>{{"R1", "Branco", "1", "", "", "", "", "1"},
                                            {"R5", "Branco", "", "", "", "", "", ""},
                                            {"R5", "Preto", "", "", "", "", "", ""}}));
}

TEST_F(FrmMapaEncomendasTest, CancelClearsTheScreenAndGoesToTheDocumentType)
{
    frmMapaEncomendas& f = abre();
    f.campo(6).setText("G1");
    carrega("1");
    f.DescFamilia = "x";
    f.btCancelar_Click();
    for (int index : {0, 2, 3, 5, 6, 7})
        EXPECT_EQ(f.campo(index).Text(), "") << index;
    EXPECT_EQ(f.campo(1).Text(), QString::number(QDate::currentDate().year()));
    EXPECT_EQ(f.DescFamilia, "");
    EXPECT_TRUE(f.Grelha->isHidden());
    EXPECT_TRUE(f.cmp(7).isHidden() && f.cmp(7).Text().isEmpty());
    EXPECT_FALSE(f.btExcel->isEnabled());
    EXPECT_TRUE(temFoco(0));
}

TEST_F(FrmMapaEncomendasTest, PreviewPrintsTheLoadedDocumentsHeaderWithItsTextLinesAndLocksThePanel)
{
    frmMapaEncomendas& f = abre();
    f.btImp_Click();  // nothing loaded: nothing happens
    EXPECT_TRUE(f.Visualizador->isHidden());

    ASSERT_TRUE(carrega("1"));
    // The header names the loaded document, whatever is typed after the load.
    f.campo(1).setText("2024");
    f.campo(2).setText("A'B");
    f.campo(6).setText("G1");
    f.campo(5).setText("FA");
    f.campo(7).setText("SA");
    f.DescFamilia = "Familia A";
    f.DescSubFamilia = "Sub A";
    f.btImp_Click();
    EXPECT_FALSE(f.Visualizador->isHidden());
    EXPECT_EQ(f.btImp->text(), "&Grelha");
    EXPECT_FALSE(f.GroupBox1->isEnabled() || f.btCancelar->isEnabled() || f.btExcel->isEnabled());
    const QString texto = paginas();
    EXPECT_TRUE(texto.contains("Encomenda ENC/2025/A/1 Data: 14-03-2025 Vendedor - V1 Cliente - C1 Nome Cliente - "
                               "Cliente Um NIF - 501234567 Morada - Rua Direita 1 Cod.Postal - 4000-001 Localidade - "
                               "Porto e-Mail - um@cliente.pt Contacto - Ana Telef. - 220000001 "
                               + u("Entrega em Março Pagamento a 30 dias")))
        << texto.toStdString();
    EXPECT_TRUE(texto.contains(u("Página: 1 de 1")));
    EXPECT_FALSE(texto.contains("Data:" + QDate::currentDate().toString("dd-MM-yyyy")));

    f.btImp_Click();
    EXPECT_TRUE(f.Visualizador->isHidden());
    EXPECT_TRUE(f.GroupBox1->isEnabled() && f.btCancelar->isEnabled() && f.btExcel->isEnabled());
    EXPECT_EQ(f.btImp->text(), "&Imprimir");
}

// A document dated at a time that the machine's clocks skipped (daylight
// saving began) prints the day it is dated.
TEST_F(FrmMapaEncomendasTest, ADocumentDatedAtATimeTheMachinesZoneSkipsPrintsItsDay)
{
    using namespace zav::test;
    frmMapaEncomendas& f = abre();
    for (const SkippedTime& skipped : SkippedTimes) {
        SCOPED_TRACE(skipped.zone);
        const MachineZone zone(skipped.zone);
        ASSERT_TRUE(MachineZone::skips(skipped));
        fixture.bd().ExecutaSQL(QString(), "update DocgcCab set Data = '" + skipped.stored()
                                               + "' where TpDoc = 'ENC' and Serie = 'A' and Ano = 2025 and NNumDoc = 2");
        ASSERT_TRUE(carrega("2"));
        f.btImp_Click();
        const QString texto = paginas();
        EXPECT_TRUE(texto.contains("Encomenda ENC/2025/A/2 Data: " + skipped.shown() + " Vendedor - V2"))
            << texto.toStdString();
        f.btImp_Click();
    }
}

// Printed from the screen's own text lines: the header's band holds every one
// of them above the sheet's headings.
TEST_F(FrmMapaEncomendasTest, ManyTextLinesPrintWholeInTheHeaderAboveTheSheet)
{
    using ordersheet::FixtureEncomendas;
    frmMapaEncomendas& f = abre();
    ASSERT_TRUE(carrega("9"));
    f.btImp_Click();
    const QStringList linhas = paginasPorLinhas().split('\n');
    const auto linhaCom = [&](const QString& texto) {
        for (int i = 0; i < linhas.size(); ++i)
            if (linhas[i].contains(texto))
                return i;
        return -1;
    };
    const int titulos = linhaCom(u("Referência"));
    ASSERT_GE(titulos, 0) << linhas.join('\n').toStdString();
    for (int n = 1; n <= FixtureEncomendas::LinhasDeTexto; ++n) {
        const int linha = linhaCom(FixtureEncomendas::linhaDeTexto(n));
        EXPECT_GE(linha, 0) << n << " is not printed";
        EXPECT_LT(linha, titulos) << n << " is printed over the sheet\n" << linhas.join('\n').toStdString();
    }
}

TEST_F(FrmMapaEncomendasTest, HeaderWithoutTextLinesHasTheFamilyLineOnlyForAFullFilter)
{
    frmMapaEncomendas& f = abre();
    f.campo(6).setText("G2");
    f.campo(5).setText("FB");
    ASSERT_TRUE(carrega("2"));
    f.btImp_Click();
    QString texto = paginas();
    EXPECT_TRUE(texto.contains("Encomenda ENC/2025/A/2 Data: 14-03-2025 Vendedor - V2 Cliente - CX Nome Cliente - "
                               "NIF - Morada - Cod.Postal - Localidade - e-Mail - Contacto - Telef. -"))
        << texto.toStdString();
    f.btImp_Click();

    f.campo(5).setText("");
    escreve(5, "FB", Qt::Key_Tab);
    escreve(7, "SB", Qt::Key_Tab);
    ASSERT_TRUE(carrega("2"));
    f.btImp_Click();
    texto = paginas();
    EXPECT_TRUE(texto.contains("Vendedor - V2 Familia B / Sub B Cliente - CX")) << texto.toStdString();
}

TEST_F(FrmMapaEncomendasTest, ExcelWritesTheSheetWithItsHeadingsAndEmptyCells)
{
    frmMapaEncomendas& f = abre();
    ASSERT_TRUE(carrega("2"));
    const QString caminho = pasta.filePath("folha.xls");
    zav::Seam<QString(QWidget*, const zav::FileRequest&)>::Override ficheiro(
        zav::saveFileSeam(), [&](QWidget*, const zav::FileRequest&) { return caminho; });
    QStringList abertos;
    zav::Seam<bool(const QString&)>::Override abre(zav::shellOpenSeam(), [&](const QString& c) {
        abertos << c;
        return true;
    });
    f.btExcel->click();
    EXPECT_EQ(abertos, QStringList{caminho});
    const zav::test::ReadBack livro = zav::test::readBack(caminho);
    EXPECT_EQ(livro.text(0, 3), "38");
    EXPECT_EQ(livro.text(1, 1), "Azul");
    EXPECT_EQ(livro.number(1, 3), 9);
    EXPECT_EQ(livro.number(1, 5), 9);
    const auto linha = livro.row(1);
    ASSERT_EQ(linha.size(), 6);
    EXPECT_TRUE(linha[2] == nullptr || linha[2]->value.toString().isEmpty());
}

} // namespace
