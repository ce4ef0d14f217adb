#include "platform/data/RecordFilter.h"

#include "platform/data/RuntimeError.h"
#include "platform/data/SqlTokenizer.h"

#include <QRegularExpression>

namespace zav {

namespace {

[[noreturn]] void unreadable(const QString& text, const QString& why)
{
    throw RuntimeError(errors::InvalidArgument, QStringLiteral("Não é possível usar \"%1\": %2").arg(text, why));
}

int fieldNamed(const QList<FieldInfo>& fields, const QString& name)
{
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QList<SqlToken> significantTokens(const QString& text)
{
    QList<SqlToken> tokens;
    for (SqlToken& t : SqlTokenizer::tokenize(text, SqlTokenizer::Mode::Filter))
        if (!t.is(SqlToken::Space))
            tokens.append(std::move(t));
    return tokens;
}

} // namespace

struct RecordFilter::Node {
    enum Kind { And, Or, Compare } kind = Compare;
    std::shared_ptr<const Node> left, right;
    // Compare
    int field = -1;
    FieldType type = FieldType::Text;
    QString op;
    QVariant value;
    QRegularExpression pattern;

    bool matches(const std::vector<QVariant>& row) const
    {
        switch (kind) {
        case And:
            return left->matches(row) && right->matches(row);
        case Or:
            return left->matches(row) || right->matches(row);
        case Compare:
            break;
        }
        const QVariant& v = row[size_t(field)];
        if (op == u"LIKE")
            return !v.isNull() && pattern.match(fieldvalue::plainText(v)).hasMatch();
        if (value.isNull() || v.isNull()) {
            const bool bothNull = value.isNull() && v.isNull();
            return op == u"=" ? bothNull : (op == u"<>" ? !bothNull : false);
        }
        const int c = fieldvalue::compare(v, value, type);
        if (op == u"=")
            return c == 0;
        if (op == u"<>")
            return c != 0;
        if (op == u"<")
            return c < 0;
        if (op == u">")
            return c > 0;
        if (op == u"<=")
            return c <= 0;
        return c >= 0;
    }
};

namespace {

class FilterParser {
public:
    FilterParser(const QString& text, const QList<FieldInfo>& fields)
        : text_(text), fields_(fields), tokens_(significantTokens(text)) {}

    std::shared_ptr<const RecordFilter::Node> parse()
    {
        auto root = orExpression();
        if (at_ < tokens_.size())
            unreadable(text_, QStringLiteral("'%1' inesperado").arg(tokens_[at_].text));
        return root;
    }

private:
    using NodePtr = std::shared_ptr<const RecordFilter::Node>;

    const SqlToken* peek() const { return at_ < tokens_.size() ? &tokens_[at_] : nullptr; }
    const SqlToken& take()
    {
        if (at_ >= tokens_.size())
            unreadable(text_, QStringLiteral("acaba antes do tempo"));
        return tokens_[at_++];
    }

    NodePtr joined(RecordFilter::Node::Kind kind, NodePtr left, NodePtr right)
    {
        auto node = std::make_shared<RecordFilter::Node>();
        node->kind = kind;
        node->left = std::move(left);
        node->right = std::move(right);
        return node;
    }

    NodePtr orExpression()
    {
        NodePtr node = andExpression();
        while (peek() && peek()->isWord(QLatin1StringView("OR"))) {
            take();
            node = joined(RecordFilter::Node::Or, node, andExpression());
        }
        return node;
    }

    NodePtr andExpression()
    {
        NodePtr node = term();
        while (peek() && peek()->isWord(QLatin1StringView("AND"))) {
            take();
            node = joined(RecordFilter::Node::And, node, term());
        }
        return node;
    }

    NodePtr term()
    {
        if (peek() && peek()->isSymbol(QLatin1StringView("("))) {
            take();
            NodePtr inner = orExpression();
            if (!take().isSymbol(QLatin1StringView(")")))
                unreadable(text_, QStringLiteral("falta fechar um parêntese"));
            return inner;
        }
        return comparison();
    }

