#pragma once

#include <QDialog>

class QPushButton;

namespace zav {
class zavCoreDataAccess2016;
}

// A screen opened from the main window's menu. Each opening makes a new one:
// the opener sets `bd` (and `iOpcao` on a screen with modes), calls Form_Load,
// shows it modally and destroys it when it closes.
class Ecra : public QDialog {
    Q_OBJECT
public:
    explicit Ecra(QWidget* parent = nullptr) : QDialog(parent) {}

    zav::zavCoreDataAccess2016* bd = nullptr;

    // Runs once, after `bd` and `iOpcao` are set and before the screen shows.
    virtual void Form_Load() {}

protected:
    // The screen shows the main window's icon, as the screens opened from its menu do.
    void TomaIconeDaJanelaPrincipal();

    // Where the screen opens. Given in Form_Load, before the screen shows,
    // the control has the focus as soon as the screen is active, whenever the
    // window system makes it so; a key sent on opening would go wherever the
    // focus happened to be when it arrived.
    void abreEm(QWidget* controlo);
    // The control that Tab leads to from `controlo`: the next in the tab order
    // that is shown, enabled and takes the focus by Tab.
    QWidget* seguinteNoTab(QWidget* controlo) const;

    // A screen has no default button: Enter in a field presses nothing, while a
    // button with the focus still answers Enter itself. Nor does Esc close it,
    // unless a field's own key handling closes the screen.
    void keyPressEvent(QKeyEvent* event) override;
};

// A screen whose content depends on a mode chosen by the menu item that opens it.
class EcraComOpcao : public Ecra {
    Q_OBJECT
public:
    using Ecra::Ecra;

    int iOpcao = 0;
};

// A screen's command button. Screens have no default button, so none of them
// takes on the default look when it has the focus.
QPushButton* BotaoEcra(const QString& legenda, const QString& dica, QWidget* pai);

// A button that leaves or empties the screen ("&Sair", "Ca&ncelar"): pressing
// it checks no field, so it answers whatever the field being left holds.
QPushButton* BotaoSemValidacao(const QString& legenda, const QString& dica, QWidget* pai);
