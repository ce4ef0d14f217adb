#include "demo/DemoPhotos.h"

#include "demo/GifWriter.h"
#include "demo/SqliteConnection.h"
#include "platform/data/PastasSistema.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSqlQuery>
#include <QStringList>
#include <stdexcept>

namespace demo {

namespace {

const QRgb Colours[] = {qRgb(0x1F, 0x3A, 0x68), qRgb(0xB0, 0x22, 0x2E), qRgb(0x2E, 0x7D, 0x4F), qRgb(0xE8, 0xC5, 0x47),
                        qRgb(0x5B, 0x5B, 0x5F), qRgb(0xD9, 0x84, 0x9C), qRgb(0x8A, 0x5A, 0x2B), qRgb(0x3C, 0x9D, 0xC8)};

QStringList referencesWithCards(const QString& databasePath)
{
    SqliteConnection connection(databasePath);
    QSqlQuery query(connection.database());
    if (!query.exec(QStringLiteral("SELECT Codigo FROM zav_FichaAmostra ORDER BY Codigo")))
        throw std::runtime_error("cannot read the sample cards of " + databasePath.toStdString());
    QStringList codes;
    while (query.next())
        codes << query.value(0).toString();
    return codes;
}

void saveJpg(const QImage& image, const QString& path)
{
    QImageWriter writer(path, "jpg");
    writer.setQuality(85);
    if (!writer.write(image))
        throw std::runtime_error(QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()).toStdString());
}

} // namespace

QString DemoPhotos::photoFolder(const QString& imagesFolder, const QString& databasePath)
{
    return zav::naPasta(imagesFolder, QFileInfo(databasePath).completeBaseName() + QStringLiteral("_ARTG/"));
}

QImage DemoPhotos::draw(int seed)
{
    QImage image(189, 225, QImage::Format_RGB32);
    image.fill(qRgb(0xF4, 0xF1, 0xEA));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = QColor::fromRgb(Colours[seed % int(std::size(Colours))]);

    // A shirt seen from the front: body, sleeves and an open collar.
    QPainterPath shirt;
    shirt.addPolygon(QPolygonF({{70, 30}, {30, 50}, {12, 105}, {38, 112}, {48, 85}, {48, 205}, {141, 205},
                                {141, 85}, {151, 112}, {177, 105}, {159, 50}, {119, 30}}));
    shirt.quadTo(94.5, 58, 70, 30);
    painter.setPen(QPen(colour.darker(150), 2));
    painter.setBrush(colour);
    painter.drawPath(shirt);
    // Every other garment is striped.
    if ((seed / int(std::size(Colours))) % 2 == 1 || seed % 3 == 0) {
        painter.setClipPath(shirt);
        painter.setPen(QPen(colour.lighter(160), 5));
        for (int y = 40; y < 210; y += 16)
            painter.drawLine(0, y, 189, y);
        painter.setClipping(false);
    }
    painter.setPen(QPen(colour.darker(180), 2));
    for (int y = 75; y < 200; y += 30)
        painter.drawEllipse(QPointF(94.5, y), 2.5, 2.5);
    return image;
}

PhotoCounts DemoPhotos::write(const QString& databasePath, const QString& imagesFolder)
{
    const QStringList references = referencesWithCards(databasePath);
    const QString folder = photoFolder(imagesFolder, databasePath);
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot create " + folder.toStdString());
    PhotoCounts counts;
    for (int i = 0; i < references.size(); ++i) {
        const QString base = folder + references[i];
        const bool jpg = i % 4 == 0 || i % 4 == 2;
        const bool gif = i % 4 == 1 || i % 4 == 2;
        if (jpg) {
            saveJpg(draw(i), base + QStringLiteral(".jpg"));
            ++counts.jpg;
        }
        if (gif) {
            // Where both are there, the .gif is another picture.
            GifWriter::save(draw(jpg ? i + 1 : i), base + QStringLiteral(".gif"));
            ++counts.gif;
        }
    }
    return counts;
}

} // namespace demo
