#pragma once

#include <QDateTimeEdit>

namespace zav {

// The date pickers of the screens: shown "dd-mm-yyyy" with a calendar to
// drop down, holding a date and time. Tab and Shift+Tab leave the picker as
// a whole, as they leave every other control of the panel, instead of walking
// through its day, month and year.
//
// Dates are typed as users type them: a click selects the day, month or year
// clicked, and digits typed from there fill it and run on into the next
// section, so "01032026" typed from the day is 01-03-2026. A day is taken as
// typed whatever month the picker showed before (30 over a February date, then
// April), and the date is checked once it is whole; a date that does not exist
// leaves the picker on the last one that did.
//
// It holds only the dates the ERP's database can store (from 1 January 1753).
// A stored date it cannot hold (another program's) is shown as stored, and
// cannot be typed over nor stepped, until the user gives a new date in the
// calendar, which then opens on today's month with no day chosen. F4 or
// Alt+Down drops the calendar, as the mouse on the arrow does.
class SeletorData : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit SeletorData(QWidget* parent = nullptr);

    // Shows a date as stored: one it holds becomes its date; one it cannot
    // hold shows as it is, read-only, while date() is the first day it holds,
    // which then stands for nothing.
    void setDataGuardada(const QDate& data);

    // The designed size, widened where the design is too narrow for a whole
    // date beside the drop-down arrow in the picker's font.
    QSize tamanhoComDataInteira(const QSize& desenhado) const;

    void stepBy(int steps) override;

signals:
    // The user gave a date: typed it, stepped to it or picked it in the
    // calendar, the one already shown included.
    void Escolhida();
    // The focus left the picker for another control (not for its calendar,
    // nor with its window for another).
    void Deixada();

protected:
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The date being typed: the sections as typed so far, the section the
    // next digit goes to and the digits it already has.
    struct Escrita {
        bool activa = false;
        Section seccao = NoSection;
        QString digitos;
        int dia = 0;
        int mes = 0;
        int ano = 0;
    };

    void abreCalendario();
    void esqueceDataGuardada();
    bool escreveDigito(QChar digito);
    void fechaSeccao();
    void terminaEscrita();
    bool aplica();
    void mostraEscrita();

    Escrita escrita_;
    bool dataGuardada_ = false;
};

} // namespace zav
