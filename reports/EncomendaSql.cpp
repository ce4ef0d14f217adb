#include "reports/EncomendaSql.h"

#include "platform/data/zavCoreDataAccess2016.h"
#include "reports/MapasSql.h"

#include <QRegularExpression>

namespace {

bool inteiro(const QString& texto)
{
    // As SqlNumero reads a whole number: anchored at both ends, so no final line break passes.
    static const QRegularExpression numero(QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]+")));
    return numero.match(texto).hasMatch();
}

QString tipoDocumento(const ChaveEncomenda& chave)
{
    return QStringLiteral(" c.tpdoc='") + zav::SqlTexto(chave.tipo) + QStringLiteral(" ' ");
}

// " c.tpdoc='<type> ' and c.Nnumdoc=<n>  and c.Serie='<series>'  and c.ano=<year> "
QString documento(const ChaveEncomenda& chave, qint64 lNoDoc)
{
    return tipoDocumento(chave) + QStringLiteral("and c.Nnumdoc=") + QString::number(lNoDoc)
        + QStringLiteral("  and c.Serie='") + zav::SqlTexto(chave.serie) + QStringLiteral("'  and c.ano=")
        + zav::SqlNumero(chave.ano) + QStringLiteral(" ");
}

QString filtroFamilia(const FiltroFamilia& filtro)
{
    if (!filtro.aplica())
        return {};
    return QStringLiteral(" and a.Grupo='") + zav::SqlTexto(filtro.grupo) + QStringLiteral("' and a.familia='")
        + zav::SqlTexto(filtro.familia) + QStringLiteral("' and a.SubFamil='") + zav::SqlTexto(filtro.subFamilia)
        + QStringLiteral("' ");
}

QString linhasDoDocumento(const ChaveEncomenda& chave, qint64 lNoDoc, const FiltroFamilia& filtro)
{
    return QStringLiteral(" Where  c.nvias<>-1 ") + filtroFamilia(filtro) + QStringLiteral(" and")
        + documento(chave, lNoDoc);
}

} // namespace

bool ChaveEncomenda::completa() const
{
    return !tipo.isEmpty() && !serie.isEmpty() && inteiro(ano) && inteiro(numero);
}

bool FiltroFamilia::aplica() const
{
    return !grupo.isEmpty() && !familia.isEmpty() && !subFamilia.isEmpty();
}

namespace EncomendaSql {

QString documentos(const ChaveEncomenda& chave)
{
    const QString numero = zav::SqlNumero(chave.numero);
    return QStringLiteral(" select c.NNumdoc,c.Data") + QStringLiteral(" from DocgcCab as c") + QStringLiteral(" Where  ")
        + QStringLiteral(" c.nvias<>-1 ") + QStringLiteral(" and") + tipoDocumento(chave)
        + QStringLiteral("and c.Nnumdoc>=") + numero + QStringLiteral("  and c.Nnumdoc<=") + numero
        + QStringLiteral(" and c.Serie='") + zav::SqlTexto(chave.serie) + QStringLiteral("'  and c.ano=")
        + zav::SqlNumero(chave.ano) + QStringLiteral(" ");
}

QString linhas(const ChaveEncomenda& chave, qint64 lNoDoc, const FiltroFamilia& filtro)
{
    return QStringLiteral(" select a.CodRef,l.artigo") + MapasSql::documentosLinhasArtigos()
        + linhasDoDocumento(chave, lNoDoc, filtro);
}

QString dados(const ChaveEncomenda& chave, qint64 lNoDoc, const FiltroFamilia& filtro)
{
    return QStringLiteral(" select a.codref,sum (l.Quant) as Quant, a.MedHor,a.MedVert,mv.POSIMP as Mv,")
        + QStringLiteral(" mh.POSIMP as mh, mv.Descrica as Cor, mh.Descrica,c.Terceiro,c.Vendedor")
        + MapasSql::documentosLinhasArtigos() + MapasSql::tamanhoDoArtigo() + MapasSql::corDoArtigo()
        + linhasDoDocumento(chave, lNoDoc, filtro)
        + QStringLiteral(" Group by a.codref,a.MedHor,a.MedVert,mv.POSIMP,mh.POSIMP, mv.Descrica, mh.Descrica,c.Terceiro,c.Vendedor ")
        + MapasSql::ordemReferenciaCorTamanho();
}

QString linhasTexto(const ChaveEncomenda& chave, qint64 lNoDoc)
{
    return QStringLiteral(" Select l.artigo,l.Descr as Descr") + QStringLiteral(" from DocgcCab as c")
        + QStringLiteral(" inner join docgclin as l ON l.tpdocum=c.Tpdoc and l.nnumdoc=c.NNumdoc and l.serie=c.serie and l.ano=c.Ano")
        + QStringLiteral(" Where  ") + documento(chave, lNoDoc) + QStringLiteral(" and c.nvias<>-1 and l.artigo='' ");
}

QString cliente(const QString& codigo)
{
    return QStringLiteral("Select * from Clientes where Codigo='") + zav::SqlTexto(codigo) + QStringLiteral("'");
}

} // namespace EncomendaSql
