#include "GridTestSupport.h"

#include "platform/widgets/CommonDialog.h"
#include "platform/widgets/Seams.h"
#include "platform/grid/Grelha.h"
#include "shell/Tools.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace zav;

namespace {

const QString Filter = QStringLiteral("Ficheiros de excel (*.xls)|*.xls");

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

GridColumn textColumn(ColumnKey key, QString heading, bool hidden = false)
{
    GridColumn c;
    c.key = std::move(key);
    c.heading = std::move(heading);
    c.widthTwips = 1500;
    c.hidden = hidden;
    return c;
}

void emptyGrid(Grelha& grid, int rows)
{
    grid.addColumn(textColumn("A", QStringLiteral("A")));
    grid.setRowCount(rows);
}

} // namespace

TEST(ExportarExcel, RowLimitIs65534)
{
    QTemporaryDir dir;
    Desk desk;
    CommonDialog dialog;
    Grelha grid;
    emptyGrid(grid, 65535);

    Tools::ExportarExcel(grid, dialog);
    ASSERT_EQ(desk.messages.size(), 1);
    EXPECT_EQ(desk.messages[0].text, QStringLiteral("Não é possivel exportar para excel grelhas com mais de 65534 linhas!"));
    EXPECT_EQ(desk.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(desk.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(desk.messages[0].title, QString());
    EXPECT_TRUE(desk.fileRequests.isEmpty()) << "refused before the dialog";

    grid.setRowCount(65534);
    grid.setText(65533, 0, QStringLiteral("última"));
    desk.answer = dir.filePath(QStringLiteral("limite.xls"));
    Tools::ExportarExcel(grid, dialog);
    EXPECT_EQ(desk.messages.size(), 1) << "no further message";
    EXPECT_EQ(desk.opened, QStringList{desk.answer});
    const QStringList rows = gridtest::readWorkbook(desk.answer);
    ASSERT_EQ(rows.size(), 65535);
    EXPECT_EQ(rows.last(), QStringLiteral("última"));
}

// Grouped, every group adds its heading line to the workbook: 65,534 rows in
// 656 groups need 66,190 lines and are refused before the dialog.
TEST(ExportarExcel, GroupHeadingsCountTowardsTheRowLimit)
{
    QTemporaryDir dir;
    Desk desk;
    CommonDialog dialog;
    Grelha grid;
    grid.addColumn(textColumn("G", QStringLiteral("G"), true));
    grid.addColumn(textColumn("A", QStringLiteral("A")));
    const auto fill = [&grid](int rows, int rowsPerGroup) {
        grid.clearGroup();
        grid.setRowCount(rows);
        for (int row = 0; row < rows; ++row)
            grid.setText(row, 0, QString::number(row / rowsPerGroup));
        grid.setText(rows - 1, 1, QStringLiteral("última"));
        grid.setGroup(GroupSpec{"G", {}, {}, false});
    };

    fill(65534, 100);
    ASSERT_EQ(grid.groupCount(), 656);
    desk.answer = dir.filePath(QStringLiteral("grupos.xls"));
    Tools::ExportarExcel(grid, dialog);
    ASSERT_EQ(desk.messages.size(), 1) << "the limit's message, not a run-time error";
    EXPECT_EQ(desk.messages[0].text, QStringLiteral("Não é possivel exportar para excel grelhas com mais de 65534 linhas!"));
    EXPECT_TRUE(desk.fileRequests.isEmpty());

    // 65,524 rows in 10 groups fill the sheet exactly, collapsed or not.
    fill(65524, 6553);
    ASSERT_EQ(grid.groupCount(), 10);
    Tools::ExportarExcel(grid, dialog);
    EXPECT_EQ(desk.messages.size(), 1) << "no further message";
    EXPECT_EQ(desk.opened, QStringList{desk.answer});
    const QStringList rows = gridtest::readWorkbook(desk.answer);
    ASSERT_EQ(rows.size(), 65535);
    EXPECT_EQ(rows[1], QStringLiteral("0")) << "the first group's heading";
    EXPECT_EQ(rows.last(), QStringLiteral("última"));
}

// A text column keeps codes made of digits as texts: Excel would otherwise
// show 141309120000 as 1,41309E+11 and drop leading zeros.
TEST(ExportarExcel, CodesThatLookLikeNumbersStayTexts)
{
    QTemporaryDir dir;
    const QStringList codes{"141309120000", "0012", "1E5", "12,50", "-7"};
    auto rs = std::make_shared<Recordset>();
    rs->appendField(QStringLiteral("Codigo"), FieldType::Text, 20);
    rs->appendField(QStringLiteral("Quant"), FieldType::Currency);
    rs->open();
    for (const QString& code : codes) {
        rs->AddNew();
        rs->Fields(0) = code;
        rs->Fields(1) = Currency::fromInteger(code.size());
        rs->Update();
    }
    Grelha bound;
    bound.setDataSource(rs);
    bound.addColumn(textColumn("Codigo", QStringLiteral("Código")));
    GridColumn quantity = textColumn("Quant", QStringLiteral("Quant"));
    quantity.kind = ValueKind::Currency;
    bound.addColumn(quantity);
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

TEST(ExportarExcel, CancelEndsSilentlyAndTheDialogRemembersTheName)
{
    QTemporaryDir dir;
    Desk desk;
    CommonDialog dialog;
    Grelha grid;
    emptyGrid(grid, 10);

    desk.answer = QString();
    Tools::ExportarExcel(grid, dialog);
    EXPECT_TRUE(desk.messages.isEmpty());
    EXPECT_TRUE(desk.opened.isEmpty());
    ASSERT_EQ(desk.fileRequests.size(), 1);
    EXPECT_EQ(desk.fileRequests[0].filter, Filter);

    desk.answer = dir.filePath(QStringLiteral("vazia.xls"));
    Tools::ExportarExcel(grid, dialog);
    desk.answer = QString();
    EXPECT_EQ(Tools::SelecionaFicheiro(dialog, Filter), QString());
    EXPECT_EQ(desk.fileRequests.last().initialName, dir.filePath(QStringLiteral("vazia.xls")));
    EXPECT_EQ(gridtest::readWorkbook(dir.filePath(QStringLiteral("vazia.xls"))).first(), QStringLiteral("A"))
        << "a grid of empty rows gives its headings";
}

TEST(ExportarExcel, ANameTypedWithoutExtensionGetsXlsAndAWorkbookNoProgramOpensIsSaid)
{
    QTemporaryDir dir;
    Desk desk;
    CommonDialog dialog;
    Grelha grid;
    emptyGrid(grid, 2);
    desk.aProgramOpens = false;
    for (const char* typed : {"estat", "estat.xls"}) {
        desk.messages.clear();
        desk.answer = dir.filePath(QString::fromUtf8(typed));
        Tools::ExportarExcel(grid, dialog);
        const QString saved = dir.filePath(QStringLiteral("estat.xls"));
        EXPECT_EQ(desk.opened.last(), saved) << typed;
        EXPECT_EQ(dialog.fileName(), saved) << "the dialog offers it next time";
        ASSERT_EQ(desk.messages.size(), 1);
        EXPECT_TRUE(desk.messages[0].text.contains(saved)) << desk.messages[0].text.toStdString();
        EXPECT_EQ(desk.messages[0].title, QStringLiteral("Informação")) << "an information message";
        EXPECT_EQ(desk.messages[0].icon, MessageIcon::Information);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("estat.xls")});
}

TEST(ExportarExcel, WorkbookHoldsWhatTheGridShowsCellForCell)
{
    QTemporaryDir dir;
    Desk desk;
    CommonDialog dialog;

    auto rs = std::make_shared<Recordset>();
    rs->appendField(QStringLiteral("IdCliente"), FieldType::Text, 100);
    rs->appendField(QStringLiteral("Cor"), FieldType::Text, 30);
    rs->appendField(QStringLiteral("S"), FieldType::Currency);
    rs->appendField(QStringLiteral("Total"), FieldType::Currency);
    rs->open();
    auto add = [&](const QString& id, const QString& colour, qint64 s, qint64 total) {
        rs->AddNew();
        if (!id.isEmpty())
            rs->Fields(0) = id;
        rs->Fields(1) = colour;
        rs->Fields(2) = Currency::fromInteger(s);
        rs->Fields(3) = Currency::fromInteger(total);
        rs->Update();
    };
    add(QStringLiteral("C1/Ficha Amostra"), QStringLiteral("Coleção €"), 1200, 1200);
    add(QStringLiteral("C1/Ficha Amostra"), QStringLiteral("Azul"), 0, -3);
    add(QString(), QStringLiteral("Total"), 1200, 1197);

    Grelha grid;
    grid.setDataSource(rs);
    grid.addColumn(textColumn("IdCliente", QStringLiteral("Cliente"), true));
    grid.addColumn(textColumn("Cor", QStringLiteral("Cor/Tamanho")));
    GridColumn size = textColumn("S", QStringLiteral("S\r\nP"));
    size.kind = ValueKind::Currency;
    size.format = QStringLiteral("# ###");
    grid.addColumn(size);
    GridColumn total = textColumn("Total", QStringLiteral("Total"));
    total.kind = ValueKind::Currency;
    total.format = QStringLiteral("## ###");
    grid.addColumn(total);
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
    // A folder without write access; root writes everywhere, so there the
    // "folder" is a plain file, which no one can write into either.
    QString folder = dir.filePath(QStringLiteral("fechada"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool root = ::geteuid() == 0;
    if (root) {
        folder = dir.filePath(QStringLiteral("ficheiro"));
        QFile file(folder);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    Desk desk;
    CommonDialog dialog;
    Grelha grid;
    emptyGrid(grid, 2);
    desk.answer = folder + QStringLiteral("/mapa.xls");
    EXPECT_NO_THROW(Tools::ExportarExcel(grid, dialog));
    QFile::setPermissions(dir.filePath(QStringLiteral("fechada")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    ASSERT_EQ(desk.messages.size(), 1);
    const QStringList parts = desk.messages[0].text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(parts.size(), 3) << desk.messages[0].text.toStdString();
    EXPECT_EQ(parts[0], QStringLiteral("Não foi possivel executar a exportação para Excel !"));
    EXPECT_EQ(parts[1], root ? parts[1] : QStringLiteral("Erro: 70"));
    EXPECT_TRUE(parts[1].startsWith(QStringLiteral("Erro: ")) && parts[1].size() > 6);
    EXPECT_FALSE(parts[2].isEmpty()) << "the description";
    EXPECT_EQ(desk.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(desk.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(desk.messages[0].title, QString());
    EXPECT_TRUE(desk.opened.isEmpty());
    EXPECT_FALSE(QFile::exists(desk.answer));
}
