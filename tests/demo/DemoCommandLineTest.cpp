#include "demo/DemoCommandLine.h"
#include "demo/DemoDatabase.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using demo::DemoCommandLine;

namespace {

QStringList arguments(const QStringList& rest)
{
    return QStringList{QStringLiteral("tarvelo_demo_db")} + rest;
}

TEST(DemoCommandLine, ReadsEveryOption)
{
    QString error;
    const auto command = DemoCommandLine::parse(
        arguments({"--out", "demo.db", "--scale", "500", "--seed", "9", "--config", "Tarvelo.zav", "--images",
                   "/srv/fotos/", "--today", "2025-02-28"}),
        &error);
    ASSERT_TRUE(command) << error.toStdString();
    EXPECT_EQ(command->databasePath, "demo.db");
    EXPECT_EQ(command->configPath, "Tarvelo.zav");
    EXPECT_EQ(command->imagesFolder, "/srv/fotos/");
    EXPECT_EQ(command->options.scale, 500);
    EXPECT_EQ(command->options.seed, 9u);
    EXPECT_EQ(command->options.today, QDate(2025, 2, 28));
}

TEST(DemoCommandLine, DefaultsToTheSmallDemoUpToToday)
{
    QString error;
    const auto command = DemoCommandLine::parse(arguments({"--out", "demo.db"}), &error);
    ASSERT_TRUE(command) << error.toStdString();
    EXPECT_EQ(command->options.scale, 20000);
    EXPECT_EQ(command->options.seed, 1u);
    EXPECT_EQ(command->options.today, QDate::currentDate());
    EXPECT_TRUE(command->configPath.isEmpty());
}

TEST(DemoCommandLine, RefusesWhatItCannotUse)
{
    for (const QStringList& wrong : {QStringList{}, QStringList{"--out", "d.db", "--scale", "many"},
                                     QStringList{"--out", "d.db", "--scale", "-5"},
                                     QStringList{"--out", "d.db", "--today", "31-12-2025"},
                                     QStringList{"--out", "d.db", "--colour", "red"}}) {
        QString error;
        EXPECT_FALSE(DemoCommandLine::parse(arguments(wrong), &error)) << wrong.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
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
    demo::DemoOptions options;
    options.scale = 300;
    options.today = QDate(2025, 1, 10);
    const qint64 first = demo::DemoDatabase::create(path, options).documents;
    EXPECT_EQ(demo::DemoDatabase::create(path, options).documents, first);
}

} // namespace

namespace {

TEST(DemoCommandLine, PhotosGoBesideTheDatabaseWhenAConfigurationIsWrittenWithoutAnImagesFolder)
{
    QString error;
    const auto comConfiguracao =
        DemoCommandLine::parse(arguments({"--out", "/srv/demo/demo.db", "--config", "Tarvelo.zav"}), &error);
    ASSERT_TRUE(comConfiguracao);
    EXPECT_EQ(comConfiguracao->imagesFolderOrDefault(), "/srv/demo/Imagens/") << "ends with its separator";

    const auto dada = DemoCommandLine::parse(
        arguments({"--out", "/srv/demo/demo.db", "--config", "Tarvelo.zav", "--images", "/srv/fotos/"}), &error);
    EXPECT_EQ(dada->imagesFolderOrDefault(), "/srv/fotos/");

    const auto semConfiguracao = DemoCommandLine::parse(arguments({"--out", "/srv/demo/demo.db"}), &error);
    EXPECT_EQ(semConfiguracao->imagesFolderOrDefault(), "") << "no configuration, no photos";
}

} // namespace
