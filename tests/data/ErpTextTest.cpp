// Text in the company database: ordered and held equal as the ERP's SQL Server
// does, in the program and through the sqlite3 shell's extension alike, and
// matched by LIKE as = holds it.

#include "platform/data/ErpCollation.h"
#include "platform/data/ErpText.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "support/PlainSqlite.h"
#include "support/TempDatabase.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <random>

using namespace zav;
using zav::test::PlainSqlite;
using zav::test::TempDatabase;

namespace {

QString sqlText(const QString& text)
{
    return u'\'' + SqlTexto(text) + u'\'';
}

int sign(int n)
{
    return (n > 0) - (n < 0);
}

// The company as the program opens it, and the same file in the sqlite3 shell
// with the program's extension loaded.
class ComparedText : public ::testing::Test {
protected:
    ComparedText() { shell.loadExtension(); }

    QStringList program(const QString& sql)
    {
        QStringList values;
        for (RecordsetPtr rs = empresa.bd().AbreRecordset(QString(), sql); !rs->Eof(); rs->MoveNext())
            values << rs->Fields(0).text();
        return values;
    }
    // Both answers of a one-value query, "program | shell".
    QString both(const QString& sql) { return program(sql).join(u',') + " | " + shell.text(sql); }

    TempDatabase empresa;
    PlainSqlite shell{empresa.path()};
};

} // namespace

TEST_F(ComparedText, AccentedLettersSortAmongTheirBaseLettersAndCaseAndTrailingBlanksGroup)
{
    empresa.exec({"CREATE TABLE Cores (Descr nvarchar(20) NULL)"});
    for (const char* descr : {"Azul", "Cor", "Eva", "Zíper", "Ágata", "Écharpe", "cao", "ção", "coração", "AZUL", "azul  "})
        empresa.exec({"insert into Cores values (" + sqlText(QString::fromUtf8(descr)) + ")"});
    const QStringList erpOrder =
        QString::fromUtf8("Ágata,cao,ção,Cor,coração,Écharpe,Eva,Zíper").split(u',');
    EXPECT_EQ(program("select Descr from Cores where Descr <> 'azul' order by Descr"), erpOrder);
    EXPECT_EQ(program("select count(*) from Cores group by Descr order by Descr"),
              QStringList({"1", "3", "1", "1", "1", "1", "1", "1", "1"}));
    EXPECT_EQ(shell.text("select group_concat(Descr) from (select Descr from Cores where Descr <> 'azul' order by Descr)"),
              erpOrder.join(u','));
}

// Equal where Unicode holds two texts to be the same letters, or SQL Server
// reads a ligature as its letters; apart where an accent, a letter or a
// leading blank tells them apart. The same in memory (recordsets, keys).
TEST_F(ComparedText, EqualWhereTheErpHoldsThemEqual)
{
    const struct {
        const char *a, *b;
        bool equal;
    } cases[] = {
        {"ção", "ÇÃO", true},      {"ENC ", "enc", true},   {"ß", "ss", true},        {"maße", "MASSE", true},
        {"ẞ", "ss", true},         {"œuvre", "OEUVRE", true}, {"Æ", "ae", true},     {"é", "e\u0301", true},
        {"Ａ", "a", true},          {"ﬁo", "FIO", true},     {"cao", "ção", false},    {"ı", "I", false},
        {"a-b", "ab", false},      {" a", "a", false},      {"ß", "s", false},        {"e\u0301", "e", false},
    };
    for (const auto& c : cases) {
        const QString a = QString::fromUtf8(c.a), b = QString::fromUtf8(c.b);
        const QString equal = c.equal ? "1" : "0";
        EXPECT_EQ(both("select " + sqlText(a) + " = " + sqlText(b) + " COLLATE ERP_NOCASE"), equal + " | " + equal)
            << c.a << " = " << c.b;
        EXPECT_EQ(erptext::equal(a, b), c.equal) << c.a << " = " << c.b;
    }
}

