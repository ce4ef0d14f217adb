// "&Carregar" of the order sheet on the customer order with the most lines of
// a company database, against its floor: the same statements run alone
// through the same data-access object. Prints both medians and their ratio.
//
// usage: bench_ordersheet_load <company.db> [runs]   (default 9; bench_stat_load
// leaves a company of one million document lines in the temp folder)
#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/grid/Grelha.h"
#include "platform/widgets/CommonDialog.h"
#include "reports/EncomendaSql.h"
#include "reports/frmMapaEncomendas.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The customer order with the most lines.
ChaveEncomenda MaiorEncomenda(zav::zavCoreDataAccess2016& bd)
{
    const zav::RecordsetPtr rs = bd.AbreRecordset(
        QString(), QStringLiteral("select top 1 c.TpDoc, c.Ano, c.Serie, c.NNumDoc, count(*) as Linhas"
                                  " from DocgcCab as c inner join docgclin as l ON l.tpdocum=c.Tpdoc and "
                                  "l.nnumdoc=c.NNumdoc and l.serie=c.serie and l.ano=c.Ano"
                                  " where c.Tpterc=2 and c.Areag=2 and c.nvias<>-1"
                                  " group by c.TpDoc, c.Ano, c.Serie, c.NNumDoc order by count(*) desc"));
    std::printf("document %s/%s/%s/%s, %s lines\n", qPrintable(rs->Fields(0).text()), qPrintable(rs->Fields(1).text()),
                qPrintable(rs->Fields(2).text()), qPrintable(rs->Fields(3).text()), qPrintable(rs->Fields(4).text()));
    return ChaveEncomenda{rs->Fields(0).text(), rs->Fields(1).text(), rs->Fields(2).text(), rs->Fields(3).text()};
}

void SoInstrucoes(zav::zavCoreDataAccess2016& bd, const ChaveEncomenda& chave)
{
    const qint64 numero = chave.numero.toLongLong();
    for (const QString& sql : {EncomendaSql::documentos(chave), EncomendaSql::linhas(chave, numero, {}),
                               EncomendaSql::dados(chave, numero, {}), EncomendaSql::linhasTexto(chave, numero)}) {
        auto rs = bd.AbreRecordset(QString(), sql);
        for (; !rs->Eof(); rs->MoveNext())
            rs->Fields(0).value();
    }
}

double Milissegundos(const std::function<void()>& trabalho)
{
    QElapsedTimer relogio;
    relogio.start();
    trabalho();
    return relogio.nsecsElapsed() / 1e6;
}

double Mediana(std::vector<double> tempos)
{
    std::sort(tempos.begin(), tempos.end());
    return tempos[tempos.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_ordersheet_load <company.db> [runs]\n");
        return 2;
    }
    const int vezes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
    zav::zavCoreDataAccess2016 bd;
    bd.AbreLigacao(QStringLiteral("Data Provider=SQLite;Data Source=") + QString::fromLocal8Bit(argv[1]));
    const ChaveEncomenda chave = MaiorEncomenda(bd);

    zav::CommonDialog dialogo;
    frmMapaEncomendas ecra(dialogo);
    ecra.bd = &bd;
    ecra.campo(0).setText(chave.tipo);
    ecra.campo(1).setText(chave.ano);
    ecra.campo(2).setText(chave.serie);
    ecra.campo(3).setText(chave.numero);
    SoInstrucoes(bd, chave);
    ecra.btCarga_Click();

    std::vector<double> chao;
    std::vector<double> carga;
    for (int i = 0; i < vezes; ++i) {
        chao.push_back(Milissegundos([&] { SoInstrucoes(bd, chave); }));
        carga.push_back(Milissegundos([&] { ecra.btCarga_Click(); }));
    }
    std::printf("grid rows %d  columns %d  statements alone %8.1f ms  load %8.1f ms  ratio %.3f\n",
                ecra.Grelha->rowCount(), ecra.Grelha->columnCount(), Mediana(chao), Mediana(carga),
                Mediana(carga) / Mediana(chao));
    return 0;
}
