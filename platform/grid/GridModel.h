#pragma once

#include "platform/data/Recordset.h"
#include "platform/grid/GridColumn.h"
#include "platform/grid/GridContent.h"

#include <QAbstractTableModel>
#include <QHash>
#include <vector>

namespace zav {

// The grid's rows and columns: values from a bound recordset or from cells
// written one by one, formatted per column, with one level of grouping. Rows of
// the model are display rows: group headings and the rows of expanded groups.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent = nullptr);

    // --- columns
    void clearColumns();
    int addColumn(const GridColumn& column);
    const GridColumn& column(int index) const { return columns_.at(size_t(index)); }
    int columnIndex(const ColumnKey& key) const;
    void setColumnHidden(int index, bool hidden);
    int firstVisibleColumn() const;   // -1 when every column is hidden

    // --- data
    void setDataSource(RecordsetPtr recordset);
    const RecordsetPtr& dataSource() const { return recordset_; }
    void rebind();                    // raises ItemNotFound for a key without field
    void setDataRowCount(int rows);
    void setCell(int row, int column, const QVariant& value);
    int dataRowCount() const;
    QVariant cellValue(int row, int column) const;
    QString cellText(int row, int column) const;

    // --- groups
    void setGroup(const GroupSpec& spec);
    void clearGroup();
    bool isGrouped() const { return grouped_; }
    int groupCount() const { return int(groups_.size()); }
    const QString& groupHeading(int group) const { return groups_.at(size_t(group)).heading; }
    int groupRowCount(int group) const { return int(groups_.at(size_t(group)).rows.size()); }
    bool isExpanded(int group) const { return groups_.at(size_t(group)).expanded; }
    void setExpanded(int group, bool expanded);
    void setAllExpanded(bool expanded);
    int groupOfHeadingRow(int displayRow) const; // -1 when the row is no group heading
    std::vector<int> groupHeadingRows() const;

    // Visible columns and every line, groups expanded.
    GridContent content() const;
    int contentLineCount() const { return dataRowCount() + groupCount(); }

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    struct Group {
        QString key;
        QString heading;
        std::vector<int> rows;
        bool expanded = true;
    };

    int fieldOf(const GridColumn& column) const;
    void resolveFields(bool strict);
    // Rebuilds groups and display rows; call inside a reset. A group whose key
    // is in `expandedBefore` keeps that state.
    void regroup(const QHash<QString, bool>& expandedBefore = {});
    void rebuildDisplay();
    void resetAll();
    void dataRowInserted(int row);
    void dataRowRemoved();
    void dataRowChanged(int row);
    void refreshHeading(Group& group) const;
    int dataRowOf(int displayRow) const;
    Qt::Alignment alignmentOf(int column) const;
    double groupSum(const Group& group, int column) const;

    std::vector<GridColumn> columns_;
    std::vector<int> fields_;  // bound field per column, -1 for none
    RecordsetPtr recordset_;
    std::vector<std::vector<QVariant>> cells_;

    bool grouped_ = false;
    GroupSpec groupSpec_;
    std::vector<Group> groups_;
    std::vector<int> display_;  // >= 0 a data row, < 0 the heading of group -(n + 1)
    std::vector<int> groupOfRow_; // the group of each data row while grouped
    int shownRows_ = 0;         // the rows the view has been told of
};

} // namespace zav
