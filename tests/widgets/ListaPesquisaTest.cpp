// The pick list: what it loads and offers, and its window's filter and keys.

#include "platform/widgets/ListaPesquisa.h"
#include "platform/widgets/ListaPesquisaDialog.h"
#include "support/ErrorNumber.h"
#include "support/TempDatabase.h"

#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

zav::PickListRequest groups()
{
    zav::PickListRequest request;
    request.title = "Grupos";
    request.widthTwips = 6500;
    request.columns = {{"Grupo", 1500}, {"Descrição", 4500}};
    request.rows = {{"CAM", "Camisas"}, {"CAL", "Calças"}, {"MAL", "Malhas"}};
    return request;
}

} // namespace

TEST(ListaPesquisa, LoadsTheQueryAndReturnsTheChosenFirstColumn)
{
    zav::test::TempDatabase database;
    database.exec({"CREATE TABLE Grupos (Cod TEXT, Descr TEXT)",
                   "INSERT INTO Grupos VALUES ('CAM', 'Camisas')", "INSERT INTO Grupos VALUES ('CAL', 'Calças')"});
    zav::ListaPesquisa lista;
    lista.Ligacao = database.bd().GetLigacao();
    lista.Titulo = "Grupos";
    lista.SQL = "SELECT Cod as 'Grupo', Descr as 'Descrição' FROM Grupos ";
    lista.SQL = lista.SQL + "order by Cod";
    lista.Largura = 6500;
    lista.Carrega();
    lista.Colunas(1, 1500);
    lista.Colunas(2, 4500, true);
    EXPECT_EQ(zav::test::errorNumberOf([&] { lista.Colunas(3, 100); }), 9u);

    zav::PickListRequest shown;
    zav::Seam<QString(QWidget*, const zav::PickListRequest&)>::Override pick(
        zav::pickListSeam(), [&](QWidget*, const zav::PickListRequest& request) {
            shown = request;
            return request.rows[1][0];
        });
    EXPECT_EQ(lista.Mostra(), "CAM");
    EXPECT_EQ(shown.title, "Grupos");
    EXPECT_EQ(shown.widthTwips, 6500);
    ASSERT_EQ(shown.columns.size(), 2);
    EXPECT_EQ(shown.columns[0].heading, "Grupo");
    EXPECT_EQ(shown.columns[1].heading, "Descrição");
    EXPECT_EQ(shown.columns[0].widthTwips, 1500);
    EXPECT_TRUE(shown.columns[1].hidden);
    EXPECT_EQ(shown.rows, QList<QStringList>({{"CAL", "Calças"}, {"CAM", "Camisas"}}));
}

TEST(ListaPesquisaWindow, FilterAsYouTypeThenEnterChoosesTheFirstColumn)
{
    zav::ListaPesquisaDialog dialog(groups());
    EXPECT_EQ(dialog.visibleRowCount(), 3);
    QTest::keyClicks(dialog.filterBox(), "ÇAS");  // any visible column, any case
    EXPECT_EQ(dialog.visibleRowCount(), 1);
    QTest::keyClick(dialog.filterBox(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenValue(), "CAL");
}

// In the filter box or in the list, and also where the list's first column is
// hidden (the collections' list keeps "code@group" there).
TEST(ListaPesquisaWindow, MovingKeysMoveTheRowThatEnterChooses)
{
    const struct {
        QList<Qt::Key> teclas;
        const char* escolha;
    } casos[] = {
        {{Qt::Key_Down}, "CAL"},        {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, "CAL"},
        {{Qt::Key_End}, "MAL"},         {{Qt::Key_End, Qt::Key_Home}, "CAM"},
        {{Qt::Key_PageDown}, "MAL"},    {{Qt::Key_End, Qt::Key_PageUp}, "CAM"},
    };
    for (const bool oculta : {false, true})
        for (const bool naLista : {false, true})
            for (const auto& caso : casos) {
                zav::PickListRequest pedido = groups();
                pedido.columns[0].hidden = oculta;
                zav::ListaPesquisaDialog dialog(pedido);
                dialog.show();
                ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
                QWidget* alvo = naLista ? static_cast<QWidget*>(dialog.table()) : dialog.filterBox();
                for (const Qt::Key tecla : caso.teclas)
                    QTest::keyClick(alvo, tecla);
                QTest::keyClick(alvo, Qt::Key_Return);
                EXPECT_EQ(dialog.chosenValue(), caso.escolha) << oculta << naLista << caso.teclas.size();
            }
}

TEST(ListaPesquisaWindow, DoubleClickChooses)
{
    zav::ListaPesquisaDialog dialog(groups());
    QTableView* table = dialog.table();
    emit table->doubleClicked(table->model()->index(1, 1));
    EXPECT_EQ(dialog.chosenValue(), "CAL");
}

TEST(ListaPesquisaWindow, EscChoosesNothing)
{
    zav::ListaPesquisaDialog dialog(groups());
    QTest::keyClicks(dialog.filterBox(), "mal");
    QTest::keyClick(dialog.filterBox(), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.chosenValue(), "");

    // A filter that leaves nothing: Enter chooses nothing either.
    zav::ListaPesquisaDialog empty(groups());
    QTest::keyClicks(empty.filterBox(), "zzz");
    QTest::keyClick(empty.filterBox(), Qt::Key_Return);
    EXPECT_EQ(empty.chosenValue(), "");
}
