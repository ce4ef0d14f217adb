#include "FixtureMapas.h"

#include <QGuiApplication>

#include "demo/CompanySchema.h"
#include "demo/FixtureWriter.h"
#include "demo/SqliteConnection.h"

namespace maps {

void artigo(const demo::FixtureWriter& rows, const QString& codigo, const QString& codRef, const QString& tmHor,
            const QString& medHor, const QString& tmVer, const QString& medVert, const QString& grupo)
{
    rows.insert(QStringLiteral("Artigos"), {{"Codigo", codigo}, {"Nome", QStringLiteral("Artigo ") + codigo},
                                            {"CodRef", codRef}, {"TmHor", tmHor}, {"MedHor", medHor}, {"TmVer", tmVer},
                                            {"MedVert", medVert}, {"Grupo", grupo}});
}

void medida(const demo::FixtureWriter& rows, const QString& tipo, const QString& codigo, const QString& descricao,
            int posicao)
{
    rows.insert(QStringLiteral("MedTamCo"),
                {{"CodTipoM", tipo}, {"CodMed", codigo}, {"Descrica", descricao}, {"PosImp", posicao}});
}

void cadastros(const demo::FixtureWriter& rows)
{
    for (const auto& [n, nome] : QList<std::pair<QString, QString>>{{"1", "Um"}, {"2", "Dois"}}) {
        rows.insert("Clientes", {{"Codigo", "C" + n}, {"Nome", "Cliente " + nome}});
        rows.insert("Vendedor", {{"Codigo", "V" + n}, {"Nome", "Vendedor " + nome}});
        rows.insert("Fornec", {{"Codigo", "F" + n}, {"Nome", "Fornecedor " + nome}});
        rows.insert("Grupos", {{"Cod", "G" + n}, {"Descr", "Grupo " + nome}});
    }
    rows.insert("Familia", {{"Grupo", "G1"}, {"Cod", "FA"}, {"Descr", "Familia A"}});
    rows.insert("Familia", {{"Grupo", "G2"}, {"Cod", "FB"}, {"Descr", "Familia B"}});
    rows.insert("SubFamil", {{"Grupo", "G1"}, {"Familia", "FA"}, {"Cod", "SA"}, {"Descr", "Sub A"}});
    rows.insert("SubFamil", {{"Grupo", "G2"}, {"Familia", "FB"}, {"Cod", "SB"}, {"Descr", "Sub B"}});
}

MensagensRespondidas::MensagensRespondidas()
    : resposta_(zav::messageBoxSeam(), [this](QWidget*, const zav::MessageRequest& pedido) {
          textos << pedido.text;
          if (QGuiApplication::overrideCursor())
              comCursorOcupado << pedido.text;
          return int(zav::vbOK);
      })
{
}

QList<QStringList> textosDasLinhas(zav::Recordset& rs)
{
    QList<QStringList> linhas;
    if (rs.RecordCount() == 0)
        return linhas;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        QStringList linha;
        for (int i = 0; i < rs.fieldCount(); ++i)
            linha << (rs.Fields(i).isNull() ? QStringLiteral("null") : rs.Fields(i).text());
        linhas << linha;
    }
    return linhas;
}

MapasSql::Filtros EmpresaComEncomendas::filtros(const QString& referencia, const QString& ultima,
                                                MapasSql::BaseQuantidade base) const
{
    MapasSql::Filtros f;
    f.referencia = referencia;
    f.ultimaReferencia = ultima;
    f.ultimoCliente = QStringLiteral("zzzzzzzz");
    f.ultimoVendedor = QStringLiteral("zzzzzzzz");
    f.ultimoGrupo = QStringLiteral("zzzzzzzz");
    f.primeiraData = agora_.addMonths(-1);
    f.ultimaData = agora_;
    f.base = base;
    return f;
}

BaseEmpresa::BaseEmpresa()
{
    demo::SqliteConnection ligacao(caminho());
    demo::CompanySchema::create(ligacao.database());
}

QString BaseEmpresa::caminho() const
{
    return pasta_.filePath(QStringLiteral("empresa.db"));
}

void BaseEmpresa::escreve(const std::function<void(const demo::FixtureWriter&)>& escrita)
{
    bd_.reset();
    demo::SqliteConnection ligacao(caminho());
    escrita(demo::FixtureWriter(ligacao.database()));
}

zav::zavCoreDataAccess2016& BaseEmpresa::bd()
{
    if (!bd_) {
        bd_ = std::make_unique<zav::zavCoreDataAccess2016>();
        bd_->AbreLigacao(QStringLiteral("Data Provider=SQLite;Data Source=") + caminho());
    }
    return *bd_;
}

FixtureMapas::FixtureMapas()
{
    base_.escreve([this](const demo::FixtureWriter& rows) {
        for (const auto& [tipo, codigo, descricao, posicao] : QList<std::tuple<QString, QString, QString, int>>{
                 {"LETRAS", "S", "Small", 1}, {"LETRAS", "M", "Medium", 2}, {"LETRAS", "L", "Large", 3},
                 {"LETRAS", "XL", "Extra", 4}, {"NUMEROS", "36", "36", 1}, {"NUMEROS", "38", "38", 2},
                 {"CORES", "BR", "Branco", 1}, {"CORES", "PR", "Preto", 2}, {"CORES", "AZ", "Azul", 3}})
            medida(rows, tipo, codigo, descricao, posicao);

        artigo(rows, "R1", "", "LETRAS", "", "CORES", "", "G1");
        artigo(rows, "R1-BR-S", "R1", "LETRAS", "S", "CORES", "BR", "G1");
        artigo(rows, "R1-BR-M", "R1", "LETRAS", "M", "CORES", "BR", "G1");
        artigo(rows, "R1-PR-L", "R1", "LETRAS", "L", "CORES", "PR", "G1");
        artigo(rows, "R1-PR-L2", "R1", "LETRAS", "L", "CORES", "PR", "G1");
        artigo(rows, "R1-PR-S", "R1", "LETRAS", "S", "CORES", "PR", "G2");
        artigo(rows, "R2", "", "NUMEROS", "", "CORES", "", "G1");
        artigo(rows, "R2-BR-36", "R2", "NUMEROS", "36", "CORES", "BR", "G1");
        artigo(rows, "R3", "", "VAZIO", "", "CORES", "", "G1");
        artigo(rows, "R4", "", "LETRAS", "", "SEMCOR", "", "G1");

        cadastros(rows);

        const QDateTime hoje(agora_.date(), QTime(0, 0));
        escreveEncomenda(rows, 1, hoje.addSecs(23 * 3600), "C1", "V1", {{"R1-BR-S", 10, 6}, {"R1-BR-M", 5, 5}});
        escreveEncomenda(rows, 2, hoje.addDays(-10), "C2", "V2",
                         {{"R1-PR-L", 4, 1}, {"R1-PR-L2", 7, 3}, {"R1-PR-S", 2, 2}});
        escreveEncomenda(rows, 3, hoje.addMonths(-2), "C1", "V1", {{"R1-BR-S", 100, 100}});
        escreveEncomenda(rows, 4, hoje.addDays(-3), "C1", "V1", {{"R1-BR-S", 1000, 1000}}, -1);
        escreveEncomenda(rows, 5, hoje.addDays(-3), "C1", "V1", {{"R1-BR-M", 500, 500}}, 1, 1);
    });
}

} // namespace maps