    NodePtr comparison()
    {
        const SqlToken& name = take();
        if (!name.is(SqlToken::Word) && !name.is(SqlToken::QuotedName))
            unreadable(text_, QStringLiteral("'%1' não é o nome de um campo").arg(name.text));
        auto node = std::make_shared<RecordFilter::Node>();
        node->field = fieldNamed(fields_, name.name());
        if (node->field < 0)
            unreadable(text_, QStringLiteral("não existe o campo '%1'").arg(name.name()));
        node->type = fields_[node->field].type;

        const SqlToken& op = take();
        static const QStringList operators = {QStringLiteral("="), QStringLiteral("<>"), QStringLiteral("<"),
                                              QStringLiteral(">"), QStringLiteral("<="), QStringLiteral(">=")};
        if (op.isWord(QLatin1StringView("LIKE")))
            node->op = QStringLiteral("LIKE");
        else if (op.is(SqlToken::Symbol) && operators.contains(op.text))
            node->op = op.text;
        else
            unreadable(text_, QStringLiteral("'%1' não é uma comparação").arg(op.text));

        const SqlToken& value = take();
        QVariant literal;
        if (value.is(SqlToken::String))
            literal = value.stringValue();
        else if (value.is(SqlToken::Number))
            literal = value.text;
        else if (value.is(SqlToken::Date))
            literal = value.text.mid(1, value.text.size() - 2);
        else if (!value.isWord(QLatin1StringView("NULL")))
            unreadable(text_, QStringLiteral("'%1' não é um valor").arg(value.text));

        if (node->op == u"LIKE") {
            QString regex = QRegularExpression::escape(literal.toString());
            regex.replace(QLatin1StringView("\\*"), QLatin1StringView(".*")).replace(QLatin1StringView("\\%"), QLatin1StringView(".*"));
            // As in the database, the text's trailing blanks need not be matched.
            regex += QStringLiteral(" *");
            node->pattern = QRegularExpression(QRegularExpression::anchoredPattern(regex),
                                               QRegularExpression::CaseInsensitiveOption
                                                   | QRegularExpression::DotMatchesEverythingOption);
        } else {
            try {
                node->value = fieldvalue::convertForComparison(literal, node->type);
            } catch (const RuntimeError& e) {
                unreadable(text_, e.description());
            }
        }
        return node;
    }

    const QString& text_;
    const QList<FieldInfo>& fields_;
    QList<SqlToken> tokens_;
    qsizetype at_ = 0;
};

} // namespace

RecordFilter RecordFilter::parse(const QString& text, const QList<FieldInfo>& fields)
{
    RecordFilter filter;
    if (!text.trimmed().isEmpty())
        filter.root_ = FilterParser(text, fields).parse();
    return filter;
}

bool RecordFilter::matches(const std::vector<QVariant>& row) const
{
    return !root_ || root_->matches(row);
}

RecordSort RecordSort::parse(const QString& text, const QList<FieldInfo>& fields)
{
    RecordSort sort;
    const QList<SqlToken> tokens = significantTokens(text);
    qsizetype at = 0;
    while (at < tokens.size()) {
        const SqlToken& name = tokens[at++];
        const int field = (name.is(SqlToken::Word) || name.is(SqlToken::QuotedName)) ? fieldNamed(fields, name.name()) : -1;
        if (field < 0)
            unreadable(text, QStringLiteral("não existe o campo '%1'").arg(name.name()));
        bool descending = false;
        if (at < tokens.size() && (tokens[at].isWord(QLatin1StringView("ASC")) || tokens[at].isWord(QLatin1StringView("DESC"))))
            descending = tokens[at++].isWord(QLatin1StringView("DESC"));
        sort.keys_.push_back(Key{field, fields[field].type, descending});
        if (at < tokens.size() && !tokens[at++].isSymbol(QLatin1StringView(",")))
            unreadable(text, QStringLiteral("os campos separam-se por vírgulas"));
    }
    return sort;
}

bool RecordSort::less(const std::vector<QVariant>& a, const std::vector<QVariant>& b) const
{
    for (const Key& key : keys_) {
        const int c = fieldvalue::compare(a[size_t(key.field)], b[size_t(key.field)], key.type);
        if (c != 0)
            return key.descending ? c > 0 : c < 0;
    }
    return false;
}

} // namespace zav
