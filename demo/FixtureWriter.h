#pragma once

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <utility>

namespace demo {

// Plain INSERTs for test fixtures:
//   FixtureWriter rows(db);
//   rows.insert("Artigos", {{"Codigo", "CM1001"}, {"TmHor", "LETRAS"}, {"TmVer", "CORES"}});
// Columns left out take the schema's defaults. A QDate or QDateTime is stored
// the way the ERP's dates are kept ('yyyy-mm-dd hh:mm:ss'); a null QVariant is NULL.
// A failure (unknown column, duplicate key) throws std::runtime_error.
class FixtureWriter {
public:
    using Row = QList<std::pair<QString, QVariant>>;

    explicit FixtureWriter(const QSqlDatabase& db) : db_(db) {}

    void insert(const QString& table, const Row& row) const;
    void execute(const QString& sql) const;

    // 'yyyy-mm-dd hh:mm:ss', the stored form of a date.
    static QString dateTimeText(const QDateTime& value);
    static QString dateText(const QDate& day) { return dateTimeText(QDateTime(day, QTime(0, 0))); }

private:
    QSqlDatabase db_;
};

} // namespace demo
