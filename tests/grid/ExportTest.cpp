#include "GridTestSupport.h"

#include "platform/widgets/CommonDialog.h"
#include "platform/widgets/Seams.h"
#include "platform/grid/Grelha.h"
#include "shell/Tools.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zav;

namespace {

// Records every message, file request and shell open instead of showing them.
struct Desk {
    QList<MessageRequest> messages;
    QList<FileRequest> fileRequests;
    QStringList opened;
    QString answer;
    bool aProgramOpens = true;

    Seam<int(QWidget*, const MessageRequest&)>::Override messageOverride{
        messageBoxSeam(), [this](QWidget*, const MessageRequest& r) { messages.append(r); return int(vbOK); }};
    Seam<QString(QWidget*, const FileRequest&)>::Override fileOverride{
        saveFileSeam(), [this](QWidget*, const FileRequest& r) { fileRequests.append(r); return answer; }};
    Seam<bool(const QString&)>::Override openOverride{
        shellOpenSeam(), [this](const QString& path) { opened.append(path); return aProgramOpens; }};
};

using gridtest::column;

void emptyGrid(Grelha& grid, int rows)
{
    grid.addColumn(column("A", QStringLiteral("A")));
    grid.setRowCount(rows);
}

} // namespace

// A sheet holds 65,534 lines under its headings, a group's heading line
// included: a grid that needs more is refused before the dialog.
TEST(ExportarExcel, TheRowLimitCountsGroupHeadings)
{
    QTemporaryDir dir;
    CommonDialog dialog;
    const QList<std::tuple<int, int, bool>> cases = {
        {65535, 0, false}, {65534, 0, true},
        {65534, 100, false},  // in 656 groups: 66,190 lines
        {65524, 6553, true},  // in 10 groups: the sheet exactly, collapsed or not
    };
    for (const auto& [rows, rowsPerGroup, fits] : cases) {
        Desk desk;
        Grelha grid;
        grid.addColumn(column("G", QStringLiteral("G"), 1500, ValueKind::Text, {}, true));
        grid.addColumn(column("A", QStringLiteral("A")));
        grid.setRowCount(rows);
        for (int row = 0; rowsPerGroup > 0 && row < rows; ++row)
            grid.setText(row, 0, QString::number(row / rowsPerGroup));
        grid.setText(rows - 1, 1, QStringLiteral("última"));
        if (rowsPerGroup > 0)
            grid.setGroup(GroupSpec{"G", {}, {}, false});
        desk.answer = dir.filePath(QStringLiteral("limite.xls"));
        Tools::ExportarExcel(grid, dialog);
        if (!fits) {
            ASSERT_EQ(desk.messages.size(), 1) << rows << " in groups of " << rowsPerGroup;
            EXPECT_EQ(desk.messages[0].text,
                      QStringLiteral("Não é possivel exportar para excel grelhas com mais de 65534 linhas!"));
            EXPECT_TRUE(desk.fileRequests.isEmpty());
            continue;
        }
        EXPECT_TRUE(desk.messages.isEmpty()) << rows << " in groups of " << rowsPerGroup;
        EXPECT_EQ(desk.opened, QStringList{desk.answer});
        const QStringList lines = gridtest::readWorkbook(desk.answer);
        ASSERT_EQ(lines.size(), 65535);
        EXPECT_EQ(lines.last(), QStringLiteral("última"));
        EXPECT_EQ(lines[1], rowsPerGroup > 0 ? QStringLiteral("0") : QString()) << "the first group's heading";
    }
}

// A text column keeps codes made of digits as texts: Excel would otherwise
// show 141309120000 as 1,41309E+11 and drop leading zeros.
TEST(ExportarExcel, CodesThatLookLikeNumbersStayTexts)
{
    QTemporaryDir dir;
    const QStringList codes{"141309120000", "0012", "1E5", "12,50", "-7"};
    QList<QVariantList> rows;
    for (const QString& code : codes)
        rows.append({code, code.size()});
    Grelha bound;
    bound.setDataSource(gridtest::recordsetOf({{"Codigo", FieldType::Text}, {"Quant", FieldType::Currency}}, rows));
    bound.addColumn(column("Codigo", QStringLiteral("Código")));
    bound.addColumn(column("Quant", QStringLiteral("Quant"), 1500, ValueKind::Currency));
    bound.rebind();
    bound.exportToXls(dir.filePath(QStringLiteral("ligada.xls")));

    Grelha written;
    emptyGrid(written, int(codes.size()));
    for (int row = 0; row < codes.size(); ++row)
        written.setText(row, 0, codes[row]);
    written.exportToXls(dir.filePath(QStringLiteral("escrita.xls")));

    const QStringList boundRows = gridtest::readWorkbook(dir.filePath(QStringLiteral("ligada.xls")));
    const QStringList writtenRows = gridtest::readWorkbook(dir.filePath(QStringLiteral("escrita.xls")));
    ASSERT_EQ(boundRows.size(), codes.size() + 1);
    ASSERT_EQ(writtenRows.size(), codes.size() + 1);
    for (int row = 0; row < codes.size(); ++row) {
        EXPECT_EQ(boundRows[row + 1], codes[row] + QStringLiteral("\t#%1.0").arg(codes[row].size()));
        EXPECT_EQ(writtenRows[row + 1], codes[row]);
    }
}

