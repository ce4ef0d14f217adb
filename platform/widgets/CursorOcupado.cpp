#include "platform/widgets/CursorOcupado.h"

#include <QCursor>
#include <QGuiApplication>

namespace zav {

CursorOcupado::CursorOcupado()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

CursorOcupado::~CursorOcupado()
{
    QGuiApplication::restoreOverrideCursor();
}

} // namespace zav
