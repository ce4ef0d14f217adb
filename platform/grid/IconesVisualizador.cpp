#include "platform/grid/IconesVisualizador.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

namespace zav {

namespace {

// Icons are drawn on a grid of 24 units, whatever their size in pixels.
constexpr qreal Unidades = 24.0;

struct Cores {
    QColor traco;   // outlines
    QColor papel;   // pages
    QColor corpo;   // the printer's body, the lens's rim
    QColor destaque; // arrows, plus and minus
};

Cores coresPara(QIcon::Mode modo)
{
    if (modo == QIcon::Disabled)
        return {QColor(0xA8, 0xA8, 0xA8), QColor(0xF2, 0xF2, 0xF2), QColor(0xD0, 0xD0, 0xD0), QColor(0xB8, 0xB8, 0xB8)};
    return {QColor(0x33, 0x33, 0x33), Qt::white, QColor(0x6B, 0x74, 0x7E), QColor(0x1F, 0x6F, 0xC4)};
}

QPen caneta(const QColor& cor, qreal largura = 1.2)
{
    QPen pen(cor, largura);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// A sheet of paper with its corner folded and a few lines of text.
void pagina(QPainter& p, const QRectF& folha, const Cores& cores, bool linhas = true)
{
    const qreal dobra = std::min(folha.width(), folha.height()) * 0.3;
    QPainterPath contorno;
    contorno.moveTo(folha.topLeft());
    contorno.lineTo(folha.right() - dobra, folha.top());
    contorno.lineTo(folha.right(), folha.top() + dobra);
    contorno.lineTo(folha.bottomRight());
    contorno.lineTo(folha.bottomLeft());
    contorno.closeSubpath();
    p.setPen(caneta(cores.traco, 1.0));
    p.setBrush(cores.papel);
    p.drawPath(contorno);
    p.drawLine(QPointF(folha.right() - dobra, folha.top()), QPointF(folha.right() - dobra, folha.top() + dobra));
    p.drawLine(QPointF(folha.right() - dobra, folha.top() + dobra), QPointF(folha.right(), folha.top() + dobra));
    if (!linhas)
        return;
    p.setPen(caneta(cores.corpo, 0.9));
    const qreal margem = folha.width() * 0.2;
    for (qreal y = folha.top() + dobra + 2; y < folha.bottom() - 1.5; y += 2.5)
        p.drawLine(QPointF(folha.left() + margem, y), QPointF(folha.right() - margem, y));
}

void impressora(QPainter& p, const Cores& cores)
{
    pagina(p, QRectF(7, 2.5, 10, 8), cores, false);
    p.setPen(caneta(cores.traco));
    p.setBrush(cores.corpo);
    p.drawRoundedRect(QRectF(3, 9.5, 18, 8.5), 2, 2);
    p.setBrush(cores.papel);
    p.drawRect(QRectF(7, 15, 10, 6.5));
    p.setPen(caneta(cores.corpo, 0.9));
    p.drawLine(QPointF(9, 17.5), QPointF(15, 17.5));
    p.drawLine(QPointF(9, 19.5), QPointF(14, 19.5));
    p.setPen(Qt::NoPen);
    p.setBrush(cores.destaque);
    p.drawEllipse(QPointF(18, 12), 1, 1);
}

// A lens; `sinal` draws a minus (-1), a plus (+1) or nothing (0) in it.
void lupa(QPainter& p, const Cores& cores, int sinal)
{
    p.setPen(caneta(cores.traco, 3.0));
    p.drawLine(QPointF(14.5, 14.5), QPointF(20.5, 20.5));
    p.setPen(caneta(cores.corpo, 1.8));
    p.setBrush(cores.papel);
    p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
    if (sinal == 0)
        return;
    p.setPen(caneta(cores.destaque, 2.0));
    p.drawLine(QPointF(6.8, 10), QPointF(13.2, 10));
    if (sinal > 0)
        p.drawLine(QPointF(10, 6.8), QPointF(10, 13.2));
}

// A filled arrowhead pointing left (-1) or right (+1), its tip at x.
void ponta(QPainter& p, const Cores& cores, qreal x, int sentido)
{
    QPolygonF triangulo;
    triangulo << QPointF(x, 12) << QPointF(x - sentido * 8, 5) << QPointF(x - sentido * 8, 19);
    p.setPen(caneta(cores.destaque, 1.0));
    p.setBrush(cores.destaque);
    p.drawPolygon(triangulo);
}

void paraPagina(QPainter& p, const Cores& cores, int sentido, bool aoExtremo)
{
    if (!aoExtremo) {
        ponta(p, cores, sentido > 0 ? 17 : 7, sentido);
        return;
    }
    ponta(p, cores, sentido > 0 ? 16 : 8, sentido);
    p.setPen(Qt::NoPen);
    p.setBrush(cores.destaque);
    p.drawRect(sentido > 0 ? QRectF(17, 5, 2.5, 14) : QRectF(4.5, 5, 2.5, 14));
}

// A curved arrow, as a browser's back and forward.
void seta(QPainter& p, const Cores& cores, int sentido)
{
    p.save();
    if (sentido > 0) {
        p.translate(Unidades, 0);
        p.scale(-1, 1);
    }
    QPainterPath curva;
    curva.moveTo(19, 19);
    curva.cubicTo(19, 11, 14, 9, 8, 9);
    p.setPen(caneta(cores.destaque, 2.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curva);
    QPolygonF cabeca;
    cabeca << QPointF(3, 9) << QPointF(9.5, 3.5) << QPointF(9.5, 14.5);
    p.setPen(caneta(cores.destaque, 1.0));
    p.setBrush(cores.destaque);
    p.drawPolygon(cabeca);
    p.restore();
}

void desenha(QPainter& p, Visualizador::Tool ferramenta, const Cores& cores)
{
    switch (ferramenta) {
    case Visualizador::ToolPrint: impressora(p, cores); break;
    case Visualizador::ToolCopy:
        pagina(p, QRectF(3, 2, 12, 15), cores);
        pagina(p, QRectF(9, 7, 12, 15), cores);
        break;
    case Visualizador::ToolFind: lupa(p, cores, 0); break;
    case Visualizador::ToolSinglePage: pagina(p, QRectF(5, 2, 14, 20), cores); break;
    case Visualizador::ToolMultiplePages:
        for (const QPointF canto : {QPointF(2, 1.5), QPointF(13, 1.5), QPointF(2, 12.5), QPointF(13, 12.5)})
            pagina(p, QRectF(canto, QSizeF(9, 10)), cores);
        break;
    case Visualizador::ToolZoomOut: lupa(p, cores, -1); break;
    case Visualizador::ToolZoomIn: lupa(p, cores, +1); break;
    case Visualizador::ToolFirstPage: paraPagina(p, cores, -1, true); break;
    case Visualizador::ToolPreviousPage: paraPagina(p, cores, -1, false); break;
    case Visualizador::ToolNextPage: paraPagina(p, cores, +1, false); break;
    case Visualizador::ToolLastPage: paraPagina(p, cores, +1, true); break;
    case Visualizador::ToolBack: seta(p, cores, -1); break;
    case Visualizador::ToolForward: seta(p, cores, +1); break;
    case Visualizador::ToolOpen:
    case Visualizador::ToolSave: break;
    }
}

class IconeDesenhado : public QIconEngine {
public:
    explicit IconeDesenhado(Visualizador::Tool ferramenta) : ferramenta_(ferramenta) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const qreal lado = std::min(rect.width(), rect.height());
        painter->translate(rect.x() + (rect.width() - lado) / 2.0, rect.y() + (rect.height() - lado) / 2.0);
        painter->scale(lado / Unidades, lado / Unidades);
        desenha(*painter, ferramenta_, coresPara(mode));
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap imagem(size);
        imagem.fill(Qt::transparent);
        QPainter painter(&imagem);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return imagem;
    }

    QIconEngine* clone() const override { return new IconeDesenhado(ferramenta_); }

private:
    Visualizador::Tool ferramenta_;
};

} // namespace

QIcon iconeFerramenta(Visualizador::Tool ferramenta)
{
    if (ferramenta == Visualizador::ToolOpen || ferramenta == Visualizador::ToolSave)
        return {};
    return QIcon(new IconeDesenhado(ferramenta));
}

} // namespace zav
