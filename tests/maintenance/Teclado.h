#pragma once

#include "FixtureManutencao.h"

#include "platform/widgets/zav_input.h"

// The user's hands on a screen's `campo` fields.
namespace manutencao {

// Puts the focus in a field and types into it, after what it holds.
inline void escreve(zav::zav_inputArray& campo, int index, const QString& texto)
{
    campo(index).setFocus();
    QApplication::processEvents();
    QTest::keyClicks(campo(index).editor(), texto);
}

inline bool temFoco(const zav::zav_inputArray& campo, int index)
{
    return campo(index).editor()->hasFocus();
}

} // namespace manutencao