// Cancelled, nothing happens; a name typed without an extension is saved with
// .xls, offered next time, and said with its name when no program opens it, in
// the export's own plain box.
TEST(ExportarExcel, CancelEndsSilentlyAndANameTypedWithoutExtensionGetsXls)
{
    QTemporaryDir dir;
    Desk desk;
    CommonDialog dialog;
    Grelha grid;
    emptyGrid(grid, 2);
    Tools::ExportarExcel(grid, dialog);
    EXPECT_TRUE(desk.messages.isEmpty() && desk.opened.isEmpty());
    EXPECT_EQ(desk.fileRequests.size(), 1);

    desk.aProgramOpens = false;
    const QString saved = dir.filePath(QStringLiteral("estat.xls"));
    for (const char* typed : {"estat", "estat.xls"}) {
        desk.messages.clear();
        desk.answer = dir.filePath(QString::fromUtf8(typed));
        Tools::ExportarExcel(grid, dialog);
        EXPECT_EQ(desk.opened.last(), saved) << typed;
        EXPECT_EQ(dialog.fileName(), saved) << "the dialog offers it next time";
        ASSERT_EQ(desk.messages.size(), 1);
        const MessageRequest& said = desk.messages[0];
        EXPECT_TRUE(said.text.contains(saved)) << said.text.toStdString();
        EXPECT_TRUE(said.title.isEmpty() && said.icon == MessageIcon::Information && said.buttons == MessageButtons::Ok)
            << "a plain box with an empty title, as the export's other messages: " << said.title.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("estat.xls")});
    EXPECT_EQ(gridtest::readWorkbook(saved).first(), QStringLiteral("A")) << "a grid of empty rows gives its headings";
}

TEST(ExportarExcel, WorkbookHoldsWhatTheGridShowsCellForCell)
{
    QTemporaryDir dir;
    Desk desk;
    CommonDialog dialog;

    const QList<std::pair<QString, FieldType>> fields{
        {"IdCliente", FieldType::Text}, {"Cor", FieldType::Text}, {"S", FieldType::Currency}, {"Total", FieldType::Currency}};
    Grelha grid;
    grid.setDataSource(gridtest::recordsetOf(fields, {{"C1/Ficha Amostra", "Coleção €", 1200, 1200},
                                                      {"C1/Ficha Amostra", "Azul", 0, -3},
                                                      {QVariant(), "Total", 1200, 1197}}));
    grid.addColumn(column("IdCliente", QStringLiteral("Cliente"), 1500, ValueKind::Text, {}, true));
    grid.addColumn(column("Cor", QStringLiteral("Cor/Tamanho")));
    grid.addColumn(column("S", QStringLiteral("S\r\nP"), 1500, ValueKind::Currency, QStringLiteral("# ###")));
    grid.addColumn(column("Total", QStringLiteral("Total"), 1500, ValueKind::Currency, QStringLiteral("## ###")));
    grid.rebind();
    grid.setGroup(GroupSpec{"IdCliente", {}, {}, true});
    grid.collapseAll();

    desk.answer = dir.filePath(QStringLiteral("Ficha Amostra.xls"));
    Tools::ExportarExcel(grid, dialog);
    ASSERT_TRUE(desk.messages.isEmpty()) << desk.messages.value(0).text.toStdString();
    EXPECT_EQ(desk.opened, QStringList{desk.answer});

    const QStringList expected = {
        QStringLiteral("Cor/Tamanho\tS\nP\tTotal"), // the two-line heading keeps its line break
        QStringLiteral("C1/Ficha Amostra\t\t"),
        QStringLiteral("Coleção €\t#1200.0\t#1200.0"),
        QStringLiteral("Azul\t#0.0\t#-3.0"),
        QStringLiteral("\t\t"),
        QStringLiteral("Total\t#1200.0\t#1197.0"),
    };
    const QString all = gridtest::readWorkbook(desk.answer).join(QLatin1Char('\n'));
    EXPECT_EQ(all, expected.join(QLatin1Char('\n')));
    EXPECT_EQ(gridtest::headingLayout(desk.answer), (QStringList{QStringLiteral("S|P"), QStringLiteral("height 510")}))
        << "only the heading of several lines wraps, in a row tall enough for its two lines";
}

TEST(ExportarExcel, UnwritableFolderGivesTheMessageAndNoException)
{
    QTemporaryDir dir;
    // A plain file where the folder should be: no one writes into it, root included.
    QFile file(dir.filePath(QStringLiteral("ficheiro")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    Desk desk;
    CommonDialog dialog;
    Grelha grid;
    emptyGrid(grid, 2);
    desk.answer = file.fileName() + QStringLiteral("/mapa.xls");
    EXPECT_NO_THROW(Tools::ExportarExcel(grid, dialog));

    ASSERT_EQ(desk.messages.size(), 1);
    const QStringList parts = desk.messages[0].text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(parts.size(), 3) << desk.messages[0].text.toStdString();
    EXPECT_EQ(parts[0], QStringLiteral("Não foi possivel executar a exportação para Excel !"));
    EXPECT_TRUE(parts[1].startsWith(QStringLiteral("Erro: ")) && parts[1].size() > 6) << "the error's number";
    EXPECT_FALSE(parts[2].isEmpty()) << "its description";
    EXPECT_EQ(desk.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(desk.opened.isEmpty());
}
