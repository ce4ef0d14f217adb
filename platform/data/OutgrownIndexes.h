#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct sqlite3;

namespace zav {

// The indexes of a company database built under an earlier version of the
// text comparison (ErpCollation), as its user_version tells. Searched under
// today's comparison such an index misses rows, and written through it lets a
// key in twice; they are rebuilt once. Until that has been done the company
// is written not at all, and read through those indexes under the comparison
// they were built with, when an earlier build's (ErpCollationEarlier), or
// else without them.
class OutgrownIndexes {
public:
    explicit OutgrownIndexes(sqlite3* db) : db_(db) {}

    // Whether the database's indexes were built under another comparison.
    bool present() const;
    // Rebuilds them under today's comparison and marks the database so. Empty
    // when that was done; else this connection is only read from then on, and
    // the text says, in the user's words, why, how the company is read, and
    // how keys that are now equal are mended.
    QString rebuild() const;

private:
    // A group of keys that a unique index would now hold twice: each key as
    // its columns' SQL literals.
    struct Collision {
        QString table;
        QStringList columns;
        QList<QStringList> keys;
    };

    // Why the rebuild could not run, from SQLite's code and message.
    QString cause(int code, const QString& message, const QList<Collision>& collisions) const;
    QList<Collision> collisions() const;
    // Reads through the indexes under the comparison they were built with,
    // when it is an earlier build's, else without them; writes nothing. Says
    // whether the indexes are read.
    bool readOnly() const;
    QList<QStringList> rows(const QString& sql) const;
    QStringList column(const QString& sql) const;

    sqlite3* db_;
};

} // namespace zav
