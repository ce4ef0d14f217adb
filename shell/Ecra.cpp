#include "shell/Ecra.h"

#include <QKeyEvent>
#include <QPushButton>

void Ecra::keyPressEvent(QKeyEvent* event)
{
    // QDialog would press its default button: the first button after the focus
    // as it shows, or the last one that had the focus.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

QPushButton* BotaoEcra(const QString& legenda, const QString& dica, QWidget* pai)
{
    auto* botao = new QPushButton(legenda, pai);
    botao->setToolTip(dica);
    botao->setAutoDefault(false);
    return botao;
}
