// The company database's text comparison and LIKE over 1,000,000 texts, on
// one connection each:
//   "A-to-Z"  SQLite's NOCASE and its built-in LIKE (the comparison that folded
//             A to Z only cost what NOCASE costs);
//   "earlier" an earlier build's comparison and LIKE, from its sqlite3 shell
//             extension, when its path is given;
//   "this"    this build's.
// Sorting, grouping, building an index and looking texts up through it, on
// plain codes ('CM1234-AZ-38') and on accented descriptions ('Camisola Algodão
// Azul'); then LIKE with plain and with accented patterns and texts, and the
// copier's and a filter's LIKE on the document lines of the demo company of
// one million lines. Prints each median in ms and this build's ratios to the
// others.
//
// usage: bench_text_compare [runs] [earlier build's erpnocase.so]   (default 5 runs; the company
// is kept in the temp folder and reused by later runs)
#include "bench/BenchComum.h"
#include "platform/data/ErpCollation.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <random>
#include <sqlite3.h>

namespace {

constexpr int Textos = 1000000;
constexpr int Procuras = 200000;

struct Ligacao {
    const char* nome;
    QByteArray colacao; // what the statements name after COLLATE
    sqlite3* db = nullptr;
};

void Executa(sqlite3* db, const QByteArray& sql)
{
    char* erro = nullptr;
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &erro) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n%s\n", erro, sql.constData());
        std::exit(1);
    }
}

// Runs a statement to its end; returns its first row's first value.
qint64 Le(sqlite3* db, const QByteArray& sql)
{
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, sql.constData(), -1, &s, nullptr);
    qint64 primeiro = -1;
    for (bool inicio = true; sqlite3_step(s) == SQLITE_ROW; inicio = false)
        if (inicio)
            primeiro = sqlite3_column_int64(s, 0);
    sqlite3_finalize(s);
    return primeiro;
}

