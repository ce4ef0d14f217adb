#include "GridTestSupport.h"

#include "platform/data/RuntimeError.h"
#include "platform/grid/GridContent.h"
#include "platform/grid/Grelha.h"
#include "platform/grid/GridPages.h"
#include "platform/widgets/Twips.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QBrush>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QPalette>
#include <QSignalSpy>
#include <QTableView>
#include <gtest/gtest.h>

using namespace zav;

namespace {

const QString TotalQuant = QStringLiteral(" ' Total Quant = ' & Format((GroupCalc(1) ),'Standard') & '  '");

GridColumn column(ColumnKey key, QString heading, int width, ValueKind kind = ValueKind::Text,
                  QString format = {}, bool hidden = false)
{
    GridColumn c;
    c.key = std::move(key);
    c.heading = std::move(heading);
    c.widthTwips = width;
    c.kind = kind;
    c.format = std::move(format);
    c.hidden = hidden;
    return c;
}

void addQuantityColumns(Grelha& grid)
{
    grid.addColumn(column("Referencia", QStringLiteral("Referência"), 1300, ValueKind::Text, {}, true));
    grid.addColumn(column("Cliente", QStringLiteral("Cliente"), 3000));
    grid.addColumn(column("Quant", QStringLiteral("Quantidade"), 1200, ValueKind::Currency, QStringLiteral("## ###")));
}

QStringList shownColumn(const Grelha& grid, int column)
{
    QStringList texts;
    QAbstractItemModel* model = grid.view()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

// Collects what Qt's model tester reports while it lives.
class ModelProblems {
public:
    ModelProblems() { previous_ = qInstallMessageHandler(&ModelProblems::collect); }
    ~ModelProblems() { qInstallMessageHandler(previous_); }
    static QStringList& reported()
    {
        static QStringList messages;
        return messages;
    }

private:
    static void collect(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (type != QtDebugMsg)
            reported().append(message);
    }
    QtMessageHandler previous_;
};

} // namespace

TEST(Grelha, BoundRecordsetShowsFieldsByNameAndNumberFormatted)
{
    auto rs = gridtest::quantitiesByReference({{"R1/Camisa", "C01", 1500}, {"R2/Saia", "C02", 0}, {"R3/Blusa", "C03", -2000}});
    Grelha grid;
    grid.setDataSource(rs);
    grid.addColumn(column(1, QStringLiteral("Ref"), 1300));                 // by field number
    grid.addColumn(column("quant", QStringLiteral("Qtd"), 800, ValueKind::Currency, QStringLiteral("# ###"))); // any case
    grid.rebind();

    ASSERT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(shownColumn(grid, 0), (QStringList{"R1/Camisa", "R2/Saia", "R3/Blusa"}));
    EXPECT_EQ(shownColumn(grid, 1), (QStringList{"1 500", "", "-2 000"}));
    EXPECT_EQ(grid.view()->model()->index(0, 1).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask,
              int(Qt::AlignRight)) << "numbers to the right";
    EXPECT_EQ(grid.view()->model()->index(0, 0).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask,
              int(Qt::AlignLeft)) << "text to the left";

    // The grid follows the recordset: a changed value and a new row.
    rs->MoveFirst();
    rs->Fields(QStringLiteral("Quant")) = Currency::fromInteger(2500);
    rs->Update();
    rs->AddNew();
    rs->Fields(QStringLiteral("Referencia")) = QStringLiteral("R4/Casaco");
    rs->Fields(QStringLiteral("Quant")) = Currency::fromInteger(40);
    rs->Update();
    EXPECT_EQ(shownColumn(grid, 1), (QStringList{"2 500", "", "-2 000", "40"}));
}

TEST(Grelha, RebindRefusesAKeyWithoutField)
{
    Grelha grid;
    grid.setDataSource(gridtest::quantitiesByReference({{"R1", "C1", 1}}));
    grid.addColumn(column("Inexistente", QStringLiteral("X"), 800));
    try {
        grid.rebind();
        FAIL() << "no error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), errors::ItemNotFound);
    }
    grid.clearColumns();
    grid.addColumn(column(4, QStringLiteral("X"), 800));
    EXPECT_THROW(grid.rebind(), RuntimeError) << "field number beyond the last field";
}

TEST(Grelha, CellsWrittenOneByOneInAGrowingGrid)
{
    Grelha grid;
    grid.addColumn(column("Ord", QStringLiteral("Ord"), 1000, ValueKind::Text, {}, true));
    grid.addColumn(column("Produto", QStringLiteral("Produto"), 5000));
    grid.addColumn(column("QtdProd", QStringLiteral("Qtd.Prod."), 1500));
    grid.setRowCount(10);
    EXPECT_EQ(grid.rowCount(), 10);

    for (int row = 0; row < 14; ++row) {
        grid.setText(row, 1, QStringLiteral("Linha %1").arg(row));
        grid.setText(row, 2, QString::number(row * 1000));
        if (row >= grid.rowCount() - 1)
            grid.addRow();
    }
    EXPECT_EQ(grid.rowCount(), 15);
    EXPECT_EQ(grid.displayText(13, 1), QStringLiteral("Linha 13"));
    EXPECT_EQ(grid.displayText(13, 2), QStringLiteral("13000")) << "no format: the text as written";
    EXPECT_EQ(grid.displayText(14, 1), QString()) << "the grown row is empty";
    EXPECT_EQ(grid.view()->model()->index(13, 1).data().toString(), QStringLiteral("Linha 13"));
    EXPECT_THROW(grid.setText(15, 1, QStringLiteral("x")), RuntimeError);

    EXPECT_TRUE(grid.view()->isColumnHidden(0));
    const GridContent content = grid.content();
    ASSERT_EQ(content.columns.size(), 2) << "hidden columns are not shown";
    EXPECT_EQ(content.columns[0].heading, QStringLiteral("Produto"));
    EXPECT_EQ(content.lines.size(), 15);
    EXPECT_EQ(content.lines[3].texts, (QStringList{"Linha 3", "3000"}));
}

// A report grid is only read: Tab and Shift+Tab go on to the screen's other
// controls, so the user gets back to the filter fields; the arrows move the row.
TEST(Grelha, TabLeavesAReadOnlyGridAndArrowsMoveInIt)
{
    QDialog screen;
    auto* layout = new QVBoxLayout(&screen);
    auto* filter = new QLineEdit(&screen);
    auto* grid = new Grelha(&screen);
    auto* button = new QPushButton(QStringLiteral("&Carregar"), &screen);
    button->setAutoDefault(false);
    for (QWidget* widget : {static_cast<QWidget*>(filter), static_cast<QWidget*>(grid), static_cast<QWidget*>(button)})
        layout->addWidget(widget);
    grid->setDataSource(gridtest::quantitiesByReference({{"R1", "C01", 1}, {"R1", "C02", 2}, {"R2", "C03", 3}}));
    addQuantityColumns(*grid);
    grid->rebind();
    screen.show();
    QApplication::setActiveWindow(&screen);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    filter->setFocus();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), grid->view());
    grid->view()->setCurrentIndex(grid->view()->model()->index(0, 1));
    QTest::keyClick(grid->view(), Qt::Key_Down);
    QTest::keyClick(grid->view(), Qt::Key_Down);
    EXPECT_EQ(grid->view()->currentIndex().row(), 2) << "the arrows move the row";
    QTest::keyClick(grid->view(), Qt::Key_Up);
    EXPECT_EQ(grid->view()->currentIndex().row(), 1);

    QTest::keyClick(grid->view(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), button) << "Tab leaves the grid";
    EXPECT_EQ(grid->view()->currentIndex().row(), 1) << "and does not move its row";
    QTest::keyClick(button, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), grid->view());
    QTest::keyClick(grid->view(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), filter) << "Shift+Tab back to the filter";

    // A column to edit makes Tab walk the cells again.
    GridColumn editable = column("Cliente", QStringLiteral("Editável"), 1000);
    editable.readOnly = false;
    grid->addColumn(editable);
    EXPECT_TRUE(grid->view()->tabKeyNavigation());
    grid->clearColumns();
    EXPECT_FALSE(grid->view()->tabKeyNavigation());
}

