#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zav {
class zavCoreDataAccess2016;
}

// One of the add-on's own tables in the company database: how to tell that it
// is there, and how to create it. The one definition of each: the program
// creates them at start-up, and the demo company the one it fills, from the
// same statement, so both compare their texts as the ERP does.
struct TabelaAdicional {
    QString nome;
    QString colunaChave;  // its first key column, read by the probe
    QString criacao;      // the CREATE TABLE statement

    // "select Chave from  zav_TabLiv01 ": fails when the table is missing.
    QString sondagem() const;
};

// The per-language tables and the long article texts, in the order they are created.
const QList<TabelaAdicional>& tabelasIdiomas();
// The sample-card data.
const QList<TabelaAdicional>& tabelasFichaAmostra();

// Probes each table on its own and creates the missing ones, in the list's order,
// so a set left half created by an earlier start is completed. A probe that
// fails for another reason than a missing table, or a CREATE that fails,
// raises its run-time error. Gives the names of the tables created.
QStringList criaTabelasEmFalta(zav::zavCoreDataAccess2016& bd, const QList<TabelaAdicional>& tabelas);
