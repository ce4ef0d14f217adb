// Start-up on a configuration whose database file is not there: a mistyped
// name must stop start-up with a numbered error, never leave an empty
// database behind that later starts would fill with the add-on tables.

#include "ShellTestSupport.h"

#include "shell/FalhaNaoTratada.h"
#include "shell/mod_main.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(StartUpDatabase, MissingDatabaseFileIsANumberedErrorAndNoFileIsMade)
{
    QTemporaryDir base;
    QDir(base.path()).mkpath(QStringLiteral("TALVEX"));
    qputenv("TARVELO_PASTA_BASE", base.path().toUtf8());
    const QString typo = base.filePath("TALVEX/empresa-mal-escrita.db");
    {
        QFile config(base.filePath("TALVEX/Tarvelo.zav"));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write("[BaseDados]\nServidor=SQLite\nBaseDados=empresa-mal-escrita.db\nUtilizador=demo\nSenha=\n");
    }
    shelltest::TemporarySettings settings;
    shelltest::MessageRecorder messages;

    const int status = FalhaNaoTratada::Protege([] { mod_main::Main(QString(), {}); });
    qunsetenv("TARVELO_PASTA_BASE");
    mod_main::Termina();

    EXPECT_NE(status, 0);
    EXPECT_FALSE(QFile::exists(typo));
    ASSERT_EQ(messages.requests.size(), 1);
    EXPECT_EQ(messages.requests[0].text,
              QString::fromUtf8("Erro de execução '80004005':\n\nO ficheiro da base de dados %1 não existe.").arg(typo));
}
