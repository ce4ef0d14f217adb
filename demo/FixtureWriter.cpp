#include "demo/FixtureWriter.h"

#include "demo/SqliteConnection.h"
#include "platform/data/WallClock.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <stdexcept>

namespace demo {
namespace {

QVariant storedValue(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return value.toDate().isValid() ? QVariant(FixtureWriter::dateText(value.toDate())) : QVariant();
    case QMetaType::QDateTime: {
        const QDateTime stored = zav::wallclock::of(value.toDateTime());
        return stored.isValid() ? QVariant(zav::wallclock::text(stored)) : QVariant();
    }
    default:
        return value;
    }
}

[[noreturn]] void fail(const QSqlQuery& query, const QString& sql)
{
    throw std::runtime_error(QStringLiteral("%1\n%2").arg(query.lastError().text(), sql).toStdString());
}

} // namespace

void FixtureWriter::insert(const QString& table, const Row& row) const
{
    QStringList columns;
    QStringList marks;
    for (const auto& [column, value] : row) {
        columns << QLatin1Char('"') + column + QLatin1Char('"');
        marks << QStringLiteral("?");
    }
    const QString sql = columns.isEmpty()
        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, columns.join(','), marks.join(','));
    QSqlQuery query(db_);
    if (!query.prepare(sql))
        fail(query, sql);
    for (const auto& entry : row)
        query.addBindValue(storedValue(entry.second));
    if (!query.exec())
        fail(query, sql);
}

void FixtureWriter::execute(const QString& sql) const
{
    executeSql(db_, sql);
}

QString FixtureWriter::dateText(const QDate& day)
{
    return zav::wallclock::text(zav::wallclock::of(day));
}

} // namespace demo