TEST(Grelha, LookInTwips)
{
    Grelha grid;
    const int dpi = grid.logicalDpiX();
    grid.addColumn(column("Produto", QStringLiteral("Produto"), 1440));
    grid.addColumn(column("Cor", QStringLiteral("S\r\nM"), 720));
    grid.setHeadingHeightTwips(600);
    EXPECT_EQ(grid.view()->columnWidth(0), dpi);
    EXPECT_EQ(grid.view()->columnWidth(1), dpi / 2);
    EXPECT_EQ(grid.view()->horizontalHeader()->height(), qRound(600.0 * grid.logicalDpiY() / 1440));
    EXPECT_EQ(grid.view()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("S\nM"));
}

// Only a line break starts a heading line: a column too narrow for its
// widest line widens to it, on the screen and on paper, and a heading that
// fits leaves the column as wide as it was given.
TEST(Grelha, AColumnWidensToItsWidestHeadingLineOnScreenAndOnPaper)
{
    Grelha grid;
    grid.addColumn(column(1, QStringLiteral("2 anos\r\n14 anos"), 650));
    grid.setHeadingFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));  // after the columns, too
    grid.addColumn(column(2, QStringLiteral("14 anos"), 650));
    grid.addColumn(column(3, QStringLiteral("S\r\n."), 650));
    const QHeaderView* headings = grid.view()->horizontalHeader();
    EXPECT_GE(grid.view()->columnWidth(0), headings->sectionSizeHint(0));
    EXPECT_EQ(grid.view()->columnWidth(0), grid.view()->columnWidth(1)) << "the widest line, not the lines joined";
    EXPECT_EQ(grid.view()->columnWidth(2), twipsToPixelsX(650));

    const auto pages = grid.pages();
    // A 10-point letter is 200 twips high.
    QFont paper(QStringLiteral("Verdana"));
    paper.setPixelSize(200);
    paper.setBold(true);
    EXPECT_GT(pages->columnWidthTwips(0), QFontMetricsF(paper).horizontalAdvance(QStringLiteral("14 anos")));
    EXPECT_EQ(pages->columnWidthTwips(0), pages->columnWidthTwips(1));
    EXPECT_EQ(pages->columnWidthTwips(2), 650);
}

