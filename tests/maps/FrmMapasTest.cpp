#include "EcraMapasTeste.h"
#include "FixtureMapas.h"

#include "platform/widgets/CommonDialog.h"
#include "platform/widgets/Seams.h"
#include "platform/grid/GridPages.h"
#include "platform/grid/Grelha.h"
#include "platform/grid/Visualizador.h"
#include "reports/ImpressaoMapas.h"
#include "reports/frmMapas.h"
#include "shell/CampoValidado.h"
#include "support/OutsideReaders.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using maps::u;

class FrmMapasTest : public maps::EcraMapasTeste<maps::FixtureMapas> {
protected:
    // Puts the focus in a field and types, as the user does.
    void escreve(int index, const QString& texto)
    {
        ecra->campo(index).setFocus();
        QApplication::processEvents();
        QTest::keyClicks(ecra->campo(index).editor(), texto);
    }

    void tecla(int index, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(ecra->campo(index).editor(), key, mods);
        QApplication::processEvents();
        QApplication::processEvents();
    }

    bool temFoco(int index) const { return ecra->campo(index).editor()->hasFocus(); }

    // The control that has the focus, by its name on the screen.
    QString nomeDoFoco() const
    {
        QWidget* foco = QApplication::focusWidget();
        for (int i = 0; i < ecra->btLista.size(); ++i) {
            if (ecra->campo(i).editor() == foco)
                return QStringLiteral("campo(%1)").arg(i);
            if (ecra->btLista[i] == foco)
                return QStringLiteral("btLista(%1)").arg(i);
        }
        for (int i = 0; i < ecra->Data.size(); ++i)
            if (ecra->Data[i] == foco || ecra->Data[i]->isAncestorOf(foco))
                return QStringLiteral("Data(%1)").arg(i);
        return foco ? QString::fromUtf8(foco->metaObject()->className()) : QStringLiteral("nothing");
    }
};

TEST_F(FrmMapasTest, OpensInMode1WithTheDefaultFilters)
{
    frmMapas& f = abre(1);
    EXPECT_EQ(f.windowTitle(), u("Encomendas/Referência"));
    EXPECT_EQ(f.campo(0).Text(), "");
    EXPECT_EQ(f.campo(3).Text(), "zzzzzz");
    EXPECT_EQ(f.campo(2).Text(), "zzzzzzzz");
    EXPECT_EQ(f.campo(5).Text(), "zzzzzzzz");
    EXPECT_EQ(f.campo(7).Text(), "zzzzzzzz");
    EXPECT_EQ(f.Data[1]->dateTime().date(), QDate::currentDate());
    EXPECT_EQ(f.Data[0]->dateTime().date(), QDate::currentDate().addMonths(-1));
    EXPECT_TRUE(f.Option1[1]->isChecked());
    EXPECT_FALSE(f.Option1[0]->isChecked() || f.Option1[2]->isChecked());
    EXPECT_TRUE(f.Grelha->isHidden());
    EXPECT_FALSE(f.btExcel->isEnabled());
    EXPECT_TRUE(f.btExpandir->isHidden());
    EXPECT_TRUE(f.campo(3).isHidden() && f.btLista[3]->isHidden() && f.Label2[6]->isHidden());
    EXPECT_TRUE(f.campo(8).isHidden() && f.campo(11).isHidden());
    EXPECT_EQ(f.campo(0).MaxLength(), 15);
    EXPECT_EQ(f.campo(4).MaxLength(), 6);
    EXPECT_EQ(f.Label2[14]->text(), "Forn.");
    EXPECT_EQ(f.Label2[0]->font().family(), "Verdana");
    EXPECT_EQ(f.Option1[2]->text(), "Satisfeitas");
}

TEST_F(FrmMapasTest, OpensInTheFieldAfterTheReferenceWheneverTheWindowIsActivated)
{
    for (const auto ativacao : {zav::test::Ativacao::DepoisDosEventos, zav::test::Ativacao::AntesDosEventos}) {
        const auto focoDepoisDeAbrir = [&](int modo) {
            abre(modo, ativacao);
            return nomeDoFoco();
        };
        EXPECT_EQ(focoDepoisDeAbrir(1), "campo(1)") << int(ativacao);  // campo(3) is hidden in mode 1
        EXPECT_EQ(focoDepoisDeAbrir(2), "campo(3)") << int(ativacao);
    }
}

