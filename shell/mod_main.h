#pragma once

#include "shell/frmMain.h"

#include <QString>
#include <memory>

namespace zav {
class zavCoreDataAccess2016;
}

// The program's start-up: data folder, configuration file, the connection,
// the add-on's own tables, then the main window.
namespace mod_main {

inline const QString NomePrograma = QStringLiteral("Tarvelo");

// The configuration file chosen at start-up; the sample card reads its images folder from it.
extern QString CaminhoConfiguracao;
// The one data-access object of the run.
extern std::unique_ptr<zav::zavCoreDataAccess2016> bd;
// The main window, once Main has shown it.
extern std::unique_ptr<frmMain> JanelaPrincipal;

// "TALVEX" in the maker's base folder, or the program's own folder when that does not exist.
QString PastaDados();
// "Tarvelo.zav", or the whole command-line text, inside the data folder.
QString CaminhoDaConfiguracao(const QString& linhaComandos);

// Starts the program: any failure on the way is raised to the caller, and the
// main window is shown only when everything before it went through. A company
// that can only be read for now is said so, and gets no new tables.
void Main(const QString& linhaComandos, TabelaEcras ecras);
// Opens `bd` on the database that CaminhoConfiguracao names; when the server,
// the database or the user is empty the user chooses one from the catalogue
// "Catalogos/bd.sql" in the program's folder. Still without a server or a
// database, a run-time error names the configuration file and the catalogue.
void AbreBaseDados();
void CriaTabelasIdiomas();
void CriaTabelaFichaAmostra();

// Releases the main window and the data-access object, in that order.
void Termina();

} // namespace mod_main
