#include "FixtureMapasII.h"

#include "demo/FixtureWriter.h"

namespace maps {

namespace {

void pai(const demo::FixtureWriter& rows, const QString& codigo, const QString& nome, const QString& tmHor,
         const QString& tmVer, const QVariant& fornecedor)
{
    rows.insert(QStringLiteral("Artigos"), {{"Codigo", codigo}, {"Nome", nome}, {"CodRef", QStringLiteral("")},
                                            {"TmHor", tmHor}, {"TmVer", tmVer}, {"Fornec", fornecedor}});
}

void variante(const demo::FixtureWriter& rows, const QString& pai, const QString& tmHor, const QString& tamanho,
              const QString& cor, const QString& grupo)
{
    const QString codigo = pai + QLatin1Char('-') + cor + QLatin1Char('-') + tamanho;
    artigo(rows, codigo, pai, tmHor, tamanho, QStringLiteral("CORES"), cor, grupo);
    rows.execute(QStringLiteral("update Artigos set Familia='%1', SubFamil='%2' where Codigo='%3'")
                     .arg(grupo == "G1" ? "FA" : "FB", grupo == "G1" ? "SA" : "SB", codigo));
}

} // namespace

FixtureMapasII::FixtureMapasII()
{
    base_.escreve([this](const demo::FixtureWriter& rows) {
        for (const auto& [tipo, codigo, descricao, posicao] : QList<std::tuple<QString, QString, QString, int>>{
                 {"LETRAS", "S", " Small ", 1}, {"LETRAS", "M", "Medium", 2}, {"LETRAS", "L", "Large", 3},
                 {"LETRAS", "XL", "Extra", 4}, {"NUM", "36", "36", 1}, {"NUM", "38", "38", 2}, {"NUM", "00", "00", 0},
                 {"GRANDE", "XXL", "XXL", 9}, {"CORES", "BR", "Branco", 1}, {"CORES", "PR", "Preto", 2}})
            medida(rows, tipo, codigo, descricao, posicao);

        pai(rows, "R1", "Camisola de gola alta em algodao", "LETRAS", "CORES", "F1");
        pai(rows, "R2", "Calca", "NUM", "CORES", "F2");
        pai(rows, "R3", "Sem tamanhos", "VAZIO", "CORES", "F1");
        pai(rows, "R5", "Sem cores", "LETRAS", "", "F1");
        const QList<std::pair<QString, QString>> letras{{"S", "BR"}, {"M", "BR"}, {"S", "PR"}};
        for (const auto& [tamanho, cor] : letras)
            variante(rows, "R1", "LETRAS", tamanho, cor, "G1");
        for (const auto& [tamanho, cor] : QList<std::pair<QString, QString>>{{"36", "BR"}, {"38", "PR"}, {"00", "BR"}})
            variante(rows, "R2", "NUM", tamanho, cor, "G2");
        variante(rows, "R2", "GRANDE", "XXL", "BR", "G2");

        pai(rows, "M1", "Casaco", "LETRAS", "CORES", "F1");
        pai(rows, "M2", "Sem fornecedor", "VAZIO", "CORES", QStringLiteral(""));
        pai(rows, "M3", "Fornecedor errado", "VAZIO", "CORES", "F9");
        pai(rows, "M4", "Sem tamanhos", "VAZIO", "CORES", "F1");
        pai(rows, "M5", "Fornecedor nulo", "LETRAS", "CORES", QVariant());
        for (const auto& [tamanho, cor] : letras)
            variante(rows, "M1", "LETRAS", tamanho, cor, "G1");

        cadastros(rows);

        const QDateTime hoje(agora_.date(), QTime(0, 0));
        escreveEncomenda(rows, 1, hoje.addDays(-1), "C1", "V1",
                  {{"R1-BR-S", 10, 6}, {"R1-BR-M", 5, 5}, {"R1-PR-S", 3, 1}, {"R2-BR-36", 8, 8}, {"M1-BR-S", 10, 6}});
        escreveEncomenda(rows, 2, hoje.addDays(-2), "C2", "V2",
                  {{"R2-PR-38", 4, 2}, {"R2-BR-00", 7, 7}, {"R2-BR-XXL", 2, 2}, {"M1-BR-M", 2, 0}});
        escreveEncomenda(rows, 3, hoje.addDays(-3), "C1", "V2", {{"M1-BR-S", 4, 4}, {"M1-PR-S", 3, 0}});
        escreveEncomenda(rows, 4, hoje.addDays(-4), "C9", "V1", {{"M1-BR-M", 9, 9}});
        escreveEncomenda(rows, 5, hoje.addMonths(-2), "C1", "V1", {{"R1-BR-S", 50, 50}});
    });
}

} // namespace maps
