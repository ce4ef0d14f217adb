#include "GridTestSupport.h"

#include "platform/widgets/Seams.h"
#include "platform/widgets/Twips.h"
#include "platform/grid/GridPages.h"
#include "platform/grid/Grelha.h"
#include "platform/grid/PreviewSwitch.h"
#include "platform/grid/Visualizador.h"
#include "support/OutsideReaders.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zav;

namespace {

// The statistical report's print values.
void statisticalPrintSettings(Grelha& grid)
{
    GridPrintSettings& print = grid.printSettings();
    print.marginLeftTwips = 300;
    print.marginTopTwips = 900;
    print.marginBottomTwips = 900;
    print.marginRightTwips = 300;
    print.headerHeightTwips = 1500;
    print.footerHeightTwips = 750;
    print.headerText = QStringLiteral("Mapa Estatístico\r\n\r\n de '01-03-2026' a '31-03-2026'");
    print.headerFont = PrintFont{QStringLiteral("Verdana"), 14, true};
    print.footerText = QStringLiteral("Página: {page} de {pagecount}");
    print.footerFont.pointSize = 8;
}

void fillRows(Grelha& grid, int rows)
{
    grid.addColumn(gridtest::column("Produto", QStringLiteral("Produto"), 5000));
    grid.addColumn(gridtest::column("Qtd", QStringLiteral("Qtd.\r\nVend."), 1500, ValueKind::Currency, "# ###"));
    grid.setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        grid.setText(row, 0, QStringLiteral("Artigo%1").arg(row + 1, 3, 10, QLatin1Char('0')));
        grid.setValue(row, 1, QVariant::fromValue(Currency::fromInteger(1000 + row)));
    }
}

// Prints through the viewer's print tool into a PDF, the dialog answered by the test.
QString printToPdf(Visualizador& viewer, const QString& path)
{
    Seam<bool(QWidget*, QPrinter&)>::Override answer(printDialogSeam(), [&](QWidget*, QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        return true;
    });
    viewer.tool(Visualizador::ToolPrint)->trigger();
    return zav::test::pdfText(path);
}

// Rows that make exactly two A4 pages with the statistical report's settings.
int rowsForTwoPages(Grelha& grid)
{
    fillRows(grid, 1);
    const int perPage = [&] {
        for (int rows = 1;; ++rows) {
            grid.setRowCount(rows);
            if (grid.pages()->pageCount() > 1)
                return rows - 1;
        }
    }();
    return perPage + perPage / 2;
}

} // namespace

TEST(GridPrint, TwoPagePreviewPrintsHeaderEveryRowAndPageNumbers)
{
    QTemporaryDir dir;
    Grelha grid;
    statisticalPrintSettings(grid);
    const int rows = rowsForTwoPages(grid);
    grid.clearColumns();
    fillRows(grid, rows);

    Visualizador viewer;
    viewer.setPages(grid.pages());
    ASSERT_EQ(viewer.pageCount(), 2);
    const QString text = printToPdf(viewer, dir.filePath(QStringLiteral("mapa.pdf")));

    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    for (int page = 0; page < 2; ++page) {
        EXPECT_TRUE(pages[page].contains(QStringLiteral("Mapa Estatístico"))) << page;
        EXPECT_TRUE(pages[page].contains(QStringLiteral("de '01-03-2026' a '31-03-2026'"))) << page;
        EXPECT_TRUE(pages[page].contains(QStringLiteral("Produto"))) << "headings repeat on every page";
        EXPECT_TRUE(pages[page].contains(QStringLiteral("Página: %1 de 2").arg(page + 1))) << page;
    }
    for (int row = 0; row < rows; ++row) {
        const QString name = QStringLiteral("Artigo%1").arg(row + 1, 3, 10, QLatin1Char('0'));
        EXPECT_EQ(text.count(name), 1) << name.toStdString();
    }
    EXPECT_TRUE(text.contains(QStringLiteral("1 000")));
}

