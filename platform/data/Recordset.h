#pragma once

#include "platform/data/Currency.h"
#include "platform/data/FieldValue.h"
#include "platform/data/RecordFilter.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace zav {

class Recordset;

// Writes the changes of an updatable recordset through to its table.
class RecordWriter {
public:
    virtual ~RecordWriter() = default;
    virtual void insert(const QList<FieldInfo>& fields, const std::vector<QVariant>& row,
                        const std::vector<bool>& assigned) = 0;
    virtual void update(const QList<FieldInfo>& fields, const std::vector<QVariant>& original,
                        const std::vector<QVariant>& row) = 0;
    virtual void remove(const QList<FieldInfo>& fields, const std::vector<QVariant>& original) = 0;
};

// One field of the current record: a light handle, valid while its recordset lives.
class Field {
public:
    Field(Recordset* recordset, int index) : rs_(recordset), index_(index) {}

    const QString& name() const;
    FieldType type() const;
    int definedSize() const;
    int index() const { return index_; }

    QVariant value() const;          // the stored value; a null QVariant for Null
    bool isNull() const;
    QString text() const;            // plain conversion: Null is "", numbers without grouping, '.' as decimal point
    Currency currency() const;       // Null is 0
    qint64 integer() const;          // Null is 0; a fractional value is a type mismatch
    void setValue(const QVariant& value); // converted to the field's type (see Recordset)
    Field& operator=(const QVariant& value) { setValue(value); return *this; }
    Field& operator=(const QString& value) { setValue(value); return *this; }
    Field& operator=(const char* value) { setValue(QString::fromUtf8(value)); return *this; }
    Field& operator=(Currency value) { setValue(QVariant::fromValue(value)); return *this; }

private:
    Recordset* rs_;
    int index_;
};

// A recordset as ADO keeps one: rows in memory, a current position, a filter
// and a sort that choose which rows are visible and in what order.
//
// Values assigned to a field are converted to its type:
//  - text longer than the field's size is refused with 0x80040E21 (multiple-step
//    operation): a truncated code or figure would be silently wrong;
//  - a number outside a SmallInt's, a Long's or a Currency's range raises 6 (overflow);
//  - text that is not a number assigned to a numeric field raises 13 (type mismatch);
//  - Null assigned to a field that is not nullable raises 0x80040E21.
//
// Filter texts: "" clears; otherwise comparisons `Field op value` with op one of
// = <> < > <= >= LIKE, values 'text' (quotes doubled inside), numbers or #date#,
// joined by AND / OR, parentheses allowed. Text compares without regard to case.
// Sort texts: "Field[ ASC|DESC][, Field ...]". Both put the position on the first row.
//
// As ADO in immediate mode, changes to a row are saved by Update or by leaving
// the row (a move, AddNew, Filter, Sort or Close). A bound view follows the
// signals: AddNew emits rowInserted, a save rowChanged and Delete
// rowAboutToBeRemoved then rowRemoved, each for one row, so filling a bound
// recordset row by row stays linear.
class Recordset : public QObject {
    Q_OBJECT
public:
    Recordset();
    ~Recordset() override;

    // Disconnected recordset: fields are appended before open().
    void appendField(const QString& name, FieldType type, int size = 0, bool nullable = true);
    void open();
    void close();
    bool isOpen() const { return open_; }

    // Used by the data-access object to hand over query results.
    void openWith(QList<FieldInfo> fields, std::vector<std::vector<QVariant>> rows,
                  std::unique_ptr<RecordWriter> writer = nullptr);

    int RecordCount() const;
    bool Eof() const;
    bool Bof() const;
    void MoveFirst();
    void MoveNext();
    void MoveLast();
    int position() const { return pos_; } // 0-based among the visible rows
    void setPosition(int visibleRow);

    int fieldCount() const { return int(fields_.size()); }
    const QList<FieldInfo>& fieldInfos() const { return fields_; }
    int fieldIndex(const QString& name) const; // -1 when there is no such field
    Field Fields(int index);
    Field Fields(const QString& name);

    void setFilter(const QString& filter);
    const QString& filter() const { return filter_; }
    void setSort(const QString& sort);
    const QString& sort() const { return sort_; }

    void AddNew();
    void Update();
    void CancelUpdate();
    void Delete();

    // Direct access for grids and writers, by visible row.
    QVariant value(int visibleRow, int field) const;
    QString text(int visibleRow, int field) const;

    // Conversion of a value to a field type, as assignments do.
    static QVariant convert(const QVariant& value, const FieldInfo& field);
    static QString plainText(const QVariant& value);

signals:
    // The visible rows were rebuilt: opened, closed, re-filtered or re-sorted.
    void layoutChanged();
    // AddNew appended one visible row (the last); cheap enough to follow per row.
    void rowInserted(int visibleRow);
    // Delete is about to take out one visible row, which can still be read.
    void rowAboutToBeRemoved(int visibleRow);
    // Delete took out one visible row.
    void rowRemoved(int visibleRow);
    // One visible row's values were saved (Update, or moving off a changed row).
    void rowChanged(int visibleRow);

private:
    friend class Field;
    struct Row {
        std::vector<QVariant> values;
        std::vector<QVariant> original;  // as last read from or written to the database
        std::vector<bool> assigned;      // fields set since AddNew
        bool isNew = false;
        bool dirty = false;
        bool deleted = false;
    };

    void requireOpen() const;
    Row& currentRow();
    const Row& currentRow() const;
    void setFieldValue(int field, const QVariant& value);
    void rebuildView();
    void flushPending();
    void resetView();
    int visibleIndexOf(int row) const;

    QList<FieldInfo> fields_;
    std::vector<Row> rows_;
    std::vector<int> view_;  // indexes into rows_, filtered and sorted
    int pos_ = 0;
    bool open_ = false;
    QString filter_;
    QString sort_;
    RecordFilter filterSpec_;
    RecordSort sortSpec_;
    bool onDeletedRow_ = false; // Delete leaves the position on the gap until the next move
    std::unique_ptr<RecordWriter> writer_;
    int pendingRow_ = -1; // row with changes not yet written, index into rows_
};

using RecordsetPtr = std::shared_ptr<Recordset>;

} // namespace zav
