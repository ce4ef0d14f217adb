#include "platform/grid/GridModel.h"

#include "platform/data/RuntimeError.h"
#include "platform/grid/GroupExpression.h"
#include "platform/grid/NumberFormat.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QHash>
#include <cmath>

namespace zav {

bool ColumnKey::matches(const ColumnKey& other) const
{
    if (isNumber() || other.isNumber())
        return number_ == other.number_;
    return name_.compare(other.name_, Qt::CaseInsensitive) == 0;
}

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

// --- columns ------------------------------------------------------------------

void GridModel::clearColumns()
{
    beginResetModel();
    columns_.clear();
    fields_.clear();
    for (auto& row : cells_)
        row.clear();
    regroup();
    endResetModel();
}

int GridModel::addColumn(const GridColumn& column)
{
    const int index = int(columns_.size());
    beginInsertColumns({}, index, index);
    columns_.push_back(column);
    fields_.push_back(fieldOf(column));
    endInsertColumns();
    return index;
}

int GridModel::columnIndex(const ColumnKey& key) const
{
    for (size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].key.matches(key))
            return int(i);
    return -1;
}

void GridModel::setColumnHidden(int index, bool hidden)
{
    columns_.at(size_t(index)).hidden = hidden;
    if (grouped_)
        resetAll(); // group headings stand in the first visible column
}

int GridModel::firstVisibleColumn() const
{
    for (size_t i = 0; i < columns_.size(); ++i)
        if (!columns_[i].hidden)
            return int(i);
    return -1;
}

// --- data ----------------------------------------------------------------------

int GridModel::fieldOf(const GridColumn& column) const
{
    if (!recordset_)
        return -1;
    if (column.key.isNumber())
        return column.key.number() <= recordset_->fieldCount() ? column.key.number() - 1 : -1;
    return recordset_->fieldIndex(column.key.name());
}

void GridModel::resolveFields(bool strict)
{
    for (size_t i = 0; i < columns_.size(); ++i) {
        fields_[i] = fieldOf(columns_[i]);
        if (strict && recordset_ && fields_[i] < 0)
            throw RuntimeError(errors::ItemNotFound,
                               QStringLiteral("A coluna '%1' não corresponde a nenhum campo.").arg(columns_[i].key.toString()));
    }
}

void GridModel::setDataSource(RecordsetPtr recordset)
{
    beginResetModel();
    if (recordset_)
        recordset_->disconnect(this);
    recordset_ = std::move(recordset);
    cells_.clear();
    resolveFields(false);
    if (recordset_) {
        connect(recordset_.get(), &Recordset::layoutChanged, this, [this] { resetAll(); });
        connect(recordset_.get(), &Recordset::rowInserted, this, [this](int row) { dataRowInserted(row); });
        connect(recordset_.get(), &Recordset::rowAboutToBeRemoved, this, [this](int row) {
            if (!grouped_)
                beginRemoveRows({}, row, row);
        });
        connect(recordset_.get(), &Recordset::rowRemoved, this, [this](int) { dataRowRemoved(); });
        connect(recordset_.get(), &Recordset::rowChanged, this, [this](int row) { dataRowChanged(row); });
    }
    regroup();
    endResetModel();
}

void GridModel::rebind()
{
    beginResetModel();
    try {
        resolveFields(true);
    } catch (...) {
        regroup();
        endResetModel();
        throw;
    }
    regroup();
    endResetModel();
}

void GridModel::setDataRowCount(int rows)
{
    beginResetModel();
    if (recordset_) {
        recordset_->disconnect(this);
        recordset_.reset();
        resolveFields(false);
    }
    cells_.resize(size_t(std::max(rows, 0)));
    regroup();
    endResetModel();
}

void GridModel::setCell(int row, int column, const QVariant& value)
{
    if (recordset_ || row < 0 || row >= int(cells_.size()) || column < 0 || column >= int(columns_.size()))
        throw RuntimeError(errors::InvalidArgument,
                           QStringLiteral("Célula fora da grelha: linha %1, coluna %2.").arg(row).arg(column));
    auto& cells = cells_[size_t(row)];
    if (int(cells.size()) <= column)
        cells.resize(columns_.size());
    cells[size_t(column)] = value;
    dataRowChanged(row);
}

// A recordset tells of one row at a time while it is filled; each step costs
// the view one row, so filling a bound grid stays linear. Grouped, a row that
// stays in its group only refreshes that group's heading; a row that joins,
// leaves or changes group rebuilds the groups.
void GridModel::dataRowInserted(int row)
{
    if (grouped_) {
        resetAll();
        return;
    }
    beginInsertRows({}, row, row);
    shownRows_ = dataRowCount();
    endInsertRows();
}

