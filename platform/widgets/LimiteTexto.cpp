#include "platform/widgets/LimiteTexto.h"

#include <QLineEdit>

namespace zav {

namespace {

// A NUL would end the statement that carries the text. One line takes no line
// break: a pasted one reads as the blank between two words.
QString limpa(QString trazido, bool umaLinha)
{
    trazido.remove(QChar(0));
    if (umaLinha) {
        trazido.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        for (const QChar quebra : {QChar(u'\r'), QChar(u'\n'), QChar(u'\t')})
            trazido.replace(quebra, QLatin1Char(' '));
    }
    return trazido;
}

} // namespace

EdicaoLimitada limitaEdicao(const QString& antes, const QString& depois, int limite, bool umaLinha)
{
    // What the edit kept of the text before it: a common start and a common
    // end, neither of them splitting a surrogate pair.
    const int menor = int(qMin(antes.size(), depois.size()));
    int inicio = 0;
    while (inicio < menor && antes[inicio] == depois[inicio])
        ++inicio;
    if (inicio > 0 && antes[inicio - 1].isHighSurrogate())
        --inicio;
    int fimComum = 0;
    while (fimComum < menor - inicio && antes[antes.size() - 1 - fimComum] == depois[depois.size() - 1 - fimComum])
        ++fimComum;
    if (fimComum > 0 && depois[depois.size() - fimComum].isLowSurrogate())
        --fimComum;

    EdicaoLimitada edicao;
    edicao.inicio = inicio;
    edicao.fim = int(depois.size()) - fimComum;
    edicao.trazido = limpa(depois.mid(inicio, edicao.fim - inicio), umaLinha);
    const int mantido = int(depois.size()) - (edicao.fim - inicio);
    if (limite > 0 && mantido + edicao.trazido.size() > limite) {
        int cabe = qMax(0, limite - mantido);
        if (cabe > 0 && edicao.trazido[cabe - 1].isHighSurrogate())
            --cabe;
        edicao.trazido.truncate(cabe);
    }
    edicao.texto = depois.left(inicio) + edicao.trazido + depois.mid(edicao.fim);
    return edicao;
}

LimiteLinha::LimiteLinha(QLineEdit& editor) : QValidator(&editor), editor_(editor), antes_(editor.text())
{
    editor_.setMaxLength(32767);
    editor_.setValidator(this);
    connect(&editor_, &QLineEdit::textChanged, this, [this](const QString& texto) { antes_ = texto; });
}

void LimiteLinha::poeTexto(const QString& texto)
{
    doPrograma_ = true;
    editor_.setText(texto);
    doPrograma_ = false;
}

QValidator::State LimiteLinha::validate(QString& input, int& pos) const
{
    if (doPrograma_ || input == antes_)
        return Acceptable;
    const EdicaoLimitada edicao = limitaEdicao(antes_, input, limite_, true);
    if (edicao.texto != input) {
        input = edicao.texto;
        pos = edicao.cursor();
    }
    return Acceptable;
}

} // namespace zav
