#include "platform/grid/Grelha.h"

#include "platform/widgets/Twips.h"
#include "platform/grid/GridModel.h"
#include "platform/grid/GridPages.h"
#include "platform/grid/GridWorkbook.h"

#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

namespace zav {

Grelha::Grelha(QWidget* parent)
    : QWidget(parent), model_(new GridModel(this)), view_(new QTableView(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);

    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setWordWrap(false);
    view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    view_->verticalHeader()->hide();
    // Fixed row heights keep scrolling through tens of thousands of rows cheap.
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view_->horizontalHeader()->setHighlightSections(false);
    setHeadingAlignment(Alignment::Center);
    setRowHeightTwips(rowHeightTwips_);
    applyTabNavigation();

    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        for (int i = 0; i < model_->columnCount(); ++i)
            applyColumnLook(i);
        applyGroupSpans();
    });
    connect(view_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        const int group = model_->groupOfHeadingRow(index.row());
        if (group >= 0)
            setExpanded(group, !isExpanded(group));
    });
}

Grelha::~Grelha() = default;

// --- look -----------------------------------------------------------------------

void Grelha::setGridFont(const QFont& font)
{
    view_->setFont(font);
    setRowHeightTwips(rowHeightTwips_);
}

QFont Grelha::gridFont() const { return view_->font(); }

void Grelha::setHeadingFont(const QFont& font)
{
    view_->horizontalHeader()->setFont(font);
    for (int i = 0; i < model_->columnCount(); ++i)
        applyColumnLook(i);
}

QFont Grelha::headingFont() const { return view_->horizontalHeader()->font(); }

void Grelha::setHeadingAlignment(Alignment alignment)
{
    Qt::Alignment qt = Qt::AlignHCenter;
    if (alignment == Alignment::Left)
        qt = Qt::AlignLeft;
    else if (alignment == Alignment::Right)
        qt = Qt::AlignRight;
    view_->horizontalHeader()->setDefaultAlignment(qt | Qt::AlignVCenter);
}

void Grelha::setHeadingHeightTwips(int twips)
{
    headingHeightTwips_ = twips;
    QHeaderView* header = view_->horizontalHeader();
    if (twips > 0) {
        header->setFixedHeight(twipsToPixelsY(twips));
        return;
    }
    header->setMinimumHeight(0);
    header->setMaximumHeight(QWIDGETSIZE_MAX);
}

int Grelha::headingHeightTwips() const { return headingHeightTwips_; }

void Grelha::setRowHeightTwips(int twips)
{
    rowHeightTwips_ = twips;
    const int fontHeight = QFontMetrics(view_->font()).height() + 2;
    view_->verticalHeader()->setMinimumSectionSize(1);
    view_->verticalHeader()->setDefaultSectionSize(std::max(twipsToPixelsY(twips), fontHeight));
}

int Grelha::rowHeightTwips() const { return rowHeightTwips_; }

// --- columns -----------------------------------------------------------------------

void Grelha::clearColumns()
{
    model_->clearColumns();
    applyTabNavigation();
}

int Grelha::addColumn(const GridColumn& column)
{
    const int index = model_->addColumn(column);
    applyColumnLook(index);
    applyGroupSpans();
    applyTabNavigation();
    return index;
}

int Grelha::columnCount() const { return model_->columnCount(); }

const GridColumn& Grelha::column(int index) const { return model_->column(index); }

int Grelha::columnIndex(const ColumnKey& key) const { return model_->columnIndex(key); }

void Grelha::setColumnHidden(int index, bool hidden)
{
    model_->setColumnHidden(index, hidden);
    applyColumnLook(index);
}

void Grelha::applyColumnLook(int index)
{
    const GridColumn& column = model_->column(index);
    view_->setColumnHidden(index, column.hidden);
    // Heading lines break only where the heading says so: the header would
    // wrap a line that does not fit, and show only part of it.
    view_->setColumnWidth(index, std::max(twipsToPixelsX(column.widthTwips),
                                          view_->horizontalHeader()->sectionSizeHint(index)));
}

// Tab walks the cells only where there is a cell to edit; out of a grid that
// is only read, Tab and Shift+Tab go on to the screen's other controls, and
// the arrow keys move in it.
void Grelha::applyTabNavigation()
{
    bool editable = false;
    for (int i = 0; i < model_->columnCount() && !editable; ++i)
        editable = !model_->column(i).readOnly;
    view_->setTabKeyNavigation(editable);
}

void Grelha::applyGroupSpans()
{
    view_->clearSpans();
    const int first = model_->firstVisibleColumn();
    if (!model_->isGrouped() || first < 0)
        return;
    const int span = model_->columnCount() - first;
    if (span < 2)
        return;
    for (int row : model_->groupHeadingRows())
        view_->setSpan(row, first, 1, span);
}

// --- data -------------------------------------------------------------------------------

void Grelha::setDataSource(RecordsetPtr recordset) { model_->setDataSource(std::move(recordset)); }

const RecordsetPtr& Grelha::dataSource() const { return model_->dataSource(); }

void Grelha::rebind() { model_->rebind(); }

void Grelha::setRowCount(int rows) { model_->setDataRowCount(rows); }

void Grelha::addRow() { model_->setDataRowCount(model_->dataRowCount() + 1); }

void Grelha::setText(int row, int column, const QString& text) { model_->setCell(row, column, text); }

void Grelha::setValue(int row, int column, const QVariant& value) { model_->setCell(row, column, value); }

int Grelha::rowCount() const { return model_->dataRowCount(); }

int Grelha::exportRowCount() const { return model_->contentLineCount(); }

QVariant Grelha::value(int row, int column) const { return model_->cellValue(row, column); }

QString Grelha::displayText(int row, int column) const { return model_->cellText(row, column); }

// --- groups -------------------------------------------------------------------------------

void Grelha::setGroup(const GroupSpec& spec) { model_->setGroup(spec); }

void Grelha::clearGroup() { model_->clearGroup(); }

bool Grelha::isGrouped() const { return model_->isGrouped(); }

int Grelha::groupCount() const { return model_->groupCount(); }

QString Grelha::groupHeading(int group) const { return model_->groupHeading(group); }

int Grelha::groupRowCount(int group) const { return model_->groupRowCount(group); }

void Grelha::expandAll() { model_->setAllExpanded(true); }

void Grelha::collapseAll() { model_->setAllExpanded(false); }

bool Grelha::isExpanded(int group) const { return model_->isExpanded(group); }

void Grelha::setExpanded(int group, bool expanded) { model_->setExpanded(group, expanded); }

// --- printing and export ---------------------------------------------------------------------

GridContent Grelha::content() const
{
    GridContent content = model_->content();
    content.font = gridFont();
    content.headingFont = headingFont();
    content.rowHeightTwips = rowHeightTwips_;
    return content;
}

GridPrintSettings& Grelha::printSettings() { return printSettings_; }

const GridPrintSettings& Grelha::printSettings() const { return printSettings_; }

std::shared_ptr<GridPages> Grelha::pages() const
{
    return std::make_shared<GridPages>(content(), printSettings_);
}

void Grelha::exportToXls(const QString& path) const { writeWorkbook(content(), path); }

QTableView* Grelha::view() const { return view_; }

} // namespace zav
