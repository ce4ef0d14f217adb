#pragma once

#include <QList>
#include <QString>

namespace zav {

// One piece of SQL or filter text. Joining the texts of all tokens gives back
// the input exactly, so a rewrite can replace a few tokens and keep the rest.
struct SqlToken {
    enum Kind {
        Space,      // blanks, line breaks and comments
        Word,       // names and keywords
        QuotedName, // [name] or "name"
        String,     // 'text' with doubled quotes inside
        Number,
        Date,       // #date#, only in recordset filters
        Symbol,     // operators and punctuation
    };
    Kind kind = Space;
    QString text;

    bool is(Kind k) const { return kind == k; }
    bool isWord(QLatin1StringView word) const;
    bool isSymbol(QLatin1StringView symbol) const { return kind == Symbol && text == symbol; }
    // The name a Word or QuotedName stands for, without brackets or quotes.
    QString name() const;
    // The content of a String token, quotes removed and doubled quotes undone.
    QString stringValue() const;
};

class SqlTokenizer {
public:
    enum class Mode { Sql, Filter };

    // An unterminated string or bracket is taken to the end of the text; the
    // database reports it as its own error.
    static QList<SqlToken> tokenize(const QString& text, Mode mode = Mode::Sql);
    static QString join(const QList<SqlToken>& tokens);
    static QString quoteString(const QString& value);
    static QString quoteName(const QString& name);
};

} // namespace zav
