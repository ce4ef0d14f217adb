#include "demo/DemoDatabase.h"

#include "demo/CompanySchema.h"
#include "demo/SqliteConnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <stdexcept>

namespace demo {

namespace {

DemoSummary build(const QString& path, const DemoOptions& options)
{
    SqliteConnection connection(path);
    const QSqlDatabase db = connection.database();
    executeSql(db, QStringLiteral("PRAGMA journal_mode = OFF"));
    executeSql(db, QStringLiteral("PRAGMA synchronous = OFF"));
    CompanySchema::createTables(db);
    const DemoSummary summary = DemoGenerator(options).fill(db);
    CompanySchema::createIndexes(db);
    executeSql(db, QStringLiteral("PRAGMA analysis_limit = 1000"));
    executeSql(db, QStringLiteral("ANALYZE"));
    return summary;
}

} // namespace

DemoSummary DemoDatabase::create(const QString& path, const DemoOptions& options)
{
    if (QFileInfo::exists(path) && !QFile::remove(path))
        throw std::runtime_error(QStringLiteral("cannot replace %1").arg(path).toStdString());
    try {
        return build(path, options);
    } catch (...) {
        QFile::remove(path);
        throw;
    }
}

void DemoConfigFile::write(const QString& configPath, const QString& databasePath, const QString& imagesFolder)
{
    const QString text = QStringLiteral("[BaseDados]\n"
                                        "Servidor=SQLite\n"
                                        "BaseDados=%1\n"
                                        "Utilizador=demo\n"
                                        "Senha=\n"
                                        "[Diversos]\n"
                                        "PercursoImagens=%2\n")
                             .arg(QDir::toNativeSeparators(QFileInfo(databasePath).absoluteFilePath()), imagesFolder);
    QSaveFile file(configPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        throw std::runtime_error(QStringLiteral("cannot write %1: %2").arg(configPath, file.errorString()).toStdString());
}

} // namespace demo
