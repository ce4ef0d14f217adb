#include "EcraMapasTeste.h"

#include "platform/grid/Grelha.h"

#include <QClipboard>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace {

using maps::u;

class FrmMapasTest : public maps::EcraMapasTeste<maps::FixtureMapas> {
protected:
    // Puts the focus in a field and types, as the user does, then sends `depois` if given.
    void escreve(int index, const QString& texto, Qt::Key depois = Qt::Key_unknown)
    {
        foca(ecra->campo(index).editor());
        QTest::keyClicks(ecra->campo(index).editor(), texto);
        if (depois != Qt::Key_unknown)
            tecla(depois);
    }

    void foca(QWidget* controlo)
    {
        controlo->setFocus();
        QApplication::processEvents();
    }

    // A key to whatever has the focus, and the keys it sends in turn.
    void tecla(Qt::Key key)
    {
        QTest::keyClick(QApplication::focusWidget(), key);
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

    // The pick lists asked for, answered with `escolha`.
    QList<zav::PickListRequest> listas;
    QString escolha;
    zav::Seam<QString(QWidget*, const zav::PickListRequest&)>::Override lista{
        zav::pickListSeam(), [this](QWidget*, const zav::PickListRequest& pedido) {
            listas << pedido;
            return escolha;
        }};
};

TEST_F(FrmMapasTest, OpensInMode1WithTheDefaultFilters)
{
    frmMapas& f = abre(1);
    EXPECT_EQ(QStringList({f.campo(0).Text(), f.campo(3).Text(), f.campo(1).Text(), f.campo(2).Text(),
                           f.campo(4).Text(), f.campo(5).Text(), f.campo(6).Text(), f.campo(7).Text()}),
              QStringList({"", "zzzzzz", "", "zzzzzzzz", "", "zzzzzzzz", "", "zzzzzzzz"}));
    EXPECT_EQ(f.Data[1]->dateTime().date(), QDate::currentDate());
    EXPECT_EQ(f.Data[0]->dateTime().date(), QDate::currentDate().addMonths(-1));
    EXPECT_TRUE(f.Option1[1]->isChecked());
    EXPECT_TRUE(f.Grelha->isHidden() && f.btExpandir->isHidden());
    EXPECT_FALSE(f.btExcel->isEnabled());
}

TEST_F(FrmMapasTest, OpensAfterTheReferenceAndTabRunsThroughTheFieldsWithTheDatesAfterTheSalesmen)
{
    const auto percurso = [this](int modo, int passos) {
        abre(modo);
        foca(ecra->campo(0).editor());
        QStringList nomes{nomeDoFoco()};
        for (int i = 0; i < passos; ++i) {
            tecla(Qt::Key_Tab);
            nomes << nomeDoFoco();
        }
        return nomes;
    };
    EXPECT_EQ(percurso(1, 10), (QStringList{"campo(0)", "campo(1)", "campo(2)", "campo(4)", "campo(5)", "Data(0)",
                                            "Data(1)", "campo(6)", "campo(7)", "btLista(0)", "btLista(1)"}));
    EXPECT_EQ(percurso(3, 12), (QStringList{"campo(0)", "campo(3)", "campo(1)", "campo(2)", "campo(4)", "campo(5)",
                                            "Data(0)", "Data(1)", "campo(8)", "campo(9)", "campo(10)", "campo(11)",
                                            "btLista(0)"}));

    // Whenever the window is activated, the focus starts in the field after the reference.
    for (const auto ativacao : {zav::test::Ativacao::DepoisDosEventos, zav::test::Ativacao::AntesDosEventos}) {
        const auto focoDepoisDeAbrir = [&](int modo) {
            abre(modo, ativacao);
            return nomeDoFoco();
        };
        EXPECT_EQ(focoDepoisDeAbrir(1), "campo(1)") << int(ativacao);  // campo(3) is hidden in mode 1
        EXPECT_EQ(focoDepoisDeAbrir(2), "campo(3)") << int(ativacao);
    }
}

TEST_F(FrmMapasTest, EachModeShowsItsOwnFilters)
{
    struct Caso {
        int modo;
        const char* titulo;
        bool ultimaReferencia, grupos, familias, fornecedor;
    };
    const Caso casos[] = {
        {1, "Encomendas/Referência", false, true, false, false},
        {2, "Encomendas Resumo", true, false, true, false},
        {3, "Encomendas Detalhe", true, false, true, true},
        {4, "Referências/Cliente", true, true, false, false},
        {5, "Referência/Cliente", false, true, false, false},
        {6, "Encomendas Fornecedor", false, true, false, false},
    };
    for (const Caso& c : casos) {
        frmMapas& f = abre(c.modo);
        SCOPED_TRACE(c.modo);
        EXPECT_EQ(f.windowTitle(), u(c.titulo));
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
    EXPECT_EQ(QStringList({f.campo(11).Text(), f.campo(8).Text(), f.campo(1).Text()}), QStringList({"F1", "", ""}));
    EXPECT_EQ(f.DescFamilia, "");
    EXPECT_TRUE(f.Option1[1]->isChecked());
    EXPECT_TRUE(f.GroupBox1->isEnabled());
    EXPECT_TRUE(temFoco(0));
}

TEST_F(FrmMapasTest, Mode1LoadShowsTheMatrixAndLocksThePanelAndOnlyMissingDataReopensIt)
{
    frmMapas& f = abre(1);
    f.campo(0).setText("R1");
    f.btCarga_Click();
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('|').toStdString();
    EXPECT_FALSE(f.Grelha->isHidden());
    EXPECT_TRUE(f.btExcel->isEnabled());
    EXPECT_FALSE(f.GroupBox1->isEnabled());
    EXPECT_TRUE(f.btExpandir->isHidden());
    const zav::Grelha& g = *f.Grelha;
    ASSERT_EQ(g.columnCount(), 8);
    EXPECT_TRUE(g.column(0).hidden && g.column(1).hidden);
    EXPECT_EQ(g.rowCount(), 5);
    EXPECT_EQ(QStringList({g.displayText(0, 2), g.displayText(0, 3), g.displayText(4, 2)}),
              QStringList({"Branco", "6", "Total"}));

    // Every load message hides the grid.
    f.campo(0).setText("NADA");
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

// Esc in a field goes back one field without checking it, and closes the
// screen from the first; elsewhere it leaves the screen open.
TEST_F(FrmMapasTest, EscGoesBackOneFieldClosesFromTheFirstAndDoesNothingElsewhere)
{
    frmMapas& f = abre(2);
    for (QWidget* controlo : QList<QWidget*>{f.btCarga, f.btSair, f.btLista[8], f.Data[0], f.Option1[1],
                                             f.Grelha->view()}) {
        foca(controlo);
        ASSERT_TRUE(controlo->hasFocus() || controlo->isAncestorOf(QApplication::focusWidget()))
            << controlo->metaObject()->className();
        tecla(Qt::Key_Escape);
        EXPECT_TRUE(f.isVisible()) << controlo->metaObject()->className();
    }
    escreve(8, "GX");
    EXPECT_TRUE(f.CampoAlterado);
    tecla(Qt::Key_Escape);
    EXPECT_TRUE(f.Data[1]->hasFocus() || f.Data[1]->isAncestorOf(QApplication::focusWidget()));
    EXPECT_TRUE(mensagens.isEmpty()) << "what Esc leaves is not checked";
    EXPECT_FALSE(f.CampoAlterado);
    EXPECT_EQ(f.campo(8).Text(), "GX");
    foca(f.campo(0).editor());
    tecla(Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(FrmMapasTest, OnlyAnEditedNonBlankFieldIsCheckedAndAMissingGroupIsEmptied)
{
    frmMapas& f = abre(2);
    escreve(8, "GX", Qt::Key_Tab);
    EXPECT_EQ(mensagens, QStringList{u("Grupo não existente!")});
    EXPECT_EQ(f.campo(8).Text(), "");
    EXPECT_TRUE(temFoco(8));
    EXPECT_FALSE(f.CampoAlterado);

    mensagens.clear();
    f.campo(8).setText("GX");  // not typed: leaving checks nothing
    tecla(Qt::Key_Tab);
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_TRUE(temFoco(9));

    escreve(8, "' or ''='", Qt::Key_Tab);
    EXPECT_EQ(mensagens, QStringList{u("Grupo não existente!")});

    mensagens.clear();
    escreve(8, "  ", Qt::Key_Tab);  // blanks only: nothing to check
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_EQ(f.campo(8).Text(), "  ");
    EXPECT_FALSE(f.CampoAlterado);
    EXPECT_TRUE(temFoco(9));
}

TEST_F(FrmMapasTest, TheReferenceFieldNamesTheArticleOrRefusesItInMode1Only)
{
    frmMapas& f = abre(1);
    escreve(0, "R1-BR-S", Qt::Key_Tab);  // a variant, not a reference
    EXPECT_EQ(mensagens, QStringList{u("Referência não existente!")});
    EXPECT_EQ(f.campo(0).Text(), "R1-BR-S");
    EXPECT_TRUE(temFoco(0));

    mensagens.clear();
    f.campo(0).setText("");
    escreve(0, "R1", Qt::Key_Tab);
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_EQ(f.Label2[0]->text(), "Artigo R1");

    frmMapas& resumo = abre(2);
    escreve(0, "NADA", Qt::Key_Tab);
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_EQ(resumo.Label2[0]->text(), "");
    EXPECT_TRUE(temFoco(3));

    frmMapas& porCliente = abre(5);
    escreve(0, "R1", Qt::Key_Tab);
    EXPECT_EQ(porCliente.Label2[0]->text(), "Artigo R1");
    escreve(0, "X", Qt::Key_Tab);  // R1X does not exist: outside mode 1 the focus moves on without a word
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_TRUE(temFoco(1));
}

TEST_F(FrmMapasTest, FamilyListIsFilteredOnlyWhenTheGroupIsFilledAndAPickIsChecked)
{
    frmMapas& f = abre(2);
    const auto codigos = [this](int pedido) {
        QStringList c;
        for (const QStringList& linha : listas.value(pedido).rows)
            c << linha.value(0);
        return c;
    };
    f.btLista[9]->click();
    EXPECT_EQ(codigos(0), (QStringList{"FA", "FB"}));
    EXPECT_EQ(f.campo(9).Text(), "");  // nothing picked: nothing changes

    f.campo(8).setText("G1");
    f.btLista[9]->click();
    EXPECT_EQ(codigos(1), QStringList{"FA"});

    // The sub-family list needs both group and family to be filtered.
    f.btLista[10]->click();
    EXPECT_EQ(codigos(2), (QStringList{"SA", "SB"}));
    f.campo(9).setText("FA");
    f.btLista[10]->click();
    EXPECT_EQ(codigos(3), QStringList{"SA"});

    f.campo(8).setText("G1' or 'a'='a");
    f.btLista[10]->click();
    ASSERT_EQ(listas.size(), 5);
    EXPECT_TRUE(listas[4].rows.isEmpty());

    // A pick fills the field and is checked.
    const auto escolhe = [&](int index, const char* codigo) {
        escolha = codigo;
        f.btLista[index]->click();
        QApplication::processEvents();
    };
    escolhe(8, "G1");
    EXPECT_EQ(f.campo(8).Text(), "G1");
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_TRUE(temFoco(9));  // the Tab sent after the pick validated and left the field

    escolhe(9, "FZ");
    EXPECT_EQ(mensagens, QStringList{u("Família não existente!")});
    EXPECT_EQ(f.campo(9).Text(), "");
    EXPECT_TRUE(temFoco(9));

    escolhe(9, "FA");
    EXPECT_EQ(f.DescFamilia, "Familia A");
    escolhe(10, "SA");
    EXPECT_EQ(f.DescSubFamilia, "Sub A");
}

TEST_F(FrmMapasTest, APastedGroupIsCheckedOnLeavingAndAClickOnAnotherFieldsListButtonChecksItFirst)
{
    frmMapas& f = abre(2);
    QApplication::clipboard()->setText("QQ");
    foca(f.campo(8).editor());
    // Ctrl+V the way the X server sends it: the control character as its text.
    for (const auto tipo : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent evento(tipo, Qt::Key_V, Qt::ControlModifier, QString(QChar(0x16)));
        QApplication::sendEvent(QApplication::focusWidget(), &evento);
    }
    QApplication::processEvents();
    EXPECT_EQ(f.campo(8).Text(), "QQ");
    tecla(Qt::Key_Tab);
    EXPECT_EQ(mensagens, QStringList{u("Grupo não existente!")});
    EXPECT_TRUE(temFoco(8));

    // A click the way the window system delivers it: to the window, at a point.
    const auto clica = [&f](QWidget* controlo) {
        QTest::mouseClick(f.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          controlo->mapTo(&f, controlo->rect().center()));
        QApplication::processEvents();
    };
    mensagens.clear();
    escreve(8, "QQ");
    clica(f.btLista[9]);
    EXPECT_EQ(mensagens, QStringList{u("Grupo não existente!")});
    EXPECT_TRUE(listas.isEmpty());
    EXPECT_TRUE(temFoco(8));

    // With the field now right, the same click opens the family list.
    QTest::keyClicks(f.campo(8).editor(), "G1");
    clica(f.btLista[9]);
    ASSERT_EQ(listas.size(), 1);
    EXPECT_EQ(listas[0].title, u("Famílias"));
    EXPECT_EQ(mensagens.size(), 1);
}

TEST_F(FrmMapasTest, PreviewShowsTheMapWithItsHeaderAndFooter)
{
    frmMapas& f = abre(1);
    f.btImp_Click();  // nothing loaded: nothing happens
    EXPECT_TRUE(f.Visualizador->isHidden());

    f.campo(0).setText("R1");
    f.campo(4).setText("V1");
    f.Option1[0]->setChecked(true);
    f.btCarga_Click();
    f.btImp_Click();
    EXPECT_FALSE(f.Visualizador->isHidden());
    EXPECT_TRUE(f.Grelha->isHidden());
    EXPECT_EQ(f.btImp->text(), "&Grelha");
    EXPECT_FALSE(f.btCancelar->isEnabled() || f.btExcel->isEnabled() || f.btExpandir->isEnabled());

    // pdftotext lays runs of blanks out as it likes.
    const QString paginas = textoImpresso().simplified();
    const QString hoje = QDate::currentDate().toString("dd-MM-yyyy");
    EXPECT_TRUE(paginas.startsWith(u("Encomendas/Referência Referência - R1 Encomendas - Todas Vendedor V1 ao "
                                     "zzzzzzzz Datas ") + f.Data[0]->dateTime().toString("dd-MM-yyyy") + " a " + hoje))
        << paginas.toStdString();
    EXPECT_TRUE(paginas.contains(u("Cor/Tamanho S M L XL Total Branco 10 5 15 Preto 2 11 13 Azul Total 12 5 11 28 "
                                   "Página: 1 de 1 Data:") + hoje))
        << paginas.toStdString();

    f.btImp_Click();
    EXPECT_TRUE(f.Visualizador->isHidden());
    EXPECT_FALSE(f.Grelha->isHidden());
    EXPECT_EQ(f.btImp->text(), "&Imprimir");
    EXPECT_TRUE(f.btCancelar->isEnabled() && f.btExcel->isEnabled());
}

} // namespace
