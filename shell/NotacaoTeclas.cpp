#include "shell/NotacaoTeclas.h"

#include "platform/data/RuntimeError.h"

#include <QHash>

namespace {

[[noreturn]] void invalida()
{
    throw zav::RuntimeError(zav::errors::InvalidCall);
}

TeclaEnviada teclaComNome(const QString& nome)
{
    static const QHash<QString, TeclaEnviada> nomes = {
        {QStringLiteral("TAB"), {Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")}},
        {QStringLiteral("ENTER"), {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")}},
        {QStringLiteral("ESC"), {Qt::Key_Escape, Qt::NoModifier, QString(QChar(27))}},
        {QStringLiteral("BACKSPACE"), {Qt::Key_Backspace, Qt::NoModifier, QString(QChar(8))}},
        {QStringLiteral("BS"), {Qt::Key_Backspace, Qt::NoModifier, QString(QChar(8))}},
        {QStringLiteral("BKSP"), {Qt::Key_Backspace, Qt::NoModifier, QString(QChar(8))}},
        {QStringLiteral("DELETE"), {Qt::Key_Delete}},
        {QStringLiteral("DEL"), {Qt::Key_Delete}},
        {QStringLiteral("HOME"), {Qt::Key_Home}},
        {QStringLiteral("END"), {Qt::Key_End}},
        {QStringLiteral("LEFT"), {Qt::Key_Left}},
        {QStringLiteral("RIGHT"), {Qt::Key_Right}},
        {QStringLiteral("UP"), {Qt::Key_Up}},
        {QStringLiteral("DOWN"), {Qt::Key_Down}},
        {QStringLiteral("PGUP"), {Qt::Key_PageUp}},
        {QStringLiteral("PGDN"), {Qt::Key_PageDown}},
        {QStringLiteral("INSERT"), {Qt::Key_Insert}},
        {QStringLiteral("INS"), {Qt::Key_Insert}},
    };
    const QString upper = nome.toUpper();
    if (const auto it = nomes.constFind(upper); it != nomes.constEnd())
        return *it;
    if (upper.startsWith(QLatin1Char('F'))) {
        bool ok = false;
        const int numero = upper.mid(1).toInt(&ok);
        if (ok && numero >= 1 && numero <= 12)
            return {Qt::Key_F1 + numero - 1};
    }
    if (nome.size() == 1)
        return {nome.at(0).toUpper().unicode(), Qt::NoModifier, nome};
    invalida();
}

TeclaEnviada teclaDoCaracter(QChar c)
{
    if (c == QLatin1Char('~'))
        return teclaComNome(QStringLiteral("ENTER"));
    return {c.toUpper().unicode(), c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier, QString(c)};
}

} // namespace

QList<TeclaEnviada> leNotacaoTeclas(const QString& teclas)
{
    QList<TeclaEnviada> resultado;
    Qt::KeyboardModifiers modificadores = Qt::NoModifier;
    for (qsizetype i = 0; i < teclas.size(); ++i) {
        const QChar c = teclas.at(i);
        if (c == QLatin1Char('+')) { modificadores |= Qt::ShiftModifier; continue; }
        if (c == QLatin1Char('^')) { modificadores |= Qt::ControlModifier; continue; }
        if (c == QLatin1Char('%')) { modificadores |= Qt::AltModifier; continue; }
        TeclaEnviada tecla;
        if (c == QLatin1Char('{')) {
            // "{}}" names the closing brace itself.
            const qsizetype fim = teclas.indexOf(QLatin1Char('}'), i + 2);
            if (fim < 0)
                invalida();
            tecla = teclaComNome(teclas.mid(i + 1, fim - i - 1));
            i = fim;
        } else if (c == QLatin1Char('}') || c == QLatin1Char('(') || c == QLatin1Char(')')) {
            invalida();
        } else {
            tecla = teclaDoCaracter(c);
        }
        tecla.modifiers |= modificadores;
        if (tecla.key == Qt::Key_Tab && (tecla.modifiers & Qt::ShiftModifier))
            tecla.key = Qt::Key_Backtab;
        if (modificadores & (Qt::ControlModifier | Qt::AltModifier))
            tecla.text.clear();
        resultado << tecla;
        modificadores = Qt::NoModifier;
    }
    if (modificadores != Qt::NoModifier)
        invalida();
    return resultado;
}