TEST(GridPrint, EmptyGridGivesAPageWithHeaderAndFooter)
{
    Grelha grid;
    statisticalPrintSettings(grid);
    fillRows(grid, 0);
    auto pages = grid.pages();
    ASSERT_EQ(pages->pageCount(), 1);
    const QStringList texts = pages->pageTexts(0);
    EXPECT_TRUE(texts.contains(QStringLiteral("Mapa Estatístico")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Página: 1 de 1")));
}

TEST(GridPrint, FooterTextAfterThePlaceholdersAndGroupsPrintedExpanded)
{
    QTemporaryDir dir;
    Grelha grid;
    grid.setDataSource(gridtest::quantitiesByReference({{"R1/Camisa", "C01", 7}, {"R1/Camisa", "C02", 8}, {"R2/Saia", "C03", 9}}));
    grid.addColumn(gridtest::column("Referencia", "Referencia", 1300, ValueKind::Text, {}, true));
    grid.addColumn(gridtest::column("Cliente", "Cliente", 3000));
    grid.addColumn(gridtest::column("Quant", "Quant", 1200));
    grid.rebind();
    grid.setGroup(GroupSpec{"Referencia", QStringLiteral("' Total Quant = ' & Format((GroupCalc(1) ),'Standard')"), {"Quant"}, true});
    grid.collapseAll();
    grid.printSettings().footerText = QStringLiteral("Página: {page} de {pagecount}              Data:06-12-2026 21:40");
    grid.printSettings().headerText = QStringLiteral("Referências/Cliente\r\nDatas 01-11-2026 a 06-12-2026");

    Visualizador viewer;
    viewer.setPages(grid.pages());
    const QString text = printToPdf(viewer, dir.filePath(QStringLiteral("grupos.pdf")));
    EXPECT_TRUE(text.contains(QStringLiteral("R1/Camisa Total Quant = 15,00")));
    EXPECT_TRUE(text.contains(QStringLiteral("R2/Saia Total Quant = 9,00")));
    for (const char* customer : {"C01", "C02", "C03"})
        EXPECT_TRUE(text.contains(QLatin1String(customer))) << customer;
    EXPECT_TRUE(text.contains(QStringLiteral("Data:06-12-2026 21:40")));
    EXPECT_TRUE(text.contains(QStringLiteral("Página: 1 de 1")));
    EXPECT_TRUE(text.contains(QStringLiteral("Datas 01-11-2026 a 06-12-2026")));
}

TEST(GridPrint, ColumnsWiderThanThePageAreScaledToFit)
{
    Grelha grid;
    statisticalPrintSettings(grid);
    for (int c = 0; c < 12; ++c)  // 24000 twips: twice an A4 page
        grid.addColumn(gridtest::column(c + 1, QStringLiteral("Col%1").arg(c), 2000));
    grid.setRowCount(1);
    grid.setText(0, 11, QStringLiteral("Ultima"));
    auto pages = grid.pages();
    const QSizeF twips = pages->pageSizeTwips();
    const QImage page = pages->pageImage(0, QSize(int(twips.width() / 20), int(twips.height() / 20)));
    // Only the body's own width may hold ink: nothing beyond the right margin.
    const int rightMargin = int((twips.width() - 300) / 20);
    bool inkBeyondMargin = false;
    for (int x = rightMargin + 2; x < page.width(); ++x)
        for (int y = 0; y < page.height(); ++y)
            inkBeyondMargin = inkBeyondMargin || page.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_FALSE(inkBeyondMargin);
    EXPECT_TRUE(pages->pageTexts(0).contains(QStringLiteral("Ultima")));
}

// Each tool shows an icon of its own, legible while enabled and greyed when
// not; none is one of the style's stock icons, whose lists, title-bar buttons
// and coloured arrows told of other things.
TEST(Visualizador, EachToolHasAnIconOfItsOwn)
{
    Visualizador viewer;
    const QList<QStyle::StandardPixmap> stock{
        QStyle::SP_FileIcon, QStyle::SP_FileDialogDetailedView, QStyle::SP_FileDialogContentsView,
        QStyle::SP_TitleBarNormalButton, QStyle::SP_FileDialogListView, QStyle::SP_ArrowDown, QStyle::SP_ArrowUp,
        QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward, QStyle::SP_MediaSeekForward,
        QStyle::SP_MediaSkipForward, QStyle::SP_ArrowBack, QStyle::SP_ArrowForward};
    const auto image = [](const QIcon& icon, int side, QIcon::Mode mode = QIcon::Normal) {
        return icon.pixmap(QSize(side, side), mode).toImage().convertToFormat(QImage::Format_ARGB32);
    };
    QList<QImage> seen;  // the style's stock icons, then each tool's own
    for (QStyle::StandardPixmap pixmap : stock)
        seen << image(viewer.style()->standardIcon(pixmap), 24);
    for (int position : {2, 4, 6, 8, 9, 11, 12, 14, 15, 16, 17, 19, 20}) {
        const QIcon icon = viewer.tool(position)->icon();
        const QImage normal = image(icon, 24);
        int ink = 0;
        for (int y = 0; y < normal.height(); ++y)
            for (int x = 0; x < normal.width(); ++x)
                ink += qAlpha(normal.pixel(x, y)) > 200 && qGray(normal.pixel(x, y)) < 130;
        EXPECT_GT(ink, 10) << "tool " << position << " is drawn in dark ink while enabled";
        EXPECT_NE(normal, image(icon, 24, QIcon::Disabled)) << "tool " << position << " greys when disabled";
        EXPECT_FALSE(seen.contains(normal)) << "tool " << position << " looks like another or a stock icon";
        seen << normal;
    }
}

TEST(Visualizador, PagesZoomFindAndHistory)
{
    Grelha grid;
    statisticalPrintSettings(grid);
    fillRows(grid, 200);
    Visualizador viewer;
    viewer.resize(600, 500);
    viewer.setPages(grid.pages());
    const int count = viewer.pageCount();
    ASSERT_GE(count, 4);

    const auto use = [&](int tool) {
        viewer.tool(tool)->trigger();
        return viewer.currentPage();
    };
    EXPECT_FALSE(viewer.tool(Visualizador::ToolPreviousPage)->isEnabled());
    use(Visualizador::ToolNextPage);
    EXPECT_EQ(use(Visualizador::ToolNextPage), 2);
    EXPECT_EQ(use(Visualizador::ToolPreviousPage), 1);
    // Back and forward walk the pages viewed: 0, 1, 2, 1.
    EXPECT_EQ(use(Visualizador::ToolBack), 2);
    use(Visualizador::ToolBack);
    EXPECT_EQ(use(Visualizador::ToolBack), 0);
    EXPECT_FALSE(viewer.tool(Visualizador::ToolBack)->isEnabled());
    EXPECT_EQ(use(Visualizador::ToolForward), 1);

    EXPECT_TRUE(viewer.find(QStringLiteral("artigo200")));
    EXPECT_EQ(viewer.currentPage(), count - 1);
    EXPECT_TRUE(viewer.find(QStringLiteral("Artigo001"))) << "wraps around to the first page";
    EXPECT_EQ(viewer.currentPage(), 0);
    EXPECT_FALSE(viewer.find(QStringLiteral("Inexistente")));
    EXPECT_EQ(viewer.currentPage(), 0);

    const double zoom = viewer.zoom();
    use(Visualizador::ToolZoomIn);
    EXPECT_GT(viewer.zoom(), zoom);
    use(Visualizador::ToolZoomOut);
    use(Visualizador::ToolZoomOut);
    EXPECT_LT(viewer.zoom(), zoom);
    use(Visualizador::ToolMultiplePages);
    EXPECT_TRUE(viewer.showsMultiplePages());
    use(Visualizador::ToolSinglePage);
    EXPECT_FALSE(viewer.showsMultiplePages());

    // A copied page is the page at its real size on the screen.
    use(Visualizador::ToolCopy);
    const QSizeF twips = viewer.pages()->pageSizeTwips();
    EXPECT_EQ(QApplication::clipboard()->image().size(),
              QSize(twipsToPixelsX(int(twips.width())), twipsToPixelsY(int(twips.height()))));

    Seam<bool(QWidget*, QPrinter&)>::Override cancel(printDialogSeam(), [](QWidget*, QPrinter&) { return false; });
    EXPECT_FALSE(viewer.printPages());
}

TEST(PreviewSwitch, SwapsGridAndViewerInPlace)
{
    QWidget screen;
    screen.resize(900, 700);
    auto* grid = new Grelha(&screen);
    grid->setGeometry(20, 80, 640, 420);
    auto* viewer = new Visualizador(&screen);
    viewer->hide();
    auto* print = new QPushButton(QStringLiteral("&Imprimir"), &screen);
    auto* load = new QPushButton(QStringLiteral("&Carregar"), &screen);
    screen.show();
    fillRows(*grid, 3);

    PreviewSwitch preview(*grid, *viewer, *print, QStringLiteral("Grelha"), QStringLiteral("Imprimir"), {load});
    for (bool shown : {true, false}) {
        preview.toggle();
        EXPECT_EQ(preview.previewShown(), shown);
        EXPECT_EQ(viewer->isVisible(), shown);
        EXPECT_EQ(grid->isVisible(), !shown);
        EXPECT_EQ(print->text(), shown ? "Grelha" : "Imprimir") << "the button says where it goes back to";
        EXPECT_EQ(load->isEnabled(), !shown);
    }
    preview.toggle();
    EXPECT_EQ(viewer->geometry(), QRect(20, 80, 640, 420)) << "where the grid was";
    EXPECT_EQ(viewer->pageCount(), 1);
}
