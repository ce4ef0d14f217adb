#pragma once

#include "platform/data/Recordset.h"

#include <QString>
#include <QStringList>

namespace gridtest {

// A workbook as xlrd reads it back: one line per row, cells separated by tabs,
// numbers as "#" and their shortest decimal form ("#1200.0"), texts as they are.
QStringList readWorkbook(const QString& path);
// The first row's texts whose cell style wraps them onto several lines (line
// breaks shown as "|"), then "height <twips>" when the row has its own height.
QStringList headingLayout(const QString& path);

// A recordset of reference and customer quantities, the shape the grouped maps use.
zav::RecordsetPtr quantitiesByReference(const QList<std::tuple<QString, QString, qint64>>& rows);
// Adds and saves one row of such a recordset; a null reference stays Null.
void addQuantity(zav::Recordset& rs, const QString& reference, const QString& customer, qint64 quantity);

} // namespace gridtest
