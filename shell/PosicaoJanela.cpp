#include "shell/PosicaoJanela.h"

#include "platform/widgets/Twips.h"

#include <QSettings>
#include <cmath>

namespace {

// Twips kept while the pixels they give have not changed.
int twipsDe(int pixeis, int twipsAnteriores, int (*paraPixeis)(int), int (*paraTwips)(int))
{
    return paraPixeis(twipsAnteriores) == pixeis ? twipsAnteriores : paraTwips(pixeis);
}

int leNumero(QSettings& definicoes, const char* chave, int omissao)
{
    bool ok = false;
    const double valor = definicoes.value(QLatin1String(chave)).toString().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(valor) || std::abs(valor) > 1e9)
        return omissao;
    return int(std::lround(valor));
}

} // namespace

PosicaoJanela PosicaoJanela::le(QSettings& definicoes)
{
    const PosicaoJanela omissao;
    definicoes.beginGroup(QStringLiteral("Settings"));
    PosicaoJanela posicao;
    posicao.left = leNumero(definicoes, "MainLeft", omissao.left);
    posicao.top = leNumero(definicoes, "MainTop", omissao.top);
    posicao.width = leNumero(definicoes, "MainWidth", omissao.width);
    posicao.height = leNumero(definicoes, "MainHeight", omissao.height);
    definicoes.endGroup();
    return posicao;
}

void PosicaoJanela::grava(QSettings& definicoes) const
{
    definicoes.beginGroup(QStringLiteral("Settings"));
    definicoes.setValue(QStringLiteral("MainLeft"), QString::number(left));
    definicoes.setValue(QStringLiteral("MainTop"), QString::number(top));
    definicoes.setValue(QStringLiteral("MainWidth"), QString::number(width));
    definicoes.setValue(QStringLiteral("MainHeight"), QString::number(height));
    definicoes.endGroup();
}

QRect PosicaoJanela::emPixeis() const
{
    return QRect(zav::twipsToPixelsX(left), zav::twipsToPixelsY(top), zav::twipsToPixelsX(width),
                 zav::twipsToPixelsY(height));
}

PosicaoJanela PosicaoJanela::daJanela(const QRect& pixeis, const PosicaoJanela& restaurada)
{
    using namespace zav;
    return PosicaoJanela{twipsDe(pixeis.x(), restaurada.left, twipsToPixelsX, pixelsToTwipsX),
                         twipsDe(pixeis.y(), restaurada.top, twipsToPixelsY, pixelsToTwipsY),
                         twipsDe(pixeis.width(), restaurada.width, twipsToPixelsX, pixelsToTwipsX),
                         twipsDe(pixeis.height(), restaurada.height, twipsToPixelsY, pixelsToTwipsY)};
}
