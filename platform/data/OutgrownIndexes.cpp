#include "platform/data/OutgrownIndexes.h"

#include "platform/data/ErpCollation.h"
#include "platform/data/RuntimeError.h"

#include <sqlite3.h>

namespace zav {

namespace {

// No more collisions than a message can show are named.
constexpr qsizetype CollisionsNamed = 10;

QString quotedName(const QString& name)
{
    return u'"' + QString(name).replace(u'"', QLatin1StringView("\"\"")) + u'"';
}

QString quotedText(const QString& text)
{
    return u'\'' + QString(text).replace(u'\'', QLatin1StringView("''")) + u'\'';
}

// The indexes over a text column under the comparison: table, index, and whether the index is unique.
QString comparedIndexes()
{
    return QStringLiteral("SELECT DISTINCT m.name, il.name, il.\"unique\" FROM sqlite_schema AS m"
                          " JOIN pragma_index_list(m.name) AS il JOIN pragma_index_xinfo(il.name) AS x"
                          " WHERE m.type = 'table' AND x.key AND x.coll = %1 ORDER BY m.name, il.name")
        .arg(quotedText(QLatin1StringView(ErpCollation::Name)));
}

} // namespace

bool OutgrownIndexes::present() const
{
    const QStringList version = column(QStringLiteral("PRAGMA user_version"));
    return version.value(0).toInt() != ErpCollation::instance().indexVersion();
}

QString OutgrownIndexes::rebuild() const
{
    const QByteArray sql = QStringLiteral("BEGIN IMMEDIATE; REINDEX %1; PRAGMA user_version = %2; COMMIT")
                               .arg(QLatin1StringView(ErpCollation::Name))
                               .arg(ErpCollation::instance().indexVersion())
                               .toUtf8();
    char* message = nullptr;
    const int code = sqlite3_exec(db_, sql.constData(), nullptr, nullptr, &message);
    const QString text = QString::fromUtf8(message);
    sqlite3_free(message);
    if (code == SQLITE_OK)
        return {};
    if (!sqlite3_get_autocommit(db_))
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    return QStringLiteral("Os índices desta empresa foram feitos com outra forma de comparar os textos (a de uma "
                          "versão anterior do programa) e não puderam ser refeitos: %1. Até serem refeitos, a "
                          "empresa abre só para consulta, sem esses índices, e nada se grava nela; o programa volta "
                          "a tentar da próxima vez que a abrir.")
        .arg(cause(code, text));
}

QString OutgrownIndexes::cause(int code, const QString& message) const
{
    switch (code & 0xff) {
    case SQLITE_CONSTRAINT:
        return QStringLiteral("há chaves que agora são iguais, e de cada grupo só uma pode ficar (%1)")
            .arg(collidingKeys().join(QLatin1StringView("; ")));
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("outro programa está a usar a base de dados");
    case SQLITE_READONLY:
        return QStringLiteral("o ficheiro da base de dados só pode ser lido");
    default:
        return message;
    }
}

QStringList OutgrownIndexes::collidingKeys() const
{
    QStringList collisions;
    for (const QStringList& index : rows(comparedIndexes())) {
        if (index[2] != u"1")
            continue;
        const QString& table = index[0];
        const QStringList columns = column(
            QStringLiteral("SELECT name FROM pragma_index_info(%1) ORDER BY seqno").arg(quotedText(index[1])));
        QStringList names, quoted, present;
        for (const QString& c : columns) {
            names << quotedName(c);
            quoted << QStringLiteral("quote(%1)").arg(quotedName(c));
            present << quotedName(c) + QStringLiteral(" IS NOT NULL");
        }
        const QString key = columns.size() == 1
            ? quoted.front()
            : QStringLiteral("'(' || %1 || ')'").arg(quoted.join(QLatin1StringView(" || ', ' || ")));
        // Grouped without the index, whose order is the outgrown one.
        const QStringList groups = column(
            QStringLiteral("SELECT group_concat(chave, ' e ') FROM (SELECT %1 AS chave, %2 FROM %3 NOT INDEXED WHERE %4)"
                           " GROUP BY %2 HAVING count(*) > 1")
                .arg(key, names.join(u','), quotedName(table), present.join(QLatin1StringView(" AND "))));
        for (const QString& group : groups)
            collisions << QStringLiteral("%1 (%2): %3").arg(table, columns.join(QLatin1StringView(", ")), group);
    }
    if (collisions.size() > CollisionsNamed)
        return collisions.mid(0, CollisionsNamed) << QStringLiteral("e mais %1").arg(collisions.size() - CollisionsNamed);
    return collisions;
}

void OutgrownIndexes::avoid() const
{
    // A temporary view named as a table stands for it in every statement of
    // this connection, and NOT INDEXED keeps the table's indexes out of them.
    QStringList tables;
    for (const QStringList& index : rows(comparedIndexes()))
        if (!tables.contains(index[0]))
            tables << index[0];
    QString sql;
    for (const QString& table : tables)
        sql += QStringLiteral("CREATE TEMP VIEW %1 AS SELECT * FROM main.%1 NOT INDEXED; ").arg(quotedName(table));
    char* message = nullptr;
    if (sqlite3_exec(db_, (sql + QStringLiteral("PRAGMA query_only = 1")).toUtf8().constData(), nullptr, nullptr,
                     &message) != SQLITE_OK) {
        const QString why = QString::fromUtf8(message);
        sqlite3_free(message);
        throw RuntimeError(errors::Unspecified, QStringLiteral("Não foi possível ler a empresa sem os seus índices: %1").arg(why));
    }
}

QList<QStringList> OutgrownIndexes::rows(const QString& sql) const
{
    QList<QStringList> rows;
    sqlite3_stmt* statement = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &statement, nullptr) == SQLITE_OK) {
        while (sqlite3_step(statement) == SQLITE_ROW) {
            QStringList row;
            for (int c = 0; c < sqlite3_column_count(statement); ++c)
                row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, c)));
            rows << row;
        }
    }
    sqlite3_finalize(statement);
    return rows;
}

QStringList OutgrownIndexes::column(const QString& sql) const
{
    QStringList values;
    for (const QStringList& row : rows(sql))
        values << row.front();
    return values;
}

} // namespace zav
