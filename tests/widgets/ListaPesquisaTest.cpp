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

TEST(ListaPesquisaWindow, ArrowsMoveAndDoubleClickChooses)
{
    zav::ListaPesquisaDialog dialog(groups());
    QTest::keyClick(dialog.filterBox(), Qt::Key_Down);
    QTest::keyClick(dialog.filterBox(), Qt::Key_Down);
    QTest::keyClick(dialog.filterBox(), Qt::Key_Enter);
    EXPECT_EQ(dialog.chosenValue(), "MAL");

    zav::ListaPesquisaDialog second(groups());
    QTableView* table = second.table();
    emit table->doubleClicked(table->model()->index(1, 1));
    EXPECT_EQ(second.chosenValue(), "CAL");
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
