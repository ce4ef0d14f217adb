#include "platform/data/Recordset.h"

#include "platform/data/RuntimeError.h"

#include <algorithm>
#include <cmath>

namespace zav {

namespace {

[[noreturn]] void noCurrentRecord()
{
    throw RuntimeError(errors::NoCurrentRecord,
                       QStringLiteral("BOF ou EOF é verdadeiro, ou o registo atual foi eliminado."));
}

} // namespace

// ---- Field ----

const QString& Field::name() const { return rs_->fields_[index_].name; }
FieldType Field::type() const { return rs_->fields_[index_].type; }
int Field::definedSize() const { return rs_->fields_[index_].size; }

QVariant Field::value() const { return rs_->currentRow().values[size_t(index_)]; }
bool Field::isNull() const { return value().isNull(); }
QString Field::text() const { return fieldvalue::plainText(value()); }
Currency Field::currency() const { return Currency::fromVariant(value()); }

qint64 Field::integer() const
{
    const QVariant v = value();
    if (v.isNull())
        return 0;
    if (v.metaType() == QMetaType::fromType<Currency>()) {
        const Currency c = v.value<Currency>();
        if (c.units() % Currency::Scale != 0)
            throw RuntimeError(errors::TypeMismatch, errors::description(errors::TypeMismatch) + QStringLiteral(": ") + c.toString());
        return c.units() / Currency::Scale;
    }
    const double d = fieldvalue::convertForComparison(v, FieldType::Double).toDouble();
    if (d != std::trunc(d))
        throw RuntimeError(errors::TypeMismatch, errors::description(errors::TypeMismatch) + QStringLiteral(": ") + fieldvalue::plainText(v));
    return fieldvalue::convertForComparison(v, FieldType::BigInt).toLongLong();
}

void Field::setValue(const QVariant& value) { rs_->setFieldValue(index_, value); }

// ---- Recordset ----

Recordset::Recordset() = default;
Recordset::~Recordset() = default;

void Recordset::appendField(const QString& name, FieldType type, int size, bool nullable)
{
    if (open_)
        throw RuntimeError(errors::OperationNotAllowed, QStringLiteral("Não se acrescentam campos a um recordset aberto."));
    fields_.append(FieldInfo{name, type, size, nullable});
}

void Recordset::open()
{
    rows_.clear();
    writer_.reset();
    open_ = true;
    resetView();
}

void Recordset::openWith(QList<FieldInfo> fields, std::vector<std::vector<QVariant>> rows,
                         std::unique_ptr<RecordWriter> writer)
{
    fields_ = std::move(fields);
    rows_.clear();
    rows_.reserve(rows.size());
    for (auto& values : rows)
        rows_.push_back(Row{std::move(values), {}, {}});
    writer_ = std::move(writer);
    open_ = true;
    resetView();
}

void Recordset::close()
{
    if (!open_)
        return;
    flushPending();
    rows_.clear();
    view_.clear();
    writer_.reset();
    filter_.clear();
    sort_.clear();
    filterSpec_ = {};
    sortSpec_ = {};
    open_ = false;
    pos_ = 0;
    onDeletedRow_ = false;
    emit layoutChanged();
}

void Recordset::resetView()
{
    filter_.clear();
    sort_.clear();
    filterSpec_ = {};
    sortSpec_ = {};
    pendingRow_ = -1;
    rebuildView();
    emit layoutChanged();
}

void Recordset::requireOpen() const
{
    if (!open_)
        throw RuntimeError(errors::OperationNotAllowed, QStringLiteral("A operação não é permitida com o objeto fechado."));
}

int Recordset::RecordCount() const
{
    requireOpen();
    return int(view_.size());
}

bool Recordset::Eof() const
{
    requireOpen();
    return pos_ >= int(view_.size());
}

bool Recordset::Bof() const
{
    requireOpen();
    return pos_ < 0 || view_.empty();
}

void Recordset::MoveFirst()
{
    requireOpen();
    flushPending();
    pos_ = 0;
    onDeletedRow_ = false;
}

void Recordset::MoveLast()
{
    requireOpen();
    flushPending();
    pos_ = std::max(0, int(view_.size()) - 1);
    onDeletedRow_ = false;
}

void Recordset::MoveNext()
{
    requireOpen();
    flushPending();
    if (onDeletedRow_) { // the row after the deleted one has already moved into its place
        onDeletedRow_ = false;
        return;
    }
    if (pos_ >= int(view_.size()))
        noCurrentRecord();
    ++pos_;
}

void Recordset::setPosition(int visibleRow)
{
    requireOpen();
    flushPending();
    onDeletedRow_ = false;
    pos_ = std::clamp(visibleRow, -1, int(view_.size()));
}

int Recordset::fieldIndex(const QString& name) const
{
    for (int i = 0; i < fields_.size(); ++i)
        if (fields_[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Field Recordset::Fields(int index)
{
    if (index < 0 || index >= fields_.size())
        throw RuntimeError(errors::ItemNotFound,
                           QStringLiteral("O item não existe na coleção (posição %1).").arg(index));
    return Field(this, index);
}

Field Recordset::Fields(const QString& name)
{
    const int index = fieldIndex(name);
    if (index < 0)
        throw RuntimeError(errors::ItemNotFound,
                           QStringLiteral("O item não existe na coleção (campo '%1').").arg(name));
    return Field(this, index);
}

Recordset::Row& Recordset::currentRow()
{
    return const_cast<Row&>(std::as_const(*this).currentRow());
}

const Recordset::Row& Recordset::currentRow() const
{
    requireOpen();
    if (onDeletedRow_ || pos_ < 0 || pos_ >= int(view_.size()))
        noCurrentRecord();
    return rows_[size_t(view_[size_t(pos_)])];
}

void Recordset::setFieldValue(int field, const QVariant& value)
{
    Row& row = currentRow();
    const QVariant converted = fieldvalue::convert(value, fields_[field]);
    if (!row.dirty && !row.isNew)
        row.original = row.values; // kept only while a change waits to be written
    if (row.assigned.empty())
        row.assigned.assign(fields_.size(), false);
    row.values[size_t(field)] = converted;
    row.assigned[size_t(field)] = true;
    row.dirty = true;
    pendingRow_ = view_[size_t(pos_)];
}

void Recordset::setFilter(const QString& filter)
{
    requireOpen();
    RecordFilter parsed = RecordFilter::parse(filter, fields_);
    flushPending();
    filter_ = filter;
    filterSpec_ = std::move(parsed);
    rebuildView();
    emit layoutChanged();
}

void Recordset::setSort(const QString& sort)
{
    requireOpen();
    RecordSort parsed = RecordSort::parse(sort, fields_);
    flushPending();
    sort_ = sort;
    sortSpec_ = std::move(parsed);
    rebuildView();
    emit layoutChanged();
}

void Recordset::rebuildView()
{
    view_.clear();
    for (int i = 0; i < int(rows_.size()); ++i)
        if (!rows_[size_t(i)].deleted && filterSpec_.matches(rows_[size_t(i)].values))
            view_.push_back(i);
    if (!sortSpec_.isEmpty())
        std::stable_sort(view_.begin(), view_.end(), [this](int a, int b) {
            return sortSpec_.less(rows_[size_t(a)].values, rows_[size_t(b)].values);
        });
    pos_ = 0;
    onDeletedRow_ = false;
}

int Recordset::visibleIndexOf(int row) const
{
    if (pos_ >= 0 && pos_ < int(view_.size()) && view_[size_t(pos_)] == row)
        return pos_;
    const auto it = std::find(view_.begin(), view_.end(), row);
    return it == view_.end() ? -1 : int(it - view_.begin());
}

void Recordset::AddNew()
{
    requireOpen();
    flushPending();
    Row row;
    row.values.resize(size_t(fields_.size()));
    row.assigned.assign(size_t(fields_.size()), false);
    row.isNew = true;
    row.dirty = true;
    rows_.push_back(std::move(row));
    pendingRow_ = int(rows_.size()) - 1;
    view_.push_back(pendingRow_);
    pos_ = int(view_.size()) - 1;
    onDeletedRow_ = false;
    emit rowInserted(pos_);
}

void Recordset::Update()
{
    requireOpen();
    flushPending();
}

void Recordset::flushPending()
{
    if (pendingRow_ < 0)
        return;
    Row& row = rows_[size_t(pendingRow_)];
    if (writer_) {
        if (row.isNew)
            writer_->insert(fields_, row.values, row.assigned);
        else
            writer_->update(fields_, row.original, row.values);
    }
    row.isNew = false;
    row.dirty = false;
    row.assigned = {};
    row.original = {};
    const int visible = visibleIndexOf(pendingRow_);
    pendingRow_ = -1;
    if (visible >= 0)
        emit rowChanged(visible);
}

void Recordset::CancelUpdate()
{
    requireOpen();
    if (pendingRow_ < 0)
        return;
    Row& row = rows_[size_t(pendingRow_)];
    const int visible = visibleIndexOf(pendingRow_);
    if (row.isNew) {
        emit rowAboutToBeRemoved(visible);
        // A new row is always the last one added.
        rows_.pop_back();
        view_.erase(view_.begin() + visible);
        pendingRow_ = -1;
        pos_ = std::max(0, int(view_.size()) - 1);
        emit rowRemoved(visible);
        return;
    }
    row.values = row.original;
    row.dirty = false;
    row.assigned = {};
    row.original = {};
    pendingRow_ = -1;
    emit rowChanged(visible);
}

void Recordset::Delete()
{
    Row& row = currentRow();
    const int index = view_[size_t(pos_)];
    if (pendingRow_ == index && row.isNew) {
        CancelUpdate();
        return;
    }
    if (writer_)
        writer_->remove(fields_, row.dirty ? row.original : row.values);
    const int visible = pos_;
    emit rowAboutToBeRemoved(visible);
    if (pendingRow_ == index)
        pendingRow_ = -1;
    row.deleted = true;
    row.values = {};
    row.original = {};
    view_.erase(view_.begin() + visible);
    onDeletedRow_ = true;
    emit rowRemoved(visible);
}

QVariant Recordset::value(int visibleRow, int field) const
{
    requireOpen();
    if (visibleRow < 0 || visibleRow >= int(view_.size()) || field < 0 || field >= fields_.size())
        noCurrentRecord();
    return rows_[size_t(view_[size_t(visibleRow)])].values[size_t(field)];
}

QString Recordset::text(int visibleRow, int field) const
{
    return fieldvalue::plainText(value(visibleRow, field));
}

QVariant Recordset::convert(const QVariant& value, const FieldInfo& field)
{
    return fieldvalue::convert(value, field);
}

QString Recordset::plainText(const QVariant& value)
{
    return fieldvalue::plainText(value);
}

} // namespace zav
