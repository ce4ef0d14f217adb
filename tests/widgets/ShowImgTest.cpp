#include "demo/GifWriter.h"
#include "platform/widgets/ShowImg.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QImage duasCores(int largura, int altura)
{
    // Left half red, right half blue, to tell a stretched picture from a fitted one.
    QImage imagem(largura, altura, QImage::Format_RGB32);
    imagem.fill(Qt::red);
    for (int y = 0; y < altura; ++y)
        for (int x = largura / 2; x < largura; ++x)
            imagem.setPixelColor(x, y, Qt::blue);
    return imagem;
}

TEST(ShowImg, ShowsAJpgWholeAndCentredWithoutChangingItsShape)
{
    QTemporaryDir pasta;
    const QString jpg = pasta.filePath("larga.jpg");
    ASSERT_TRUE(duasCores(200, 100).save(jpg, "JPG"));

    zav::ShowImg foto;
    foto.resize(100, 200);
    foto.setFicheiro(jpg);
    EXPECT_EQ(foto.Ficheiro(), jpg);
    ASSERT_TRUE(foto.Mostra());
    EXPECT_EQ(foto.imagem().size(), QSize(200, 100));
    EXPECT_EQ(foto.areaDaImagem(), QRect(0, 75, 100, 50)) << "fitted to the width, centred in the height";

    const QImage ecra = foto.grab().toImage();
    EXPECT_GT(ecra.pixelColor(20, 100).red(), 200);
    EXPECT_GT(ecra.pixelColor(80, 100).blue(), 200);
    EXPECT_EQ(ecra.pixelColor(50, 20), foto.palette().color(QPalette::Window)) << "nothing drawn above it";
}

TEST(ShowImg, ShowsAGifAndAnUnreadableFileLeavesTheAreaEmpty)
{
    QTemporaryDir pasta;
    const QString gif = pasta.filePath("foto.gif");
    demo::GifWriter::save(duasCores(40, 40), gif);
    zav::ShowImg foto;
    foto.resize(40, 40);
    foto.setFicheiro(gif);
    ASSERT_TRUE(foto.Mostra());
    EXPECT_GT(foto.grab().toImage().pixelColor(5, 20).red(), 200);

    const QString estragada = pasta.filePath("estragada.jpg");
    QFile f(estragada);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();
    foto.setFicheiro(estragada);
    EXPECT_FALSE(foto.Mostra());
    EXPECT_TRUE(foto.imagem().isNull());
    EXPECT_TRUE(foto.areaDaImagem().isEmpty());

    foto.setFicheiro(pasta.filePath("nao-existe.jpg"));
    EXPECT_FALSE(foto.Mostra());
}

TEST(ShowImg, APictureWhoseExtensionLiesStillShows)
{
    QTemporaryDir pasta;
    const QString falsoJpg = pasta.filePath("foto.jpg");
    demo::GifWriter::save(duasCores(10, 10), falsoJpg);
    zav::ShowImg foto;
    foto.setFicheiro(falsoJpg);
    EXPECT_TRUE(foto.Mostra());
}

} // namespace