TEST_F(FrmMapasTest, TabRunsThroughTheFieldsWithTheDatesAfterTheSalesmenThenTheListButtons)
{
    const auto percurso = [this](int modo, int passos) {
        abre(modo);
        QTest::qWait(20);
        ecra->campo(0).setFocus();
        QApplication::processEvents();
        QStringList nomes{nomeDoFoco()};
        for (int i = 0; i < passos; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QApplication::processEvents();
            nomes << nomeDoFoco();
        }
        return nomes;
    };
    EXPECT_EQ(percurso(1, 10), (QStringList{"campo(0)", "campo(1)", "campo(2)", "campo(4)", "campo(5)", "Data(0)",
                                            "Data(1)", "campo(6)", "campo(7)", "btLista(0)", "btLista(1)"}));
    EXPECT_EQ(percurso(3, 12), (QStringList{"campo(0)", "campo(3)", "campo(1)", "campo(2)", "campo(4)", "campo(5)",
                                            "Data(0)", "Data(1)", "campo(8)", "campo(9)", "campo(10)", "campo(11)",
                                            "btLista(0)"}));
}

TEST_F(FrmMapasTest, EachModeShowsItsOwnFilters)
{
    struct Caso {
        int modo;
        const char* titulo;
        const char* referencia;
        bool ultimaReferencia, grupos, familias, fornecedor;
    };
    const Caso casos[] = {
        {2, "Encomendas Resumo", "1ªReferência", true, false, true, false},
        {3, "Encomendas Detalhe", "1ªReferência", true, false, true, true},
        {4, "Referências/Cliente", "1ªReferência", true, true, false, false},
        {5, "Referência/Cliente", "Referência", false, true, false, false},
        {6, "Encomendas Fornecedor", "Referência", false, true, false, false},
        {9, "Encomendas/Referência", "Referência", true, true, false, false},
    };
    for (const Caso& c : casos) {
        frmMapas& f = abre(c.modo);
        SCOPED_TRACE(c.modo);
        EXPECT_EQ(f.windowTitle(), u(c.titulo));
        EXPECT_EQ(f.Label2[3]->text(), u(c.referencia));
        EXPECT_EQ(!f.campo(3).isHidden(), c.ultimaReferencia);
        EXPECT_EQ(!f.campo(6).isHidden() && !f.btLista[7]->isHidden() && !f.Label2[10]->isHidden(), c.grupos);
        EXPECT_EQ(!f.campo(10).isHidden() && !f.btLista[9]->isHidden() && !f.Label2[13]->isHidden(), c.familias);
        EXPECT_EQ(!f.campo(11).isHidden() && !f.btLista[11]->isHidden(), c.fornecedor);
    }
}

TEST_F(FrmMapasTest, CancelResetsTheFiltersButKeepsTheSupplier)
{
    frmMapas& f = abre(3);
    f.campo(11).setText("F1");
    f.campo(8).setText("G1");
    f.campo(1).setText("C1");
    f.DescFamilia = "x";
    f.Option1[0]->setChecked(true);
    f.GroupBox1->setEnabled(false);
    f.btCancelar_Click();
    EXPECT_EQ(f.campo(11).Text(), "F1");
    EXPECT_EQ(f.campo(8).Text(), "");
    EXPECT_EQ(f.campo(1).Text(), "");
    EXPECT_EQ(f.DescFamilia, "");
    EXPECT_TRUE(f.Option1[1]->isChecked());
    EXPECT_TRUE(f.GroupBox1->isEnabled());
    EXPECT_TRUE(temFoco(0));
}

