#include "platform/grid/GroupExpression.h"

#include "platform/data/RuntimeError.h"
#include "platform/grid/NumberFormat.h"

#include <variant>

namespace zav {

namespace {

using Value = std::variant<QString, double>;

QString asText(const Value& value)
{
    if (const auto* text = std::get_if<QString>(&value))
        return *text;
    return formatNumber(std::get<double>(value), {});
}

class Parser {
public:
    Parser(const QString& text, const GroupExpression::GroupCalc* calc) : text_(text), calc_(calc) {}

    Value parseAll()
    {
        Value value = concatenation();
        skipBlanks();
        if (pos_ < text_.size())
            fail();
        return value;
    }

private:
    Value concatenation()
    {
        Value value = term();
        for (skipBlanks(); accept(QLatin1Char('&')); skipBlanks())
            value = asText(value) + asText(term());
        return value;
    }

    Value term()
    {
        skipBlanks();
        if (accept(QLatin1Char('\'')))
            return quoted();
        if (accept(QLatin1Char('('))) {
            Value inner = concatenation();
            expect(QLatin1Char(')'));
            return inner;
        }
        if (pos_ < text_.size() && (text_[pos_].isDigit() || text_[pos_] == QLatin1Char('-')))
            return number();
        const QString name = word();
        if (name.compare(QLatin1String("GroupCalc"), Qt::CaseInsensitive) == 0) {
            expect(QLatin1Char('('));
            const double n = std::get<double>(number());
            expect(QLatin1Char(')'));
            return calc_ ? (*calc_)(int(n)) : 0.0;
        }
        if (name.compare(QLatin1String("Format"), Qt::CaseInsensitive) == 0) {
            expect(QLatin1Char('('));
            const Value value = concatenation();
            expect(QLatin1Char(','));
            skipBlanks();
            if (!accept(QLatin1Char('\'')))
                fail();
            const QString format = quoted();
            expect(QLatin1Char(')'));
            if (const auto* n = std::get_if<double>(&value))
                return formatNumber(*n, format);
            return std::get<QString>(value);
        }
        fail();
    }

    QString quoted()
    {
        QString result;
        while (pos_ < text_.size()) {
            const QChar c = text_[pos_++];
            if (c != QLatin1Char('\'')) {
                result += c;
                continue;
            }
            if (pos_ < text_.size() && text_[pos_] == QLatin1Char('\'')) {
                result += c;
                ++pos_;
                continue;
            }
            return result;
        }
        fail();
    }

    Value number()
    {
        skipBlanks();
        const qsizetype start = pos_;
        if (pos_ < text_.size() && text_[pos_] == QLatin1Char('-'))
            ++pos_;
        while (pos_ < text_.size() && (text_[pos_].isDigit() || text_[pos_] == QLatin1Char('.')))
            ++pos_;
        bool ok = false;
        const double n = text_.mid(start, pos_ - start).toDouble(&ok);
        if (!ok)
            fail();
        return n;
    }

    QString word()
    {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_].isLetter())
            ++pos_;
        return text_.mid(start, pos_ - start);
    }

    void skipBlanks()
    {
        while (pos_ < text_.size() && text_[pos_].isSpace())
            ++pos_;
    }

    bool accept(QChar c)
    {
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    void expect(QChar c)
    {
        skipBlanks();
        if (!accept(c))
            fail();
    }

    [[noreturn]] void fail() const
    {
        throw RuntimeError(errors::InvalidArgument,
                           QStringLiteral("Expressão de grupo inválida na posição %1: %2").arg(pos_ + 1).arg(text_));
    }

    const QString& text_;
    const GroupExpression::GroupCalc* calc_;
    qsizetype pos_ = 0;
};

} // namespace

GroupExpression::GroupExpression(QString text) : text_(std::move(text)) {}

QString GroupExpression::evaluate(const GroupCalc& groupCalc) const
{
    if (text_.trimmed().isEmpty())
        return {};
    return asText(Parser(text_, &groupCalc).parseAll());
}

void GroupExpression::validate() const
{
    if (!text_.trimmed().isEmpty())
        Parser(text_, nullptr).parseAll();
}

} // namespace zav
