#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace zav {

// An ADO-style connection string: "key=value;" pairs, keys without regard to
// case, values trimmed unless quoted ("..." or '...', which may hold ';').
// "Data Provider=SQLite" names the embedded database file in "Data Source";
// any other provider is reached over ODBC.
class ConnectionString {
public:
    static ConnectionString parse(const QString& text);

    QString value(const QString& key) const; // "" when absent
    bool contains(const QString& key) const;

    bool isSqlite() const;
    QString sqliteFile() const;
    // The ODBC driver's connection text: Driver (default FreeTDS), for FreeTDS
    // ClientCharset=UTF-8, Server and Port from "Data Source" ("host[,port]"
    // or "host\instance"), Database from "Initial Catalog" or "Database", UID
    // from "User ID", PWD from "Password", then "Extended Properties" as it
    // stands: settings of the driver's own, as ADO hands them on. Every
    // setting ends with ';': FreeTDS 1.3 reads a NUL into the last one
    // otherwise. A value holding '}' raises run-time error 5 saying why.
    QString odbcConnectionText() const;
    // The database's own name: the SQLite file's base name, else the catalog.
    QString databaseName() const;

private:
    QList<QPair<QString, QString>> pairs_;
};

} // namespace zav