TEST_F(FrmMapasTest, Mode1LoadShowsTheMatrixAndLocksThePanel)
{
    frmMapas& f = abre(1);
    f.campo(0).setText("R1");
    f.btCarga_Click();
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('|').toStdString();
    EXPECT_FALSE(f.Grelha->isHidden());
    EXPECT_TRUE(f.btExcel->isEnabled());
    EXPECT_FALSE(f.GroupBox1->isEnabled());
    EXPECT_TRUE(f.btExpandir->isHidden());

    zav::Grelha& g = *f.Grelha;
    ASSERT_EQ(g.columnCount(), 8);
    EXPECT_TRUE(g.column(0).hidden && g.column(1).hidden);
    EXPECT_EQ(g.column(2).heading, "Cor/Tamanho");
    EXPECT_EQ(g.column(2).widthTwips, 1700);
    EXPECT_EQ(g.column(3).heading, "S");
    EXPECT_EQ(g.column(3).widthTwips, 800);
    EXPECT_EQ(g.column(7).heading, "Total");
    EXPECT_EQ(g.column(7).widthTwips, 1200);
    EXPECT_EQ(g.rowCount(), 5);
    EXPECT_EQ(g.displayText(0, 2), "Branco");
    EXPECT_EQ(g.displayText(0, 3), "6");
    EXPECT_EQ(g.displayText(4, 2), "Total");
    EXPECT_EQ(g.headingHeightTwips(), 300);
}

TEST_F(FrmMapasTest, LoadMessagesHideTheGridAndOnlyMissingDataReopensThePanel)
{
    frmMapas& f = abre(1);
    f.campo(0).setText("NADA");
    f.GroupBox1->setEnabled(false);
    f.btCarga_Click();
    EXPECT_EQ(mensagens, QStringList{u("Referência não existente!")});
    EXPECT_TRUE(f.Grelha->isHidden());
    EXPECT_FALSE(f.GroupBox1->isEnabled());

    mensagens.clear();
    f.campo(0).setText("R2");
    f.btCarga_Click();
    EXPECT_EQ(mensagens, QStringList{u("Não existe informação para a Referência selecionada!")});
    EXPECT_TRUE(f.Grelha->isHidden());
    EXPECT_TRUE(f.GroupBox1->isEnabled());
}

TEST_F(FrmMapasTest, AModeOutsideTheSixLoadsNothing)
{
    frmMapas& f = abre(9);
    f.campo(0).setText("R1");
    f.btCarga_Click();
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_TRUE(f.Grelha->isHidden());
    EXPECT_TRUE(f.GroupBox1->isEnabled());
}

