#include "FixtureEncomendas.h"

#include "demo/CompanySchema.h"
#include "demo/FixtureWriter.h"
#include "demo/SqliteConnection.h"

#include <QDateTime>

namespace ordersheet {

namespace {

// A parent reference and its variants (size, colour), all in one group, family and sub-family.
void referencia(const demo::FixtureWriter& rows, const QString& codigo, const QString& tmHor, const QString& grupo,
                const QString& familia, const QList<std::pair<QString, QString>>& variantes)
{
    const QString subFamilia = familia == "FA" ? "SA" : "SB";
    const auto artigo = [&](const QString& artigo, const QString& pai, const QVariant& tamanho, const QVariant& cor) {
        rows.insert(QStringLiteral("Artigos"), {{"Codigo", artigo}, {"CodRef", pai}, {"TmHor", tmHor},
                                                {"MedHor", tamanho}, {"TmVer", "CORES"}, {"MedVert", cor},
                                                {"Grupo", grupo}, {"Familia", familia}, {"SubFamil", subFamilia}});
    };
    artigo(codigo, "", QVariant(), QVariant());
    for (const auto& [tamanho, cor] : variantes)
        artigo(codigo + "-" + cor + "-" + tamanho, codigo, tamanho, cor);
}

struct Linha {
    QString artigo;  // "" for a text line
    double quant;
    QString descr;
};

void documento(const demo::FixtureWriter& rows, const QString& serie, int numero, const QString& cliente,
               const QString& vendedor, const QList<Linha>& linhas, int nvias = 1, const QString& tipo = "ENC",
               int ano = 2025)
{
    rows.insert(QStringLiteral("DOCGCCAB"),
                {{"TPDOC", tipo}, {"SERIE", serie}, {"ANO", ano}, {"NNUMDOC", numero},
                 {"Data", QDateTime(QDate(2025, 3, 14), QTime(10, 30))}, {"Terceiro", cliente},
                 {"Vendedor", vendedor}, {"AREAG", 2}, {"TPTERC", 2}, {"NVIAS", nvias}});
    int n = 0;
    for (const Linha& linha : linhas)
        rows.insert(QStringLiteral("DOCGCLIN"),
                    {{"TPDOCUM", tipo}, {"SERIE", serie}, {"ANO", ano}, {"NNUMDOC", numero}, {"NLinha", ++n},
                     {"Artigo", linha.artigo}, {"Descr", linha.descr}, {"QtdOrig", linha.quant + 100},
                     {"Quant", linha.quant}});
}

} // namespace

FixtureEncomendas::FixtureEncomendas()
{
    const QString caminho = pasta_.filePath(QStringLiteral("empresa.db"));
    {
        demo::SqliteConnection ligacao(caminho);
        demo::CompanySchema::create(ligacao.database());
        const demo::FixtureWriter rows(ligacao.database());

        const QList<std::tuple<QString, QString, QString, int>> medidas{
            {"LETRAS", "S", "Small", 1}, {"LETRAS", "M", "Medium", 2}, {"LETRAS", "L", "Large", 3},
            {"LETRAS", "XL", "Extra", 4}, {"LETRAS", "XXL", "Extra 2", 4}, {"NUMEROS", "36", "36", 1},
            {"NUMEROS", "38", "38", 2},  {"NUMEROS", "40", "40", 3},       {"FORA", "Z", "Zero", 0},
            {"CORES", "BR", "Branco", 1}, {"CORES", "PR", "Preto", 2},     {"CORES", "AZ", "Azul", 3},
            {"CORES", "LG", CorComprida, 4}};
        for (const auto& [tipo, codigo, descricao, posicao] : medidas)
            rows.insert("MedTamCo",
                        {{"CodTipoM", tipo}, {"CodMed", codigo}, {"Descrica", descricao}, {"PosImp", posicao}});

        // Q is a size that LETRAS does not have.
        referencia(rows, "R1", "LETRAS", "G1", "FA",
                   {{"S", "BR"}, {"M", "BR"}, {"S", "PR"}, {"XL", "PR"}, {"XXL", "PR"}, {"Q", "BR"}});
        referencia(rows, "R2", "NUMEROS", "G2", "FB", {{"36", "AZ"}, {"40", "AZ"}, {"38", "AZ"}, {"38", "LG"}});
        referencia(rows, "R5", "FORA", "G1", "FA", {{"Z", "BR"}, {"Z", "PR"}});
        referencia(rows, "R3", "LETRAS", "G1", "FA", {{"S", "BR"}, {"M", "BR"}, {"L", "br"}});
        // A variant that names its parent and colour in other case and padded.
        rows.insert(QStringLiteral("Artigos"), {{"Codigo", "R3-BR-XL"}, {"CodRef", "r3"}, {"TmHor", "LETRAS"},
                                                {"MedHor", "XL"}, {"TmVer", "CORES"}, {"MedVert", "Br  "},
                                                {"Grupo", "G1"}, {"Familia", "FA"}, {"SubFamil", "SA"}});

        rows.insert("TpDoc", {{"Codigo", "ENC"}, {"Descr", "Encomenda de Cliente"}, {"Entidade", 2}, {"Areag", 2}});
        rows.insert("TpDoc", {{"Codigo", "FAT"}, {"Descr", "Factura"}, {"Entidade", 2}, {"Areag", 4}});
        rows.insert("Clientes", {{"Codigo", "C1"}, {"Nome", "Cliente Um"}, {"NContrib", "501234567"},
                                 {"Morada", "Rua Direita 1"}, {"CdPostal", "4000-001"}, {"Local", "Porto"},
                                 {"email", "um@cliente.pt"}, {"Contacto", "Ana"}, {"Telef", "220000001"}});
        rows.insert("Clientes", {{"Codigo", "C2"}, {"Nome", "Cliente Dois"}, {"Telef", QVariant()}});
        rows.insert("Grupos", {{"Cod", "G1"}, {"Descr", "Grupo Um"}});
        rows.insert("Grupos", {{"Cod", "G2"}, {"Descr", "Grupo Dois"}});
        rows.insert("Familia", {{"Grupo", "G1"}, {"Cod", "FA"}, {"Descr", "Familia A"}});
        rows.insert("Familia", {{"Grupo", "G2"}, {"Cod", "FB"}, {"Descr", "Familia B"}});
        rows.insert("SubFamil", {{"Grupo", "G1"}, {"Familia", "FA"}, {"Cod", "SA"}, {"Descr", "Sub A"}});
        rows.insert("SubFamil", {{"Grupo", "G2"}, {"Familia", "FB"}, {"Cod", "SB"}, {"Descr", "Sub B"}});

        documento(rows, "A", 1, "C1", "V1",
                  {{"R1-BR-S", 5, ""},
                   {"", 0, "Entrega em Março"},
                   {"R1-BR-M", 3, ""},
                   {"R1-PR-S", 2, ""},
                   {"R1-PR-XL", 4, ""},
                   {"R1-PR-XXL", 6, ""},
                   {"R2-AZ-36", 7, ""},
                   {"R2-AZ-40", 1, ""},
                   {"R2-LG-38", 8, ""},
                   {"", 0, "Pagamento a 30 dias"}});
        documento(rows, "A", 2, "CX", "V2", {{"R2-AZ-38", 9, ""}});
        documento(rows, "A", 3, "C1", "V1", {{"", 0, "Só texto"}});
        documento(rows, "A", 4, "C1", "V1", {{"R1-BR-S", 50, ""}}, -1);
        documento(rows, "A'B", 5, "C2", "V1", {{"R1-BR-M", 11, ""}});
        documento(rows, "A", 6, "C1", "V1", {{"R1-BR-S", 1, ""}, {"R5-BR-Z", 20, ""}, {"R5-PR-Z", 30, ""}});
        documento(rows, "A", 7, "C1", "V1", {{"R1-BR-Q", 4, ""}});
        documento(rows, "A", 8, "C1", "V1",
                  {{"R1-BR-S", 5, ""}, {"R3-BR-S", 7, ""}, {"R1-BR-M", 3, ""}, {"R3-BR-M", 2, ""}});
        QList<Linha> muitasLinhas{{"R1-BR-S", 1, ""}};
        for (int n = 1; n <= LinhasDeTexto; ++n)
            muitasLinhas << Linha{"", 0, linhaDeTexto(n)};
        documento(rows, "A", 9, "C1", "V1", muitasLinhas);
        documento(rows, "A", 10, "C1", "V1", {{"R3-BR-S", 7, ""}, {"R3-br-L", 4, ""}, {"R3-BR-XL", 2, ""}});
        // Number 1 of another type, of another year and of another series.
        documento(rows, "A", 1, "C2", "V2", {{"R1-BR-S", 1000, "Outro tipo"}, {"", 0, "Outro tipo"}}, 1, "FAT");
        documento(rows, "A", 1, "C2", "V2", {{"R1-BR-S", 1000, "Outro ano"}, {"", 0, "Outro ano"}}, 1, "ENC", 2024);
        documento(rows, "B", 1, "C2", "V2", {{"R1-BR-S", 1000, "Outra série"}, {"", 0, "Outra série"}});
    }
    bd_ = std::make_unique<zav::zavCoreDataAccess2016>();
    bd_->AbreLigacao(QStringLiteral("Data Provider=SQLite;Data Source=") + caminho);
}

} // namespace ordersheet
