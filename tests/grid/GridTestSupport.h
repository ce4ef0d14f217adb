#pragma once

#include "platform/data/Recordset.h"
#include "platform/grid/GridColumn.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

namespace gridtest {

// A workbook as xlrd reads it back: one line per row, cells separated by tabs,
// numbers as "#" and their shortest decimal form ("#1200.0"), texts as they are.
QStringList readWorkbook(const QString& path);
// The first row's texts whose cell style wraps them onto several lines (line
// breaks shown as "|"), then "height <twips>" when the row has its own height.
QStringList headingLayout(const QString& path);

// A recordset of those fields holding those rows, each value converted to its
// field's type; a null QVariant stays Null.
zav::RecordsetPtr recordsetOf(const QList<std::pair<QString, zav::FieldType>>& fields,
                              const QList<QVariantList>& rows);
// A recordset of reference and customer quantities, the shape the grouped maps use.
zav::RecordsetPtr quantitiesByReference(const QList<std::tuple<QString, QString, qint64>>& rows);
// Adds and saves one row of such a recordset; a null reference stays Null.
void addQuantity(zav::Recordset& rs, const QString& reference, const QString& customer, qint64 quantity);

zav::GridColumn column(zav::ColumnKey key, QString heading, int width = 1500,
                       zav::ValueKind kind = zav::ValueKind::Text, QString format = {}, bool hidden = false);

} // namespace gridtest
