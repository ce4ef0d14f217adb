#include "shell/Ecra.h"

#include "platform/widgets/zav_input.h"

#include <QKeyEvent>
#include <QPushButton>

void Ecra::keyPressEvent(QKeyEvent* event)
{
    // QDialog would press its default button on Enter (the first button after
    // the focus as it shows, or the last one that had the focus) and close on
    // Esc from any control. A screen closes on Esc only where its own fields'
    // key handling says so; a key that reaches the screen itself does nothing.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->matches(QKeySequence::Cancel))
        return;
    QDialog::keyPressEvent(event);
}

void Ecra::TomaIconeDaJanelaPrincipal()
{
    if (parentWidget())
        setWindowIcon(parentWidget()->windowIcon());
}

QPushButton* BotaoEcra(const QString& legenda, const QString& dica, QWidget* pai)
{
    auto* botao = new QPushButton(legenda, pai);
    botao->setToolTip(dica);
    botao->setAutoDefault(false);
    return botao;
}

QPushButton* BotaoSemValidacao(const QString& legenda, const QString& dica, QWidget* pai)
{
    QPushButton* botao = BotaoEcra(legenda, dica, pai);
    zav::setCausesValidation(*botao, false);
    return botao;
}
