#include "GridTestSupport.h"

#include "support/OutsideReaders.h"

#include <QJsonObject>
#include <QLocale>

namespace gridtest {

namespace {

// Whole numbers keep a ".0", so a number never reads like a text of digits.
QString numberText(double value)
{
    QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
    if (!text.contains(QLatin1Char('.')))
        text += QStringLiteral(".0");
    return text;
}

} // namespace

QStringList readWorkbook(const QString& path)
{
    const zav::test::ReadBack sheet = zav::test::readBack(path);
    QStringList lines;
    for (int row = 0; row < sheet.rows(); ++row) {
        QStringList cells;
        for (const zav::test::ReadBack::Cell* cell : sheet.row(row)) {
            if (!cell)
                cells << QString();
            else if (cell->isText)
                cells << cell->value.toString();
            else
                cells << QLatin1Char('#') + numberText(cell->value.toDouble());
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines;
}

QStringList headingLayout(const QString& path)
{
    const zav::test::ReadBack sheet = zav::test::readBack(path, zav::test::ReadMode::CellsAndFormatting);
    QStringList layout;
    for (const zav::test::ReadBack::Cell* cell : sheet.row(0)) {
        if (cell && cell->wrapped)
            layout << cell->value.toString().replace(QLatin1Char('\n'), QLatin1Char('|'));
    }
    const QJsonValue height = sheet.json.value("heights").toObject().value("0");
    if (!height.isUndefined())
        layout << QStringLiteral("height %1").arg(height.toInt());
    return layout;
}

zav::RecordsetPtr recordsetOf(const QList<std::pair<QString, zav::FieldType>>& fields,
                              const QList<QVariantList>& rows)
{
    auto rs = std::make_shared<zav::Recordset>();
    for (const auto& [name, type] : fields)
        rs->appendField(name, type, type == zav::FieldType::Text ? 100 : 0);
    rs->open();
    for (const QVariantList& row : rows) {
        rs->AddNew();
        for (int field = 0; field < row.size(); ++field)
            if (!row[field].isNull())
                rs->Fields(field) = row[field];
        rs->Update();
    }
    return rs;
}

zav::RecordsetPtr quantitiesByReference(const QList<std::tuple<QString, QString, qint64>>& rows)
{
    const zav::RecordsetPtr rs = recordsetOf(
        {{"Referencia", zav::FieldType::Text}, {"Cliente", zav::FieldType::Text}, {"Quant", zav::FieldType::Currency}},
        {});
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

zav::GridColumn column(zav::ColumnKey key, QString heading, int width, zav::ValueKind kind, QString format, bool hidden)
{
    zav::GridColumn c;
    c.key = std::move(key);
    c.heading = std::move(heading);
    c.widthTwips = width;
    c.kind = kind;
    c.format = std::move(format);
    c.hidden = hidden;
    return c;
}

} // namespace gridtest
