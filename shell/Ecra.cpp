#include "shell/Ecra.h"

#include <QKeyEvent>
#include <QPushButton>

void Ecra::setVisible(bool visible)
{
    if (!visible || isVisible()) {
        QDialog::setVisible(visible);
        return;
    }
    // As it shows, a dialog makes the first button that takes the focus by
    // itself its default one; with none of them taking it, it has no default.
    QList<QPushButton*> automaticos;
    for (QPushButton* botao : findChildren<QPushButton*>()) {
        if (botao->autoDefault()) {
            automaticos << botao;
            botao->setAutoDefault(false);
        }
    }
    QDialog::setVisible(true);
    for (QPushButton* botao : automaticos)
        botao->setAutoDefault(true);
}

void Ecra::keyPressEvent(QKeyEvent* event)
{
    // QDialog would press its default button, which a button becomes once it has had the focus.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}
