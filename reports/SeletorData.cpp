#include "reports/SeletorData.h"

SeletorData::SeletorData(QWidget* parent) : QDateTimeEdit(parent)
{
    setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    setCalendarPopup(true);
}

bool SeletorData::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}
