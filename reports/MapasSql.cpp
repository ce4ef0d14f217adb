#include "reports/MapasSql.h"

#include "platform/data/zavCoreDataAccess2016.h"

namespace MapasSql {

namespace {

QString intervalo(const QString& coluna, const QString& de, const QString& ate)
{
    return QStringLiteral(" and %1 >= '").arg(coluna) + zav::SqlTexto(de)
        + QStringLiteral("' and %1<='").arg(coluna) + zav::SqlTexto(ate) + QStringLiteral("' ");
}

} // namespace

BaseQuantidade baseDasOpcoes(bool todas, bool pendentes)
{
    if (todas)
        return BaseQuantidade::Todas;
    return pendentes ? BaseQuantidade::Pendentes : BaseQuantidade::Satisfeitas;
}

QString inicioDoDia(const QDateTime& data)
{
    return data.date().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 00:00:00");
}

QString fimDoDia(const QDateTime& data)
{
    return data.date().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 23:59:59");
}

QString quantidadeSemVirgula(BaseQuantidade base)
{
    switch (base) {
    case BaseQuantidade::Todas: return QStringLiteral(" sum(l.QtdOrig) as Quant");
    case BaseQuantidade::Pendentes: return QStringLiteral(" sum(l.Quant) as Quant");
    case BaseQuantidade::Satisfeitas: break;
    }
    return QStringLiteral(" sum(l.QtdOrig-l.Quant) as Quant");
}

QString quantidade(BaseQuantidade base)
{
    return quantidadeSemVirgula(base) + QLatin1Char(',');
}

QString documentosLinhasArtigos()
{
    return QStringLiteral(" from DocgcCab as c")
        + QStringLiteral(" inner join docgclin as l ON l.tpdocum=c.Tpdoc and l.nnumdoc=c.NNumdoc and l.serie=c.serie and l.ano=c.Ano")
        + QStringLiteral(" inner join artigos as a ON a.Codigo=l.Artigo");
}

QString tamanhoDoArtigo()
{
    return QStringLiteral(" inner join MedTamCo as mh ON mh.CodTipoM=a.TmHor and mh.CodMed=a.medhor");
}

QString corDoArtigo()
{
    return QStringLiteral(" inner join MedTamCo as mv ON mv.CodTipoM=a.TmVer and mv.CodMed=a.MEDVERT");
}

QString janelaDatas(const Filtros& filtros)
{
    return QStringLiteral(" Where  c.Data >= CONVERT(DATETIME, '") + inicioDoDia(filtros.primeiraData)
        + QStringLiteral(" ', 102)") + QStringLiteral(" and c.Data <= CONVERT(DATETIME, '")
        + fimDoDia(filtros.ultimaData) + QStringLiteral(" ', 102)");
}

QString umaReferencia(const QString& referencia)
{
    return QStringLiteral(" and a.CodRef='") + zav::SqlTexto(referencia) + QStringLiteral("' ");
}

QString intervaloReferencias(const Filtros& filtros)
{
    return QStringLiteral(" and a.CodRef>='") + zav::SqlTexto(filtros.referencia)
        + QStringLiteral("' and a.CodRef<='") + zav::SqlTexto(filtros.ultimaReferencia) + QStringLiteral("' ");
}

QString intervaloClientes(const Filtros& filtros)
{
    return intervalo(QStringLiteral("c.Terceiro"), filtros.primeiroCliente, filtros.ultimoCliente);
}

QString intervaloVendedores(const Filtros& filtros)
{
    return intervalo(QStringLiteral("c.Vendedor"), filtros.primeiroVendedor, filtros.ultimoVendedor);
}

QString intervaloGrupos(const Filtros& filtros)
{
    return intervalo(QStringLiteral("a.Grupo"), filtros.primeiroGrupo, filtros.ultimoGrupo);
}

QString encomendasClientes()
{
    return QStringLiteral(" and c.Tpterc=2 and c.Areag=2 and c.nvias<>-1 ");
}

QString ordemReferenciaCorTamanho()
{
    return QStringLiteral(" order by a.CodRef,mv.posimp,a.MedVert,mh.posimp ");
}

QString filtroReferencia(const Filtros& filtros, bool comIntervalos)
{
    QString filtro = janelaDatas(filtros) + umaReferencia(filtros.referencia);
    if (comIntervalos)
        filtro += intervaloClientes(filtros) + intervaloVendedores(filtros) + intervaloGrupos(filtros);
    return filtro + encomendasClientes();
}

QString linhasMatriz(BaseQuantidade base, const QString& filtro, const QString& colunasExtra,
                     const QString& ordemAntes)
{
    return QStringLiteral(" select l.artigo,") + quantidade(base)
        + QStringLiteral(" a.MedHor,a.MedVert,mv.POSIMP as Mv,mh.POSIMP mH,mv.Descrica, mh.Descrica") + colunasExtra
        + documentosLinhasArtigos() + tamanhoDoArtigo() + corDoArtigo() + filtro
        + QStringLiteral(" group by l.artigo,a.MEDHOR ,a.medvert,mv.POSIMP,mh.POSIMP,mv.Descrica,mh.Descrica") + colunasExtra
        + QStringLiteral(" order by ") + ordemAntes + QStringLiteral("mv.posimp,mh.posimp");
}

} // namespace MapasSql
