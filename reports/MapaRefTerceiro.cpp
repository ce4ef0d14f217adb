#include "reports/MapaRefTerceiro.h"

#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/grid/Grelha.h"
#include "reports/MatrizCorTamanho.h"

namespace MapaRefTerceiro {

QString sql(const MapasSql::Filtros& f)
{
    return QStringLiteral(" select a.CodRef, art.Nome as ArtNome, c.Terceiro,cl.Nome as CliNome, sum(l.Quant) As Quant")
        + MapasSql::documentosLinhasArtigos() + QStringLiteral(" inner join Artigos as art ON art.Codigo=a.CodRef")
        + QStringLiteral(" inner join Clientes as cl  ON cl.Codigo=c.Terceiro") + MapasSql::janelaDatas(f)
        + MapasSql::intervaloReferencias(f) + MapasSql::intervaloClientes(f) + MapasSql::intervaloVendedores(f)
        + QStringLiteral(" and a.Grupo >= '") + zav::SqlTexto(f.primeiroGrupo) + QStringLiteral("' and a.Grupo<='")
        + zav::SqlTexto(f.ultimoGrupo) + QStringLiteral("'  and c.Tpterc=2")
        + QStringLiteral(" and c.Areag=2 and c.nvias<>-1") + QStringLiteral(" group by a.CodRef ,c.Terceiro,cl.Nome,art.Nome ")
        + QStringLiteral(" order by a.CodRef,c.terceiro ");
}

zav::RecordsetPtr CriaRsTerceiro()
{
    auto rs = std::make_shared<zav::Recordset>();
    rs->appendField(QStringLiteral("Referencia"), zav::FieldType::Text, 100);
    rs->appendField(QStringLiteral("Cliente"), zav::FieldType::Text, 15);
    rs->appendField(QStringLiteral("NomeCliente"), zav::FieldType::Text, 80);
    rs->appendField(QStringLiteral("Quant"), zav::FieldType::Currency);
    rs->open();
    return rs;
}

zav::RecordsetPtr CarregaRefTerceiro(zav::zavCoreDataAccess2016& bd, const MapasSql::Filtros& filtros)
{
    const zav::RecordsetPtr dados = bd.AbreRecordset(QString(), sql(filtros));
    if (dados->RecordCount() == 0)
        return nullptr;
    zav::RecordsetPtr rs = CriaRsTerceiro();
    for (dados->MoveFirst(); !dados->Eof(); dados->MoveNext()) {
        rs->AddNew();
        rs->Fields(0) = dados->Fields(QStringLiteral("CodRef")).text() + QLatin1Char('/')
            + dados->Fields(QStringLiteral("ArtNome")).text();
        rs->Fields(1) = dados->Fields(QStringLiteral("Terceiro")).text();
        rs->Fields(2) = dados->Fields(QStringLiteral("CliNome")).text();
        rs->Fields(3) = dados->Fields(QStringLiteral("Quant")).currency();
        rs->Update();
    }
    rs->MoveFirst();
    return rs;
}

QList<zav::GridColumn> colunas()
{
    auto texto = [](const char* chave, const QString& titulo, int largura, int comprimento) {
        zav::GridColumn c = colunaTexto(zav::ColumnKey(chave), titulo, largura);
        c.alignment = zav::Alignment::General;
        c.maxLength = comprimento;
        return c;
    };
    zav::GridColumn referencia = texto("Referencia", QString::fromUtf8("Referência"), 1300, 20);
    referencia.hidden = true;
    zav::GridColumn quantidade =
        colunaQuantidade(zav::ColumnKey("Quant"), QStringLiteral("Quantidade"), 1200, MatrizCorTamanho::FormatoTotal);
    quantidade.alignment = zav::Alignment::General;
    quantidade.maxLength = 10;
    return {referencia, texto("Cliente", QStringLiteral("Cliente"), 3000, 20),
            texto("NomeCliente", QStringLiteral("Nome Cliente"), 7000, 80), quantidade};
}

zav::GroupSpec grupo()
{
    zav::GroupSpec g;
    g.column = zav::ColumnKey("Referencia");
    g.headingExpression = QStringLiteral(" ' Total Quant = ' & Format((GroupCalc(1) ),'Standard') & '  '");
    g.sums = {zav::ColumnKey("Quant")};
    g.startExpanded = false;
    return g;
}

void Act_Grelha_Campos_Terceiro(zav::Grelha& grelha)
{
    grelha.clearColumns();
    for (const zav::GridColumn& c : colunas())
        grelha.addColumn(c);
    grelha.clearGroup();
    grelha.setGroup(grupo());
}

} // namespace MapaRefTerceiro
