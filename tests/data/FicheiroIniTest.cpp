#include "platform/data/FicheiroIni.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(FicheiroIni, ReadsAKeyOfASectionWhateverTheirCase)
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath("Tarvelo.zav");
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("; comment\n[BaseDados]\nServidor=SQLite\n[diversos]\n# other\n  PercursoImagens = D:\\Fotos\\ \n"
            "Vazio=\nsem sinal de igual\n=sem chave\n[Outra]\nPercursoImagens=nao\n");
    f.close();

    zav::FicheiroIni ini;
    ini.setFicheiro(caminho);
    EXPECT_EQ(ini.Ficheiro(), caminho);
    EXPECT_EQ(ini.LerValor("Diversos", "PercursoImagens"), "D:\\Fotos\\");
    EXPECT_EQ(ini.LerValor("DIVERSOS", "percursoimagens"), "D:\\Fotos\\");
    EXPECT_EQ(ini.LerValor("Outra", "PercursoImagens"), "nao");
    EXPECT_EQ(ini.LerValor("BaseDados", "Servidor"), "SQLite");
    EXPECT_EQ(ini.LerValor("Diversos", "Vazio"), "");
    EXPECT_EQ(ini.LerValor("Diversos", "Servidor"), "") << "a key of another section";
    EXPECT_EQ(ini.LerValor("Nenhuma", "Chave"), "");
}

TEST(FicheiroIni, AMissingFileReadsEmptyAndAReadForgetsTheFileBefore)
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath("a.ini");
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[S]\nK=1\n");
    f.close();
    zav::FicheiroIni ini;
    ini.setFicheiro(caminho);
    EXPECT_EQ(ini.LerValor("S", "K"), "1");
    ini.setFicheiro(pasta.filePath("nao-existe.ini"));
    EXPECT_EQ(ini.LerValor("S", "K"), "");
}

TEST(FicheiroIni, AFolderWrittenOnWindowsInItsCodePageKeepsItsAccents)
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath("Tarvelo.zav");
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Diversos]\r\nPercursoImagens=D:\\Cole\xe7" "\xf5" "es\\\r\n");  // Windows-1252
    f.close();
    zav::FicheiroIni ini;
    ini.setFicheiro(caminho);
    EXPECT_EQ(ini.LerValor("Diversos", "PercursoImagens"), QString::fromUtf8("D:\\Coleções\\"));
}

} // namespace
