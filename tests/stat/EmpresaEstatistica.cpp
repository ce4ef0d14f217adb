#include "stat/EmpresaEstatistica.h"

#include "demo/CompanySchema.h"
#include "demo/FixtureWriter.h"
#include "demo/SqliteConnection.h"

namespace {

enum class Tipo { Producao, Venda };

struct Documento {
    QString tpdoc;
    int numero;
    QDateTime data;
    Tipo tipo;
    int sinalct;
    QString rgiva = QString();
    int nvias = 1;
};

struct Linha {
    QString artigo;
    double quant;
    double valor = 0;
};

void Escreve(const demo::FixtureWriter& rows, const Documento& doc, const QList<Linha>& linhas)
{
    const bool producao = doc.tipo == Tipo::Producao;
    rows.insert("DOCGCCAB", {{"TPDOC", doc.tpdoc}, {"SERIE", "A"}, {"ANO", 2026}, {"NNUMDOC", doc.numero},
                             {"Data", doc.data}, {"RgIva", doc.rgiva}, {"AREAG", 4}, {"TPTERC", producao ? 3 : 2},
                             {"NATCONTA", producao ? 5 : 1}, {"TPOPER", producao ? 1 : 2},
                             {"SINALCT", doc.sinalct}, {"NVIAS", doc.nvias}});
    int numeroLinha = 0;
    for (const Linha& linha : linhas)
        rows.insert("DOCGCLIN", {{"TPDOCUM", doc.tpdoc}, {"SERIE", "A"}, {"ANO", 2026}, {"NNUMDOC", doc.numero},
                                 {"NLinha", ++numeroLinha}, {"Artigo", linha.artigo}, {"Quant", linha.quant},
                                 {"Valor", linha.valor}});
}

QDateTime Dia(int mes, int dia)
{
    return QDateTime(QDate(2026, mes, dia), QTime(0, 0));
}

} // namespace

EmpresaEstatistica::EmpresaEstatistica()
    : ligacao_(std::make_unique<demo::SqliteConnection>(caminho()))
{
    QSqlDatabase db = ligacao_->database();
    db.transaction();
    demo::CompanySchema::create(db);
    const demo::FixtureWriter rows(db);
    // The classes are articles too: their names are the class names. CL30 has none.
    for (const auto& [classe, nome] : QList<std::pair<QString, QString>>{
             {"CL10", "Camisas"}, {"CL20", "Calças"}, {"CL40", "Meias"}, {"CL50", "Botões"}, {"CL90", "Tecidos"}})
        rows.insert("Artigos", {{"Codigo", classe}, {"Nome", nome}});

    struct Artigo { const char* codigo; const char* unidade; const char* classe; int artOuDes; };
    const Artigo artigos[] = {
        {"A1", "UN", "CL10", 0}, {"A2", "UN", "CL20", 0}, {"A3", "UN", "CL30", 0},
        {"A4", "KG", "CL20", 0}, {"A5", "UN", "", 0},     {"A7", "UN", "CL10", -1},
        {"A8", "UN", "CL40", 0}, {"A9", "KG", "CL90", 0}, {"A10", "UN", "cl50", 0}, {"A11", "UN", "CL50", 0},
    };
    for (const Artigo& artigo : artigos) {
        rows.insert("Artigos", {{"Codigo", artigo.codigo}, {"Nome", artigo.codigo}, {"UnBase", artigo.unidade},
                                {"ArtOuDes", artigo.artOuDes}});
        rows.insert("ClArt", {{"Codigo", artigo.codigo}, {"Cl05", artigo.classe}});
    }
    // An article without any class row at all.
    rows.insert("Artigos", {{"Codigo", "A6"}, {"UnBase", "UN"}});

    for (const auto& [regime, mercado] : QList<std::pair<QString, int>>{{"N", 1}, {"I", 2}, {"O", 3}})
        rows.insert("RgIva", {{"Codigo", regime}, {"Mercado", mercado}});

    // Production.
    Escreve(rows, {"OP", 1, Dia(3, 5), Tipo::Producao, 2},
            {{"A1", 100}, {"A2", 40}, {"A5", 7}, {"A6", 9}, {"", 50}, {"A8", 12.5}});
    Escreve(rows, {"OP", 2, Dia(3, 10), Tipo::Producao, 1}, {{"A1", 10}});
    Escreve(rows, {"OP", 3, Dia(3, 12), Tipo::Producao, 2, QString(), -1}, {{"A1", 1000}});
    Escreve(rows, {"OP", 4, Dia(2, 28), Tipo::Producao, 2}, {{"A2", 500}});
    Escreve(rows, {"OP", 5, Dia(4, 1), Tipo::Producao, 2}, {{"A2", 500}});
    // An expense is never produced.
    Escreve(rows, {"OP", 6, Dia(3, 15), Tipo::Producao, 2}, {{"A7", 3}});

    Escreve(rows, {"OP", 10, Dia(6, 20), Tipo::Producao, 2}, {{"A2", 6}});
    Escreve(rows, {"OP", 11, Dia(7, 8), Tipo::Producao, 2}, {{"A2", 6}, {"A4", 1.5}});
    Escreve(rows, {"OP", 20, Dia(9, 2), Tipo::Producao, 2}, {{"A9", 1234567.125}});
    Escreve(rows, {"OP", 30, Dia(11, 4), Tipo::Producao, 2}, {{"A10", 3}});

    // Sales.
    Escreve(rows, {"FT", 1, Dia(3, 6), Tipo::Venda, 1, "N"},
            {{"A1", 30, 300.40}, {"A3", 5, 75}, {"A7", 1, 12}, {"A5", 1, 999}, {"A6", 1, 888}});
    // The last day of the period counts.
    Escreve(rows, {"FT", 2, Dia(3, 31), Tipo::Venda, 1, "O"}, {{"A2", 8, 160}, {"A4", 2.5, 20.4}});
    // A credit note takes its lines off.
    Escreve(rows, {"NC", 1, Dia(3, 20), Tipo::Venda, 2, "N"}, {{"A1", 3, 30}});
    Escreve(rows, {"FT", 3, Dia(3, 7), Tipo::Venda, 1, "I", -1}, {{"A1", 1000, 10000}});
    Escreve(rows, {"FT", 4, Dia(2, 28), Tipo::Venda, 1, "I"}, {{"A1", 1000, 10000}});
    Escreve(rows, {"FT", 5, Dia(4, 1), Tipo::Venda, 1, "I"}, {{"A1", 1000, 10000}});

    Escreve(rows, {"FT", 10, Dia(5, 10), Tipo::Venda, 1, "I"}, {{"A1", 4, 44}});
    Escreve(rows, {"FT", 20, Dia(9, 3), Tipo::Venda, 1, "N"}, {{"A9", 1, 12345678901.0}});
    Escreve(rows, {"FT", 30, Dia(11, 5), Tipo::Venda, 1, "N"}, {{"A11", 2, 40}});
    db.commit();
    bd_ = std::make_unique<zav::zavCoreDataAccess2016>();
    bd_->AbreLigacao(QStringLiteral("Data Provider=SQLite;Data Source=") + caminho());
}

EmpresaEstatistica::~EmpresaEstatistica() = default;

QString EmpresaEstatistica::caminho() const
{
    return pasta_.filePath(QStringLiteral("empresa.db"));
}
