#include "platform/data/OutgrownIndexes.h"

#include "platform/data/ErpCollation.h"
#include "platform/data/RuntimeError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <sqlite3.h>

#include <algorithm>

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

// How the company is read while it is only read: through its indexes, as the
// build that made them compared (the user_version names it), or without them.
QString howItIsRead(bool throughIndexes, int userVersion)
{
    if (!throughIndexes)
        return QStringLiteral("lê-se sem esses índices, e as listagens demoram mais");
    if (userVersion == 0)
        return QStringLiteral("os textos comparam-se como nessa versão, que só igualava maiúsculas e minúsculas de A "
                              "a Z ('ação' e 'AÇÃO' são textos diferentes) e ordenava as letras acentuadas depois do Z");
    return QStringLiteral("os textos comparam-se como nessa versão, que igualava maiúsculas e minúsculas mas não "
                          "'ß' e 'ss', e ordenava as letras acentuadas depois do Z");
}

} // namespace

bool OutgrownIndexes::present() const
{
    const QStringList version = column(QStringLiteral("PRAGMA user_version"));
    return version.value(0).toInt() != ErpCollation::instance().indexVersion();
}

QString OutgrownIndexes::rebuild() const
{
    const int userVersion = column(QStringLiteral("PRAGMA user_version")).value(0).toInt();
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
    // Found under today's comparison, before the connection reads otherwise.
    const QList<Collision> colliding = (code & 0xff) == SQLITE_CONSTRAINT ? collisions() : QList<Collision>{};
    const QString why = cause(code, text, colliding);
    QString said = QStringLiteral("Os índices desta empresa foram feitos com outra forma de comparar os textos (a de "
                                  "uma versão anterior do programa) e não puderam ser refeitos: %1. Até serem refeitos, "
                                  "a empresa abre só para consulta, e nada se grava nela: %2; o programa volta a "
                                  "tentar refazê-los da próxima vez que a abrir.")
                       .arg(why, howItIsRead(readOnly(), userVersion));
    if (colliding.isEmpty())
        return said;
    // Each row named as it is written, and found without the index.
    const Collision& first = colliding.front();
    QStringList exactly;
    for (qsizetype c = 0; c < first.columns.size(); ++c)
        exactly << QStringLiteral("%1 = %2 COLLATE BINARY").arg(quotedName(first.columns[c]), first.keys.back()[c]);
    return said
        + QStringLiteral("\n\nPara acertar as chaves, abra a empresa na consola sqlite3 com a extensão do programa "
                         "(veja no README \"Looking into the demo with the sqlite3 shell\") e, de cada grupo, apague "
                         "ou mude as que estão a mais, nomeando cada uma tal como está escrita e sem passar pelos "
                         "índices, como em:\n%1")
              .arg(QStringLiteral("DELETE FROM %1 NOT INDEXED WHERE %2;")
                       .arg(quotedName(first.table), exactly.join(QLatin1StringView(" AND "))));
}

QString OutgrownIndexes::cause(int code, const QString& message, const QList<Collision>& collisions) const
{
    switch (code & 0xff) {
    case SQLITE_CONSTRAINT: {
        QStringList named;
        for (const Collision& collision : collisions.mid(0, CollisionsNamed)) {
            QStringList keys;
            for (const QStringList& key : collision.keys)
                keys << (key.size() == 1 ? key.front() : u'(' + key.join(QLatin1StringView(", ")) + u')');
            named << QStringLiteral("%1 (%2): %3")
                         .arg(collision.table, collision.columns.join(QLatin1StringView(", ")),
                              keys.join(QLatin1StringView(" e ")));
        }
        if (collisions.size() > CollisionsNamed)
            named << QStringLiteral("e mais %1").arg(collisions.size() - CollisionsNamed);
        return QStringLiteral("há chaves que agora são iguais, e de cada grupo só uma pode ficar (%1)")
            .arg(named.join(QLatin1StringView("; ")));
    }
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("outro programa está a usar a base de dados");
    case SQLITE_READONLY:
        return QStringLiteral("o ficheiro da base de dados só pode ser lido");
    default:
        return message;
    }
}

QList<OutgrownIndexes::Collision> OutgrownIndexes::collisions() const
{
    QList<Collision> collisions;
    for (const QStringList& index : rows(QString::fromUtf8(ErpCollation::IndexesSql))) {
        if (index[2] != u"1")
            continue;
        const QString& table = index[0];
        const QStringList columns = column(
            QStringLiteral("SELECT name FROM pragma_index_info(%1) ORDER BY seqno").arg(quotedText(index[1])));
        QStringList names, literals, present;
        for (const QString& c : columns) {
            names << quotedName(c);
            literals << QStringLiteral("quote(%1)").arg(quotedName(c));
            present << quotedName(c) + QStringLiteral(" IS NOT NULL");
        }
        // Grouped without the index, whose order is the outgrown one.
        const QStringList groups = column(
            QStringLiteral("SELECT json_group_array(json_array(%1)) FROM (SELECT %2 FROM %3 NOT INDEXED WHERE %4)"
                           " GROUP BY %2 HAVING count(*) > 1")
                .arg(literals.join(u','), names.join(u','), quotedName(table), present.join(QLatin1StringView(" AND "))));
        for (const QString& group : groups) {
            Collision collision{table, columns, {}};
            for (const QJsonValue key : QJsonDocument::fromJson(group.toUtf8()).array())
                collision.keys << key.toVariant().toStringList();
            std::sort(collision.keys.begin(), collision.keys.end());
            collisions << collision;
        }
    }
    return collisions;
}

bool OutgrownIndexes::readOnly() const
{
    const bool throughIndexes = ErpCollation::registerEarlierOn(db_);
    QString sql;
    if (!throughIndexes) {
        // A temporary view named as a table stands for it in every statement
        // of this connection, and NOT INDEXED keeps the table's indexes out.
        QStringList tables;
        for (const QStringList& index : rows(QString::fromUtf8(ErpCollation::IndexesSql)))
            if (!tables.contains(index[0]))
                tables << index[0];
        for (const QString& table : tables)
            sql += QStringLiteral("CREATE TEMP VIEW %1 AS SELECT * FROM main.%1 NOT INDEXED; ").arg(quotedName(table));
    }
    char* message = nullptr;
    if (sqlite3_exec(db_, (sql + QStringLiteral("PRAGMA query_only = 1")).toUtf8().constData(), nullptr, nullptr,
                     &message) != SQLITE_OK) {
        const QString why = QString::fromUtf8(message);
        sqlite3_free(message);
        throw RuntimeError(errors::Unspecified, QStringLiteral("Não foi possível ler a empresa só para consulta: %1").arg(why));
    }
    return throughIndexes;
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
