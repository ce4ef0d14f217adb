#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

namespace demo::test {

// The first column of the first row of a query; fails the test on an error.
QVariant scalar(const QSqlDatabase& db, const QString& sql);
qint64 count(const QSqlDatabase& db, const QString& sql);

// A digest of every row of every company table, in stored order.
QByteArray contentHash(const QSqlDatabase& db);

} // namespace demo::test
