#include "platform/data/SqliteDialect.h"

#include "platform/data/ErpCollation.h"
#include "platform/data/SqlTokenizer.h"

#include <QDate>
#include <QRegularExpression>

namespace zav {

namespace {

using Tokens = QList<SqlToken>;

qsizetype nextSignificant(const Tokens& t, qsizetype i)
{
    for (++i; i < t.size(); ++i)
        if (!t[i].is(SqlToken::Space))
            return i;
    return -1;
}

qsizetype previousSignificant(const Tokens& t, qsizetype i)
{
    for (--i; i >= 0; --i)
        if (!t[i].is(SqlToken::Space))
            return i;
    return -1;
}

// Index of the ")" that closes the "(" at `open`, or the last index.
qsizetype matchingParen(const Tokens& t, qsizetype open)
{
    int depth = 0;
    for (qsizetype i = open; i < t.size(); ++i) {
        if (t[i].isSymbol(QLatin1StringView("(")))
            ++depth;
        else if (t[i].isSymbol(QLatin1StringView(")")) && --depth == 0)
            return i;
    }
    return t.size() - 1;
}

bool isName(const SqlToken& token) { return token.is(SqlToken::Word) || token.is(SqlToken::QuotedName); }

// 'yyyy-mm-dd[ hh:mm:ss]' with blanks around -> "yyyy-mm-dd hh:mm:ss", or "" when it is no such date.
QString storedDateTime(const QString& text)
{
    static const QRegularExpression form(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2})(?: (\\d{2}:\\d{2}:\\d{2}))?$"));
    const auto m = form.match(text.trimmed());
    if (!m.hasMatch() || !QDate::fromString(m.captured(1), Qt::ISODate).isValid())
        return {};
    return m.captured(1) + u' ' + (m.capturedLength(2) ? m.captured(2) : QStringLiteral("00:00:00"));
}

void rewriteDateConversions(Tokens& t)
{
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (!t[i].isWord(QLatin1StringView("CONVERT")))
            continue;
        qsizetype p[7];
        qsizetype at = i;
        bool ok = true;
        for (qsizetype& k : p) {
            at = nextSignificant(t, at);
            if (at < 0) {
                ok = false;
                break;
            }
            k = at;
        }
        if (!ok || !t[p[0]].isSymbol(QLatin1StringView("(")) || !t[p[1]].isWord(QLatin1StringView("DATETIME"))
            || !t[p[2]].isSymbol(QLatin1StringView(",")) || !t[p[3]].is(SqlToken::String)
            || !t[p[4]].isSymbol(QLatin1StringView(",")) || t[p[5]].text != QLatin1StringView("102")
            || !t[p[6]].isSymbol(QLatin1StringView(")")))
            continue;
        const QString stored = storedDateTime(t[p[3]].stringValue());
        if (stored.isEmpty())
            continue;
        t.remove(i + 1, p[6] - i);
        t[i] = SqlToken{SqlToken::String, SqlTokenizer::quoteString(stored)};
    }
}

void dropSchemaPrefixes(Tokens& t)
{
    for (qsizetype i = 0; i + 1 < t.size(); ++i) {
        const bool isDbo = isName(t[i]) && t[i].name().compare(QLatin1StringView("dbo"), Qt::CaseInsensitive) == 0;
        const qsizetype before = previousSignificant(t, i);
        if (isDbo && t[i + 1].isSymbol(QLatin1StringView(".")) && (before < 0 || !t[before].isSymbol(QLatin1StringView("."))))
            t.remove(i, 2);
    }
}

bool isCompoundOperator(const SqlToken& k)
{
    return k.isWord(QLatin1StringView("UNION")) || k.isWord(QLatin1StringView("EXCEPT"))
        || k.isWord(QLatin1StringView("INTERSECT"));
}

// Whether the SELECT at `select` follows UNION [ALL], EXCEPT or INTERSECT.
bool followsCompoundOperator(const Tokens& t, qsizetype select)
{
    qsizetype before = previousSignificant(t, select);
    if (before >= 0 && t[before].isWord(QLatin1StringView("ALL")))
        before = previousSignificant(t, before);
    return before >= 0 && isCompoundOperator(t[before]);
}