TEST_F(ComparedText, LikeMatchesWhatEqualHoldsEqualAndLeavesTheTextsTrailingBlanks)
{
    const struct {
        const char *text, *pattern;
        bool matches;
    } cases[] = {
        {"ABC ", "abc", true},       {"ABC  ", "ABC ", true},   {"ABC", "ABC ", false},     {"ABC  x", "ABC", false},
        {"maße", "MASS%", true},     {"maße", "mas%", false},   {"maße", "ma_e", true},     {"masse", "ma_e", false},
        {"Œuvre", "oe%", true},      {"Écharpe", "e%", false},  {"Écharpe", "é%", true},    {"e\u0301charpe", "É_HARPE", true},
        {"e\u0301", "_", true},      {"é", "e_", false},        {"Ａzul", "%AZUL%", true},   {"ﬁo", "fi_", true},
        {"ı1", "I%", false},         {"ação", "%ÇÃ%", true},     {"100%", "100!%", true},    {"1000", "100!%", false},
        {"a_b", "a!_b", true},       {"axb", "a!_b", false},    {"abcbc", "a%bc", true},    {"abcb", "a%bc", false},
        {"", "%", true},             {"x", "", false},          {"  ", "", true},           {"CM1001", "cm1%", true},
        // Trailing blanks after a '%', and in a text weighed letter by letter ('ß' is two letters).
        {"ABC ", "%c", true},        {"CM1001  ", "%1001", true}, {"CM1001  ", "%1001 ", true}, {"CM1001 x", "%1001", false},
        {"maße ", "MASSE", true},    {"maße  ", "%SSE", true},  {"maße x", "%SSE", false},  {"maße  ", "MASSE ", true},
        // A match may begin at a character of three bytes or four.
        {"xyﬁo", "%fi%", true},      {"xyＡz", "%az", true},     {"xy𝐀z", "%AZ", true},      {"xyﬁo", "%fo%", false},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text), pattern = QString::fromUtf8(c.pattern);
        const QString matches = c.matches ? "1" : "0";
        EXPECT_EQ(both("select " + sqlText(text) + " like " + sqlText(pattern) + " escape '!'"), matches + " | " + matches)
            << c.text << " like " << c.pattern;
    }
    EXPECT_EQ(both(QString::fromUtf8("select 'a%' like 'a¤%' escape '¤'")), "1 | 1");
    EXPECT_EQ(shell.text("select 'a' like 'a' escape '!!'"), "error: ESCAPE expression must be a single character");
}

// Texts made of letters that are equal in several spellings: LIKE with a
// pattern without wildcards matches exactly the texts = holds equal to it,
// whether the pattern stays from row to row or changes with each.
TEST_F(ComparedText, LikeWithoutWildcardsAgreesWithEqualOnRandomTexts)
{
    const QStringList pieces = QString::fromUtf8("a,A,á,Á,a\u0301,s,S,ß,ẞ,e,É,e\u0301,o,œ,Œ,Ａ,f,i,ﬁ,c,ç,Ç,ı,I, ,-").split(u',');
    std::mt19937 random(24);
    const auto text = [&] {
        QString t;
        for (int n = int(random() % 5); n >= 0; --n)
            t += pieces[int(random() % pieces.size())];
        return t;
    };
    empresa.exec({"CREATE TABLE Pares (a nvarchar(40) NULL, b nvarchar(40) NULL)"});
    for (int i = 0; i < 3000; ++i) {
        QString b = text();
        while (b.endsWith(u' ')) // = would ignore them, LIKE matches them
            b.chop(1);
        empresa.exec({"insert into Pares values (" + sqlText(text()) + ", " + sqlText(b) + ")"});
    }
    empresa.exec({"insert into Pares select b, b from Pares", "insert into Pares select upper(a), b from Pares"});
    EXPECT_GT(program("select count(*) from Pares where a = b").front().toInt(), 3000) << "the texts meet often";
    EXPECT_EQ(both("select count(*) from Pares where (a = b) <> (a like b)"), "0 | 0");
    const QString fixed = program("select b from Pares where length(b) > 3 limit 1").front();
    EXPECT_EQ(both("select count(*) from Pares where (a = " + sqlText(fixed) + ") <> (a like " + sqlText(fixed) + ")"),
              "0 | 0");
}

