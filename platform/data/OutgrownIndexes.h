#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct sqlite3;

namespace zav {

// The indexes of a company database built under an earlier version of the
// text comparison (ErpCollation), as its user_version tells. Searched under
// today's comparison such an index misses rows, and written through it lets a
// key in twice; they are rebuilt once, and until that has been done the
// company is read without them and written not at all.
class OutgrownIndexes {
public:
    explicit OutgrownIndexes(sqlite3* db) : db_(db) {}

    // Whether the database's indexes were built under another comparison.
    bool present() const;
    // Rebuilds them under today's comparison and marks the database so. Empty
    // when that was done; else, in the user's words, why not and what the
    // program does meanwhile.
    QString rebuild() const;
    // From now on this connection reads every table that has such an index
    // without its indexes, and writes nothing.
    void avoid() const;

private:
    // Why the rebuild could not run, from SQLite's code and message.
    QString cause(int code, const QString& message) const;
    // The keys a unique index would now hold twice, e.g. "Artigos (Codigo): 'ção' e 'ÇÃO'".
    QStringList collidingKeys() const;
    QList<QStringList> rows(const QString& sql) const;
    QStringList column(const QString& sql) const;

    sqlite3* db_;
};

} // namespace zav
