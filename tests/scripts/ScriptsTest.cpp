// What the two commands of the README build and run, on a machine whose
// cmake, ctest and package query are stand-ins that write down how they were
// called, and whose build folder holds stand-ins of the program and of the
// demo company's generator.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Scripts : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(ferramentas()) && QDir().mkpath(build()));
        // Every package is there: nothing is installed.
        standIn(ferramentas() + "/dpkg-query", "echo 'install ok installed'");
        for (const char* nome : {"cmake", "ctest"})
            standIn(ferramentas() + "/" + nome, QStringLiteral("echo \"%1 $*\" >> \"%2\"").arg(nome, registo()));
        standIn(build() + "/tarvelo_demo_db", "touch \"$2\" \"$4\"");
        standIn(build() + "/tarvelo", QStringLiteral("echo \"tarvelo $*\" >> \"%1\"").arg(registo()));
    }

    // The lines the stand-ins wrote, in order, the build folder written "BUILD".
    QStringList corre(const char* script, const QStringList& argumentos = {})
    {
        QProcess bash;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert("PATH", ferramentas() + ":" + ambiente.value("PATH"));
        ambiente.insert("TARVELO_BUILD_DIR", build());
        bash.setProcessEnvironment(ambiente);
        bash.start("bash", QStringList{QStringLiteral(TARVELO_SCRIPTS_DIR "/") + script} + argumentos);
        EXPECT_TRUE(bash.waitForFinished(60000));
        EXPECT_EQ(bash.exitCode(), 0) << bash.readAllStandardError().toStdString();
        QFile f(registo());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).replace(build(), "BUILD").split(u'\n', Qt::SkipEmptyParts);
    }
    // The build command's targets, "" for every target.
    static std::string alvos(const QStringList& linhas)
    {
        for (const QString& linha : linhas)
            if (linha.startsWith("cmake --build"))
                return linha.contains("--target") ? linha.mid(linha.indexOf("--target") + 9).toStdString() : "";
        return "no build";
    }

    QString ferramentas() const { return pasta.filePath("bin"); }
    QString build() const { return pasta.filePath("build"); }
    QString registo() const { return pasta.filePath("chamadas.txt"); }

    QTemporaryDir pasta;

private:
    static void standIn(const QString& caminho, const QString& corpo)
    {
        QFile f(caminho);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(("#!/bin/sh\n" + corpo + "\n").toUtf8());
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    }
};

} // namespace

// The first start builds the program and the generator of the demo company it
// opens, not the tests nor the benchmarks; the demo company is made once.
TEST_F(Scripts, RunDemoBuildsOnlyWhatItStarts)
{
    const QStringList linhas = corre("run-demo.sh", {"outra.zav"});
    EXPECT_EQ(alvos(linhas), "tarvelo tarvelo_demo_db");
    ASSERT_FALSE(linhas.isEmpty());
    EXPECT_EQ(linhas.last().toStdString(), "tarvelo outra.zav") << "the program, started last, with the command line given";
    EXPECT_TRUE(QFile::exists(build() + "/tarvelo-demo.db") && QFile::exists(build() + "/Tarvelo.zav"));
}

// The tests' command builds everything (the tests and benchmarks with the
// program), then runs the tests.
TEST_F(Scripts, TheTestCommandBuildsEveryTargetThenRunsTheTests)
{
    const QStringList linhas = corre("test.sh");
    EXPECT_EQ(alvos(linhas), "");
    ASSERT_FALSE(linhas.isEmpty());
    EXPECT_TRUE(linhas.last().startsWith("ctest ")) << linhas.last().toStdString();
}
