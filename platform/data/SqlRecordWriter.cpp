#include "platform/data/SqlRecordWriter.h"

#include "platform/data/RuntimeError.h"
#include "platform/data/SqlBackend.h"
#include "platform/data/SqlTokenizer.h"

namespace zav {

namespace {

constexpr quint32 RowNotFound = 0x80040E38;

bool isName(const SqlToken& t) { return t.is(SqlToken::Word) || t.is(SqlToken::QuotedName); }

} // namespace

std::optional<UpdatableSource> UpdatableSource::fromSelect(const QString& sql)
{
    QList<SqlToken> t;
    for (const SqlToken& token : SqlTokenizer::tokenize(sql))
        if (!token.is(SqlToken::Space))
            t.append(token);
    if (t.isEmpty() || !t.front().isWord(QLatin1StringView("SELECT")))
        return std::nullopt;

    qsizetype from = -1;
    int depth = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i].isSymbol(QLatin1StringView("(")))
            ++depth;
        else if (t[i].isSymbol(QLatin1StringView(")")))
            --depth;
        else if (depth == 0 && t[i].isWord(QLatin1StringView("FROM"))) {
            from = i;
            break;
        }
    }
    if (from < 0 || from + 1 >= t.size() || !isName(t[from + 1]))
        return std::nullopt;

    UpdatableSource source;
    qsizetype i = from + 1;
    source.table = t[i].text;
    source.bareName = t[i].name();
    while (i + 2 < t.size() && t[i + 1].isSymbol(QLatin1StringView(".")) && isName(t[i + 2])) {
        source.table += u'.' + t[i + 2].text;
        source.bareName = t[i + 2].name();
        i += 2;
    }
    ++i;
    // An alias may follow; then the statement must end or go on with its clauses.
    if (i < t.size() && t[i].isWord(QLatin1StringView("AS")))
        ++i;
    static const QStringList clauses = {QStringLiteral("WHERE"), QStringLiteral("ORDER"), QStringLiteral("GROUP")};
    if (i < t.size() && t[i].is(SqlToken::Word) && !clauses.contains(t[i].text, Qt::CaseInsensitive))
        ++i;
    if (i < t.size() && !(t[i].is(SqlToken::Word) && clauses.contains(t[i].text, Qt::CaseInsensitive)))
        return std::nullopt;
    for (; i < t.size(); ++i)
        if (t[i].isWord(QLatin1StringView("JOIN")) || t[i].isWord(QLatin1StringView("UNION")) || t[i].isSymbol(QLatin1StringView("(")))
            return std::nullopt;
    return source;
}

SqlRecordWriter::SqlRecordWriter(std::shared_ptr<SqlBackend> backend, QString table, QStringList keyColumns)
    : backend_(std::move(backend)), table_(std::move(table)), keyColumns_(std::move(keyColumns))
{
}

void SqlRecordWriter::insert(const QList<FieldInfo>& fields, const std::vector<QVariant>& row,
                             const std::vector<bool>& assigned)
{
    QStringList columns, marks;
    std::vector<QVariant> bound;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (!assigned.empty() && assigned[size_t(i)]) {
            columns << SqlTokenizer::quoteName(fields[i].name);
            marks << QStringLiteral("?");
            bound.push_back(row[size_t(i)]);
        }
    }
    if (columns.isEmpty())
        backend_->execute(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table_));
    else
        backend_->execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table_, columns.join(u", "), marks.join(u", ")),
                          bound);
}

void SqlRecordWriter::update(const QList<FieldInfo>& fields, const std::vector<QVariant>& original,
                             const std::vector<QVariant>& row)
{
    QStringList sets;
    std::vector<QVariant> bound;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QVariant& before = original[size_t(i)];
        const QVariant& after = row[size_t(i)];
        if (before.isNull() != after.isNull() || before != after) {
            sets << SqlTokenizer::quoteName(fields[i].name) + QStringLiteral(" = ?");
            bound.push_back(after);
        }
    }
    if (sets.isEmpty())
        return;
    const QString where = locator(fields, original, bound);
    requireOneRow(backend_->execute(QStringLiteral("UPDATE %1 SET %2%3").arg(table_, sets.join(u", "), where), bound));
}

void SqlRecordWriter::remove(const QList<FieldInfo>& fields, const std::vector<QVariant>& original)
{
    std::vector<QVariant> bound;
    const QString where = locator(fields, original, bound);
    requireOneRow(backend_->execute(QStringLiteral("DELETE FROM %1%2").arg(table_, where), bound));
}

QString SqlRecordWriter::locator(const QList<FieldInfo>& fields, const std::vector<QVariant>& original,
                                 std::vector<QVariant>& bound) const
{
    std::vector<qsizetype> columns;
    for (const QString& key : keyColumns_) {
        const auto it = std::find_if(fields.begin(), fields.end(),
                                     [&](const FieldInfo& f) { return f.name.compare(key, Qt::CaseInsensitive) == 0; });
        if (it == fields.end()) { // the key is not in the recordset: fall back to every value
            columns.clear();
            break;
        }
        columns.push_back(it - fields.begin());
    }
    if (columns.empty())
        for (qsizetype i = 0; i < fields.size(); ++i)
            columns.push_back(i);

    QStringList terms;
    for (qsizetype i : columns) {
        const QString name = SqlTokenizer::quoteName(fields[i].name);
        if (original[size_t(i)].isNull()) {
            terms << name + QStringLiteral(" IS NULL");
        } else {
            terms << name + QStringLiteral(" = ?");
            bound.push_back(original[size_t(i)]);
        }
    }
    return QStringLiteral(" WHERE ") + terms.join(QStringLiteral(" AND "));
}

void SqlRecordWriter::requireOneRow(int affected) const
{
    if (affected == 0)
        throw RuntimeError(RowNotFound,
                           QStringLiteral("Row cannot be located for updating. Some values may have been changed since it was last read."));
}

} // namespace zav
