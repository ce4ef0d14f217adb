#include "support/TempDatabase.h"

#include <QFile>
#include <stdexcept>

namespace zav::test {

TempDatabase::TempDatabase(const QString& fileName)
    : path_(dir_.filePath(fileName)), bd_(std::make_unique<zavCoreDataAccess2016>())
{
    QFile empty(path_); // the program opens only a database that is there
    if (!empty.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot create " + path_.toStdString());
    empty.close();
    bd_->AbreLigacao(connectionString());
}

QString TempDatabase::connectionString() const
{
    return QStringLiteral("Provider=MSDataShape;Data Provider=SQLite;Data Source=") + path_;
}

QString TempDatabase::odbcConnectionString() const
{
    return QStringLiteral("Provider=MSDataShape;Data Provider=SQLOLEDB;Driver=SQLite3;Initial Catalog=") + path_
        + QStringLiteral(";Extended Properties=\"LoadExt=") + QStringLiteral(TARVELO_SQLITE_EXTENSION) + u'"';
}

void TempDatabase::exec(std::initializer_list<QString> statements)
{
    for (const QString& sql : statements)
        bd_->ExecutaSQL(QString(), sql);
}

} // namespace zav::test
