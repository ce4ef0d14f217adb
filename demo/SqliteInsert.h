#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace demo {

// A prepared INSERT of some columns of one table, run row after row through
// the SQLite C API: the bulk path of the demo generator, where a million
// lines must go in within seconds.
//   SqliteInsert lines(handle, "DOCGCLIN", {"TPDOCUM", "NLinha", "Quant"});
//   lines.row("ENC", 1, 12.0);
// Text is bound as UTF-8; std::nullptr_t, and an empty std::optional, bind NULL. Failures throw std::runtime_error.
class SqliteInsert {
public:
    SqliteInsert(sqlite3* db, const QString& table, const QStringList& columns);
    ~SqliteInsert();
    SqliteInsert(const SqliteInsert&) = delete;
    SqliteInsert& operator=(const SqliteInsert&) = delete;

    template <typename... Values>
    void row(const Values&... values)
    {
        int position = 1;
        (bind(position++, values), ...);
        step();
    }

private:
    void bind(int position, const QString& value);
    void bind(int position, const char* value);
    void bind(int position, int value);
    void bind(int position, qint64 value);
    void bind(int position, double value);
    void bind(int position, std::nullptr_t);
    template <typename T>
    void bind(int position, const std::optional<T>& value)
    {
        if (value)
            bind(position, *value);
        else
            bind(position, nullptr);
    }
    void step();
    [[noreturn]] void fail(const char* what) const;

    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
    QString table_;
};

// Runs SQL text that returns no rows straight on the handle.
void sqliteExecute(sqlite3* db, const QString& sql);

} // namespace demo
