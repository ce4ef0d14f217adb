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
// the way the ERP's dates are kept ('yyyy-mm-dd hh:mm:ss'), as the date and
// time it reads whatever the machine's zone; a null QVariant is NULL.
// A failure (unknown column, duplicate key) throws std::runtime_error.
class FixtureWriter {
public:
    using Row = QList<std::pair<QString, QVariant>>;

    explicit FixtureWriter(const QSqlDatabase& db) : db_(db) {}

    void insert(const QString& table, const Row& row) const;
    void execute(const QString& sql) const;

    // 'yyyy-mm-dd 00:00:00', the stored form of a day.
    static QString dateText(const QDate& day);

private:
    QSqlDatabase db_;
};

} // namespace demo
