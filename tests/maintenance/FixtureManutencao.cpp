#include "FixtureManutencao.h"

#include "demo/CompanySchema.h"
#include "demo/FixtureWriter.h"
#include "demo/SqliteConnection.h"
#include "platform/data/TabelasAdicionais.h"

namespace manutencao {

FixtureManutencao::FixtureManutencao()
{
    caminho_ = pasta_.filePath(QStringLiteral("empresa.db"));
    {
        demo::SqliteConnection ligacao(caminho_);
        demo::CompanySchema::create(ligacao.database());
        const demo::FixtureWriter rows(ligacao.database());
        for (const auto& [codigo, descricao] : QList<std::pair<const char*, const char*>>{
                 {"PT", "Português"}, {"EN", "English"}, {"FR", "Français"}, {"ES", "Español"},
                 {"DE", "Deutsch"}, {"IT", "Italiano"}, {"O'K", "Com plica"}})
            rows.insert("Idiomas", {{"Codigo", u(codigo)}, {"Descr", u(descricao)}});
        rows.insert("Artigos", {{"Codigo", "A1"}, {"Nome", "Camisola"}});
        rows.insert("Artigos", {{"Codigo", "B'1"}, {"Nome", "Casaco d'Ouro"}});
        rows.insert("Artigos", {{"Codigo", "X9"}, {"Nome", "Inactivo"}, {"Inactivo", -1}});
        rows.insert("TabLiv01", {{"Chave", "C1"}, {"Descr", "Malha"}});
        rows.insert("TabLiv01", {{"Chave", "c2"}, {"Descr", "Tecido"}});
        rows.insert("TabLiv01", {{"Chave", "O'1"}, {"Descr", "Aspas"}});
        rows.insert("TabLiv02", {{"Chave", "T1"}, {"Descr", "Tipo Um"}});
        rows.insert("TabLiv04", {{"Chave", "K1"}, {"Descr", "Classe"}});
        rows.insert("Grupos", {{"Cod", "G1"}, {"Descr", "Grupo Um"}});
        rows.insert("Grupos", {{"Cod", "G2"}, {"Descr", "Grupo Dois"}});
        rows.insert("Familia", {{"Grupo", "G1"}, {"Cod", "FA"}, {"Descr", u("Verão")}});
        rows.insert("Familia", {{"Grupo", "G2"}, {"Cod", "FA"}, {"Descr", "Inverno"}});
        rows.insert("SubFamil", {{"Grupo", "G1"}, {"Familia", "FA"}, {"Cod", "SA"}, {"Descr", "Praia"}});
        rows.insert("SubFamil", {{"Grupo", "G2"}, {"Familia", "FA"}, {"Cod", "SA"}, {"Descr", "Neve"}});
        rows.insert("SubFamil", {{"Grupo", "G1"}, {"Familia", "FB"}, {"Cod", "SA"}, {"Descr", "Montanha"}});
        rows.insert("TipMed", {{"TipoMed", "LETRAS"}, {"Descrica", "Tamanhos"}});
        rows.insert("TipMed", {{"TipoMed", "CORES"}, {"Descrica", "Cores"}});
        rows.insert("TipMed", {{"TipoMed", "NUMEROS"}, {"Descrica", u("Números")}});
        for (const char* tamanho : {"S", "M", "L"})
            rows.insert("MedTamCo", {{"CodTipoM", "LETRAS"}, {"CodMed", tamanho}, {"Descrica", tamanho}});
        rows.insert("MedTamCo", {{"CodTipoM", "CORES"}, {"CodMed", "BR"}, {"Descrica", "Branco"}});
        rows.insert("MedTamCo", {{"CodTipoM", "CORES"}, {"CodMed", "PR"}, {"Descrica", "Preto"}});
        rows.insert("MedTamCo", {{"CodTipoM", "NUMEROS"}, {"CodMed", "XL"}, {"Descrica", "Grande"}});
    }
    bd_ = std::make_unique<zav::zavCoreDataAccess2016>();
    bd_->AbreLigacao(QStringLiteral("Data Provider=SQLite;Data Source=") + caminho_);
    criaTabelasEmFalta(*bd_, tabelasIdiomas());
}

QStringList FixtureManutencao::linhas(const QString& sql)
{
    const zav::RecordsetPtr rs = bd_->AbreRecordset(QString(), sql);
    QStringList resultado;
    for (; !rs->Eof(); rs->MoveNext()) {
        QStringList colunas;
        for (int i = 0; i < rs->fieldCount(); ++i)
            colunas << rs->Fields(i).text();
        resultado << colunas.join(QLatin1Char('|'));
    }
    return resultado;
}

void FixtureManutencao::executa(const QString& sql)
{
    bd_->ExecutaSQL(QString(), sql);
}

void FixtureManutencao::executaDirecto(const QString& sql)
{
    const demo::SqliteConnection ligacao(caminho_);
    demo::executeSql(ligacao.database(), sql);
}

Dialogos::Dialogos()
    : mensagem_(zav::messageBoxSeam(),
                [this](QWidget*, const zav::MessageRequest& pedido) {
                    mensagens << pedido.text;
                    pedidos << pedido;
                    if (aoMostrar)
                        aoMostrar();
                    return resposta;
                }),
      lista_(zav::pickListSeam(), [this](QWidget*, const zav::PickListRequest& pedido) {
          listas << pedido;
          return escolha;
      })
{
}

} // namespace manutencao
