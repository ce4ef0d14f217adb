#pragma once

#include <QString>

class QWidget;

namespace zav {

// The common file dialog: it remembers the name chosen last, so the next
// opening starts from it. Shown through the save-file seam.
class CommonDialog {
public:
    // The chosen path; a cancel raises nothing and gives "" (the name is kept).
    // A name typed without an extension gets the filter's, "*.xls" giving ".xls".
    QString showSave(QWidget* parent, const QString& filter);
    const QString& fileName() const { return fileName_; }

private:
    QString fileName_;
};

} // namespace zav
