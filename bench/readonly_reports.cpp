// Reports on a company that is only read, its indexes made by an earlier build
// and not rebuilt because two of its keys are now equal, against the same
// reports on the company as the program keeps it: the sample card of BL1001
// ("Todas", from 01-01-2025), the order maps' summary, detail and matrix per
// customer over a year, and the statistical return over a year, on the demo
// companies of 20,000 and 200,000 document lines. Prints both medians and
// their ratio. On the smaller company it also times the sample card once on a
// company read without its indexes, as one made under a comparison no build
// here had (another release of ICU's collation data) is read; the other
// reports take minutes there.
//
// usage: bench_readonly_reports [runs]     (default 5; the demo companies are kept in the temp folder)
#include "bench/BenchComum.h"
#include "platform/data/ErpCollation.h"
#include "platform/data/ErpCollationEarlier.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/grid/Grelha.h"
#include "platform/widgets/CommonDialog.h"
#include "platform/widgets/SeletorData.h"
#include "reports/frmMapas.h"
#include "reports/frmTarvelo.h"
#include "samples/frmFichaAmostra_New.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <sqlite3.h>

#include <cstdio>
#include <memory>

namespace {

using bench::Hoje;

// A copy of the company as the first builds left it: its indexes under their
// comparison, marked `userVersion`, and two keys they told apart that are
// one key today, so the program cannot rebuild them.
QString CopiaDeVersaoAnterior(const QString& origem, int userVersion)
{
    const QString destino = QString(origem).replace(QStringLiteral(".db"), QStringLiteral("_anterior_%1.db").arg(userVersion));
    QFile::remove(destino);
    if (!QFile::copy(origem, destino))
        qFatal("no copy of %s", qPrintable(origem));
    sqlite3* db = nullptr;
    sqlite3_open(destino.toUtf8().constData(), &db);
    sqlite3_create_collation_v2(db, zav::ErpCollation::Name, SQLITE_UTF8, nullptr,
                                zav::ErpCollationEarlier::byUserVersion(0), nullptr);
    const QByteArray sql = QStringLiteral("REINDEX %1; INSERT INTO Artigos (Codigo) VALUES ('ação1'), ('AÇÃO1');"
                                          " PRAGMA user_version = %2")
                               .arg(QLatin1StringView(zav::ErpCollation::Name))
                               .arg(userVersion)
                               .toUtf8();
    char* erro = nullptr;
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &erro) != SQLITE_OK)
        qFatal("%s", erro);
    sqlite3_close(db);
    return destino;
}

std::unique_ptr<zav::zavCoreDataAccess2016> Abre(const QString& caminho, bool soLeitura)
{
    auto bd = std::make_unique<zav::zavCoreDataAccess2016>();
    bd->AbreLigacao(QStringLiteral("Data Provider=SQLite;Data Source=") + caminho);
    if (bd->readOnlyReason().isEmpty() == soLeitura)
        qFatal("%s opened %s", qPrintable(caminho), soLeitura ? "writable" : "only for reading");
    return bd;
}

// One report's "&Carregar" on a company, its grid's rows.
using Relatorio = std::function<int()>;
using FazRelatorio = std::function<Relatorio(zav::zavCoreDataAccess2016&)>;

// The screens stay open for the runs, as the user keeps them.
struct Ecras {
    zav::CommonDialog dialogo;
    std::vector<std::unique_ptr<QWidget>> abertos;

