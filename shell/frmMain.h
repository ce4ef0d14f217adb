#pragma once

#include "platform/widgets/CommonDialog.h"
#include "shell/Ecra.h"
#include "shell/PosicaoJanela.h"

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QWidget;
class frmMain;

namespace zav {
class BarraMenus;
}

// Makes a new instance of one screen; the main window is its parent and lends
// it the common dialog.
using FabricaEcra = std::function<std::unique_ptr<Ecra>(frmMain&)>;
// The screens the program has, by the control name of the menu item that opens
// them ("QuantRef"), so a screen with modes is switched on mode by mode as they
// are built. A menu item missing from the table is shown switched off.
using TabelaEcras = std::map<QString, FabricaEcra>;

// The factory of a screen whose constructor takes only its parent.
template <class EcraConcreto>
FabricaEcra fabricaDe()
{
    return [](frmMain& principal) { return std::make_unique<EcraConcreto>(&principal); };
}

// The program's one top-level window: the menu that opens every screen, the
// status bar and the placement kept between runs. Closing it ends the program.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(TabelaEcras ecras = {}, QWidget* parent = nullptr);

    zav::zavCoreDataAccess2016* bd = nullptr;
    // A second data-access reference that nothing sets yet.
    zav::zavCoreDataAccess2016* bdExt = nullptr;
    // The file dialog shared by every screen's Excel export.
    zav::CommonDialog CommonDialog1;
    // Ticks every minute; nothing is tied to it.
    QTimer Relogio;

    // Restores the placement saved by the last run.
    void Form_Load();
    // Takes a status text and shows nothing; no screen calls it.
    void EscreveStatus(const QString& Texto);
    // The caption: the company's name from EMPRESA between square brackets, or "" without a row.
    void getNomeEmpresa();

    // The menu bar, which takes a second line rather than hide an item.
    zav::BarraMenus* barraMenus() const { return barra_; }
    // Status-bar panel 1 to 6.
    QLabel* Painel(int numero) const;
    // The menu item of that control name ("QuantRef", "sair", "mm").
    QAction* item(const QString& controlo) const;

    // Opens the screen of a menu item the one way every item does: a new
    // instance, `bd`, the mode when given, Form_Load, shown modally, destroyed when closed.
    void AbreEcra(const QString& controlo, std::optional<int> iOpcao = std::nullopt);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void criaMenu();
    QAction* adicionaItem(QWidget* menu, const QString& controlo, const QString& legenda,
                          std::optional<int> iOpcao = std::nullopt);
    QAction* adicionaSair(QWidget* menu);
    QWidget* adicionaSubmenu(const QString& controlo, const QString& legenda);
    void adicionaSeparador(QWidget* menu, const QString& controlo);
    void criaBarraEstado();

    zav::BarraMenus* barra_ = nullptr;
    TabelaEcras ecras_;
    QList<QLabel*> paineis_;
    // Where Form_Load put the window, so that a placement left alone is saved unchanged.
    PosicaoJanela posicaoRestaurada_;
};
