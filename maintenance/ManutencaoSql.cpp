#include "maintenance/ManutencaoSql.h"

#include "platform/data/zavCoreDataAccess2016.h"

using zav::SqlTexto;

namespace {

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QString dois(int numero)
{
    return QStringLiteral("%1").arg(numero, 2, 10, QLatin1Char('0'));
}

bool tabelaLivre(int modo)
{
    return modo >= 1 && modo <= 4;
}

} // namespace

namespace ArtigosSql {

QString listaArtigos()
{
    return u("select Codigo as 'Código',Nome as 'Designação' From Artigos Where inactivo <> -1 order by Codigo");
}

QString validaArtigo(const QString& artigo)
{
    return QStringLiteral("SELECT * FROM Artigos  where Codigo='") + SqlTexto(artigo)
        + QStringLiteral("' and Inactivo<>-1 ");
}

QString listaIdiomas()
{
    return IdiomasSql::lista();
}

QString validaIdioma(const QString& idioma)
{
    return QStringLiteral("SELECT * FROM Idiomas  where Codigo='") + SqlTexto(idioma) + QStringLiteral("' ");
}

QString descricao(const QString& artigo, const QString& idioma)
{
    return QStringLiteral(" SELECT Idioma,Descr   ") + QStringLiteral(" From ArtIdiom ") + QStringLiteral(" where Artigo='")
        + SqlTexto(artigo) + QStringLiteral("' and Idioma='") + SqlTexto(idioma) + QStringLiteral("'");
}

QString descricaoDetalhada(const QString& artigo, const QString& idioma)
{
    return QStringLiteral(" SELECT Idioma,Descr   ") + QStringLiteral(" From zav_ArtigoDetalhe ")
        + QStringLiteral(" where Artigo='") + SqlTexto(artigo) + QStringLiteral("' and Idioma='") + SqlTexto(idioma)
        + QStringLiteral("'");
}

QString linhaDescricao(const QString& artigo, const QString& idioma)
{
    return QStringLiteral("Select * from ArtIdiom where Artigo='") + SqlTexto(artigo)
        + QStringLiteral("'  and Idioma='") + SqlTexto(idioma) + QStringLiteral("'");
}

QString linhaDetalhe(const QString& artigo, const QString& idioma)
{
    return QStringLiteral("Select * from zav_ArtigoDetalhe where Artigo='") + SqlTexto(artigo)
        + QStringLiteral("'  and Idioma='") + SqlTexto(idioma) + QStringLiteral("'");
}

QList<QString> anulacoes(const QString& artigo, const QString& idioma)
{
    const QString chave = QStringLiteral(" where Artigo='") + SqlTexto(artigo) + QStringLiteral("' and Idioma='")
        + SqlTexto(idioma) + QStringLiteral("'");
    return {QStringLiteral("delete from ArtIdiom") + chave, QStringLiteral("delete from zav_ArtigoDetalhe") + chave};
}

} // namespace ArtigosSql

