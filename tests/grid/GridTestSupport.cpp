#include "GridTestSupport.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace gridtest {

QString runPython(const QString& script, const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral("-c"), script} + arguments);
    process.waitForFinished(60000);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(60000);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList readWorkbook(const QString& path)
{
    const QString script = QStringLiteral(
        "import sys, xlrd\n"
        "sheet = xlrd.open_workbook(sys.argv[1]).sheet_by_index(0)\n"
        "for r in range(sheet.nrows):\n"
        "    cells = []\n"
        "    for c in range(sheet.ncols):\n"
        "        cell = sheet.cell(r, c)\n"
        "        if cell.ctype == xlrd.XL_CELL_NUMBER: cells.append('#' + repr(cell.value))\n"
        "        else: cells.append(cell.value)\n"
        "    sys.stdout.buffer.write(('\\t'.join(cells) + '\\n').encode('utf-8'))\n");
    QStringList lines = runPython(script, {path}).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList headingLayout(const QString& path)
{
    const QString script = QStringLiteral(
        "import sys, xlrd\n"
        "book = xlrd.open_workbook(sys.argv[1], formatting_info=True)\n"
        "sheet = book.sheet_by_index(0)\n"
        "for c in range(sheet.ncols):\n"
        "    cell = sheet.cell(0, c)\n"
        "    if book.xf_list[cell.xf_index].alignment.text_wrapped:\n"
        "        sys.stdout.buffer.write((cell.value.replace('\\n', '|') + '\\n').encode('utf-8'))\n"
        "row = sheet.rowinfo_map.get(0)\n"
        "if row is not None and row.height_mismatch:\n"
        "    sys.stdout.buffer.write(('height %d\\n' % row.height).encode('utf-8'))\n");
    return runPython(script, {path}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

zav::RecordsetPtr quantitiesByReference(const QList<std::tuple<QString, QString, qint64>>& rows)
{
    auto rs = std::make_shared<zav::Recordset>();
    rs->appendField(QStringLiteral("Referencia"), zav::FieldType::Text, 100);
    rs->appendField(QStringLiteral("Cliente"), zav::FieldType::Text, 15);
    rs->appendField(QStringLiteral("Quant"), zav::FieldType::Currency);
    rs->open();
    for (const auto& [reference, customer, quantity] : rows)
        addQuantity(*rs, reference, customer, quantity);
    return rs;
}

void addQuantity(zav::Recordset& rs, const QString& reference, const QString& customer, qint64 quantity)
{
    rs.AddNew();
    if (!reference.isNull())
        rs.Fields(QStringLiteral("Referencia")) = reference;
    rs.Fields(QStringLiteral("Cliente")) = customer;
    rs.Fields(QStringLiteral("Quant")) = zav::Currency::fromInteger(quantity);
    rs.Update();
}

} // namespace gridtest
