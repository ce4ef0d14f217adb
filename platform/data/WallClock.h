#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QStringView>

// The ERP's date-times have no time zone: each is the wall-clock value stored.
// The program holds one as a QDateTime in Qt::UTC, which has no gaps and no
// shifts, so no machine's zone can skip one (a local midnight that daylight
// saving jumps over is an invalid QDateTime) or move it to another day. Every
// date-time made for the data layer, a comparison or a statement comes from
// here: a local-time QDateTime compared with one of these would be converted.
namespace zav::wallclock {

QDateTime of(QDate day, QTime time = QTime(0, 0));
// The date and time a QDateTime of any zone reads, unconverted; it may be one
// that its own zone skips.
QDateTime of(const QDateTime& value);

// The stored layouts, read by their fixed positions: 'yyyy-mm-dd',
// 'yyyy-mm-dd hh:mm:ss' and 'yyyy-mm-dd hh:mm:ss.f' with one to three digits
// of a second. Anything else, blanks around included, gives an invalid QDateTime.
QDateTime fromText(QStringView text);
QDateTime fromText(QByteArrayView utf8);

// 'yyyy-mm-dd hh:mm:ss', and '.fff' when it has milliseconds: the layout
// stored, so that a value read and written back is written as it was read.
// Empty for a value without a date.
QString text(const QDateTime& value);

} // namespace zav::wallclock
