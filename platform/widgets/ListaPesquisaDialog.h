#pragma once

#include "platform/widgets/Seams.h"

#include <QDialog>

class QLineEdit;
class QTableView;
class QStandardItemModel;
class QModelIndex;

namespace zav {

class PickListFilter;

// The pick list's window: a filter box over the rows (typing narrows the list to
// the rows whose visible columns contain the text); Up, Down, Page Up, Page
// Down, Home and End move the current row, Enter or a double click chooses it,
// Esc cancels.
class ListaPesquisaDialog : public QDialog {
    Q_OBJECT
public:
    explicit ListaPesquisaDialog(const PickListRequest& request, QWidget* parent = nullptr);

    // The first column of the chosen row; "" until a row is chosen.
    const QString& chosenValue() const { return chosen_; }
    QLineEdit* filterBox() const { return filter_; }
    QTableView* table() const { return table_; }
    int visibleRowCount() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose(const QModelIndex& index);
    void chooseCurrent();
    void selectRow(int row);
    int rowsPerPage() const;

    QLineEdit* filter_;
    QTableView* table_;
    QStandardItemModel* model_;
    PickListFilter* proxy_;
    QString chosen_;
};

} // namespace zav
