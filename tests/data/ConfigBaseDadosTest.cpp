// Configuration and catalogue files as users bring them from Windows: any of
// the encodings Windows editors save in, and catalogue lines as typed by hand.

#include "platform/data/ConfigBaseDados.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using zav::ConfigBaseDados;

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray encoded(const QString& text, QStringConverter::Encoding encoding, bool bom)
{
    QStringEncoder encoder(encoding, bom ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return encoder(text);
}

// "Confecções", "pé", "€uro–x" in Windows-1252: not valid UTF-8.
const QByteArray Windows1252Config = "[BaseDados]\r\nServidor=erp01\r\nBaseDados=Confec\xe7\xf5"
                                     "es\r\nUtilizador=p\xe9\r\nSenha=\x80uro\x96x\r\n";

} // namespace

TEST(ConfigFileEncoding, Windows1252IsReadWhenTheBytesAreNotUtf8)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Tarvelo.zav");
    writeBytes(path, Windows1252Config);
    ConfigBaseDados config;
    config.setFicheiro(path);
    EXPECT_EQ(config.Servidor(), "erp01");
    EXPECT_EQ(config.BaseDados(), QStringLiteral("Confecções"));
    EXPECT_EQ(config.Utilizador(), QStringLiteral("pé"));
    EXPECT_EQ(config.Senha(), QStringLiteral("€uro–x"));
}

TEST(ConfigFileEncoding, UnicodeFilesWithOrWithoutTheirMark)
{
    const QString text = QStringLiteral("[BaseDados]\r\nServidor=erp01\r\nBaseDados=Confecções\r\nUtilizador=Ana\r\nSenha=€\r\n");
    struct Case {
        QStringConverter::Encoding encoding;
        bool bom;
    };
    for (const Case c : {Case{QStringConverter::Utf8, false}, Case{QStringConverter::Utf8, true},
                         Case{QStringConverter::Utf16LE, true}, Case{QStringConverter::Utf16BE, true}}) {
        QTemporaryDir dir;
        const QString path = dir.filePath("Tarvelo.zav");
        writeBytes(path, encoded(text, c.encoding, c.bom));
        ConfigBaseDados config;
        config.setFicheiro(path);
        const std::string which = std::string(QStringConverter::nameForEncoding(c.encoding)) + (c.bom ? " with mark" : "");
        EXPECT_EQ(config.Servidor(), "erp01") << which;
        EXPECT_EQ(config.BaseDados(), QStringLiteral("Confecções")) << which;
        EXPECT_EQ(config.Senha(), QStringLiteral("€")) << which;
    }
}

TEST(Catalogue, PasswordsMayHoldBarsAndLinesWithoutADatabaseAreSkipped)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bd.sql");
    writeBytes(path, "-- name|server|database|user|password\r\n"
                     "Confec\xe7\xf5"
                     "es Norte|erp01|NORTE2024|tarvelo|se|gr|edo \r\n"
                     "Sem base|erp01||tarvelo|x\r\n"
                     "S\xf3 o nome\r\n"
                     " | | |\r\n"
                     "Demo|SQLite|demo.db|demo|\r\n");
    ConfigBaseDados config;
    config.setFicheiroCatalogo(path);
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
