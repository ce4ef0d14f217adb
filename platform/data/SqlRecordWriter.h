#pragma once

#include "platform/data/Recordset.h"

#include <QStringList>
#include <memory>
#include <optional>

namespace zav {

class SqlBackend;

// The table behind a one-table SELECT ("Select * from Moradas where ...",
// "SELECT NOME FROM dbo.EMPRESA"); none for joins, unions or subqueries.
struct UpdatableSource {
    QString table;     // as the statement writes it, schema included
    QString bareName;  // without schema, brackets or quotes

    static std::optional<UpdatableSource> fromSelect(const QString& sql);
};

// Writes an updatable recordset's changes through to its table: new rows as
// INSERTs of the columns assigned, changed rows as UPDATEs of the changed
// columns, both located by the primary key or, in a table without one, by
// every original value. A row that is no longer there raises 0x80040E38.
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
    void requireOneRow(int affected) const;

    std::shared_ptr<SqlBackend> backend_;
    QString table_;
    QStringList keyColumns_;
};

} // namespace zav
