#pragma once

#include <QString>

namespace zav {
class Grelha;
class CommonDialog;
}

// The helpers every screen shares.
namespace Tools {

// Exports the grid to an Excel workbook chosen through `dialog`, then hands it
// to the desktop to open, and says so when no program opens it. Failures are
// reported to the user, never raised.
void ExportarExcel(zav::Grelha& grid, zav::CommonDialog& dialog);
// The chosen path, or "" when the user cancelled.
QString SelecionaFicheiro(zav::CommonDialog& dialog, const QString& filter);
// Sends keys in the notation "{TAB}", "+{TAB}" to the widget that has the focus.
void EnviaTeclas(const QString& keys);
// A message box by kind (1 mandatory field, 2 information, 3 OK/Cancel, 4 Yes/No).
int MostraMensagem(const QString& campo, const QString& texto, int tipo);

} // namespace Tools
