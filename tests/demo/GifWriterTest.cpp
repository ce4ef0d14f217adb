#include "demo/DemoPhotos.h"
#include "demo/GifWriter.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

namespace {

QImage readBack(const QByteArray& gif)
{
    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer, "gif");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

TEST(GifWriter, ABusyPictureComesBackPixelForPixelThroughTheTableResets)
{
    // 216 web-safe colours in a pattern that keeps the code table filling
    // up and starting over many times.
    QImage image(300, 200, QImage::Format_RGB32);
    quint32 state = 12345;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            state = state * 1103515245u + 12345u;
            const int c = int((state >> 16) % 216);
            image.setPixel(x, y, qRgb(c / 36 * 51, c / 6 % 6 * 51, c % 6 * 51));
        }
    const QByteArray gif = demo::GifWriter::encode(image);
    EXPECT_TRUE(gif.startsWith("GIF89a"));
    EXPECT_EQ(gif.back(), ';');
    const QImage back = readBack(gif);
    ASSERT_EQ(back.size(), image.size());
    int different = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            different += back.pixel(x, y) != image.pixel(x, y) ? 1 : 0;
    EXPECT_EQ(different, 0);
}

TEST(GifWriter, OnePixelAndOneColour)
{
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(qRgb(0, 102, 204));
    EXPECT_EQ(readBack(demo::GifWriter::encode(pixel)).pixel(0, 0), qRgb(0, 102, 204));

    QImage plain(64, 64, QImage::Format_RGB32);
    plain.fill(qRgb(255, 255, 255));
    const QByteArray gif = demo::GifWriter::encode(plain);
    EXPECT_LT(gif.size(), 1000) << "a plain picture compresses";
    EXPECT_EQ(readBack(gif).pixel(63, 63), qRgb(255, 255, 255));
}

TEST(DemoPhotos, GarmentsDifferInColour)
{
    const QImage first = demo::DemoPhotos::draw(0);
    const QImage second = demo::DemoPhotos::draw(1);
    EXPECT_EQ(first.size(), QSize(189, 225));
    EXPECT_NE(first.pixel(94, 150), second.pixel(94, 150));
    EXPECT_EQ(first.pixel(2, 2), second.pixel(2, 2)) << "the same ground";
}

} // namespace