// Where the SELECT that starts before `from` ends: its closing parenthesis, a
// ";", the next compound operator, or the end. The ORDER BY after the last
// SELECT of a compound orders the whole compound, so it ends that SELECT too.
qsizetype endOfSelect(const Tokens& t, qsizetype from, bool afterCompoundOperator)
{
    int depth = 0;
    for (qsizetype i = from; i < t.size(); ++i) {
        if (t[i].isSymbol(QLatin1StringView("(")))
            ++depth;
        else if (t[i].isSymbol(QLatin1StringView(")")) && --depth < 0)
            return i;
        else if (depth == 0
                 && (t[i].isSymbol(QLatin1StringView(";")) || isCompoundOperator(t[i])
                     || (afterCompoundOperator && t[i].isWord(QLatin1StringView("ORDER")))))
            return i;
    }
    return t.size();
}

// SELECT [DISTINCT] TOP n ... becomes SELECT [DISTINCT] ... LIMIT n, the LIMIT
// after the SELECT's last word (never inside a comment that ends the text). In
// a compound, where a LIMIT would limit the whole, the SELECT becomes
// SELECT * FROM (SELECT ... LIMIT n), so TOP limits its own SELECT only.
void rewriteTop(Tokens& t)
{
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (!t[i].isWord(QLatin1StringView("SELECT")))
            continue;
        qsizetype top = nextSignificant(t, i);
        if (top >= 0 && (t[top].isWord(QLatin1StringView("DISTINCT")) || t[top].isWord(QLatin1StringView("ALL"))))
            top = nextSignificant(t, top);
        if (top < 0 || !t[top].isWord(QLatin1StringView("TOP")))
            continue;
        qsizetype count = nextSignificant(t, top);
        qsizetype last = count;
        if (count >= 0 && t[count].isSymbol(QLatin1StringView("("))) {
            count = nextSignificant(t, count);
            last = count >= 0 ? nextSignificant(t, count) : -1;
            if (last < 0 || !t[last].isSymbol(QLatin1StringView(")")))
                continue;
        }
        if (count < 0 || !t[count].is(SqlToken::Number))
            continue;
        const QString n = t[count].text;
        t.remove(top, last - top + 1);
        const bool afterCompound = followsCompoundOperator(t, i);
        const qsizetype end = endOfSelect(t, top, afterCompound);
        const bool inCompound = afterCompound || (end < t.size() && isCompoundOperator(t[end]));
        const SqlToken blank{SqlToken::Space, QStringLiteral(" ")};
        Tokens limit = {blank, SqlToken{SqlToken::Word, QStringLiteral("LIMIT")}, blank, SqlToken{SqlToken::Number, n}};
        if (inCompound)
            limit.append(SqlToken{SqlToken::Symbol, QStringLiteral(")")});
        const qsizetype afterLast = previousSignificant(t, end) + 1;
        t = t.mid(0, afterLast) + limit + t.mid(afterLast);
        if (inCompound)
            t = t.mid(0, i)
                + Tokens{SqlToken{SqlToken::Word, QStringLiteral("SELECT")}, blank, SqlToken{SqlToken::Symbol, QStringLiteral("*")},
                         blank, SqlToken{SqlToken::Word, QStringLiteral("FROM")}, blank,
                         SqlToken{SqlToken::Symbol, QStringLiteral("(")}}
                + t.mid(i);
    }
}

// N'text' is SQL Server's Unicode literal; every SQLite text is Unicode already.
void dropUnicodePrefixes(Tokens& t)
{
    for (qsizetype i = 0; i + 1 < t.size(); ++i)
        if (t[i].isWord(QLatin1StringView("N")) && t[i + 1].is(SqlToken::String))
            t.remove(i);
}

// Drops the storage clauses SQLite has no use for: CLUSTERED, NONCLUSTERED,
// WITH (...), ON <filegroup> and TEXTIMAGE_ON <filegroup>.
Tokens withoutStorageOptions(const Tokens& t)
{
    Tokens out;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const SqlToken& k = t[i];
        if (k.isWord(QLatin1StringView("CLUSTERED")) || k.isWord(QLatin1StringView("NONCLUSTERED")))
            continue;
        const qsizetype next = nextSignificant(t, i);
        if (k.isWord(QLatin1StringView("WITH")) && next >= 0 && t[next].isSymbol(QLatin1StringView("("))) {
            i = matchingParen(t, next);
            continue;
        }
        if ((k.isWord(QLatin1StringView("ON")) || k.isWord(QLatin1StringView("TEXTIMAGE_ON"))) && next >= 0 && isName(t[next])) {
            i = next;
            continue;
        }
        out.append(k);
    }
    return out;
}

