#pragma once

#include <QString>
#include <QVariant>

namespace zav {

enum class FieldType {
    Text,      // variable length, at most `size` characters
    Currency,  // zav::Currency
    SmallInt,  // 16-bit integer
    Long,      // 32-bit integer
    BigInt,    // 64-bit integer (database results)
    Decimal,   // zav::Decimal: exact, up to 38 digits (database results)
    Double,    // database results only
    DateTime,  // QDateTime
    Boolean,
};

struct FieldInfo {
    QString name;
    FieldType type = FieldType::Text;
    int size = 0;          // characters, for text; 0 means no limit
    bool nullable = true;
    // The column's type as the database names it ("datetime", "money", ...),
    // for writing a value back as the column holds it; empty for fields the
    // program makes itself.
    QString serverType;
};

// How a value is held in a field of a given type. Null is a null QVariant
// throughout; text is QString, Currency zav::Currency, SmallInt and Long int,
// BigInt qlonglong, Decimal zav::Decimal, Double double, DateTime QDateTime, Boolean bool.
namespace fieldvalue {

// Converts to the field's type; see Recordset for the faults it raises.
QVariant convert(const QVariant& value, const FieldInfo& field);
// Converts without the field's size and null checks, as filter values are.
QVariant convertForComparison(const QVariant& value, FieldType type);
// Text as the program shows a value: Null is "", numbers plain with '.',
// dates "yyyy-mm-dd" or "yyyy-mm-dd hh:mm:ss", booleans "True"/"False".
QString plainText(const QVariant& value);
// Orders two values already held in the given type; Null first, text as the
// company database compares it (zav::ErpCollation: case and trailing blanks
// ignored).
int compare(const QVariant& a, const QVariant& b, FieldType type);

} // namespace fieldvalue
} // namespace zav
