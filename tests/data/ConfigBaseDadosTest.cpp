// Configuration and catalogue files as users bring them from Windows: any of
// the encodings Windows editors save in, and catalogue lines as typed by hand.

#include "platform/data/ConfigBaseDados.h"
#include "platform/data/FicheiroIni.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using zav::ConfigBaseDados;

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

QByteArray encoded(const QString& text, QStringConverter::Encoding encoding, bool bom)
{
    QStringEncoder encoder(encoding, bom ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return encoder(text);
}

} // namespace

// Windows-1252 is read where the bytes are no UTF-8; Unicode with or without its mark.
TEST(ConfigFileEncoding, EveryEncodingWindowsEditorsSaveIn)
{
    const QString text = QStringLiteral("[BaseDados]\r\nServidor=erp01\r\nBaseDados=Confecções\r\nUtilizador=pé\r\nSenha=€uro–x\r\n");
    const QByteArray windows1252 = "[BaseDados]\r\nServidor=erp01\r\nBaseDados=Confec\xe7\xf5"
                                   "es\r\nUtilizador=p\xe9\r\nSenha=\x80uro\x96x\r\n";
    for (const QByteArray& bytes : {windows1252, encoded(text, QStringConverter::Utf8, false),
                                    encoded(text, QStringConverter::Utf8, true), encoded(text, QStringConverter::Utf16LE, true),
                                    encoded(text, QStringConverter::Utf16BE, true)}) {
        QTemporaryDir dir;
        ConfigBaseDados config;
        config.setFicheiro(writeFile(dir, "Tarvelo.zav", bytes));
        EXPECT_EQ(config.Servidor(), "erp01") << bytes.left(8).toHex().toStdString();
        EXPECT_EQ(config.BaseDados(), QStringLiteral("Confecções"));
        EXPECT_EQ(config.Utilizador(), QStringLiteral("pé"));
        EXPECT_EQ(config.Senha(), QStringLiteral("€uro–x"));
    }
}

TEST(Catalogue, PasswordsMayHoldBarsAndLinesWithoutADatabaseAreSkipped)
{
    QTemporaryDir dir;
    ConfigBaseDados config;
    config.setFicheiroCatalogo(writeFile(dir, "bd.sql", "-- name|server|database|user|password\r\n"
                                                        "Confec\xe7\xf5"
                                                        "es Norte|erp01|NORTE2024|tarvelo|se|gr|edo \r\n"
                                                        "Sem base|erp01||tarvelo|x\r\n"
                                                        "S\xf3 o nome\r\n"
                                                        " | | |\r\n"
                                                        "Demo|SQLite|demo.db|demo|\r\n"));
    const QList<ConfigBaseDados::EntradaCatalogo> entries = config.Catalogo();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].name, QStringLiteral("Confecções Norte"));
    EXPECT_EQ(entries[0].baseDados, "NORTE2024");
    EXPECT_EQ(entries[0].utilizador, "tarvelo");
    EXPECT_EQ(entries[0].senha, "se|gr|edo");
    EXPECT_EQ(entries[1].name, "Demo");
    EXPECT_EQ(entries[1].baseDados, dir.filePath("demo.db"));
    EXPECT_EQ(entries[1].senha, "");
}

TEST(FicheiroIni, ReadsAKeyOfASectionWhateverTheirCase)
{
    QTemporaryDir pasta;
    zav::FicheiroIni ini;
    const QString caminho = writeFile(pasta, "Tarvelo.zav",
                                      "; comment\n[BaseDados]\nServidor=SQLite\n[diversos]\n# other\n  PercursoImagens = D:\\Fotos\\ \n"
                                      "Vazio=\nsem sinal de igual\n=sem chave\n[Outra]\nPercursoImagens=nao\n");
    ini.setFicheiro(caminho);
    EXPECT_EQ(ini.LerValor("Diversos", "PercursoImagens"), "D:\\Fotos\\");
    EXPECT_EQ(ini.LerValor("DIVERSOS", "percursoimagens"), "D:\\Fotos\\");
    EXPECT_EQ(ini.LerValor("Outra", "PercursoImagens"), "nao");
    EXPECT_EQ(ini.LerValor("BaseDados", "Servidor"), "SQLite");
    EXPECT_EQ(ini.LerValor("Diversos", "Vazio"), "");
    EXPECT_EQ(ini.LerValor("Diversos", "Servidor"), "") << "a key of another section";
    EXPECT_EQ(ini.LerValor("Nenhuma", "Chave"), "");

    ini.setFicheiro(pasta.filePath("nao-existe.ini"));
    EXPECT_EQ(ini.LerValor("BaseDados", "Servidor"), "") << "a read forgets the file before";
}
