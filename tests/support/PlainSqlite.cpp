#include "support/PlainSqlite.h"

#include <QChar>
#include <QList>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>

namespace zav::test {

namespace {

QString withoutTrailingBlanks(int length, const void* text)
{
    QString s = QString::fromUtf8(static_cast<const char*>(text), length);
    while (s.endsWith(u' '))
        s.chop(1);
    return s;
}

int foldedAToZ(void*, int length1, const void* text1, int length2, const void* text2)
{
    const QByteArray a = withoutTrailingBlanks(length1, text1).toUtf8();
    const QByteArray b = withoutTrailingBlanks(length2, text2).toUtf8();
    const int c = sqlite3_strnicmp(a.constData(), b.constData(), int(std::min(a.size(), b.size())));
    return c ? c : int(a.size() - b.size());
}

int foldedCodePoints(void*, int length1, const void* text1, int length2, const void* text2)
{
    const auto folded = [](const QString& s) {
        QList<uint> codes = s.toUcs4();
        for (uint& c : codes)
            c = QChar::toCaseFolded(char32_t(c));
        return codes;
    };
    const QList<uint> a = folded(withoutTrailingBlanks(length1, text1));
    const QList<uint> b = folded(withoutTrailingBlanks(length2, text2));
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end())   ? -1
           : std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end()) ? 1
                                                                                  : 0;
}

} // namespace

PlainSqlite::PlainSqlite(const QString& file)
{
    if (sqlite3_open_v2(file.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        ADD_FAILURE() << sqlite3_errmsg(db_);
}

PlainSqlite::~PlainSqlite()
{
    sqlite3_close(db_);
}

int PlainSqlite::exec(const QString& sql)
{
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &message);
    error = message ? QString::fromUtf8(message) : QString();
    sqlite3_free(message);
    return rc;
}

QString PlainSqlite::text(const QString& sql)
{
    sqlite3_stmt* statement = nullptr;
    QString result;
    if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &statement, nullptr) == SQLITE_OK
        && sqlite3_step(statement) == SQLITE_ROW)
        result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    else
        result = QStringLiteral("error: ") + QString::fromUtf8(sqlite3_errmsg(db_));
    sqlite3_finalize(statement);
    return result;
}

void PlainSqlite::loadExtension()
{
    ASSERT_EQ(sqlite3_enable_load_extension(db_, 1), SQLITE_OK);
    char* message = nullptr;
    ASSERT_EQ(sqlite3_load_extension(db_, TARVELO_SQLITE_EXTENSION, nullptr, &message), SQLITE_OK)
        << (message ? message : "");
}

void PlainSqlite::compareAsEarlierBuild(int version)
{
    ASSERT_EQ(sqlite3_create_collation_v2(db_, "ERP_NOCASE", SQLITE_UTF8, nullptr,
                                          version == 0 ? &foldedAToZ : &foldedCodePoints, nullptr),
              SQLITE_OK);
}

} // namespace zav::test
