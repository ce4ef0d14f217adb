#pragma once

#include <QDateTimeEdit>
#include <QFontMetrics>
#include <QLineEdit>

namespace zav::test {

// How many pixels the widest date ("dd-mm-yyyy" in the widest digit of the
// picker's font) needs beyond the room the picker's text has: 0 or less when
// every date reads whole. The room is the editor's own width, less the two
// pixels QLineEdit keeps clear at either side of its text.
inline int faltaParaDataInteira(const QDateTimeEdit& seletor)
{
    const QLineEdit* editor = seletor.findChild<QLineEdit*>();
    const QFontMetrics letra(editor->font());
    QChar maisLargo = QLatin1Char('0');
    for (char digito = '1'; digito <= '9'; ++digito) {
        if (letra.horizontalAdvance(QLatin1Char(digito)) > letra.horizontalAdvance(maisLargo))
            maisLargo = QLatin1Char(digito);
    }
    const QString data = QString(2, maisLargo) + '-' + QString(2, maisLargo) + '-' + QString(4, maisLargo);
    const QMargins margens = editor->textMargins();
    const int espaco = editor->contentsRect().width() - margens.left() - margens.right() - 2 * 2;
    return letra.horizontalAdvance(data) - espaco;
}

} // namespace zav::test
