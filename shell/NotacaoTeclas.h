#pragma once

#include <QList>
#include <QString>
#include <Qt>

// One key stroke of a key text.
struct TeclaEnviada {
    int key = 0;                             // Qt::Key
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString text;                            // what the key types, "" for none
};

// Reads the key notation the screens send: characters stand for themselves;
// names in braces ({TAB}, {ENTER}, {ESC}, {BACKSPACE} or {BS}, {DELETE} or {DEL},
// {HOME}, {END}, {LEFT}, {RIGHT}, {UP}, {DOWN}, {PGUP}, {PGDN}, {INSERT}, {F1}..{F12})
// stand for keys, and {+}, {^}, {%}, {~}, {{}, {}} for those characters; "~" is
// Enter; "+", "^" and "%" hold Shift, Ctrl and Alt for the key that follows.
// Run-time error 5 for a text it cannot read.
QList<TeclaEnviada> leNotacaoTeclas(const QString& teclas);