TEST_F(FrmMapasTest, EscGoesBackOneFieldAndClosesFromTheFirst)
{
    frmMapas& f = abre(1);
    escreve(4, "V");
    EXPECT_TRUE(f.CampoAlterado);
    tecla(4, Qt::Key_Escape);
    EXPECT_TRUE(temFoco(2));
    EXPECT_FALSE(f.CampoAlterado);
    EXPECT_EQ(f.campo(4).Text(), "V");
    EXPECT_TRUE(f.isVisible());

    f.campo(0).setFocus();
    QApplication::processEvents();
    tecla(0, Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(FrmMapasTest, OnlyAnEditedFieldIsCheckedAndAMissingGroupIsEmptied)
{
    frmMapas& f = abre(2);
    escreve(8, "GX");
    tecla(8, Qt::Key_Tab);
    EXPECT_EQ(mensagens, QStringList{u("Grupo não existente!")});
    EXPECT_EQ(f.campo(8).Text(), "");
    EXPECT_TRUE(temFoco(8));
    EXPECT_FALSE(f.CampoAlterado);

    mensagens.clear();
    f.campo(8).setText("GX");  // not typed: leaving checks nothing
    tecla(8, Qt::Key_Tab);
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_TRUE(temFoco(9));

    escreve(8, "' or ''='");
    tecla(8, Qt::Key_Tab);
    EXPECT_EQ(mensagens, QStringList{u("Grupo não existente!")});
}

TEST_F(FrmMapasTest, TheReferenceFieldNamesTheArticleOrRefusesItInMode1Only)
{
    frmMapas& f = abre(1);
    escreve(0, "R1-BR-S");  // a variant, not a reference
    tecla(0, Qt::Key_Tab);
    EXPECT_EQ(mensagens, QStringList{u("Referência não existente!")});
    EXPECT_EQ(f.campo(0).Text(), "R1-BR-S");
    EXPECT_TRUE(temFoco(0));

    mensagens.clear();
    f.campo(0).setText("");
    escreve(0, "R1");
    tecla(0, Qt::Key_Tab);
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_EQ(f.Label2[0]->text(), "Artigo R1");

    frmMapas& resumo = abre(2);
    escreve(0, "NADA");
    tecla(0, Qt::Key_Tab);
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_EQ(resumo.Label2[0]->text(), "");
    EXPECT_TRUE(temFoco(3));

    frmMapas& porCliente = abre(5);
    escreve(0, "R1");
    tecla(0, Qt::Key_Tab);
    EXPECT_EQ(porCliente.Label2[0]->text(), "Artigo R1");
    escreve(0, "X");  // R1X does not exist: outside mode 1 the focus moves on without a word
    tecla(0, Qt::Key_Tab);
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_TRUE(temFoco(1));
}

TEST_F(FrmMapasTest, ABlankOnlyCodeIsNotChecked)
{
    frmMapas& f = abre(1);
    escreve(0, "   ");
    tecla(0, Qt::Key_Tab);
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_FALSE(f.CampoAlterado);

    frmMapas& resumo = abre(2);
    escreve(8, "  ");
    tecla(8, Qt::Key_Tab);
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_EQ(resumo.campo(8).Text(), "  ");
    EXPECT_TRUE(temFoco(9));
}

TEST_F(FrmMapasTest, FamilyListIsFilteredOnlyWhenTheGroupIsFilled)
{
    frmMapas& f = abre(2);
    QList<zav::PickListRequest> pedidos;
    QString escolha;
    zav::Seam<QString(QWidget*, const zav::PickListRequest&)>::Override lista(
        zav::pickListSeam(), [&](QWidget*, const zav::PickListRequest& pedido) {
            pedidos << pedido;
            return escolha;
        });
    const auto codigos = [](const zav::PickListRequest& pedido) {
        QStringList c;
        for (const QStringList& linha : pedido.rows)
            c << linha.value(0);
        return c;
    };

    f.btLista[9]->click();
    ASSERT_EQ(pedidos.size(), 1);
    EXPECT_EQ(pedidos[0].title, u("Famílias"));
    EXPECT_EQ(pedidos[0].widthTwips, 5500);
    EXPECT_EQ(codigos(pedidos[0]), (QStringList{"FA", "FB"}));
    ASSERT_EQ(pedidos[0].columns.size(), 2);
    EXPECT_EQ(pedidos[0].columns[1].widthTwips, 3500);
    EXPECT_EQ(f.campo(9).Text(), "");  // nothing picked: nothing changes

    f.campo(8).setText("G1");
    f.btLista[9]->click();
    EXPECT_EQ(codigos(pedidos[1]), QStringList{"FA"});

    // The sub-family list needs both group and family to be filtered.
    f.btLista[10]->click();
    EXPECT_EQ(pedidos[2].title, u("Sub Famílias"));
    EXPECT_EQ(codigos(pedidos[2]), (QStringList{"SA", "SB"}));
    f.campo(9).setText("FA");
    f.btLista[10]->click();
    EXPECT_EQ(codigos(pedidos[3]), QStringList{"SA"});

    f.campo(8).setText("G1' or 'a'='a");
    f.btLista[10]->click();
    EXPECT_TRUE(pedidos[4].rows.isEmpty());
}

TEST_F(FrmMapasTest, APickFillsTheFieldAndIsValidated)
{
    frmMapas& f = abre(2);
    QString escolha = "G1";
    zav::Seam<QString(QWidget*, const zav::PickListRequest&)>::Override lista(
        zav::pickListSeam(), [&](QWidget*, const zav::PickListRequest&) { return escolha; });

    f.btLista[8]->click();
    QApplication::processEvents();
    EXPECT_EQ(f.campo(8).Text(), "G1");
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_TRUE(temFoco(9));  // the Tab sent after the pick validated and left the field

    escolha = "FZ";
    f.btLista[9]->click();
    QApplication::processEvents();
    EXPECT_EQ(mensagens, QStringList{u("Família não existente!")});
    EXPECT_EQ(f.campo(9).Text(), "");
    EXPECT_TRUE(temFoco(9));

    escolha = "FA";
    f.btLista[9]->click();
    QApplication::processEvents();
    EXPECT_EQ(f.DescFamilia, "Familia A");
    escolha = "SA";
    f.btLista[10]->click();
    QApplication::processEvents();
    EXPECT_EQ(f.DescSubFamilia, "Sub A");
}

TEST_F(FrmMapasTest, PrintBeforeALoadDoesNothing)
{
    frmMapas& f = abre(1);
    f.btImp_Click();
    EXPECT_TRUE(f.Visualizador->isHidden());
    EXPECT_EQ(f.btImp->text(), "&Imprimir");
    EXPECT_TRUE(f.btCancelar->isEnabled());
}

TEST_F(FrmMapasTest, PrintExpandsEveryGroupBeforeThePreview)
{
    frmMapas& f = abre(1);
    f.campo(0).setText("R1");
    f.btCarga_Click();
    zav::GroupSpec porCor;
    porCor.column = zav::ColumnKey("Cor");
    f.Grelha->setGroup(porCor);
    f.Grelha->collapseAll();
    ASSERT_GT(f.Grelha->groupCount(), 1);
    ASSERT_FALSE(f.Grelha->isExpanded(0));

    f.btImp_Click();
    for (int g = 0; g < f.Grelha->groupCount(); ++g)
        EXPECT_TRUE(f.Grelha->isExpanded(g)) << g;
    EXPECT_EQ(f.btImp->text(), "&Grelha");
}

TEST_F(FrmMapasTest, PreviewShowsTheMapWithItsHeaderAndFooter)
{
    frmMapas& f = abre(1);
    f.campo(0).setText("R1");
    f.campo(4).setText("V1");
    f.Option1[0]->setChecked(true);
    f.btCarga_Click();
    f.btImp_Click();
    EXPECT_FALSE(f.Visualizador->isHidden());
    EXPECT_TRUE(f.Grelha->isHidden());
    EXPECT_EQ(f.btImp->text(), "&Grelha");
    EXPECT_FALSE(f.btCancelar->isEnabled() || f.btExcel->isEnabled() || f.btExpandir->isEnabled());

    const zav::GridPrintSettings& impressao = f.Grelha->printSettings();
    EXPECT_EQ(impressao.headerHeightTwips, 1400);
    EXPECT_EQ(impressao.footerHeightTwips, 500);

    // pdftotext lays runs of blanks out as it likes; the blanks themselves are in the header text.
    EXPECT_EQ(impressao.headerText, ImpressaoMapas::cabecalho(1, f.filtros(), "", ""));
    const QString paginas = textoImpresso().simplified();
    EXPECT_TRUE(paginas.contains(u("Encomendas/Referência Referência - R1"))) << paginas.toStdString();
    EXPECT_TRUE(paginas.contains("Encomendas - Todas Vendedor V1 ao zzzzzzzz"));
    EXPECT_TRUE(paginas.contains("Datas " + f.Data[0]->dateTime().toString("dd-MM-yyyy") + " a "
                                 + QDate::currentDate().toString("dd-MM-yyyy")));
    EXPECT_TRUE(paginas.contains(u("Página: 1 de 1")));
    EXPECT_TRUE(paginas.contains("Data:" + QDate::currentDate().toString("dd-MM-yyyy")));
    EXPECT_TRUE(paginas.contains("Branco 10 5 15"));
    EXPECT_TRUE(paginas.contains("Total 12 5 11 28"));

    f.btImp_Click();
    EXPECT_TRUE(f.Visualizador->isHidden());
    EXPECT_FALSE(f.Grelha->isHidden());
    EXPECT_EQ(f.btImp->text(), "&Imprimir");
    EXPECT_TRUE(f.btCancelar->isEnabled() && f.btExcel->isEnabled());
}

TEST_F(FrmMapasTest, ExpandToggleSwitchesItsCaption)
{
    frmMapas& f = abre(1);
    f.btExpandir_Click();
    EXPECT_EQ(f.btExpandir->text(), "&Colapsar");
    f.btExpandir_Click();
    EXPECT_EQ(f.btExpandir->text(), "&Expandir");
}

} // namespace
