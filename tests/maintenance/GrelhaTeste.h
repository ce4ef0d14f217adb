#pragma once

#include "FixtureManutencao.h"
#include "platform/grid/GrelhaEditavel.h"

#include <QApplication>
#include <QTableView>
#include <QTest>

namespace manutencao {

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
