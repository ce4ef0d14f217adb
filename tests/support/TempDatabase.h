#pragma once

#include "platform/data/zavCoreDataAccess2016.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace zav::test {

// An empty SQLite company database in a temporary folder, with the program's
// data-access object open on it. Everything is removed with the object.
class TempDatabase {
public:
    explicit TempDatabase(const QString& fileName = QStringLiteral("empresa.db"));

    QString path() const { return path_; }
    // How the program names this database: the embedded provider...
    QString connectionString() const;
    // ...or the same file over ODBC through Debian's SQLite3 ODBC driver, which
    // loads the program's text comparison as the sqlite3 shell does.
    QString odbcConnectionString() const;

    zavCoreDataAccess2016& bd() { return *bd_; }
    // Runs statements one after the other through the data-access object.
    void exec(std::initializer_list<QString> statements);

private:
    QTemporaryDir dir_;
    QString path_;
    std::unique_ptr<zavCoreDataAccess2016> bd_;
};

} // namespace zav::test
