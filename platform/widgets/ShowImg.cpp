#include "platform/widgets/ShowImg.h"

#include <QImageReader>
#include <QPainter>

namespace zav {

ShowImg::ShowImg(QWidget* parent) : QWidget(parent) {}

bool ShowImg::Mostra()
{
    QImageReader leitor(ficheiro_);
    // The extension may not tell the truth: a GIF saved as .jpg still shows.
    leitor.setDecideFormatFromContent(true);
    imagem_ = leitor.read();
    update();
    return !imagem_.isNull();
}

QRect ShowImg::areaDaImagem() const
{
    if (imagem_.isNull())
        return {};
    const QSize tamanho = imagem_.size().scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - tamanho.width()) / 2, (height() - tamanho.height()) / 2), tamanho);
}

void ShowImg::paintEvent(QPaintEvent*)
{
    if (imagem_.isNull())
        return;
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::SmoothPixmapTransform);
    pintor.drawImage(areaDaImagem(), imagem_);
}

} // namespace zav