bool isTextType(const QString& type)
{
    static const QStringList textTypes = {QStringLiteral("char"), QStringLiteral("nchar"), QStringLiteral("varchar"),
                                          QStringLiteral("nvarchar"), QStringLiteral("text"), QStringLiteral("ntext")};
    return textTypes.contains(type, Qt::CaseInsensitive);
}

// One column definition: its type unbracketed, the ERP's comparison for text, binary(8) for timestamp.
Tokens columnDefinition(Tokens item)
{
    const qsizetype name = nextSignificant(item, -1);
    const qsizetype type = name >= 0 ? nextSignificant(item, name) : -1;
    if (type < 0 || !isName(item[type]))
        return withoutStorageOptions(item);
    const QString typeName = item[type].name();
    if (typeName.compare(QLatin1StringView("timestamp"), Qt::CaseInsensitive) == 0) {
        item[type] = SqlToken{SqlToken::Word, QStringLiteral("binary(8)")};
    } else {
        item[type] = SqlToken{SqlToken::Word, typeName};
        if (isTextType(typeName)) {
            const qsizetype args = nextSignificant(item, type);
            const qsizetype after = args >= 0 && item[args].isSymbol(QLatin1StringView("(")) ? matchingParen(item, args) : type;
            item.insert(after + 1, SqlToken{SqlToken::Word, QStringLiteral(" COLLATE ") + QLatin1StringView(ErpCollation::Name)});
        }
    }
    return withoutStorageOptions(item);
}

bool isTableConstraint(const Tokens& item)
{
    const qsizetype first = nextSignificant(item, -1);
    if (first < 0)
        return true;
    for (const char* word : {"CONSTRAINT", "PRIMARY", "UNIQUE", "FOREIGN", "CHECK"})
        if (item[first].isWord(QLatin1StringView(word)))
            return true;
    return false;
}

void rewriteCreateTable(Tokens& t)
{
    const qsizetype create = nextSignificant(t, -1);
    const qsizetype table = create >= 0 ? nextSignificant(t, create) : -1;
    if (create < 0 || table < 0 || !t[create].isWord(QLatin1StringView("CREATE")) || !t[table].isWord(QLatin1StringView("TABLE")))
        return;
    qsizetype open = table;
    while (open < t.size() && !t[open].isSymbol(QLatin1StringView("(")))
        ++open;
    if (open >= t.size())
        return;
    const qsizetype close = matchingParen(t, open);

    Tokens out = t.mid(0, open + 1);
    Tokens item;
    int depth = 0;
    auto flushItem = [&] {
        out += isTableConstraint(item) ? withoutStorageOptions(item) : columnDefinition(item);
        item.clear();
    };
    for (qsizetype i = open + 1; i < close; ++i) {
        if (t[i].isSymbol(QLatin1StringView("(")))
            ++depth;
        else if (t[i].isSymbol(QLatin1StringView(")")))
            --depth;
        if (depth == 0 && t[i].isSymbol(QLatin1StringView(","))) {
            flushItem();
            out.append(t[i]);
        } else {
            item.append(t[i]);
        }
    }
    flushItem();
    out += withoutStorageOptions(t.mid(close));
    t = out;
}

void bracketsToQuotes(Tokens& t)
{
    for (SqlToken& k : t) {
        if (k.is(SqlToken::QuotedName) && k.text.startsWith(u'['))
            k.text = u'"' + k.name().replace(u'"', QLatin1StringView("\"\"")) + u'"';
    }
}

} // namespace

QString SqliteDialect::translate(const QString& sqlServerText)
{
    Tokens tokens = SqlTokenizer::tokenize(sqlServerText);
    dropUnicodePrefixes(tokens);
    rewriteDateConversions(tokens);
    dropSchemaPrefixes(tokens);
    rewriteTop(tokens);
    rewriteCreateTable(tokens);
    bracketsToQuotes(tokens);
    return SqlTokenizer::join(tokens);
}

} // namespace zav