TEST(Grelha, GroupsCarryTheirSumAndKeylessRowsStandApart)
{
    auto rs = gridtest::quantitiesByReference({{"R1/Camisa", "C01", 1000},
                                               {"R1/Camisa", "C02", 234},
                                               {"R2/Saia", "C01", 5},
                                               {QString(), "", 1239}});
    Grelha grid;
    grid.setDataSource(rs);
    addQuantityColumns(grid);
    grid.rebind();
    grid.setGroup(GroupSpec{"Referencia", TotalQuant, {"Quant"}, true});

    ASSERT_EQ(grid.groupCount(), 3);
    EXPECT_EQ(grid.groupHeading(0), QStringLiteral("R1/Camisa Total Quant = 1 234,00  "));
    EXPECT_EQ(grid.groupHeading(1), QStringLiteral("R2/Saia Total Quant = 5,00  "));
    EXPECT_EQ(grid.groupHeading(2), QString()) << "the row without a key: empty heading";
    EXPECT_EQ(grid.groupRowCount(0), 2);
    EXPECT_EQ(grid.groupRowCount(2), 1);
    EXPECT_EQ(grid.rowCount(), 4) << "group headings are no data rows";

    // Headings stand in the first visible column, spanning the row.
    EXPECT_EQ(shownColumn(grid, 1), (QStringList{"R1/Camisa Total Quant = 1 234,00  ", "C01", "C02",
                                                 "R2/Saia Total Quant = 5,00  ", "C01", "", ""}));
    EXPECT_EQ(grid.view()->columnSpan(0, 1), 2);

    const GridContent content = grid.content();
    ASSERT_EQ(content.lines.size(), 7);
    EXPECT_TRUE(content.lines[0].isGroupHeading);
    EXPECT_EQ(content.lines[6].texts, (QStringList{"", "1 239"}));

    // A new quantity changes the group's sum.
    rs->MoveFirst();
    rs->Fields(QStringLiteral("Quant")) = Currency::fromInteger(2000);
    rs->Update();
    EXPECT_EQ(grid.groupHeading(0), QStringLiteral("R1/Camisa Total Quant = 2 234,00  "));
}

