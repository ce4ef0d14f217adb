#pragma once

#include <QDateTimeEdit>

namespace zav {

// The date pickers of the screens: shown "dd-mm-yyyy" with a calendar to
// drop down, holding a date and time. Tab and Shift+Tab leave the picker as
// a whole, as they leave every other control of the panel, instead of walking
// through its day, month and year.
class SeletorData : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit SeletorData(QWidget* parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;
};

} // namespace zav
