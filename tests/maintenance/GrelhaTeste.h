#pragma once

#include "platform/grid/GrelhaEditavel.h"

#include <QApplication>
#include <QTableView>
#include <QTest>

namespace manutencao {

// Keys to the language grid as the keyboard gives them: each to whatever has
// the focus when it arrives (the first character opens the cell's editor).
inline void digita(const QString& texto)
{
    for (const QChar c : texto)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    QApplication::processEvents();
}

inline void prime(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, mods);
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// Puts the grid's current cell somewhere and the focus on it.
inline void vaiPara(zav::GrelhaEditavel& grelha, int linha, int coluna)
{
    grelha.setCelulaActual(linha, coluna);
    grelha.vista()->setFocus();
    QApplication::processEvents();
}

// Types a whole line: language, Tab, description, Tab.
inline void escreveLinha(zav::GrelhaEditavel& grelha, int linha, const QString& idioma, const QString& descricao)
{
    vaiPara(grelha, linha, 0);
    digita(idioma);
    prime(Qt::Key_Tab);
    digita(descricao);
    prime(Qt::Key_Tab);
}

} // namespace manutencao
