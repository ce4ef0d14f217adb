#pragma once

#include <QString>
#include <QVariant>

namespace zav {

// Display formats of grid cells and group headings:
//  - a format of '#' and blanks ("# ###", "## ###"): a whole number, rounded
//    half away from zero, digits grouped by three with a blank; zero shows as
//    nothing, the way digit placeholders leave it;
//  - "Standard": digits grouped by three with a blank, two decimals after a comma;
//  - an empty format: the value's plain text.
// A value that is not a number (a text that does not read as one) shows as it is.
QString formatValue(const QVariant& value, const QString& format);
QString formatNumber(double value, const QString& format);

// A value as a number: currency, integers, doubles and texts with '.' or ','
// as decimal separator. False when it is none of these.
bool toNumber(const QVariant& value, double& number);

} // namespace zav
