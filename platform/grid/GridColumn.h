#pragma once

#include <QColor>
#include <QList>
#include <QString>

namespace zav {

// How a column finds its value in a bound recordset: by field name (compared
// without regard to case) or by the field's 1-based number.
class ColumnKey {
public:
    ColumnKey() = default;
    ColumnKey(const QString& name) : name_(name) {}
    ColumnKey(const char* name) : name_(QString::fromUtf8(name)) {}
    ColumnKey(int fieldNumber) : number_(fieldNumber) {}

    bool isNumber() const { return number_ > 0; }
    int number() const { return number_; }
    const QString& name() const { return name_; }
    QString toString() const { return isNumber() ? QString::number(number_) : name_; }
    bool matches(const ColumnKey& other) const;

private:
    QString name_;
    int number_ = 0;
};

enum class ValueKind {
    Text,     // written to a workbook as text
    Currency, // quantities and money: written as numbers, formatted for display
    Number,
};

// General puts text on the left and numbers on the right; the screens' code 4
// is Left and code 5 is Right.
enum class Alignment { General, Left, Center, Right };

struct GridColumn {
    ColumnKey key;
    QString heading;            // lines separated by CR LF
    int widthTwips = 1000;
    bool hidden = false;
    ValueKind kind = ValueKind::Text;
    Alignment alignment = Alignment::General;
    QString format;             // "# ###", "## ###", "Standard" or empty for the plain value
    bool readOnly = true;
    int maxLength = 0;          // characters; 0 for no limit
    QColor backColor;           // the cells' background; invalid keeps the grid's own
};

// One level of grouping. Each group's heading is the key as the group column
// shows it, followed by the heading expression's result when there is one:
//   ' Total Quant = ' & Format((GroupCalc(1) ),'Standard') & '  '
// The expression joins with & quoted texts, GroupCalc(n) (the n-th of `sums`,
// 1-based, summed over the group's rows) and Format(value, 'format').
// Rows whose key is empty form a group of their own with an empty heading.
struct GroupSpec {
    ColumnKey column;
    QString headingExpression;
    QList<ColumnKey> sums;
    bool startExpanded = true;
};

} // namespace zav
