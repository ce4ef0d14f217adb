#include "platform/data/TabelasAdicionais.h"

#include "platform/data/RuntimeError.h"
#include "platform/data/zavCoreDataAccess2016.h"

namespace {

QString tabLiv(int numero)
{
    const QString texto = QStringLiteral(
        " CREATE TABLE [dbo].[%1]( [Chave] [nvarchar](4) NOT NULL, [Idioma] [nvarchar](3) NOT NULL,"
        " [Descr] [nvarchar](50) NULL, CONSTRAINT [PK_%1] PRIMARY KEY CLUSTERED ( [Chave] ASC,"
        " [Idioma] Asc )WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF,"
        " ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY] ) ON [PRIMARY]");
    return texto.arg(QStringLiteral("zav_TabLiv%1").arg(numero, 2, 10, QLatin1Char('0')));
}

// Only a missing table is answered by creating it. Any other failure of the
// probe (a locked database, no permission, a lost connection, a table of that
// name without the column) is raised at once: going on would wait out the
// same failure at every probe and leave the screens to fail later.
bool existe(zav::zavCoreDataAccess2016& bd, const TabelaAdicional& tabela)
{
    try {
        bd.AbreRecordset(QString(), tabela.sondagem())->close();
        return true;
    } catch (const zav::RuntimeError& erro) {
        if (erro.number() == zav::errors::ObjectNotFound)
            return false;
        throw;
    }
}

} // namespace

QString TabelaAdicional::sondagem() const
{
    return QStringLiteral("select ") + colunaChave + QStringLiteral(" from  ") + nome + QStringLiteral(" ");
}

const QList<TabelaAdicional>& tabelasIdiomas()
{
    static const QList<TabelaAdicional> tabelas = {
        {QStringLiteral("zav_FAMILIA"), QStringLiteral("GRUPO"), QStringLiteral(
        " CREATE TABLE [dbo].[zav_FAMILIA]( [COD] [nvarchar](6) NOT NULL,"
        " [DESCR] [nvarchar](80) NOT NULL, [GRUPO] [nvarchar](10) NOT NULL,"
        " [IDIOMA] [nvarchar](3) NOT NULL,"
        " CONSTRAINT [ix_zav_FAMILIA_COD] PRIMARY KEY CLUSTERED ( [GRUPO] ASC, [COD] ASC,"
        " [IDIOMA] Asc )WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF,"
        " ALLOW_ROW_LOCKS = ON, ALLOW_PAGE_LOCKS = ON) ON [PRIMARY] ) ON [PRIMARY]")},
        {QStringLiteral("zav_SUBFAMIL"), QStringLiteral("GRUPO"), QStringLiteral(
        " CREATE TABLE [dbo].[zav_SUBFAMIL]( [COD] [nvarchar](6) NOT NULL,"
        " [DESCR] [nvarchar](80) NOT NULL, [FAMILIA] [nvarchar](10) NOT NULL,"
        " [GRUPO] [nvarchar](10) NOT NULL, [IDIOMA] [nvarchar](3) NOT NULL,"
        " CONSTRAINT [ix_zav_SUBFAMIL_COD] PRIMARY KEY CLUSTERED ( [GRUPO] ASC, [FAMILIA] ASC,"
        " [COD] ASC, [IDIOMA] Asc )WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF,"
        " IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON,"
        " ALLOW_PAGE_LOCKS = ON) ON [PRIMARY] ) ON [PRIMARY]")},
        {QStringLiteral("zav_MEDTAMCO"), QStringLiteral("CODTIPOM"), QStringLiteral(
        " CREATE TABLE [dbo].[zav_MEDTAMCO]( [CODTIPOM] [nvarchar](10) NOT NULL,"
        " [CODMED] [nvarchar](4) NOT NULL, [IDIOMA] [nvarchar](3) NOT NULL,"
        " [DESCRICA] [nvarchar](20) NOT NULL,"
        " CONSTRAINT [ix_zav_MEDTAMCO_PRINCIPA] PRIMARY KEY CLUSTERED (  [CODTIPOM] ASC,"
        " [CODMED] ASC, [IDIOMA] Asc )WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF,"
        " IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON,"
        " ALLOW_PAGE_LOCKS = ON) ON [PRIMARY] ) ON [PRIMARY]")},
        {QStringLiteral("zav_TabLiv01"), QStringLiteral("Chave"), tabLiv(1)},
        {QStringLiteral("zav_TabLiv02"), QStringLiteral("Chave"), tabLiv(2)},
        {QStringLiteral("zav_TabLiv03"), QStringLiteral("Chave"), tabLiv(3)},
        {QStringLiteral("zav_TabLiv04"), QStringLiteral("Chave"), tabLiv(4)},
        {QStringLiteral("zav_ArtigoDetalhe"), QStringLiteral("ARTIGO"), QStringLiteral(
        " CREATE TABLE [dbo].[zav_ArtigoDetalhe]( [ARTIGO] [nvarchar](15) NOT NULL,"
        " [IDIOMA] [nvarchar](3) NOT NULL, [DESCR] [ntext] NOT NULL, [DBTS] [timestamp] NULL,"
        " CONSTRAINT [ix_zav_ArtigoDetalhe] PRIMARY KEY CLUSTERED ( [ARTIGO] ASC,"
        " [IDIOMA] Asc )WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF,"
        " ALLOW_ROW_LOCKS = ON,"
        " ALLOW_PAGE_LOCKS = ON) ON [PRIMARY] ) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]")},
    };
    return tabelas;
}

const QList<TabelaAdicional>& tabelasFichaAmostra()
{
    static const QList<TabelaAdicional> tabelas = {
        {QStringLiteral("zav_FichaAmostra"), QStringLiteral("Codigo"), QStringLiteral(
        " CREATE TABLE [dbo].[zav_FichaAmostra]( [Codigo] [nvarchar](15) NOT NULL,"
        "    [Fornec] [nvarchar](50) NULL,    [RefFRN] [nvarchar](50) NULL,"
        "    [Marca] [nvarchar](50) NULL, [NossRef] [nvarchar](30) NULL,"
        "    [Descr] [nvarchar](50) NULL,    [TamAmostra] [nvarchar](50) NULL,"
        "    [DataEnc] [datetime] NULL, [DataEntrega] [datetime] NULL,"
        " [Composicao] [nvarchar](50) NULL,"
        " CONSTRAINT [PK_zav_FichaAmostra] PRIMARY KEY CLUSTERED ( [Codigo] Asc )WITH (PAD_INDEX = OFF,"
        " STATISTICS_NORECOMPUTE = OFF, IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS = ON,"
        " ALLOW_PAGE_LOCKS = ON) ON [PRIMARY] ) ON [PRIMARY]")},
    };
    return tabelas;
}

QStringList criaTabelasEmFalta(zav::zavCoreDataAccess2016& bd, const QList<TabelaAdicional>& tabelas)
{
    QStringList criadas;
    for (const TabelaAdicional& tabela : tabelas) {
        if (existe(bd, tabela))
            continue;
        bd.ExecutaSQL(QString(), tabela.criacao);
        criadas << tabela.nome;
    }
    return criadas;
}