// The shortcut for texts of plain ASCII gives the collator's own answer,
// which the comparison of texts in memory (UTF-16) asks ICU for every time.
TEST(ErpCollation, PlainTextsTakeTheCollatorsOrder)
{
    const ErpCollation& collation = ErpCollation::instance();
    std::mt19937 random(6);
    const QStringList rare = QString::fromUtf8("é,É,è,á,Á,ã,ç,Ç,ª,·,ŀ,ı,ß,e\u0301,\u0301,Ａ,œ,\uFDD1").split(u',');
    QList<QByteArray> texts;
    for (int i = 0; i < 600; ++i) {
        QString t;
        for (int n = int(random() % 7); n > 0; --n) {
            const int pick = int(random() % 100);
            // Mostly letters, digits and blanks, where texts meet; any ASCII,
            // control bytes too; and letters with accents, ligatures, an accent
            // alone, the middle dot that joins 'L' in a contraction.
            t += pick < 60   ? QChar(u"aAbBlL0 -zZ"[random() % 11])
                 : pick < 80 ? QString(QChar(char16_t(random() % 128)))
                             : rare[int(random() % rare.size())];
        }
        texts << t.toUtf8();
    }
    // Short texts of a few letters, many of them the same but for accents or case.
    const QStringList few = QString::fromUtf8("a,á,ã,A,Á,ª,e\u0301,b").split(u',');
    for (int i = 0; i < 200; ++i)
        texts << (few[int(random() % few.size())] + few[int(random() % few.size())]).toUtf8();
    for (const QByteArray& a : texts) {
        const QString a16 = QString::fromUtf8(a);
        for (const QByteArray& b : texts) {
            const QString b16 = QString::fromUtf8(b);
            const int utf8 = sign(collation.compare(a.constData(), int(a.size()), b.constData(), int(b.size())));
            ASSERT_EQ(utf8, sign(erptext::compare(a16, b16)))
                << a.toHex().constData() << " vs " << b.toHex().constData();
            ASSERT_EQ(utf8, -sign(collation.compare(b.constData(), int(b.size()), a.constData(), int(a.size()))));
        }
    }
}

// Bytes that are not well-formed UTF-8 (a stray continuation byte, a sequence
// cut short) may stand in a text another program wrote: they compare, in an
// order that holds, instead of stopping the comparison.
TEST(ErpCollation, MalformedTextsCompareInAnOrderThatHolds)
{
    const ErpCollation& collation = ErpCollation::instance();
    const QList<QByteArray> texts{"e\x8E", "e\xCD\x94", "e", "E", "e\xCD", "e\x8E\x8E", "\x8E" "e", "ea", "e\xC3\xA1",
                                  "e\xC3", "\xC3\xA9", "\xE2\x82", "e\xE2\x82\xAC", "eb\x8E", "Eb"};
    const auto compare = [&](const QByteArray& a, const QByteArray& b) {
        return sign(collation.compare(a.constData(), int(a.size()), b.constData(), int(b.size())));
    };
    for (const QByteArray& a : texts)
        for (const QByteArray& b : texts) {
            ASSERT_EQ(compare(a, b), -compare(b, a)) << a.toHex().constData() << " vs " << b.toHex().constData();
            for (const QByteArray& c : texts)
                if (compare(a, b) <= 0 && compare(b, c) <= 0)
                    ASSERT_LE(compare(a, c), 0) << a.toHex().constData() << ", " << b.toHex().constData() << ", "
                                                << c.toHex().constData();
        }
}
