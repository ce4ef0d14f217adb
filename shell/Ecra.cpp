#include "shell/Ecra.h"

#include <QKeyEvent>

void Ecra::keyPressEvent(QKeyEvent* event)
{
    // QDialog would press its default button: the first button after the focus
    // as it shows, or the last one that had the focus.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}
