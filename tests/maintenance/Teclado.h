#pragma once

#include "FixtureManutencao.h"

#include "platform/widgets/zav_input.h"

#include <QMap>
#include <utility>

// The user's hands on a screen's `campo` fields.
namespace manutencao {

// Puts the focus in a field and types into it, after what it holds.
inline void escreve(zav::zav_inputArray& campo, int index, const QString& texto)
{
    campo(index).setFocus();
    QApplication::processEvents();
    QTest::keyClicks(campo(index).editor(), texto);
}

// The named controls in the order Tab goes through them, from the first.
inline QStringList ordemTabulacao(const QList<std::pair<QWidget*, QString>>& controlos)
{
    QMap<QWidget*, QString> nomes;
    for (const auto& [controlo, nome] : controlos)
        nomes.insert(controlo->focusProxy() ? controlo->focusProxy() : controlo, nome);
    QWidget* inicio = controlos.first().first->focusProxy() ? controlos.first().first->focusProxy()
                                                              : controlos.first().first;
    QStringList ordem{nomes.value(inicio)};
    for (QWidget* w = inicio->nextInFocusChain(); w && w != inicio; w = w->nextInFocusChain())
        if (nomes.contains(w))
            ordem << nomes.value(w);
    return ordem;
}

// A click as the window system delivers it: to the window, at the control's centre.
inline void clica(QWidget* controlo)
{
    QWidget* janela = controlo->window();
    QTest::mouseClick(janela->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      controlo->mapTo(janela, controlo->rect().center()));
    deixaCorrer();
}

inline bool temFoco(const zav::zav_inputArray& campo, int index)
{
    return campo(index).editor()->hasFocus();
}

} // namespace manutencao