// The same texts in every connection: codes of 10,000 references in 20
// colours and 10 sizes, drawn at random, and descriptions of three to five
// words, plain or accented.
void Preenche(sqlite3* db)
{
    static const QStringList acentuadas = QString::fromUtf8(
        "Camisola,Calça,Casaco,Saia,Blusa,Vestido,Écharpe,Ágata,Algodão,Lã,Linho,Azul,Verde,Preto,Branco,Cinzento,"
        "Bordô,Marinho,Coração,Estação,Verão,Inverno,Botões,Fecho,Zíper,Óculos,Único,Malha,Ganga,Céu").split(u',');
    static const QStringList simples = QString::fromUtf8(
        "Camisola,Calca,Casaco,Saia,Blusa,Vestido,Echarpe,Agata,Algodao,La,Linho,Azul,Verde,Preto,Branco,Cinzento,"
        "Bordo,Marinho,Coracao,Estacao,Verao,Inverno,Botoes,Fecho,Ziper,Oculos,Unico,Malha,Ganga,Ceu").split(u',');
    static const char* const cores[] = {"AZ", "PR", "BR", "VM", "VD", "CZ", "AM", "RS", "LR", "CA",
                                        "BG", "MR", "AZC", "VRG", "CHO", "BRD", "OC", "TQ", "LL", "NU"};
    std::mt19937 acaso(bench::Semente);
    Executa(db, "CREATE TABLE T (Codigo TEXT, Descr TEXT, DescrSimples TEXT)");
    Executa(db, "BEGIN");
    sqlite3_stmt* insere = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO T VALUES (?1, ?2, ?3)", -1, &insere, nullptr);
    for (int i = 0; i < Textos; ++i) {
        const QByteArray codigo = QStringLiteral("CM%1-%2-%3")
                                      .arg(acaso() % 10000, 4, 10, QLatin1Char('0'))
                                      .arg(QLatin1StringView(cores[acaso() % 20]))
                                      .arg(34 + 2 * (acaso() % 10))
                                      .toUtf8();
        QStringList comAcentos, semAcentos;
        for (int n = 3 + int(acaso() % 3); n > 0; --n) {
            const int palavra = int(acaso() % acentuadas.size());
            comAcentos << acentuadas[palavra];
            semAcentos << simples[palavra];
        }
        const QByteArray descr = comAcentos.join(u' ').toUtf8();
        const QByteArray descrSimples = semAcentos.join(u' ').toUtf8();
        sqlite3_bind_text(insere, 1, codigo.constData(), int(codigo.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insere, 2, descr.constData(), int(descr.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insere, 3, descrSimples.constData(), int(descrSimples.size()), SQLITE_TRANSIENT);
        sqlite3_step(insere);
        sqlite3_reset(insere);
    }
    sqlite3_finalize(insere);
    Executa(db, "COMMIT");
}

// Looks up texts the table holds, through an index under the connection's comparison.
void Procura(const Ligacao& l, const char* coluna, const QList<QByteArray>& textos)
{
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(l.db, QByteArray("SELECT count(*) FROM T WHERE ") .append(coluna).append(" = ?1 COLLATE ").append(l.colacao).constData(),
                       -1, &s, nullptr);
    for (const QByteArray& texto : textos) {
        sqlite3_bind_text(s, 1, texto.constData(), int(texto.size()), SQLITE_STATIC);
        sqlite3_step(s);
        sqlite3_reset(s);
    }
    sqlite3_finalize(s);
}

QList<QByteArray> Amostra(sqlite3* db, const char* coluna)
{
    QList<QByteArray> textos;
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, QByteArray("SELECT ").append(coluna).append(" FROM T WHERE rowid % 5 = 0").constData(), -1, &s, nullptr);
    while (sqlite3_step(s) == SQLITE_ROW && textos.size() < Procuras)
        textos << QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
    sqlite3_finalize(s);
    return textos;
}

// Times `trabalho` on every connection in turn, `vezes` rounds, and prints the medians.
void Mede(const char* nome, QList<Ligacao>& ligacoes, int vezes, const std::function<void(const Ligacao&)>& trabalho)
{
    for (const Ligacao& l : ligacoes)
        trabalho(l); // each finds its pages in memory
    std::vector<std::vector<double>> tempos(size_t(ligacoes.size()));
    for (int i = 0; i < vezes; ++i)
        for (qsizetype c = 0; c < ligacoes.size(); ++c)
            tempos[size_t(c)].push_back(bench::Milissegundos([&] { trabalho(ligacoes[c]); }));
    std::printf("%-34s", nome);
    std::vector<double> medianas;
    for (qsizetype c = 0; c < ligacoes.size(); ++c) {
        medianas.push_back(bench::Mediana(tempos[size_t(c)]));
        std::printf("  %s %8.1f", ligacoes[c].nome, medianas.back());
    }
    for (size_t c = 0; c + 1 < medianas.size(); ++c)
        std::printf("  this/%s %.2f", ligacoes[qsizetype(c)].nome, medianas.back() / medianas[c]);
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    const int vezes = bench::Vezes(argc, argv, 5);
    QList<Ligacao> ligacoes{{"A-to-Z", "NOCASE"}};
    if (argc > 2)
        ligacoes << Ligacao{"earlier", "ERP_NOCASE"};
    ligacoes << Ligacao{"this", "ERP_NOCASE"};
    const auto abre = [&](Ligacao& l, const QByteArray& ficheiro, int modo) {
        sqlite3_open_v2(ficheiro.constData(), &l.db, modo, nullptr);
        if (l.nome == QByteArrayView("earlier")) {
            sqlite3_enable_load_extension(l.db, 1);
            char* erro = nullptr;
            if (sqlite3_load_extension(l.db, argv[2], nullptr, &erro) != SQLITE_OK) {
                std::fprintf(stderr, "%s: %s\n", argv[2], erro);
                std::exit(1);
            }
        } else if (l.nome == QByteArrayView("this")) {
            zav::ErpCollation::registerOn(l.db);
        }
    };
    for (Ligacao& l : ligacoes) {
        abre(l, ":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        Preenche(l.db);
    }
    const QList<QByteArray> codigos = Amostra(ligacoes[0].db, "Codigo");
    const QList<QByteArray> descricoes = Amostra(ligacoes[0].db, "Descr");
    std::printf("%d texts, medians of %d runs in ms\n", Textos, vezes);

    for (const char* coluna : {"Codigo", "Descr"}) {
        const QByteArray c(coluna);
        Mede(qPrintable(QStringLiteral("ORDER BY %1").arg(coluna)), ligacoes, vezes, [&](const Ligacao& l) {
            Le(l.db, "SELECT " + c + " FROM T ORDER BY " + c + " COLLATE " + l.colacao);
        });
        Mede(qPrintable(QStringLiteral("GROUP BY %1").arg(coluna)), ligacoes, vezes, [&](const Ligacao& l) {
            Le(l.db, "SELECT count(*) FROM (SELECT " + c + " FROM T GROUP BY " + c + " COLLATE " + l.colacao + ")");
        });
        Mede(qPrintable(QStringLiteral("CREATE INDEX on %1").arg(coluna)), ligacoes, vezes, [&](const Ligacao& l) {
            Executa(l.db, "DROP INDEX IF EXISTS i; CREATE INDEX i ON T(" + c + " COLLATE " + l.colacao + ")");
        });
        Mede(qPrintable(QStringLiteral("%1 lookups by %2").arg(Procuras).arg(coluna)), ligacoes, vezes,
             [&](const Ligacao& l) { Procura(l, coluna, c == "Codigo" ? codigos : descricoes); });
        for (const Ligacao& l : ligacoes)
            Executa(l.db, "DROP INDEX i");
    }
    for (const char* filtro : {"Codigo LIKE 'CM1%'", "Codigo LIKE '%-az-3_'", "DescrSimples LIKE '%azul%'",
                               "DescrSimples LIKE '%algodao%marinho%'", "Descr LIKE '%azul%'", "Descr LIKE '%algodão%'",
                               "Descr LIKE 'écharpe%'", "Descr LIKE '%ÇÃO%VERÃO%'"}) {
        Mede(filtro, ligacoes, vezes, [&](const Ligacao& l) {
            Le(l.db, QByteArray("SELECT count(*) FROM T WHERE ") + filtro);
        });
    }
    for (Ligacao& l : ligacoes) {
        sqlite3_close(l.db);
        abre(l, bench::BaseDeDados().toUtf8(), SQLITE_OPEN_READONLY);
    }
    std::printf("the demo company of %lld document lines\n", bench::Linhas);
    for (const char* filtro : {"Descr LIKE '%azul%'", "Artigo LIKE 'CM1%'", "Descr LIKE '%algodão%'"}) {
        Mede(filtro, ligacoes, vezes, [&](const Ligacao& l) {
            Le(l.db, QByteArray("SELECT count(*) FROM DOCGCLIN WHERE ") + filtro);
        });
    }
    for (const Ligacao& l : ligacoes)
        sqlite3_close(l.db);
    return 0;
}