// Ungrouped, the removal began when the recordset announced it.
void GridModel::dataRowRemoved()
{
    if (grouped_) {
        resetAll();
        return;
    }
    shownRows_ = dataRowCount();
    endRemoveRows();
}

void GridModel::dataRowChanged(int row)
{
    if (columnCount() == 0)
        return;
    if (!grouped_) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::DisplayRole});
        return;
    }
    const int group = row < int(groupOfRow_.size()) ? groupOfRow_[size_t(row)] : -1;
    if (group < 0 || cellText(row, columnIndex(groupSpec_.column)) != groups_[size_t(group)].key) {
        resetAll();
        return;
    }
    refreshHeading(groups_[size_t(group)]);
    // The row and its heading stand somewhere in the shown rows; a range beyond
    // one cell only marks the visible part for repainting.
    emit dataChanged(index(0, 0), index(shownRows_ - 1, columnCount() - 1), {Qt::DisplayRole});
}

int GridModel::dataRowCount() const
{
    if (recordset_)
        return recordset_->isOpen() ? recordset_->RecordCount() : 0;
    return int(cells_.size());
}

QVariant GridModel::cellValue(int row, int column) const
{
    if (recordset_) {
        const int field = fields_.at(size_t(column));
        return field < 0 ? QVariant() : recordset_->value(row, field);
    }
    const auto& cells = cells_.at(size_t(row));
    return size_t(column) < cells.size() ? cells[size_t(column)] : QVariant();
}

QString GridModel::cellText(int row, int column) const
{
    return formatValue(cellValue(row, column), columns_.at(size_t(column)).format);
}

// --- groups ----------------------------------------------------------------------

void GridModel::setGroup(const GroupSpec& spec)
{
    GroupExpression(spec.headingExpression).validate();
    beginResetModel();
    grouped_ = true;
    groupSpec_ = spec;
    regroup();
    endResetModel();
}

void GridModel::clearGroup()
{
    beginResetModel();
    grouped_ = false;
    regroup();
    endResetModel();
}

double GridModel::groupSum(const Group& group, int column) const
{
    if (column < 0)
        return 0;
    // Summed in currency units so that many quantities add up exactly.
    std::int64_t units = 0;
    for (int row : group.rows) {
        const QVariant value = cellValue(row, column);
        if (value.userType() == qMetaTypeId<Currency>()) {
            units += value.value<Currency>().units();
            continue;
        }
        double number = 0;
        if (toNumber(value, number))
            units += std::llround(number * Currency::Scale);
    }
    return double(units) / Currency::Scale;
}

void GridModel::regroup(const QHash<QString, bool>& expandedBefore)
{
    groups_.clear();
    const int groupColumn = grouped_ ? columnIndex(groupSpec_.column) : -1;
    if (grouped_ && groupColumn >= 0) {
        QHash<QString, int> byKey;
        const int rows = dataRowCount();
        for (int row = 0; row < rows; ++row) {
            const QString key = cellText(row, groupColumn);
            auto found = byKey.constFind(key);
            int group = found == byKey.cend() ? -1 : found.value();
            if (group < 0) {
                group = int(groups_.size());
                byKey.insert(key, group);
                groups_.push_back(Group{key, {}, {}, expandedBefore.value(key, groupSpec_.startExpanded)});
            }
            groups_[size_t(group)].rows.push_back(row);
        }
        groupOfRow_.assign(size_t(rows), -1);
        for (size_t g = 0; g < groups_.size(); ++g) {
            for (int row : groups_[g].rows)
                groupOfRow_[size_t(row)] = int(g);
            refreshHeading(groups_[g]);
        }
    } else {
        groupOfRow_.clear();
    }
    rebuildDisplay();
}

void GridModel::refreshHeading(Group& group) const
{
    if (group.key.isEmpty())
        return;  // the rows without a key: a group with an empty heading
    group.heading = group.key + GroupExpression(groupSpec_.headingExpression).evaluate([&](int n) {
        if (n < 1 || n > groupSpec_.sums.size())
            throw RuntimeError(errors::InvalidArgument, QStringLiteral("GroupCalc(%1) sem cálculo.").arg(n));
        return groupSum(group, columnIndex(groupSpec_.sums[n - 1]));
    });
}

void GridModel::rebuildDisplay()
{
    display_.clear();
    shownRows_ = dataRowCount();
    if (groups_.empty())
        return;
    for (size_t g = 0; g < groups_.size(); ++g) {
        display_.push_back(-int(g) - 1);
        if (groups_[g].expanded)
            display_.insert(display_.end(), groups_[g].rows.begin(), groups_[g].rows.end());
    }
    shownRows_ = int(display_.size());
}

