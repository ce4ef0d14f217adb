#pragma once

#include <QString>

struct sqlite3;

namespace zav::test {

// A connection that knows only SQLite's own collations, as any other SQLite
// program (the sqlite3 shell) has it, on a file it creates when missing.
class PlainSqlite {
public:
    explicit PlainSqlite(const QString& file);
    ~PlainSqlite();
    PlainSqlite(const PlainSqlite&) = delete;
    PlainSqlite& operator=(const PlainSqlite&) = delete;

    // SQLITE_OK, or the failure's code with its message in `error`.
    int exec(const QString& sql);
    // The first column of the first row, or "error: " and SQLite's message.
    QString text(const QString& sql);
    sqlite3* handle() const { return db_; }

    // The program's comparison, as the shell's ".load build/erpnocase" gives it.
    void loadExtension();
    // ERP_NOCASE as an earlier build of the program compared: version 0 folded
    // A to Z only, version 1 folded every letter's case and ordered texts by
    // their code points. Both ignored trailing blanks.
    void compareAsEarlierBuild(int version);

    QString error;

private:
    sqlite3* db_ = nullptr;
};

} // namespace zav::test
