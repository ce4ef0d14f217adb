#pragma once

#include "platform/data/Recordset.h"
#include "platform/grid/GridColumn.h"
#include "platform/grid/GridPrintSettings.h"

#include <QFont>
#include <QWidget>
#include <memory>

class QTableView;

namespace zav {

class GridModel;
class GridPages;
struct GridContent;

// The report grid. A screen configures its look and columns, then fills it one
// of two ways:
//  - binds an in-memory recordset (setDataSource): columns find their field by
//    key, a name or a 1-based field number, and follow the recordset's changes;
//  - writes cells by row and column (setText / setValue) into a row count it
//    sets and grows (setRowCount / addRow).
// One level of grouping is available on any column, usually a hidden one.
//
// Widths and heights are in twips (1440 to the inch), as the screens give them.
class Grelha : public QWidget {
    Q_OBJECT
public:
    explicit Grelha(QWidget* parent = nullptr);
    ~Grelha() override;

    // --- look ---------------------------------------------------------------
    void setGridFont(const QFont& font);           // the cells'
    QFont gridFont() const;
    void setHeadingFont(const QFont& font);        // the column headings'
    QFont headingFont() const;
    void setHeadingAlignment(Alignment alignment); // default Center
    // 0 keeps the height the heading font needs for one line.
    void setHeadingHeightTwips(int twips);
    int headingHeightTwips() const;
    void setRowHeightTwips(int twips);              // default 255
    int rowHeightTwips() const;

    // --- columns ------------------------------------------------------------
    void clearColumns();
    int addColumn(const GridColumn& column);       // its index
    int columnCount() const;
    const GridColumn& column(int index) const;
    int columnIndex(const ColumnKey& key) const;   // -1 when no column has that key
    void setColumnHidden(int index, bool hidden);

    // --- data: a bound recordset ----------------------------------------------
    // Replaces any written cells. Columns may be added after binding; call
    // rebind() once they are in place (an unknown key raises ItemNotFound).
    void setDataSource(RecordsetPtr recordset);
    const RecordsetPtr& dataSource() const;
    void rebind();

    // --- data: cells written one by one -----------------------------------------
    // Drops any bound recordset. Rows are 0-based, columns are column indexes.
    void setRowCount(int rows);
    void addRow();
    void setText(int row, int column, const QString& text);
    void setValue(int row, int column, const QVariant& value);

    // --- reading (both ways of filling) -------------------------------------------
    int rowCount() const;                          // data rows, group headings not counted
    int exportRowCount() const;                    // rows a printout or workbook holds: data rows and group headings
    QVariant value(int row, int column) const;
    QString displayText(int row, int column) const; // as the cell shows it, format applied

    // --- groups -------------------------------------------------------------------
    void setGroup(const GroupSpec& spec);           // replaces the grouping
    void clearGroup();
    bool isGrouped() const;
    int groupCount() const;
    QString groupHeading(int group) const;          // in the order the grid shows them
    int groupRowCount(int group) const;
    void expandAll();
    void collapseAll();
    bool isExpanded(int group) const;
    void setExpanded(int group, bool expanded);

    // --- what is shown, for printing and export ---------------------------------------
    // Visible columns, headings and every row as shown (groups expanded).
    GridContent content() const;
    GridPrintSettings& printSettings();
    const GridPrintSettings& printSettings() const;
    // The grid laid out as pages with its print settings, for the viewer or a printer.
    std::shared_ptr<GridPages> pages() const;

    // Writes the visible headings and rows to an Excel 97-2003 workbook.
    // Raises zav::RuntimeError when the file cannot be written.
    void exportToXls(const QString& path) const;

    QTableView* view() const;  // for focus, selection and tests

private:
    void applyGroupSpans();
    void applyColumnLook(int index);
    void applyTabNavigation();

    GridModel* model_;
    QTableView* view_;
    GridPrintSettings printSettings_;
    int headingHeightTwips_ = 0;
    int rowHeightTwips_ = 255;
};

} // namespace zav
