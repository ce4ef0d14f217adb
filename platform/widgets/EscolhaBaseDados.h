#pragma once

class QWidget;

namespace zav {

class ConfigBaseDados;

// Lets the user choose one of the catalogue's databases (through the pick-list
// seam); the four settings become the chosen one's. A cancel, or an empty or
// missing catalogue, leaves them as they were.
void EscolheBaseDados(ConfigBaseDados& config, QWidget* parent = nullptr);

} // namespace zav
