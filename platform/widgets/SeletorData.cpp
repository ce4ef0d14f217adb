#include "platform/widgets/SeletorData.h"

namespace zav {

SeletorData::SeletorData(QWidget* parent) : QDateTimeEdit(parent)
{
    setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    setCalendarPopup(true);
}

bool SeletorData::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}

} // namespace zav
