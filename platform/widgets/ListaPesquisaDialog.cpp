#include "platform/widgets/ListaPesquisaDialog.h"

#include "platform/widgets/Twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace zav {

// Keeps the rows whose visible columns contain the filter text, in any case.
class PickListFilter : public QSortFilterProxyModel {
public:
    PickListFilter(QList<bool> hidden, QObject* parent) : QSortFilterProxyModel(parent), hidden_(std::move(hidden)) {}

    void setText(const QString& text)
    {
        text_ = text;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        if (text_.isEmpty())
            return true;
        for (int column = 0; column < sourceModel()->columnCount(); ++column) {
            if (column < hidden_.size() && hidden_[column])
                continue;
            const QString value = sourceModel()->index(row, column, parent).data().toString();
            if (value.contains(text_, Qt::CaseInsensitive))
                return true;
        }
        return false;
    }

private:
    QList<bool> hidden_;
    QString text_;
};

ListaPesquisaDialog::ListaPesquisaDialog(const PickListRequest& request, QWidget* parent)
    : QDialog(parent),
      filter_(new QLineEdit(this)),
      table_(new QTableView(this)),
      model_(new QStandardItemModel(int(request.rows.size()), int(request.columns.size()), this))
{
    setWindowTitle(request.title);
    QList<bool> hidden;
    for (int column = 0; column < request.columns.size(); ++column) {
        model_->setHeaderData(column, Qt::Horizontal, request.columns[column].heading);
        hidden << request.columns[column].hidden;
    }
    for (int row = 0; row < request.rows.size(); ++row) {
        const QStringList& values = request.rows[row];
        for (int column = 0; column < values.size() && column < request.columns.size(); ++column) {
            auto* item = new QStandardItem(values[column]);
            item->setEditable(false);
            model_->setItem(row, column, item);
        }
    }
    proxy_ = new PickListFilter(hidden, this);
    proxy_->setSourceModel(model_);

    table_->setModel(proxy_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    for (int column = 0; column < request.columns.size(); ++column) {
        table_->setColumnHidden(column, request.columns[column].hidden);
        if (request.columns[column].widthTwips > 0)
            table_->setColumnWidth(column, twipsToPixelsX(request.columns[column].widthTwips));
    }

    filter_->setPlaceholderText(QStringLiteral("Procurar..."));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filter_);
    layout->addWidget(table_);
    if (request.widthTwips > 0)
        resize(twipsToPixelsX(request.widthTwips), twipsToPixelsY(5000));

    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        proxy_->setText(text);
        selectRow(0);
    });
    connect(table_, &QTableView::doubleClicked, this, &ListaPesquisaDialog::choose);
    filter_->installEventFilter(this);
    table_->installEventFilter(this);
    selectRow(0);
    filter_->setFocus();
}

int ListaPesquisaDialog::visibleRowCount() const
{
    return proxy_->rowCount();
}

// The current index stands in a shown column: on a hidden one (a list whose first
// column carries the value behind the codes) the view would move nowhere.
void ListaPesquisaDialog::selectRow(int row)
{
    const int rows = proxy_->rowCount();
    if (rows == 0)
        return;
    int column = 0;
    while (column + 1 < proxy_->columnCount() && table_->isColumnHidden(column))
        ++column;
    table_->setCurrentIndex(proxy_->index(qBound(0, row, rows - 1), column));
}

int ListaPesquisaDialog::rowsPerPage() const
{
    const int height = table_->verticalHeader()->defaultSectionSize();
    return qMax(1, table_->viewport()->height() / qMax(1, height) - 1);
}

void ListaPesquisaDialog::choose(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    chosen_ = proxy_->index(index.row(), 0).data().toString();
    accept();
}

void ListaPesquisaDialog::chooseCurrent()
{
    choose(table_->currentIndex());
}

bool ListaPesquisaDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        chooseCurrent();
        return true;
    // Moving keys move the chosen row from the filter box too, so typing and
    // choosing need no mouse.
    case Qt::Key_Up:
        selectRow(table_->currentIndex().row() - 1);
        return true;
    case Qt::Key_Down:
        selectRow(table_->currentIndex().row() + 1);
        return true;
    case Qt::Key_PageUp:
        selectRow(table_->currentIndex().row() - rowsPerPage());
        return true;
    case Qt::Key_PageDown:
        selectRow(table_->currentIndex().row() + rowsPerPage());
        return true;
    case Qt::Key_Home:
        selectRow(0);
        return true;
    case Qt::Key_End:
        selectRow(proxy_->rowCount() - 1);
        return true;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zav
