#include "demo/GifWriter.h"
#include "platform/widgets/ShowImg.h"

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
    ASSERT_TRUE(foto.Mostra());
    EXPECT_EQ(foto.areaDaImagem(), QRect(0, 75, 100, 50)) << "fitted to the width, centred in the height";

    const QImage ecra = foto.grab().toImage();
    EXPECT_GT(ecra.pixelColor(20, 100).red(), 200);
    EXPECT_GT(ecra.pixelColor(80, 100).blue(), 200);
    EXPECT_EQ(ecra.pixelColor(50, 20), foto.palette().color(QPalette::Window)) << "nothing drawn above it";
}

// A GIF shows, also under a name that says JPG; what is no picture leaves the area empty.
TEST(ShowImg, ShowsAGifWhateverItsNameAndNothingForAnUnreadableFile)
{
    QTemporaryDir pasta;
    const QString gif = pasta.filePath("foto.jpg");
    demo::GifWriter::save(duasCores(40, 40), gif);
    zav::ShowImg foto;
    foto.resize(40, 40);
    foto.setFicheiro(gif);
    ASSERT_TRUE(foto.Mostra());
    EXPECT_GT(foto.grab().toImage().pixelColor(5, 20).red(), 200);

    QFile estragada(pasta.filePath("estragada.jpg"));
    ASSERT_TRUE(estragada.open(QIODevice::WriteOnly));
    estragada.write("not a picture");
    estragada.close();
    for (const QString& ficheiro : {estragada.fileName(), pasta.filePath("nao-existe.jpg")}) {
        foto.setFicheiro(ficheiro);
        EXPECT_FALSE(foto.Mostra());
        EXPECT_TRUE(foto.areaDaImagem().isEmpty());
    }
}

} // namespace