// Sums in a heading add Double and Long fields as well as currency: a fraction
// is not cut per row, and whole numbers past 32 bits do not wrap.
TEST(Grelha, GroupSumsOverDoubleAndLongColumns)
{
    auto rs = std::make_shared<Recordset>();
    rs->appendField(QStringLiteral("Grupo"), FieldType::Text, 10);
    rs->appendField(QStringLiteral("Peso"), FieldType::Double);
    rs->appendField(QStringLiteral("Pecas"), FieldType::Long);
    rs->open();
    const QList<std::tuple<QString, double, qint32>> rows{
        {"A", 1.25, 2000000000}, {"A", 2.5, 2000000000}, {"B", -0.75, -3}, {"B", 0.125, 1}};
    for (const auto& [group, weight, pieces] : rows) {
        rs->AddNew();
        rs->Fields(0) = group;
        rs->Fields(1) = weight;
        rs->Fields(2) = pieces;
        rs->Update();
    }
    Grelha grid;
    grid.setDataSource(rs);
    grid.addColumn(column("Grupo", QStringLiteral("Grupo"), 1000, ValueKind::Text, {}, true));
    grid.addColumn(column("Peso", QStringLiteral("Peso"), 1000, ValueKind::Number));
    grid.addColumn(column("Pecas", QStringLiteral("Peças"), 1000, ValueKind::Number));
    grid.rebind();
    grid.setGroup(GroupSpec{"Grupo",
                            QStringLiteral(" ' Peso = ' & Format((GroupCalc(1) ),'Standard') & ' Peças = ' & GroupCalc(2)"),
                            {"Peso", "Pecas"}, true});

    ASSERT_EQ(grid.groupCount(), 2);
    EXPECT_EQ(grid.groupHeading(0), QStringLiteral("A Peso = 3,75 Peças = 4000000000"));
    EXPECT_EQ(grid.groupHeading(1), QStringLiteral("B Peso = -0,63 Peças = -2"));
}

TEST(Grelha, GroupWithoutExpressionShowsTheKeyAlone)
{
    Grelha grid;
    grid.setDataSource(gridtest::quantitiesByReference({{"C01/Loja Porto", "C01", 3}, {"C02/Loja Braga", "C02", 4}}));
    addQuantityColumns(grid);
    grid.rebind();
    grid.setGroup(GroupSpec{"Referencia", {}, {}, true});
    EXPECT_EQ(grid.groupHeading(0), QStringLiteral("C01/Loja Porto"));
    EXPECT_THROW(grid.setGroup(GroupSpec{"Referencia", QStringLiteral("'Total = ' &"), {}, true}), RuntimeError);
}

TEST(Grelha, ExpandAndCollapseAll)
{
    Grelha grid;
    grid.setDataSource(gridtest::quantitiesByReference(
        {{"R1", "C1", 1}, {"R1", "C2", 2}, {"R2", "C1", 3}, {"R3", "C1", 4}, {"R3", "C2", 5}}));
    addQuantityColumns(grid);
    grid.rebind();
    grid.setGroup(GroupSpec{"Referencia", TotalQuant, {"Quant"}, true});
    QAbstractItemModel* model = grid.view()->model();
    EXPECT_EQ(model->rowCount(), 8);

    grid.collapseAll();
    EXPECT_EQ(model->rowCount(), 3) << "only the headings";
    for (int g = 0; g < grid.groupCount(); ++g)
        EXPECT_FALSE(grid.isExpanded(g));
    EXPECT_EQ(grid.content().lines.size(), 8) << "printing and export see every row";

    grid.setExpanded(2, true);
    EXPECT_EQ(shownColumn(grid, 1).mid(2), (QStringList{"R3 Total Quant = 9,00  ", "C1", "C2"}));

    grid.expandAll();
    EXPECT_EQ(model->rowCount(), 8);
    EXPECT_EQ(grid.view()->columnSpan(5, 1), 2) << "spans follow the headings after each change";
}

// How long this takes is bench_grid_fill's to say.
TEST(Grelha, SixtyFiveThousandRowsFillWhileBoundAndGroup)
{
    // Filled row by row while bound and shown, as a screen fills its recordset.
    auto rs = gridtest::quantitiesByReference({});
    Grelha grid;
    grid.show();
    grid.setDataSource(rs);
    addQuantityColumns(grid);
    grid.rebind();
    for (int i = 0; i < 65000; ++i)
        gridtest::addQuantity(*rs, QStringLiteral("R%1").arg(i / 10, 5, 10, QLatin1Char('0')),
                              QStringLiteral("C%1").arg(i % 10), i);
    QApplication::processEvents();
    EXPECT_EQ(grid.view()->model()->rowCount(), 65000);

    // The filled recordset bound afresh, as most screens bind theirs.
    Grelha bound;
    bound.show();
    bound.setDataSource(rs);
    addQuantityColumns(bound);
    bound.rebind();
    bound.setGroup(GroupSpec{"Referencia", TotalQuant, {"Quant"}, true});
    QApplication::processEvents();
    EXPECT_EQ(bound.groupCount(), 6500);
}