namespace TabIdiomasSql {

QString titulo(int modo)
{
    switch (modo) {
    case 1: return QStringLiteral("Categorias");
    case 2: return QStringLiteral("Tipos");
    case 3: return u("Composição");
    case 4: return u("Classificação");
    case 5: return u("Coleção");
    case 6: return u("Estação");
    default: return QString();
    }
}

QString legendaCodigo(int modo)
{
    return modo == 5 || modo == 6 ? titulo(modo) : u("Código");
}

QString tituloLista(int modo)
{
    switch (modo) {
    case 1: return QStringLiteral("Categorias");
    case 2: return QStringLiteral("Tipos");
    case 3: return u("Composições");
    case 4: return u("Classificações");
    case 5: return u("Coleções");
    case 6: return u("Estações");
    default: return QString();
    }
}

QString sqlLista(int modo)
{
    if (tabelaLivre(modo))
        return u("SELECT Chave as 'Código', Descr as  'Descrição' FROM TabLiv") + dois(modo)
            + QStringLiteral("   ORDER BY Descr");
    if (modo == 5)
        return u("SELECT Concat(Cod,'@',Grupo) as Teste,Cod as 'Código', Descr as  'Descrição' ,Grupo as 'Grupo' "
                 "FROM Familia   ORDER BY Cod");
    if (modo == 6)
        return u("SELECT Concat(Cod,'@',Grupo,'@',Familia) as Teste,Cod as 'Código', Descr as  'Descrição' ,"
                 "Grupo as 'Grupo',Familia as 'Coleção' FROM SubFamil   ORDER BY Cod");
    return QString();
}

int comprimentoDescricao(int modo)
{
    return tabelaLivre(modo) ? 50 : 80;
}

int larguraLista(int modo)
{
    return modo == 5 ? 7000 : modo == 6 ? 8000 : 6000;
}

QList<int> colunasLista(int modo)
{
    if (modo == 5)
        return {0, 1500, 4000, 1000};
    if (modo == 6)
        return {0, 1500, 4000, 1000, 1000};
    return {1500, 4000};
}

QString validacao(const Chave& c)
{
    if (tabelaLivre(c.modo))
        return QStringLiteral("SELECT Descr FROM TabLiv") + dois(c.modo) + QStringLiteral("  where Chave='")
            + SqlTexto(c.codigo) + QStringLiteral("' ");
    if (c.modo == 5)
        return QStringLiteral("Select * from Familia where Cod='") + SqlTexto(c.codigo) + QStringLiteral("' and Grupo='")
            + SqlTexto(c.grupo) + QStringLiteral("' ");
    return QStringLiteral("Select * from SubFamil where Cod='") + SqlTexto(c.codigo) + QStringLiteral("' and Grupo='")
        + SqlTexto(c.grupo) + QStringLiteral("' and Familia='") + SqlTexto(c.familia) + QStringLiteral("'  ");
}

QString idiomas(const Chave& c)
{
    const QString colunas = QStringLiteral(" SELECT Idioma,Descr   ");
    if (tabelaLivre(c.modo))
        return colunas + QStringLiteral(" From zav_TabLiv") + dois(c.modo) + QStringLiteral(" ")
            + QStringLiteral(" where Chave='") + SqlTexto(c.codigo) + QStringLiteral("' ORDER BY Idioma");
    if (c.modo == 5)
        return colunas + QStringLiteral(" From zav_Familia ") + QStringLiteral(" where Cod='") + SqlTexto(c.codigo)
            + QStringLiteral("' and Grupo='") + SqlTexto(c.grupo) + QStringLiteral("'  ORDER BY Idioma");
    return colunas + QStringLiteral(" From zav_SubFamil ") + QStringLiteral(" where Cod='") + SqlTexto(c.codigo)
        + QStringLiteral("' and Grupo='") + SqlTexto(c.grupo) + QStringLiteral("'  and Familia='")
        + SqlTexto(c.familia) + QStringLiteral("' ORDER BY Idioma");
}

// "<table> where <key> and Idioma='<language>'", shared by the row's upsert and its delete.
static QString tabelaEIdioma(const Chave& c, const QString& idioma)
{
    QString chave;
    if (tabelaLivre(c.modo))
        chave = QStringLiteral("zav_TabLiv") + dois(c.modo) + QStringLiteral(" where Chave='") + SqlTexto(c.codigo);
    else if (c.modo == 5)
        chave = QStringLiteral("zav_Familia where Cod='") + SqlTexto(c.codigo) + QStringLiteral("' and Grupo='")
            + SqlTexto(c.grupo);
    else
        chave = QStringLiteral("zav_SubFamil where Cod='") + SqlTexto(c.codigo) + QStringLiteral("' and Grupo='")
            + SqlTexto(c.grupo) + QStringLiteral("' and Familia='") + SqlTexto(c.familia);
    return chave + QStringLiteral("' and Idioma='") + SqlTexto(idioma) + QStringLiteral("'");
}

QString linha(const Chave& c, const QString& idioma)
{
    return QStringLiteral("Select * from ") + tabelaEIdioma(c, idioma);
}

QString anulaIdioma(const Chave& c, const QString& idioma)
{
    return QStringLiteral(" Delete from ") + tabelaEIdioma(c, idioma);
}

QString anulaTudo(const Chave& c)
{
    if (tabelaLivre(c.modo))
        return QStringLiteral("delete from zav_TabLiv") + dois(c.modo) + QStringLiteral(" where Chave='")
            + SqlTexto(c.codigo) + QStringLiteral("'");
    if (c.modo == 5)
        return QStringLiteral("delete from zav_Familia where Cod='") + SqlTexto(c.codigo)
            + QStringLiteral("' and Grupo='") + SqlTexto(c.grupo) + QStringLiteral("' ");
    return QStringLiteral("delete from zav_SubFamil where Cod='") + SqlTexto(c.codigo) + QStringLiteral("' and Grupo='")
        + SqlTexto(c.grupo) + QStringLiteral("' and Familia='") + SqlTexto(c.familia) + QStringLiteral("' ");
}

} // namespace TabIdiomasSql

