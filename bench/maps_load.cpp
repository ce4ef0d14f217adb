// "&Carregar" of the order maps' summary (mode 2), detail (mode 3) and matrix
// per customer (mode 5) over a year of the demo company of one million
// document lines, against their floor: the statements each mode runs, alone,
// through the same data-access object, read to their end. Prints both medians,
// their ratio and the grid's row count.
//
// usage: bench_maps_load [runs]     (default 7; the database is kept in the temp
// folder and reused by later runs)
#include "bench/BenchComum.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/grid/Grelha.h"
#include "platform/widgets/CommonDialog.h"
#include "reports/MapaRefCliente.h"
#include "reports/MapaResumo.h"
#include "reports/MatrizCorTamanho.h"
#include "reports/TitulosTamanho.h"
#include "reports/frmMapas.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <cstdio>

namespace {

void Le(zav::zavCoreDataAccess2016& bd, const QString& sql)
{
    auto rs = bd.AbreRecordset(QString(), sql);
    for (; !rs->Eof(); rs->MoveNext())
        rs->Fields(0).value();
    rs->close();
}

// The summary's and the detail's statements: the size types, each type's
// highest position and sizes, the data.
void SoInstrucoesResumo(zav::zavCoreDataAccess2016& bd, const MapasSql::Filtros& f, bool detalhe)
{
    const zav::RecordsetPtr tipos = bd.AbreRecordset(QString(), MapaResumo::sqlTipos(f));
    for (; !tipos->Eof(); tipos->MoveNext()) {
        Le(bd, TitulosTamanho::sqlPosicaoMaxima(tipos->Fields(0).text()));
        Le(bd, TitulosTamanho::sqlTamanhos(tipos->Fields(0).text()));
    }
    Le(bd, detalhe ? MapaResumo::sqlDetalhe(f) : MapaResumo::sqlResumo(f));
}

// The matrix per customer's: the reference, its sizes and colours, the customers, the lines.
void SoInstrucoesRefCliente(zav::zavCoreDataAccess2016& bd, const MapasSql::Filtros& f)
{
    const zav::RecordsetPtr artigo = FonteMatriz::artigo(bd, f.referencia);
    Le(bd, QStringLiteral("Select CodMed,Descrica,Posimp from MedTamCo where CodTipoM='")
               + zav::SqlTexto(artigo->Fields(QStringLiteral("TMHOR")).text()) + QStringLiteral("' order by Posimp"));
    Le(bd, QStringLiteral("Select CodMed,Descrica,Posimp from MedTamCo where CodTipoM='")
               + zav::SqlTexto(artigo->Fields(QStringLiteral("TMVER")).text()) + QStringLiteral("' order by Posimp"));
    Le(bd, MapaRefCliente::sqlClientes(f));
    Le(bd, MapaRefCliente::sqlLinhas(f));
}

// The reference with the most order lines in the window: the largest matrix per customer.
QString ReferenciaMaisEncomendada(zav::zavCoreDataAccess2016& bd, const MapasSql::Filtros& janela)
{
    const zav::RecordsetPtr rs = bd.AbreRecordset(
        QString(), QStringLiteral("select a.CodRef, count(*) as Linhas") + MapasSql::documentosLinhasArtigos()
                       + MapasSql::janelaDatas(janela) + MapasSql::encomendasClientes()
                       + QStringLiteral(" and a.CodRef<>'' group by a.CodRef order by count(*) desc"));
    return rs->Fields(QStringLiteral("CodRef")).text();
}

void Mede(const char* nome, zav::zavCoreDataAccess2016& bd, int modo, const QString& referencia, int vezes,
          const std::function<void(const MapasSql::Filtros&)>& instrucoes)
{
    zav::CommonDialog dialogo;
    frmMapas ecra(dialogo);
    ecra.bd = &bd;
    ecra.iOpcao = modo;
    ecra.Form_Load();
    ecra.campo(0).setText(referencia);
    ecra.Data[0]->setDate(bench::Hoje.addYears(-1).addDays(1));
    ecra.Data[1]->setDate(bench::Hoje);
    const MapasSql::Filtros filtros = ecra.filtros();

    const bench::Medianas medianas =
        bench::MedeAlternando(vezes, [&] { instrucoes(filtros); }, [&] { ecra.btCarga_Click(); });
    std::printf("mode %d %-10s %s..%s  grid rows %6d  statements alone %8.1f ms  load %8.1f ms  ratio %.3f\n", modo,
                nome, qPrintable(filtros.primeiraData.date().toString(Qt::ISODate)),
                qPrintable(filtros.ultimaData.date().toString(Qt::ISODate)), ecra.Grelha->rowCount(), medianas.chao,
                medianas.carga, medianas.razao());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    bench::SemJanelas();
    QApplication app(argc, argv);
    const int vezes = bench::Vezes(argc, argv, 7);

    // A load's message (lines left out of the columns) is counted, not waited on.
    const bench::MensagensContadas mensagens;

    zav::zavCoreDataAccess2016 bd;
    bd.AbreLigacao(QStringLiteral("Data Provider=SQLite;Data Source=") + bench::BaseDeDados());

    Mede("summary", bd, 2, QString(), vezes,
         [&bd](const MapasSql::Filtros& f) { SoInstrucoesResumo(bd, f, false); });
    Mede("detail", bd, 3, QString(), vezes, [&bd](const MapasSql::Filtros& f) { SoInstrucoesResumo(bd, f, true); });
    MapasSql::Filtros janela;
    janela.primeiraData = QDateTime(bench::Hoje.addYears(-1).addDays(1), QTime());
    janela.ultimaData = QDateTime(bench::Hoje, QTime());
    const QString referencia = ReferenciaMaisEncomendada(bd, janela);
    Mede(qPrintable(QStringLiteral("ref ") + referencia), bd, 5, referencia, vezes,
         [&bd](const MapasSql::Filtros& f) { SoInstrucoesRefCliente(bd, f); });
    std::printf("messages answered: %d\n", mensagens.total());
    return 0;
}
