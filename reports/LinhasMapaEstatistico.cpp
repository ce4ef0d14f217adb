#include "reports/LinhasMapaEstatistico.h"

#include "platform/data/Currency.h"
#include "platform/data/ErpText.h"
#include "platform/data/zavCoreDataAccess2016.h"

namespace MapaEstatistico {

namespace {

const QString OrdCabecalho = QStringLiteral("000");
const QString OrdLinha = QStringLiteral("001");
const QString OrdenacaoLinhas = QStringLiteral("Ord,Codigo");
// The return gives its figures ten characters, but a larger quantity or value
// is kept whole (no size limit): refused it would end the program, cut it
// would be a wrong figure.
constexpr int TamanhoAlgarismos = 0;

// A figure from the database keeps its plain conversion (no grouping) with the
// comma as decimal separator, as the regional settings write it and as the
// grid's export reads it back into a number. Null stays empty.
QVariant Algarismos(const QVariant& valor)
{
    if (valor.isNull())
        return QString();
    return zav::Recordset::plainText(valor).replace(QLatin1Char('.'), QLatin1Char(','));
}

// One line of the return, field by field in the recordset's order.
struct Linha {
    QString ord;
    QVariant produto;
    QVariant unidade;
    QVariant codigo;
    QVariant qtdProd;
    QVariant qtdVend;
    QVariant valorVendas;
    QVariant obs;
};

void AdicionaLinha(zav::Recordset& linhas, const Linha& linha)
{
    linhas.AddNew();
    linhas.Fields("Ord") = linha.ord;
    linhas.Fields("Produto") = linha.produto;
    linhas.Fields("Unidade") = linha.unidade;
    linhas.Fields("Codigo") = linha.codigo;
    linhas.Fields("QtdProd") = linha.qtdProd;
    linhas.Fields("QtdVend") = linha.qtdVend;
    linhas.Fields("ValorVendas") = linha.valorVendas;
    linhas.Fields("Obs") = linha.obs;
    linhas.Update();
}

// Moves to the first line with that class code, as the database tells codes
// apart (each query grouped its rows so); false when there is none.
bool ProcuraClasse(zav::Recordset& linhas, const QString& codigo)
{
    if (linhas.RecordCount() == 0)
        return false;
    for (linhas.MoveFirst(); !linhas.Eof(); linhas.MoveNext())
        if (zav::erptext::equal(linhas.Fields("Codigo").text(), codigo))
            return true;
    return false;
}

} // namespace

QString SqlProducao(const QString& primeiraData, const QString& ultimaData)
{
    return QStringLiteral(" SELECT cl.Cl05,coalesce(ad.Nome,'') as Nome, a.UNBASE, sum( case when c.sinalct=2 then (Quant ) when c.sinalct=1 then (-Quant) end ) as qtdProd FROM            DOCGCCAB  as c INNER JOIN   DOCGCLIN as l ON c.NNUMDOC = l.NNUMDOC AND c.TPDOC = l.TPDOCUM AND c.SERIE = l.SERIE AND c.ANO = l.ANO inner join Artigos as a ON a.Codigo=l.Artigo inner join ClArt as cl ON cl.Codigo =a.Codigo Left outer join Artigos as ad ON ad.Codigo=cl.CL05 Where c.nvias <> -1 and c.Data >= CONVERT(DATETIME, '")
        + primeiraData
        + QStringLiteral("', 102) and c.Data <= CONVERT(DATETIME, '")
        + ultimaData
        + QStringLiteral("', 102) and c.areag=4 and c.tpterc=3 and c.natconta=5 and c.TpOper=1 and l.artigo>'' and a.artouDes=0 and cl.Cl05>'' group by a.UNBASE , cl.Cl05,ad.Nome Order by cl.Cl05");
}

QString SqlVendas(const QString& primeiraData, const QString& ultimaData)
{
    return QStringLiteral(" SELECT cl.Cl05,coalesce(ad.Nome,'') as Nome , a.UNBASE, round(sum( case when a.artoudes=-1 then 0 when a.artoudes<>-1 then (ABS(c.TPTERC - c.SINALCT) * 2 - 1) * l.Quant end ),0) as QtdVend, round(SUM((Abs(c.TPTERC - c.SINALCT) * 2 - 1) * l.Valor),0) As ValorVendas FROM            DOCGCCAB  as c INNER JOIN   DOCGCLIN as l ON c.NNUMDOC = l.NNUMDOC AND c.TPDOC = l.TPDOCUM AND c.SERIE = l.SERIE AND c.ANO = l.ANO inner join Artigos as a ON a.Codigo=l.Artigo inner join ClArt as cl ON cl.Codigo =a.Codigo Left outer join Artigos as ad ON ad.Codigo =cl.CL05  Where  c.nvias <> -1 and c.Data >= CONVERT(DATETIME, '")
        + primeiraData
        + QStringLiteral("', 102)  and c.Data <= CONVERT(DATETIME, '")
        + ultimaData
        + QStringLiteral("', 102) and    (c.AREAG = 4) AND (c.TpTerc = 2) AND (c.TpOper = 2) AND (c.Natconta = 1)and l.artigo>'' and cl.CL05>'' group by a.UNBASE , cl.Cl05,ad.Nome  Having SUM((Abs(c.TPTERC - c.SINALCT) * 2 - 1) * l.Valor) <> 0 Order by cl.Cl05");
}

QString SqlMercados(const QString& primeiraData, const QString& ultimaData)
{
    return QStringLiteral(" SELECT i.mercado , case when i.mercado=1 then ' Nacional' when i.mercado=2 then 'Intracomunitário' when i.mercado=3 then 'Outros Mercados' end as TipoMercado, case when i.mercado=1 then 'P0801' when i.mercado=2 then 'P0802' when i.mercado=3 then 'P0803' end as Fixo, case when i.mercado=1 then '141309120000' when i.mercado=2 then '141309130000' when i.mercado=3 then '141309140000' end as Codigo, round(SUM((Abs(c.TPTERC - c.SINALCT) * 2 - 1) * l.Valor), 0) As ValorVendas FROM            DOCGCCAB  as c INNER JOIN   DOCGCLIN as l ON c.NNUMDOC = l.NNUMDOC AND c.TPDOC = l.TPDOCUM AND c.SERIE = l.SERIE AND c.ANO = l.ANO inner join Artigos as a ON a.Codigo=l.Artigo inner join ClArt as cl ON cl.Codigo =a.Codigo inner join RgIva as i ON i.Codigo=c.RgIva Where c.nvias <> -1 and c.Data >= CONVERT(DATETIME, '")
        + primeiraData
        + QStringLiteral("', 102) and c.Data <= CONVERT(DATETIME, '")
        + ultimaData
        + QStringLiteral("', 102) and    (c.AREAG = 4) AND (c.TpTerc = 2) AND (c.TpOper = 2) AND (c.Natconta = 1)and l.artigo>'' and cl.CL05>'' Group By i.Mercado Having SUM((Abs(c.TPTERC - c.SINALCT) * 2 - 1) * l.Valor) <> 0 Order by i.mercado");
}

zav::RecordsetPtr CriaRsMapa()
{
    auto linhas = std::make_shared<zav::Recordset>();
    linhas->appendField(QStringLiteral("Ord"), zav::FieldType::Text, 3);
    linhas->appendField(QStringLiteral("Produto"), zav::FieldType::Text, 80);
    linhas->appendField(QStringLiteral("Unidade"), zav::FieldType::Text, 10);
    linhas->appendField(QStringLiteral("Codigo"), zav::FieldType::Text, 20);
    linhas->appendField(QStringLiteral("QtdProd"), zav::FieldType::Text, TamanhoAlgarismos);
    linhas->appendField(QStringLiteral("QtdVend"), zav::FieldType::Text, TamanhoAlgarismos);
    linhas->appendField(QStringLiteral("ValorVendas"), zav::FieldType::Text, TamanhoAlgarismos);
    linhas->appendField(QStringLiteral("Obs"), zav::FieldType::Text, 50);
    linhas->open();
    return linhas;
}

LinhasMapa::LinhasMapa(zav::zavCoreDataAccess2016& bd, QString primeiraData, QString ultimaData)
    : bd_(bd), primeiraData_(std::move(primeiraData)), ultimaData_(std::move(ultimaData))
{
}

zav::RecordsetPtr LinhasMapa::LinhasClasses() const
{
    auto linhas = CriaRsMapa();
    JuntaProducao(*linhas);
    JuntaVendas(*linhas);
    if (linhas->RecordCount() == 0)
        return linhas;

    AdicionaLinha(*linhas, {OrdCabecalho, QStringLiteral("P0100"), QStringLiteral("P0200"), QStringLiteral("P0300"),
                            QStringLiteral("P0500"), QStringLiteral("P0600"), QStringLiteral("P0700"),
                            QStringLiteral("P0701")});
    linhas->setSort(OrdenacaoLinhas);
    return linhas;
}

void LinhasMapa::JuntaProducao(zav::Recordset& linhas) const
{
    auto producao = bd_.AbreRecordset(QString(), SqlProducao(primeiraData_, ultimaData_));
    if (producao->RecordCount() > 0) {
        for (; !producao->Eof(); producao->MoveNext())
            AdicionaLinha(linhas, {OrdLinha, producao->Fields("Nome").value(), producao->Fields("UNBASE").value(),
                                   producao->Fields("Cl05").value(), Algarismos(producao->Fields("qtdProd").value()),
                                   QString(), QString(), QString()});
    }
    producao->close();
}

void LinhasMapa::JuntaVendas(zav::Recordset& linhas) const
{
    auto vendas = bd_.AbreRecordset(QString(), SqlVendas(primeiraData_, ultimaData_));
    if (vendas->RecordCount() > 0) {
        for (; !vendas->Eof(); vendas->MoveNext()) {
            // A class sold in several units keeps the values of its last unit.
            if (!ProcuraClasse(linhas, vendas->Fields("Cl05").text())) {
                linhas.AddNew();
                linhas.Fields("Ord") = OrdLinha;
                linhas.Fields("Produto") = vendas->Fields("Nome").value();
                linhas.Fields("Unidade") = vendas->Fields("UNBASE").value();
                linhas.Fields("Codigo") = vendas->Fields("Cl05").value();
                linhas.Fields("QtdProd") = QString();
            }
            linhas.Fields("QtdVend") = Algarismos(vendas->Fields("QtdVend").value());
            linhas.Fields("ValorVendas") = Algarismos(vendas->Fields("ValorVendas").value());
            linhas.Fields("Obs") = QString();
            linhas.Update();
        }
    }
    vendas->close();
}

zav::RecordsetPtr LinhasMapa::LinhasMercados() const
{
    auto linhas = CriaRsMapa();
    auto mercados = bd_.AbreRecordset(QString(), SqlMercados(primeiraData_, ultimaData_));
    if (mercados->RecordCount() < 1) {
        mercados->close();
        return linhas;
    }

    zav::Currency total;
    for (; !mercados->Eof(); mercados->MoveNext()) {
        AdicionaLinha(*linhas, {OrdLinha, mercados->Fields("TipoMercado").value(), mercados->Fields("Fixo").value(),
                               mercados->Fields("Codigo").value(), QString(), QString(),
                               Algarismos(mercados->Fields("ValorVendas").value()), QString()});
        total += mercados->Fields("ValorVendas").currency();
    }
    mercados->close();

    AdicionaLinha(*linhas, {OrdCabecalho, QStringLiteral("Valor Total Vendas"), QStringLiteral("P0800"),
                            QStringLiteral("141309110000"), QString(), QString(),
                            Algarismos(QVariant::fromValue(total)), QString()});
    linhas->setSort(OrdenacaoLinhas);
    return linhas;
}

} // namespace MapaEstatistico