namespace TabMedidasSql {

QString listaTipos()
{
    return u("SELECT TipoMed as 'Código', Descrica as  'Descrição' FROM TipMed   group by TipoMed,Descrica "
             "ORDER BY TipoMed");
}

QString listaMedidas(const QString& tipo)
{
    return u("SELECT CodMed as 'Código', Descrica as  'Descrição' FROM MedTamCo   where CodTipoM='") + SqlTexto(tipo)
        + QStringLiteral("'  ORDER BY CodMed");
}

QString validaTipo(const QString& tipo)
{
    return QStringLiteral("SELECT Descrica FROM TipMed  where TipoMed='") + SqlTexto(tipo) + QStringLiteral("' ");
}

QString validaMedida(const QString& tipo, const QString& medida)
{
    return QStringLiteral("SELECT Descrica FROM MedTamCo  where CodTipoM='") + SqlTexto(tipo)
        + QStringLiteral("' and CodMed='") + SqlTexto(medida) + QStringLiteral("' ");
}

QString idiomas(const QString& tipo, const QString& medida)
{
    return QStringLiteral(" SELECT Idioma,Descrica   ") + QStringLiteral(" From zav_MedTamCo ")
        + QStringLiteral(" where CodTipoM='") + SqlTexto(tipo) + QStringLiteral("' and CodMed='") + SqlTexto(medida)
        + QStringLiteral("' ORDER BY Idioma");
}

static QString chaveEIdioma(const QString& tipo, const QString& medida, const QString& idioma)
{
    return QStringLiteral(" where CodTipoM='") + SqlTexto(tipo) + QStringLiteral("' and CodMed='") + SqlTexto(medida)
        + QStringLiteral("' and Idioma='") + SqlTexto(idioma) + QStringLiteral("'");
}

QString linha(const QString& tipo, const QString& medida, const QString& idioma)
{
    return QStringLiteral("Select * from zav_MedTamCo") + chaveEIdioma(tipo, medida, idioma);
}

QString anulaIdioma(const QString& tipo, const QString& medida, const QString& idioma)
{
    return QStringLiteral("Delete from zav_MedTamCo") + chaveEIdioma(tipo, medida, idioma);
}

QString anulaTudo(const QString& tipo, const QString& medida)
{
    return QStringLiteral("delete from zav_MedtamCo where CodTipoM='") + SqlTexto(tipo)
        + QStringLiteral("' and CodMed='") + SqlTexto(medida) + QStringLiteral("'");
}

} // namespace TabMedidasSql

namespace IdiomasSql {

QString lista()
{
    QString sql = QStringLiteral("SELECT Codigo as 'Idioma', ");
    sql += u("Descr as 'Descrição' From Idiomas  order BY CODIGO");
    return sql;
}

QString valida(const QString& idioma)
{
    return QStringLiteral("SELECT * FROM Idiomas where CODIGO='") + SqlTexto(idioma) + QStringLiteral("' ");
}

} // namespace IdiomasSql
