#include "platform/data/SqlTokenizer.h"

namespace zav {

bool SqlToken::isWord(QLatin1StringView word) const
{
    return kind == Word && text.compare(word, Qt::CaseInsensitive) == 0;
}

QString SqlToken::name() const
{
    if (kind != QuotedName)
        return text;
    const QChar close = text.front() == u'[' ? u']' : u'"';
    QString inner = text.mid(1, text.endsWith(close) ? text.size() - 2 : text.size() - 1);
    return inner.replace(QString(2, close), QString(close));
}

QString SqlToken::stringValue() const
{
    QString inner = text.mid(1, text.endsWith(u'\'') && text.size() > 1 ? text.size() - 2 : text.size() - 1);
    return inner.replace(QLatin1StringView("''"), QLatin1StringView("'"));
}

namespace {

bool isNameStart(QChar c) { return c.isLetter() || c == u'_' || c == u'@'; }
bool isNamePart(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'$' || c == u'#'; }

// Index just past a quoted run that starts at `from` and closes with `close`,
// where a doubled `close` stands for itself.
qsizetype endOfQuoted(const QString& s, qsizetype from, QChar close)
{
    qsizetype i = from + 1;
    while (i < s.size()) {
        if (s[i] == close) {
            if (i + 1 < s.size() && s[i + 1] == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return s.size();
}

qsizetype endOfNumber(const QString& s, qsizetype i)
{
    while (i < s.size() && s[i].isDigit())
        ++i;
    if (i < s.size() && s[i] == u'.') {
        ++i;
        while (i < s.size() && s[i].isDigit())
            ++i;
    }
    if (i + 1 < s.size() && (s[i] == u'e' || s[i] == u'E')
        && (s[i + 1].isDigit() || ((s[i + 1] == u'+' || s[i + 1] == u'-') && i + 2 < s.size() && s[i + 2].isDigit()))) {
        i += 2;
        while (i < s.size() && s[i].isDigit())
            ++i;
    }
    return i;
}

qsizetype endOfSpace(const QString& s, qsizetype i)
{
    while (i < s.size()) {
        if (s[i].isSpace()) {
            ++i;
        } else if (s.mid(i, 2) == u"--") {
            const qsizetype eol = s.indexOf(u'\n', i);
            i = eol < 0 ? s.size() : eol + 1;
        } else if (s.mid(i, 2) == u"/*") {
            const qsizetype end = s.indexOf(u"*/", i + 2);
            i = end < 0 ? s.size() : end + 2;
        } else {
            break;
        }
    }
    return i;
}

} // namespace

QList<SqlToken> SqlTokenizer::tokenize(const QString& s, Mode mode)
{
    static const QStringList twoCharSymbols = {QStringLiteral("<="), QStringLiteral(">="), QStringLiteral("<>"),
                                              QStringLiteral("!="), QStringLiteral("||")};
    QList<SqlToken> tokens;
    qsizetype i = 0;
    while (i < s.size()) {
        const QChar c = s[i];
        SqlToken::Kind kind;
        qsizetype end;
        if (const qsizetype spaceEnd = endOfSpace(s, i); spaceEnd > i) {
            kind = SqlToken::Space;
            end = spaceEnd;
        } else if (c == u'\'') {
            kind = SqlToken::String;
            end = endOfQuoted(s, i, u'\'');
        } else if (c == u'[') {
            kind = SqlToken::QuotedName;
            end = endOfQuoted(s, i, u']');
        } else if (c == u'"' && mode == Mode::Sql) {
            kind = SqlToken::QuotedName;
            end = endOfQuoted(s, i, u'"');
        } else if (c == u'#' && mode == Mode::Filter) {
            kind = SqlToken::Date;
            const qsizetype close = s.indexOf(u'#', i + 1);
            end = close < 0 ? s.size() : close + 1;
        } else if (c.isDigit() || (c == u'.' && i + 1 < s.size() && s[i + 1].isDigit())) {
            kind = SqlToken::Number;
            end = endOfNumber(s, i);
        } else if (isNameStart(c) || (c == u'#' && mode == Mode::Sql)) {
            kind = SqlToken::Word;
            end = i + 1;
            while (end < s.size() && isNamePart(s[end]))
                ++end;
        } else {
            kind = SqlToken::Symbol;
            end = twoCharSymbols.contains(s.mid(i, 2)) ? i + 2 : i + 1;
        }
        tokens.append(SqlToken{kind, s.mid(i, end - i)});
        i = end;
    }
    return tokens;
}

QString SqlTokenizer::join(const QList<SqlToken>& tokens)
{
    QString out;
    for (const SqlToken& t : tokens)
        out += t.text;
    return out;
}

QString SqlTokenizer::quoteString(const QString& value)
{
    QString inner = value;
    return u'\'' + inner.replace(u'\'', QLatin1StringView("''")) + u'\'';
}

QString SqlTokenizer::quoteName(const QString& name)
{
    QString inner = name;
    return u'[' + inner.replace(u']', QLatin1StringView("]]")) + u']';
}

} // namespace zav
