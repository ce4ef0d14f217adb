// "&Carregar" of the statistical return on a company of one million document
// lines, against its floor: the same three statements run alone through the
// same data-access object. Prints both medians and their ratio.
//
// usage: bench_stat_load [runs]     (default 9; a month, then a year; the database is kept in the
// temp folder and reused by later runs)
#include "bench/BenchComum.h"
#include "platform/grid/Grelha.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "reports/LinhasMapaEstatistico.h"
#include "platform/widgets/SeletorData.h"
#include "reports/frmTarvelo.h"

#include <QApplication>
#include <QPushButton>
#include <cstdio>

namespace {

using bench::BaseDeDados;
using bench::Hoje;

// Each statement opened and read to its end, as the load reads it.
void SoInstrucoes(zav::zavCoreDataAccess2016& bd, const QString& primeira, const QString& ultima)
{
    for (const QString& sql : {MapaEstatistico::SqlProducao(primeira, ultima), MapaEstatistico::SqlVendas(primeira, ultima),
                               MapaEstatistico::SqlMercados(primeira, ultima)}) {
        auto rs = bd.AbreRecordset(QString(), sql);
        for (; !rs->Eof(); rs->MoveNext())
            rs->Fields(0).value();
        rs->close();
    }
}

void Mede(const char* nome, zav::zavCoreDataAccess2016& bd, QDate primeira, QDate ultima, int vezes)
{
    frmTarvelo ecra;
    ecra.bd = &bd;
    ecra.DTPicker1[0]->setDate(primeira);
    ecra.DTPicker1[1]->setDate(ultima);
    const QString de = primeira.toString(QStringLiteral("yyyy-MM-dd"));
    const QString ate = ultima.toString(QStringLiteral("yyyy-MM-dd"));

    const bench::Medianas medianas = bench::MedeAlternando(
        vezes, [&] { SoInstrucoes(bd, de, ate); }, [&] { ecra.btCarga->click(); });
    std::printf("%-8s %s..%s  grid rows %d  statements alone %8.1f ms  load %8.1f ms  ratio %.3f\n", nome,
                qPrintable(de), qPrintable(ate), ecra.Grelha->rowCount(), medianas.chao, medianas.carga,
                medianas.razao());
}

} // namespace

int main(int argc, char** argv)
{
    bench::SemJanelas();
    QApplication app(argc, argv);
    const int vezes = bench::Vezes(argc, argv, 9);

    zav::zavCoreDataAccess2016 bd;
    bd.AbreLigacao(QStringLiteral("Data Provider=SQLite;Data Source=") + BaseDeDados());

    Mede("month", bd, Hoje.addDays(-30), Hoje, vezes);
    Mede("year", bd, Hoje.addYears(-1).addDays(1), Hoje, vezes);
    return 0;
}
