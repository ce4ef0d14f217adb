#pragma once

#include "shell/Ecra.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace zav::test {

// When the window system activates a screen just shown: after the events
// already queued have run (no window manager), or before them.
enum class Ativacao { DepoisDosEventos, AntesDosEventos };

// Loads a screen whose `bd` (and mode) are set, and shows it as the main
// window opens it, activated the given way.
inline void abreEcra(Ecra& ecra, Ativacao ativacao = Ativacao::AntesDosEventos)
{
    ecra.Form_Load();
    if (ativacao == Ativacao::DepoisDosEventos)
        QApplication::processEvents();
    ecra.show();
    QApplication::setActiveWindow(&ecra);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&ecra));
    QApplication::processEvents();
}

} // namespace zav::test
