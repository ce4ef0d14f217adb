#include "DemoTestSupport.h"

#include "demo/CompanySchema.h"

#include <QCryptographicHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

namespace demo::test {

QVariant scalar(const QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql)) {
        ADD_FAILURE() << query.lastError().text().toStdString() << "\n" << sql.toStdString();
        return {};
    }
    return query.next() ? query.value(0) : QVariant();
}

qint64 count(const QSqlDatabase& db, const QString& sql)
{
    return scalar(db, sql).toLongLong();
}

QByteArray contentHash(const QSqlDatabase& db)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString& table : CompanySchema::tableNames()) {
        QSqlQuery query(db);
        EXPECT_TRUE(query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table))) << table.toStdString();
        hash.addData(table.toUtf8());
        while (query.next()) {
            for (int i = 0; i < query.record().count(); ++i) {
                const QVariant value = query.value(i);
                hash.addData(QByteArray(value.metaType().name()) + '=' + value.toString().toUtf8() + '\x1f');
            }
            hash.addData("\x1e");
        }
    }
    return hash.result();
}

} // namespace demo::test
