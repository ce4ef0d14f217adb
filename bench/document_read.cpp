// Every line of the demo company of one million document lines, with its
// document's date, read through the data-access object to its end, against
// its floor: the same statement stepped by SQLite alone, each column read as
// the engine stores it. Prints both medians, their ratio and the rows read.
//
// The year's statistical return, the other load that reads the whole year, is
// timed by bench_stat_load.
//
// usage: bench_document_read [runs]     (default 3; the database is kept in the
// temp folder and reused by later runs)
#include "bench/BenchComum.h"
#include "platform/data/ErpCollation.h"
#include "platform/data/zavCoreDataAccess2016.h"

#include <QCoreApplication>
#include <cstdio>
#include <sqlite3.h>

namespace {

const char* const Linhas = "select c.Data, l.TPDOCUM, l.SERIE, l.ANO, l.NNUMDOC, l.NLinha, l.Artigo, l.Descr,"
                           " l.Quant, l.QtdOrig, l.Preco, l.Valor"
                           " from DOCGCCAB as c inner join DOCGCLIN as l on l.TPDOCUM = c.TPDOC and l.SERIE = c.SERIE"
                           " and l.ANO = c.ANO and l.NNUMDOC = c.NNUMDOC";

qint64 PeloObjeto(zav::zavCoreDataAccess2016& bd)
{
    const zav::RecordsetPtr rs = bd.AbreRecordset(QString(), QString::fromLatin1(Linhas));
    qint64 linhas = 0;
    for (; !rs->Eof(); rs->MoveNext()) {
        rs->Fields(0).value();
        ++linhas;
    }
    rs->close();
    return linhas;
}

qint64 PeloMotor(sqlite3* db)
{
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, Linhas, -1, &s, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
    qint64 linhas = 0;
    while (sqlite3_step(s) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(s); ++c)
            if (sqlite3_column_type(s, c) == SQLITE_TEXT)
                sqlite3_column_text(s, c);
        ++linhas;
    }
    sqlite3_finalize(s);
    return linhas;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int vezes = bench::Vezes(argc, argv, 3);
    const QString caminho = bench::BaseDeDados();

    zav::zavCoreDataAccess2016 bd;
    bd.AbreLigacao(QStringLiteral("Data Provider=SQLite;Data Source=") + caminho);
    sqlite3* motor = nullptr;
    sqlite3_open_v2(caminho.toUtf8().constData(), &motor, SQLITE_OPEN_READONLY, nullptr);
    zav::ErpCollation::registerOn(motor);

    qint64 lidas = 0;
    const bench::Medianas medianas = bench::MedeAlternando(
        vezes, [&] { PeloMotor(motor); }, [&] { lidas = PeloObjeto(bd); });
    std::printf("document lines %lld  SQLite alone %8.1f ms  data-access object %8.1f ms  ratio %.3f\n", lidas,
                medianas.chao, medianas.carga, medianas.razao());
    sqlite3_close(motor);
    return 0;
}
