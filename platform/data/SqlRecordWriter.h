#pragma once

#include "platform/data/Recordset.h"

#include <QStringList>
#include <memory>
#include <optional>

namespace zav {

class RuntimeError;
class SqlBackend;

// The table behind a SELECT whose FROM names one table ("Select * from Moradas
// where Codigo IN (...)", "SELECT NOME FROM dbo.EMPRESA e"); calls, lists and
// subqueries elsewhere do not matter. None for joins, unions, a list of tables
// or a subquery in FROM.
struct UpdatableSource {
    QString table;     // as the statement writes it, schema included
    QString bareName;  // without schema, brackets or quotes

    static std::optional<UpdatableSource> fromSelect(const QString& sql);
};

// Writes an updatable recordset's changes through to its table: new rows as
// INSERTs of the columns assigned, changed rows as UPDATEs of the changed
// columns, both located by the primary key or, when the recordset lacks it,
// by every original value. Each INSERT, UPDATE or DELETE must write exactly
// one row: it runs in a transaction of its own, and one that wrote none (an
// UPDATE or DELETE that found no row raises 0x80040E38, an INSERT a trigger
// ignored 0x80004005) or more than one (rows alike in every value read,
// 0x80004005) leaves the table as it was.
class SqlRecordWriter : public RecordWriter {
public:
    SqlRecordWriter(std::shared_ptr<SqlBackend> backend, QString table, QStringList keyColumns);

    void insert(const QList<FieldInfo>& fields, const std::vector<QVariant>& row,
                const std::vector<bool>& assigned) override;
    void update(const QList<FieldInfo>& fields, const std::vector<QVariant>& original,
                const std::vector<QVariant>& row) override;
    void remove(const QList<FieldInfo>& fields, const std::vector<QVariant>& original) override;

private:
    // " WHERE ..." for the row with these original values; adds its values to `bound`.
    QString locator(const QList<FieldInfo>& fields, const std::vector<QVariant>& original,
                    std::vector<QVariant>& bound) const;
    // Raises `none` when the statement wrote no row.
    void writeOneRow(const QString& sql, const std::vector<QVariant>& bound, const char* what,
                     const RuntimeError& none) const;

    std::shared_ptr<SqlBackend> backend_;
    QString table_;
    QStringList keyColumns_;
};

// The writer of a recordset whose statement names no single table: every write
// raises 0x800A0CB3, so that none is taken for done.
class RefusingRecordWriter : public RecordWriter {
public:
    void insert(const QList<FieldInfo>& fields, const std::vector<QVariant>& row,
                const std::vector<bool>& assigned) override;
    void update(const QList<FieldInfo>& fields, const std::vector<QVariant>& original,
                const std::vector<QVariant>& row) override;
    void remove(const QList<FieldInfo>& fields, const std::vector<QVariant>& original) override;

private:
    [[noreturn]] static void refuse();
};

} // namespace zav