void GridModel::resetAll()
{
    beginResetModel();
    if (recordset_)
        resolveFields(false);
    // Expanded state survives a refresh of the same groups.
    QHash<QString, bool> expanded;
    for (const Group& group : groups_)
        expanded.insert(group.key, group.expanded);
    regroup(expanded);
    endResetModel();
}

void GridModel::setExpanded(int group, bool expanded)
{
    beginResetModel();
    groups_.at(size_t(group)).expanded = expanded;
    rebuildDisplay();
    endResetModel();
}

void GridModel::setAllExpanded(bool expanded)
{
    beginResetModel();
    for (Group& group : groups_)
        group.expanded = expanded;
    rebuildDisplay();
    endResetModel();
}

int GridModel::groupOfHeadingRow(int displayRow) const
{
    if (display_.empty() || displayRow < 0 || displayRow >= int(display_.size()))
        return -1;
    const int entry = display_[size_t(displayRow)];
    return entry < 0 ? -entry - 1 : -1;
}

std::vector<int> GridModel::groupHeadingRows() const
{
    std::vector<int> rows;
    for (size_t i = 0; i < display_.size(); ++i)
        if (display_[i] < 0)
            rows.push_back(int(i));
    return rows;
}

int GridModel::dataRowOf(int displayRow) const
{
    if (groups_.empty())
        return displayRow;
    return display_.at(size_t(displayRow));
}

// --- what is shown --------------------------------------------------------------------

Qt::Alignment GridModel::alignmentOf(int column) const
{
    const GridColumn& c = columns_.at(size_t(column));
    switch (c.alignment) {
    case Alignment::Left: return Qt::AlignLeft | Qt::AlignVCenter;
    case Alignment::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case Alignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::General: break;
    }
    return (c.kind == ValueKind::Text ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
}

GridContent GridModel::content() const
{
    GridContent content;
    std::vector<int> visible;
    for (size_t i = 0; i < columns_.size(); ++i) {
        if (columns_[i].hidden)
            continue;
        visible.push_back(int(i));
        content.columns.append({columns_[i].heading, columns_[i].widthTwips, columns_[i].kind, alignmentOf(int(i)),
                                columns_[i].format});
    }
    auto addRow = [&](int row) {
        GridContent::Line line;
        line.texts.reserve(qsizetype(visible.size()));
        line.values.reserve(qsizetype(visible.size()));
        for (int column : visible) {
            line.texts.append(cellText(row, column));
            line.values.append(cellValue(row, column));
        }
        content.lines.append(std::move(line));
    };
    if (groups_.empty()) {
        const int rows = dataRowCount();
        content.lines.reserve(rows);
        for (int row = 0; row < rows; ++row)
            addRow(row);
        return content;
    }
    for (const Group& group : groups_) {
        GridContent::Line heading;
        heading.isGroupHeading = true;
        heading.groupHeading = group.heading;
        content.lines.append(heading);
        for (int row : group.rows)
            addRow(row);
    }
    return content;
}

// --- QAbstractTableModel ------------------------------------------------------------------

int GridModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return shownRows_;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int group = groupOfHeadingRow(index.row());
    if (group >= 0) {
        switch (role) {
        case Qt::DisplayRole:
            return index.column() == firstVisibleColumn() ? QVariant(groups_[size_t(group)].heading) : QVariant();
        case Qt::FontRole: {
            QFont font;
            font.setBold(true);
            return font;
        }
        case Qt::BackgroundRole:
            return QBrush(QColor(0xE4, 0xE4, 0xE4));
        case Qt::TextAlignmentRole:
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
        }
    }
    const int row = dataRowOf(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return cellText(row, index.column());
    case Qt::EditRole:
        return cellValue(row, index.column());
    case Qt::TextAlignmentRole:
        return int(alignmentOf(index.column()));
    case Qt::BackgroundRole: {
        const QColor& fundo = columns_[size_t(index.column())].backColor;
        return fundo.isValid() ? QVariant(QBrush(fundo)) : QVariant();
    }
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= int(columns_.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) {
        QString heading = columns_[size_t(section)].heading;
        heading.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        return heading;
    }
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && groupOfHeadingRow(index.row()) < 0 && !columns_.at(size_t(index.column())).readOnly)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int row = dataRowOf(index.row());
    const GridColumn& column = columns_.at(size_t(index.column()));
    QVariant stored = value;
    if (column.maxLength > 0 && value.typeId() == QMetaType::QString)
        stored = value.toString().left(column.maxLength);
    if (!recordset_) {
        setCell(row, index.column(), stored);
        return true;
    }
    const int field = fields_.at(size_t(index.column()));
    if (field < 0)
        return false;
    recordset_->setPosition(row);
    recordset_->Fields(field).setValue(stored);
    recordset_->Update();
    return true;
}

} // namespace zav
