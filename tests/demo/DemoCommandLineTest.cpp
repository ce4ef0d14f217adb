#include "demo/DemoCommandLine.h"
#include "demo/DemoDatabase.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using demo::DemoCommandLine;

namespace {

std::optional<demo::DemoCommand> parsed(const QStringList& rest)
{
    QString error;
    auto command = DemoCommandLine::parse(QStringList{QStringLiteral("tarvelo_demo_db")} + rest, &error);
    EXPECT_EQ(bool(command), error.isEmpty()) << error.toStdString();
    return command;
}

TEST(DemoCommandLine, ReadsEveryOption)
{
    const auto command = parsed({"--out", "demo.db", "--scale", "500", "--seed", "9", "--config", "Tarvelo.zav", "--images",
                                 "/srv/fotos/", "--today", "2025-02-28"});
    ASSERT_TRUE(command);
    EXPECT_EQ(command->databasePath, "demo.db");
    EXPECT_EQ(command->configPath, "Tarvelo.zav");
    EXPECT_EQ(command->imagesFolderOrDefault(), "/srv/fotos/");
    EXPECT_EQ(command->options.scale, 500);
    EXPECT_EQ(command->options.seed, 9u);
    EXPECT_EQ(command->options.today, QDate(2025, 2, 28));
}

// The small demo up to today; the photos go beside the database when a
// configuration is written without an images folder, and nowhere without one.
TEST(DemoCommandLine, DefaultsToTheSmallDemoUpToToday)
{
    const auto command = parsed({"--out", "/srv/demo/demo.db"});
    ASSERT_TRUE(command);
    EXPECT_EQ(command->options.scale, 20000);
    EXPECT_EQ(command->options.seed, 1u);
    EXPECT_EQ(command->options.today, QDate::currentDate());
    EXPECT_TRUE(command->configPath.isEmpty());
    EXPECT_EQ(command->imagesFolderOrDefault(), "");
    EXPECT_EQ(parsed({"--out", "/srv/demo/demo.db", "--config", "Tarvelo.zav"})->imagesFolderOrDefault(), "/srv/demo/Imagens/");
}

TEST(DemoCommandLine, RefusesWhatItCannotUse)
{
    for (const QStringList& wrong : {QStringList{}, QStringList{"--out", "d.db", "--scale", "many"},
                                     QStringList{"--out", "d.db", "--scale", "-5"},
                                     QStringList{"--out", "d.db", "--today", "31-12-2025"},
                                     QStringList{"--out", "d.db", "--colour", "red"}})
        EXPECT_FALSE(parsed(wrong)) << wrong.join(' ').toStdString();
}

TEST(DemoConfigFile, PointsTheProgramAtTheDatabaseByItsFullPath)
{
    QTemporaryDir folder;
    const QString config = folder.filePath("Tarvelo.zav");
    demo::DemoConfigFile::write(config, folder.filePath("sub/../demo.db"), "/srv/fotos/");

    QSettings settings(config, QSettings::IniFormat);
    EXPECT_EQ(settings.value("BaseDados/Servidor").toString(), "SQLite");
    EXPECT_EQ(settings.value("BaseDados/BaseDados").toString(), QDir::cleanPath(folder.filePath("demo.db")));
    EXPECT_EQ(settings.value("BaseDados/Utilizador").toString(), "demo");
    EXPECT_TRUE(settings.contains("BaseDados/Senha"));
    EXPECT_EQ(settings.value("Diversos/PercursoImagens").toString(), "/srv/fotos/");
}

TEST(DemoDatabase, ReplacesAnExistingFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("demo.db");
    const demo::DemoOptions options{300, 1, QDate(2025, 1, 10)};
    const qint64 first = demo::DemoDatabase::create(path, options).documents;
    EXPECT_EQ(demo::DemoDatabase::create(path, options).documents, first);
}

} // namespace
