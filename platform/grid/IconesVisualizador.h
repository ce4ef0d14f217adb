#pragma once

#include "platform/grid/Visualizador.h"

#include <QIcon>

namespace zav {

// The preview toolbar's icons, drawn for this program at whatever size the
// toolbar asks for, so that they look the same on every desktop (and on a bare
// X server without an icon theme): a printer, two pages for copy, a magnifying
// glass for find and, with a minus or a plus, for zoom, one page and four
// pages, arrows to a page (the first and last against a bar), and curved
// arrows for back and forward through the pages viewed. Disabled, they are
// drawn in grey. A position without a tool of its own gives a null icon.
QIcon iconeFerramenta(Visualizador::Tool ferramenta);

} // namespace zav
