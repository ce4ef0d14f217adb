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

void Ecra::abreEm(QWidget* controlo)
{
    controlo->setFocus(Qt::TabFocusReason);
}

QWidget* Ecra::seguinteNoTab(QWidget* controlo) const
{
    QWidget* inicio = controlo;
    while (inicio->focusProxy())
        inicio = inicio->focusProxy();
    for (QWidget* w = inicio->nextInFocusChain(); w && w != inicio; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isEnabled() && w->isVisibleTo(this))
            return w;
    }
    return controlo;
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