TEST(Grelha, BoundGridFollowsRowsAddedChangedAndDeletedOneByOne)
{
    auto rs = gridtest::quantitiesByReference({});
    Grelha grid;
    grid.setDataSource(rs);
    addQuantityColumns(grid);
    grid.rebind();
    QAbstractItemModel* model = grid.view()->model();
    ModelProblems::reported().clear();
    const ModelProblems problems;
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Warning);
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);

    for (int i = 1; i <= 4; ++i)
        gridtest::addQuantity(*rs, QStringLiteral("R%1").arg(i), QStringLiteral("C%1").arg(i), i * 1000);
    const QPersistentModelIndex third = model->index(2, 1);
    rs->MoveFirst();
    rs->MoveNext();
    rs->Delete();            // C2
    EXPECT_EQ(third.row(), 1) << "a selection or current cell below a deleted row moves up with its row";
    EXPECT_EQ(third.data().toString(), QStringLiteral("C3"));
    rs->AddNew();
    rs->CancelUpdate();      // the new row goes again
    rs->MoveLast();
    rs->Fields(QStringLiteral("Quant")) = Currency::fromInteger(9000);
    rs->Update();

    EXPECT_EQ(shownColumn(grid, 1), (QStringList{"C1", "C3", "C4"}));
    EXPECT_EQ(shownColumn(grid, 2), (QStringList{"1 000", "3 000", "9 000"}));
    EXPECT_EQ(resets.count(), 0) << "row by row, never the whole grid";
    EXPECT_EQ(ModelProblems::reported(), QStringList()) << "the view is told of each row as the model changes";

    // Grouped: a quantity that stays in its group only refreshes that group's heading.
    grid.setGroup(GroupSpec{"Referencia", TotalQuant, {"Quant"}, true});
    resets.clear();
    rs->MoveFirst();
    rs->Fields(QStringLiteral("Quant")) = Currency::fromInteger(1500);
    rs->Update();
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(grid.groupHeading(0), QStringLiteral("R1 Total Quant = 1 500,00  "));
    // A row that changes group rebuilds the groups; a collapsed group stays collapsed.
    grid.setExpanded(2, false);
    resets.clear();
    rs->Fields(QStringLiteral("Referencia")) = QStringLiteral("R3");
    rs->Update();
    EXPECT_EQ(resets.count(), 1);
    ASSERT_EQ(grid.groupCount(), 2);
    EXPECT_EQ(grid.groupHeading(0), QStringLiteral("R3 Total Quant = 4 500,00  "));
    EXPECT_TRUE(grid.isExpanded(0));
    EXPECT_FALSE(grid.isExpanded(1)) << grid.groupHeading(1).toStdString();
    EXPECT_EQ(ModelProblems::reported(), QStringList());
}

TEST(Grelha, ColumnBackColourPaintsItsCellsOnlyAndNotTheGroupHeadings)
{
    Grelha grid;
    grid.setDataSource(gridtest::quantitiesByReference({{"R1/Camisa", "C01", 3}, {"R1/Camisa", "C02", 4}}));
    addQuantityColumns(grid);
    GridColumn branca = column("Quant", QStringLiteral("Branca"), 900, ValueKind::Currency);
    branca.backColor = Qt::white;
    const int colunaBranca = grid.addColumn(branca);
    grid.rebind();
    QAbstractItemModel* model = grid.view()->model();

    EXPECT_EQ(model->index(1, colunaBranca).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));
    EXPECT_FALSE(model->index(1, 2).data(Qt::BackgroundRole).isValid()) << "a column without one keeps the grid's own";

    // A group heading spans the row in its own grey, whatever the columns it covers.
    grid.setGroup(GroupSpec{"Referencia", TotalQuant, {"Quant"}, true});
    EXPECT_NE(model->index(0, colunaBranca).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));
    EXPECT_EQ(model->index(1, colunaBranca).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));

    // The grid paints it: the cell's middle is white even on a darker base.
    QPalette escura = grid.view()->palette();
    escura.setColor(QPalette::Base, QColor(40, 40, 40));
    grid.view()->setPalette(escura);
    grid.resize(800, 200);
    grid.show();
    QApplication::processEvents();
    const QRect celula = grid.view()->visualRect(model->index(2, colunaBranca));
    const QImage imagem = grid.view()->viewport()->grab().toImage();
    EXPECT_EQ(imagem.pixelColor(celula.left() + 3, celula.center().y()), QColor(Qt::white));
    const QRect outra = grid.view()->visualRect(model->index(2, 1));
    EXPECT_LT(imagem.pixelColor(outra.left() + 3, outra.center().y()).lightness(), 100);
}
