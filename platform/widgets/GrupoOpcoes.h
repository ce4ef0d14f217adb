#pragma once

#include <QList>

class QRadioButton;

namespace zav {

// Option buttons that are one Tab stop, as an option group is: Tab and
// Shift+Tab reach the chosen option only (the first while none is chosen),
// and the arrow keys move to, and choose, the others. A click still chooses
// any of them.
void fazGrupoDeOpcoes(const QList<QRadioButton*>& opcoes);

} // namespace zav
