#pragma once

#include <QString>

namespace zav {

// Turns the SQL Server text the program sends into text SQLite runs the same
// way. Only the constructs the program uses are rewritten, and never inside a
// string literal:
//  - CONVERT(DATETIME, 'yyyy-mm-dd[ hh:mm:ss][ ]', 102) becomes the literal
//    'yyyy-mm-dd hh:mm:ss', the form dates are stored in (a date alone is midnight);
//  - SELECT [DISTINCT] TOP n ... becomes SELECT [DISTINCT] ... LIMIT n, and
//    within UNION, EXCEPT or INTERSECT SELECT * FROM (SELECT ... LIMIT n);
//  - N'text' becomes 'text';
//  - [dbo]. and dbo. prefixes are dropped, [names] become "names";
//  - CREATE TABLE loses CLUSTERED, WITH (...), ON [filegroup] and TEXTIMAGE_ON,
//    and every text column gets the collation ErpCollation::Name, since the
//    company database compares text without regard to case and trailing
//    blanks; timestamp columns become binary(8).
// CONCAT needs no rewriting: the SQLite connection registers it as a function.
class SqliteDialect {
public:
    static QString translate(const QString& sqlServerText);
};

} // namespace zav
