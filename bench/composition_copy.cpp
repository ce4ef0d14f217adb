// The composition copier on the demo company: one production article's
// composition and operations copied to 1,000 target articles that each had
// rows of their own, through the screen, so the progress bar repaints as it
// goes. Prints the time per target.
//
// usage: bench_composition_copy [targets]     (default 1000)
#include "demo/DemoDatabase.h"
#include "maintenance/frmComposicao.h"
#include "platform/data/zavCoreDataAccess2016.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacao(argc, argv);
    const int alvos = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000;

    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("empresa.db"));
    demo::DemoDatabase::create(caminho, {20000, 1, QDate(2026, 6, 30)});
    zav::zavCoreDataAccess2016 bd;
    bd.AbreLigacao(QStringLiteral("Data Provider=SQLite;Data Source=") + caminho);

    const zav::RecordsetPtr origem = bd.AbreRecordset(
        QString(), QStringLiteral("SELECT TOP 1 f.Artigo FROM OperaFac f WHERE EXISTS "
                                  "(SELECT 1 FROM ArtOpera o WHERE o.Artigo=f.Artigo) ORDER BY f.Artigo"));
    if (origem->RecordCount() == 0) {
        std::fprintf(stderr, "the demo company has no article with a composition\n");
        return 1;
    }
    const QString producao = origem->Fields(0).text();
    for (int i = 1; i <= alvos; ++i) {
        const QString codigo = QStringLiteral("ZCOPIA%1").arg(i, 5, 10, QLatin1Char('0'));
        bd.ExecutaSQL(QString(), "INSERT INTO Artigos (Codigo, Nome, CodRef) VALUES ('" + codigo + "', 'Alvo', '')");
        for (int seq = 1; seq <= 3; ++seq) {
            bd.ExecutaSQL(QString(), QStringLiteral("INSERT INTO OperaFac (Artigo, Seq, Operacao) VALUES ('%1', %2, 'VELHA')")
                                         .arg(codigo).arg(seq));
            bd.ExecutaSQL(QString(), QStringLiteral("INSERT INTO ArtOpera (Artigo, Seq, Operacao) VALUES ('%1', %2, 'VELHA')")
                                         .arg(codigo).arg(seq));
        }
    }

    frmComposicao ecra;
    ecra.bd = &bd;
    ecra.Form_Load();
    ecra.show();
    ecra.campo(0).setText(producao);
    ecra.campo(1).setText(QStringLiteral("ZCOPIA"));
    QElapsedTimer relogio;
    relogio.start();
    ecra.Processa();
    const double ms = relogio.nsecsElapsed() / 1e6;

    const zav::RecordsetPtr copiados = bd.AbreRecordset(
        QString(), "SELECT COUNT(*) FROM OperaFac WHERE Artigo LIKE 'ZCOPIA%' AND Operacao <> 'VELHA'");
    std::printf("copied %s to %d targets (%s composition rows now) in %.0f ms: %.2f ms per target "
                "(aim: under 5); progress bar at %d of %d\n",
                qPrintable(producao), alvos, qPrintable(copiados->Fields(0).text()), ms, ms / alvos,
                ecra.PB->value(), ecra.PB->maximum());
    return 0;
}
