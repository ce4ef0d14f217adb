#include "platform/data/SqlRecordWriter.h"

#include "platform/data/RuntimeError.h"
#include "platform/data/SqlBackend.h"
#include "platform/data/SqlTokenizer.h"

namespace zav {

namespace {

constexpr quint32 RowNotFound = 0x80040E38;
constexpr quint32 NotUpdatable = 0x800A0CB3;

bool isName(const SqlToken& t) { return t.is(SqlToken::Word) || t.is(SqlToken::QuotedName); }

RuntimeError rowNotFound()
{
    return RuntimeError(RowNotFound, QStringLiteral("Não foi possível localizar a linha a atualizar. Alguns valores "
                                                    "podem ter mudado desde a última leitura."));
}

} // namespace

std::optional<UpdatableSource> UpdatableSource::fromSelect(const QString& sql)
{
    QList<SqlToken> t;
    for (const SqlToken& token : SqlTokenizer::tokenize(sql))
        if (!token.is(SqlToken::Space))
            t.append(token);
    if (t.isEmpty() || !t.front().isWord(QLatin1StringView("SELECT")))
        return std::nullopt;

    // Depth in parentheses before each token: only what stands at depth 0
    // belongs to this statement; the rest are calls, lists and subqueries.
    std::vector<int> depth(size_t(t.size()));
    for (qsizetype i = 0, d = 0; i < t.size(); ++i) {
        if (t[i].isSymbol(QLatin1StringView(")")))
            --d;
        depth[size_t(i)] = int(d);
        if (t[i].isSymbol(QLatin1StringView("(")))
            ++d;
    }
    const auto atTop = [&](qsizetype i) { return depth[size_t(i)] == 0; };
    qsizetype end = t.size();
    for (qsizetype i = 0; i < t.size(); ++i)
        if (atTop(i) && t[i].isSymbol(QLatin1StringView(";"))) {
            end = i;
            break;
        }

    qsizetype from = -1;
    for (qsizetype i = 0; i < end && from < 0; ++i)
        if (atTop(i) && t[i].isWord(QLatin1StringView("FROM")))
            from = i;
    if (from < 0 || from + 1 >= end || !isName(t[from + 1]))
        return std::nullopt;

    UpdatableSource source;
    qsizetype i = from + 1;
    source.table = t[i].text;
    source.bareName = t[i].name();
    while (i + 2 < end && t[i + 1].isSymbol(QLatin1StringView(".")) && isName(t[i + 2])) {
        source.table += u'.' + t[i + 2].text;
        source.bareName = t[i + 2].name();
        i += 2;
    }
    ++i;
    // An alias may follow; then the statement must end or go on with its clauses.
    static const QStringList clauses = {QStringLiteral("WHERE"), QStringLiteral("ORDER"), QStringLiteral("GROUP")};
    const auto isClause = [&](qsizetype k) { return t[k].is(SqlToken::Word) && clauses.contains(t[k].text, Qt::CaseInsensitive); };
    if (i < end && t[i].isWord(QLatin1StringView("AS")))
        ++i;
    if (i < end && t[i].is(SqlToken::Word) && !isClause(i))
        ++i;
    if (i < end && !isClause(i))
        return std::nullopt;
    static const QStringList otherSources = {QStringLiteral("JOIN"), QStringLiteral("UNION"), QStringLiteral("EXCEPT"),
                                             QStringLiteral("INTERSECT")};
    for (; i < end; ++i)
        if (atTop(i) && t[i].is(SqlToken::Word) && otherSources.contains(t[i].text, Qt::CaseInsensitive))
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
    const QString sql = columns.isEmpty()
        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table_)
        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table_, columns.join(u", "), marks.join(u", "));
    // A trigger may quietly drop the row: that is no insert.
    writeOneRow(sql, bound, "insert",
                RuntimeError(errors::Unspecified,
                             QStringLiteral("A linha não foi inserida em %1: a base de dados não escreveu nenhuma.").arg(table_)));
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
    writeOneRow(QStringLiteral("UPDATE %1 SET %2%3").arg(table_, sets.join(u", "), where), bound, "update", rowNotFound());
}

void SqlRecordWriter::remove(const QList<FieldInfo>& fields, const std::vector<QVariant>& original)
{
    std::vector<QVariant> bound;
    const QString where = locator(fields, original, bound);
    writeOneRow(QStringLiteral("DELETE FROM %1%2").arg(table_, where), bound, "delete", rowNotFound());
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
        } else if (fields[i].type == FieldType::Currency) {
            // The value was read rounded to four places; the embedded database
            // keeps whatever it was given, so the stored one is rounded alike.
            terms << QStringLiteral("ROUND(%1, 4) = CAST(? AS decimal(19, 4))").arg(name);
            bound.push_back(original[size_t(i)]);
        } else {
            terms << name + QStringLiteral(" = ") + backend_->comparedValue(fields[i]);
            bound.push_back(original[size_t(i)]);
        }
    }
    return QStringLiteral(" WHERE ") + terms.join(QStringLiteral(" AND "));
}

void SqlRecordWriter::writeOneRow(const QString& sql, const std::vector<QVariant>& bound, const char* what,
                                  const RuntimeError& none) const
{
    // In a transaction of its own (a savepoint within the caller's), so that
    // a statement that found its row more than once changes nothing at all.
    backend_->inTransaction([&] {
        const int affected = backend_->execute(sql, bound);
        if (affected == 0)
            throw none;
        if (affected > 1)
            throw RuntimeError(errors::Unspecified, QStringLiteral("A informação das colunas-chave é insuficiente ou incorreta. "
                                                                   "%1 afetou demasiadas linhas (%2 linhas de %3).")
                                                        .arg(QLatin1StringView(what)).arg(affected).arg(table_));
    });
}

void RefusingRecordWriter::refuse()
{
    throw RuntimeError(NotUpdatable, QStringLiteral("O recordset não permite atualizações: a sua instrução não "
                                                    "indica uma única tabela onde escrever."));
}

void RefusingRecordWriter::insert(const QList<FieldInfo>&, const std::vector<QVariant>&, const std::vector<bool>&)
{
    refuse();
}

void RefusingRecordWriter::update(const QList<FieldInfo>&, const std::vector<QVariant>&, const std::vector<QVariant>&)
{
    refuse();
}

void RefusingRecordWriter::remove(const QList<FieldInfo>&, const std::vector<QVariant>&)
{
    refuse();
}

} // namespace zav
