#include "shell/IconePrograma.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor FundoClaro(0x2e, 0x75, 0xb6);
const QColor FundoEscuro(0x1b, 0x3f, 0x6b);
const QColor Letra(0xff, 0xff, 0xff);
const QColor Amostras[] = {QColor(0xe0, 0x4f, 0x3a), QColor(0xf2, 0xb1, 0x34), QColor(0x4c, 0xaf, 0x50)};

// Drawn on a grid of 16 units, so every stroke keeps its proportions and the
// smallest sizes still land on whole pixels.
QPixmap desenha(int lado)
{
    QPixmap imagem(lado, lado);
    imagem.fill(Qt::transparent);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = lado / 16.0;

    QLinearGradient fundo(0, 0, 0, lado);
    fundo.setColorAt(0, FundoClaro);
    fundo.setColorAt(1, FundoEscuro);
    QPainterPath quadrado;
    quadrado.addRoundedRect(QRectF(0.5 * u, 0.5 * u, 15 * u, 15 * u), 3 * u, 3 * u);
    p.fillPath(quadrado, fundo);

    // The "T": a bar and a stem.
    p.fillRect(QRectF(3 * u, 2.5 * u, 10 * u, 2.5 * u), Letra);
    p.fillRect(QRectF(6.75 * u, 2.5 * u, 2.5 * u, 8 * u), Letra);

    // Three colour swatches under it.
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF((2.5 + i * 4) * u, 11.5 * u, 3 * u, 2.5 * u), Amostras[i]);
    return imagem;
}

} // namespace

QIcon IconePrograma()
{
    QIcon icone;
    for (int lado : {16, 24, 32, 48, 64, 128, 256})
        icone.addPixmap(desenha(lado));
    return icone;
}
