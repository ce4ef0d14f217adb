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
    request.columns = {{"Grupo", 1500}, {"Descrição", 4500}};
    request.rows = {{"G1", "Camisas"}, {"G2", "Calças"}, {"G3", "Malhas"}};
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
    lista.SQL = "SELECT Cod as 'Grupo', Descr as 'Descrição' FROM Grupos order by Cod";
    lista.Carrega();
    lista.Colunas(2, 4500, true);
    EXPECT_EQ(zav::test::errorNumberOf([&] { lista.Colunas(3, 100); }), 9u);

    zav::PickListRequest shown;
    zav::Seam<QString(QWidget*, const zav::PickListRequest&)>::Override pick(
        zav::pickListSeam(), [&](QWidget*, const zav::PickListRequest& request) {
            shown = request;
            return request.rows[1][0];
        });
    EXPECT_EQ(lista.Mostra(), "CAM");
    ASSERT_EQ(shown.columns.size(), 2);
    EXPECT_EQ(shown.columns[1].heading, "Descrição");
    EXPECT_FALSE(shown.columns[0].hidden);
    EXPECT_TRUE(shown.columns[1].hidden);
    EXPECT_EQ(shown.rows, QList<QStringList>({{"CAL", "Calças"}, {"CAM", "Camisas"}}));
}

// Typing filters on the visible columns, in any case; Enter or a double click
// chooses, Esc or an empty list chooses nothing.
TEST(ListaPesquisaWindow, FilterThenChooseByEnterOrDoubleClick)
{
    const struct {
        bool firstHidden;
        const char* typed;
        int visible;
        Qt::Key key;
        const char* chosen;
    } cases[] = {
        {false, "ÇAS", 1, Qt::Key_Return, "G2"},
        {false, "mal", 1, Qt::Key_Escape, ""},
        {false, "zzz", 0, Qt::Key_Return, ""},
        {true, "g", 0, Qt::Key_Return, ""},
        {true, "ÇAS", 1, Qt::Key_Return, "G2"},
        {false, "", 3, Qt::Key_unknown, "G2"},
    };
    for (const auto& c : cases) {
        zav::PickListRequest request = groups();
        request.columns[0].hidden = c.firstHidden;
        zav::ListaPesquisaDialog dialog(request);
        QTest::keyClicks(dialog.filterBox(), QString::fromUtf8(c.typed));
        EXPECT_EQ(dialog.visibleRowCount(), c.visible) << c.typed;
        if (c.key == Qt::Key_unknown)
            emit dialog.table()->doubleClicked(dialog.table()->model()->index(1, 1));
        else
            QTest::keyClick(dialog.filterBox(), c.key);
        EXPECT_EQ(dialog.chosenValue(), c.chosen) << c.typed;
    }
}

// A list longer than its window, its first column hidden: the row the keys
// reach is scrolled into view, and the keypad's Enter chooses it as Return does.
TEST(ListaPesquisaWindow, PageDownAndEndKeepTheRowInViewAndTheKeypadsEnterChoosesIt)
{
    zav::PickListRequest pedido;
    pedido.columns = {{"Chave", 1500, true}, {"Descrição", 4500}};
    for (int n = 1; n <= 200; ++n)
        pedido.rows << QStringList{QStringLiteral("K%1").arg(n, 3, 10, QLatin1Char('0')), QStringLiteral("Linha %1").arg(n)};
    const QList<QList<Qt::Key>> casos{
        {Qt::Key_PageDown}, {Qt::Key_PageDown, Qt::Key_PageDown}, {Qt::Key_End}, {Qt::Key_End, Qt::Key_PageUp}};
    for (const bool naLista : {false, true})
        for (const auto& teclas : casos) {
            zav::ListaPesquisaDialog dialog(pedido);
            dialog.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            QTableView* lista = dialog.table();
            QWidget* alvo = naLista ? static_cast<QWidget*>(lista) : dialog.filterBox();
            for (const Qt::Key tecla : teclas)
                QTest::keyClick(alvo, tecla);
            const int linha = lista->currentIndex().row();
            EXPECT_GT(linha, 1) << "a page, or the end, is more than a row away";
            const QRect vista = lista->viewport()->rect();
            const QRect escolhida = lista->visualRect(lista->model()->index(linha, 1));
            EXPECT_TRUE(escolhida.top() >= vista.top() && escolhida.bottom() <= vista.bottom())
                << (naLista ? "list " : "filter box ") << teclas.size() << " keys: row " << linha << " is out of view";
            QTest::keyClick(alvo, Qt::Key_Enter, Qt::KeypadModifier);
            EXPECT_EQ(dialog.chosenValue(), pedido.rows.value(linha).value(0)) << "row " << linha;
        }
}

// In the filter box or in the list, and also where the list's first column is
// hidden (the collections' list keeps "code@group" there).
TEST(ListaPesquisaWindow, MovingKeysMoveTheRowThatEnterChooses)
{
    const struct {
        QList<Qt::Key> teclas;
        const char* escolha;
    } casos[] = {
        {{Qt::Key_Down}, "G2"},     {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, "G2"},
        {{Qt::Key_End}, "G3"},      {{Qt::Key_End, Qt::Key_Home}, "G1"},
        {{Qt::Key_PageDown}, "G3"}, {{Qt::Key_End, Qt::Key_PageUp}, "G1"},
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
