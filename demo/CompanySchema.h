#pragma once

#include <QSqlDatabase>
#include <QStringList>

namespace demo {

// The ERP's company tables that the add-on reads and writes, as SQLite keeps
// them for the demo company and for the tests' fixture databases.
//
// Conventions, the same on every table:
//  - every text column compares as the ERP's database does, without regard to
//    case and trailing blanks (the collation zav::ErpCollation::Name, which
//    every SqliteConnection registers);
//  - dates are DATETIME columns holding the text 'yyyy-mm-dd hh:mm:ss';
//  - quantities are NUMERIC(19,4), amounts MONEY, flags and small codes SMALLINT;
//  - non-key columns default to '' or 0, so a fixture names only what it needs.
// The add-on's own zav_ tables are not here: the program creates them at
// start-up, and the demo company the one it fills, from the program's own
// definitions (platform/data/TabelasAdicionais).
class CompanySchema {
public:
    // The tables, in the order they are created.
    static QStringList tableNames();
    static QStringList createTableStatements();
    // The indexes the reports rely on; cheaper to build after a bulk load.
    static QStringList createIndexStatements();

    // Tables and indexes on an empty database; throws std::runtime_error.
    static void create(const QSqlDatabase& db);
    static void createTables(const QSqlDatabase& db);
    static void createIndexes(const QSqlDatabase& db);
};

} // namespace demo