    Relatorio ficha(zav::zavCoreDataAccess2016& bd)
    {
        // No configuration file: no images folder, nothing said about it.
        auto* ecra = new frmFichaAmostra_New(dialogo, QDir::temp().filePath(QStringLiteral("tarvelo-bench/nenhum.zav")));
        abertos.emplace_back(ecra);
        ecra->bd = &bd;
        ecra->Form_Load();
        return [ecra] {
            ecra->btCancelar_Click();
            ecra->campo(0).setText(QStringLiteral("BL1001"));
            ecra->Option1[0]->setChecked(true);
            ecra->Data[0]->setDate(QDate(2025, 1, 1));
            ecra->Data[1]->setDate(Hoje);
            ecra->btCarga_Click();
            return ecra->Grelha->rowCount();
        };
    }
    Relatorio mapa(zav::zavCoreDataAccess2016& bd, int modo, const QString& referencia)
    {
        auto* ecra = new frmMapas(dialogo);
        abertos.emplace_back(ecra);
        ecra->bd = &bd;
        ecra->iOpcao = modo;
        ecra->Form_Load();
        return [ecra, referencia] {
            ecra->btCancelar_Click();
            ecra->campo(0).setText(referencia);
            ecra->Data[0]->setDate(Hoje.addYears(-1).addDays(1));
            ecra->Data[1]->setDate(Hoje);
            ecra->btCarga_Click();
            return ecra->Grelha->rowCount();
        };
    }
    Relatorio estatistico(zav::zavCoreDataAccess2016& bd)
    {
        auto* ecra = new frmTarvelo;
        abertos.emplace_back(ecra);
        ecra->bd = &bd;
        ecra->DTPicker1[0]->setDate(Hoje.addYears(-1).addDays(1));
        ecra->DTPicker1[1]->setDate(Hoje);
        return [ecra] {
            ecra->btCarga->click();
            return ecra->Grelha->rowCount();
        };
    }
};

void MedeEmpresa(qint64 linhas, int vezes, bool fichaSemIndices)
{
    const QString original = bench::BaseDeDados(linhas);
    const auto normal = Abre(original, false);
    const auto soLeitura = Abre(CopiaDeVersaoAnterior(original, 0), true);
    const auto semIndices = fichaSemIndices
        ? Abre(CopiaDeVersaoAnterior(original, zav::ErpCollation::instance().indexVersion() ^ 1), true)
        : nullptr;

    Ecras ecras;
    const QString ficha = QStringLiteral("sample card BL1001");
    const QList<std::pair<QString, FazRelatorio>> relatorios = {
        {ficha, [&](zav::zavCoreDataAccess2016& bd) { return ecras.ficha(bd); }},
        {"maps summary (2)", [&](zav::zavCoreDataAccess2016& bd) { return ecras.mapa(bd, 2, QString()); }},
        {"maps detail (3)", [&](zav::zavCoreDataAccess2016& bd) { return ecras.mapa(bd, 3, QString()); }},
        {"maps BL1001/customer (5)", [&](zav::zavCoreDataAccess2016& bd) { return ecras.mapa(bd, 5, QStringLiteral("BL1001")); }},
        {"statistical return", [&](zav::zavCoreDataAccess2016& bd) { return ecras.estatistico(bd); }},
    };
    for (const auto& [nome, faz] : relatorios) {
        const Relatorio noNormal = faz(*normal);
        const Relatorio soLido = faz(*soLeitura);
        const int linhasNormal = noNormal();
        const int linhasSoLido = soLido();
        const bench::Medianas m = bench::MedeAlternando(vezes, [&] { noNormal(); }, [&] { soLido(); });
        std::printf("%7lld lines  %-26s rows %4d/%4d  normal %9.1f ms  read-only %9.1f ms  ratio %6.2f", linhas,
                    qPrintable(nome), linhasNormal, linhasSoLido, m.chao, m.carga, m.razao());
        if (semIndices && nome == ficha) {
            const Relatorio semIndice = faz(*semIndices);
            std::printf("  without indexes %10.1f ms", bench::Milissegundos([&] { semIndice(); }));
        }
        std::printf("\n");
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char** argv)
{
    bench::SemJanelas();
    QApplication app(argc, argv);
    const int vezes = bench::Vezes(argc, argv, 5);

    const bench::MensagensContadas mensagens;

    MedeEmpresa(20000, vezes, true);
    MedeEmpresa(200000, vezes, false);
    std::printf("messages answered: %d\n", mensagens.total());
    return 0;
}
