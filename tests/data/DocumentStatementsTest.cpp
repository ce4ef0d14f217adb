#include "demo/DemoDatabase.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "shell/TabelasAdicionais.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zav;

namespace {

// Every statement shape the screens send, with the pieces they concatenate,
// run against the demo company: none may fail on SQLite.
class DocumentStatements : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = new QTemporaryDir;
        const QString path = dir->filePath(QStringLiteral("demo.db"));
        demo::DemoDatabase::create(path, demo::DemoOptions{3000, 7, QDate(2026, 6, 30)});
        bd = new zavCoreDataAccess2016;
        bd->AbreLigacao(QStringLiteral("Provider=MSDataShape;Data Provider=SQLite;Data Source=") + path);
        // As start-up does: the demo company may hold some of the add-on's tables already.
        for (const auto* tables : {&tabelasIdiomas(), &tabelasFichaAmostra()})
            criaTabelasEmFalta(*bd, *tables);
    }
    static void TearDownTestSuite()
    {
        delete bd;
        delete dir;
    }

    static int count(const QString& sql) { return bd->AbreRecordset(QString(), sql)->RecordCount(); }

    static inline QTemporaryDir* dir = nullptr;
    static inline zavCoreDataAccess2016* bd = nullptr;
};

const QString Joins = QStringLiteral(
    " from DocgcCab as c"
    " inner join docgclin as l ON l.tpdocum=c.Tpdoc and l.nnumdoc=c.NNumdoc and l.serie=c.serie and l.ano=c.Ano"
    " inner join artigos as a ON a.Codigo=l.Artigo");
const QString SizeColourJoins = QStringLiteral(
    " inner join MedTamCo as mh ON mh.CodTipoM=a.TmHor and mh.CodMed=a.medhor"
    " inner join MedTamCo as mv ON mv.CodTipoM=a.TmVer and mv.CodMed=a.MEDVERT");
const QString Window = QStringLiteral(
    " Where  c.Data >= CONVERT(DATETIME, '2025-01-01 00:00:00 ', 102) and c.Data <= CONVERT(DATETIME, '2026-06-30 23:59:59 ', 102)");
const QString Ranges = QStringLiteral(
    " and c.Terceiro >= '' and c.Terceiro<='zzzzzzzz' "
    " and c.Vendedor >= '' and c.Vendedor<='zzzzzzzz' "
    " and a.Grupo >= '' and a.Grupo<='zzzzzzzz' "
    " and c.Tpterc=2 and c.Areag=2 and c.nvias<>-1 ");
const QString ClassJoins = QStringLiteral(
    " FROM            DOCGCCAB  as c INNER JOIN   DOCGCLIN as l ON c.NNUMDOC = l.NNUMDOC AND c.TPDOC = l.TPDOCUM AND c.SERIE = l.SERIE"
    " AND c.ANO = l.ANO inner join Artigos as a ON a.Codigo=l.Artigo inner join ClArt as cl ON cl.Codigo =a.Codigo");
const QString SalesFilter = QStringLiteral(
    " Where  c.nvias <> -1 and c.Data >= CONVERT(DATETIME, '2025-01-01', 102)  and c.Data <= CONVERT(DATETIME, '2026-06-30', 102) and"
    "    (c.AREAG = 4) AND (c.TpTerc = 2) AND (c.TpOper = 2) AND (c.Natconta = 1)and l.artigo>'' and cl.CL05>''");

} // namespace

TEST_F(DocumentStatements, StatisticalSurvey)
{
    EXPECT_GT(count(" SELECT cl.Cl05,coalesce(ad.Nome,'') as Nome, a.UNBASE, sum( case when c.sinalct=2 then (Quant ) when c.sinalct=1"
                    " then (-Quant) end ) as qtdProd" + ClassJoins + " Left outer join Artigos as ad ON ad.Codigo=cl.CL05"
                    " Where c.nvias <> -1 and c.Data >= CONVERT(DATETIME, '2025-01-01', 102) and c.Data <= CONVERT(DATETIME, '2026-06-30', 102)"
                    " and c.areag=4 and c.tpterc=3 and c.natconta=5 and c.TpOper=1 and l.artigo>'' and a.artouDes=0 and cl.Cl05>''"
                    " group by a.UNBASE , cl.Cl05,ad.Nome Order by cl.Cl05"),
              0);
    EXPECT_GT(count(" SELECT cl.Cl05,coalesce(ad.Nome,'') as Nome , a.UNBASE, round(sum( case when a.artoudes=-1 then 0 when a.artoudes<>-1"
                    " then (ABS(c.TPTERC - c.SINALCT) * 2 - 1) * l.Quant end ),0) as QtdVend, round(SUM((Abs(c.TPTERC - c.SINALCT) * 2 - 1)"
                    " * l.Valor),0) As ValorVendas" + ClassJoins + " Left outer join Artigos as ad ON ad.Codigo =cl.CL05 " + SalesFilter
                    + " group by a.UNBASE , cl.Cl05,ad.Nome  Having SUM((Abs(c.TPTERC - c.SINALCT) * 2 - 1) * l.Valor) <> 0 Order by cl.Cl05"),
              0);
    EXPECT_GT(count(" SELECT i.mercado , case when i.mercado=1 then ' Nacional' when i.mercado=2 then 'Intracomunitário' when"
                    " i.mercado=3 then 'Outros Mercados' end as TipoMercado, case when i.mercado=1 then 'P0801' end as Fixo,"
                    " round(SUM((Abs(c.TPTERC - c.SINALCT) * 2 - 1) * l.Valor), 0) As ValorVendas" + ClassJoins
                    + " inner join RgIva as i ON i.Codigo=c.RgIva" + SalesFilter
                    + " Group By i.Mercado Having SUM((Abs(c.TPTERC - c.SINALCT) * 2 - 1) * l.Valor) <> 0 Order by i.mercado"),
              0);
    EXPECT_EQ(bd->AbreRecordsetEdicao("SELECT NOME, NumContr FROM dbo.EMPRESA")->RecordCount(), 1);
}

TEST_F(DocumentStatements, OrderMaps)
{
    const QString matrixLine = " select l.artigo, sum(l.QtdOrig-l.Quant) as Quant, a.MedHor,a.MedVert,mv.POSIMP as Mv,mh.POSIMP mH,"
                               "mv.Descrica, mh.Descrica";
    EXPECT_GE(count(matrixLine + Joins + SizeColourJoins + Window + " and a.CodRef='REF' " + Ranges
                    + " group by l.artigo,a.MEDHOR ,a.medvert,mv.POSIMP,mh.POSIMP,mv.Descrica,mh.Descrica order by mv.posimp,mh.posimp"),
              0);
    EXPECT_GE(count(" select a.CodRef,mh.POSIMP , sum(l.QtdOrig) as Quant ,al.Nome " + Joins + " inner join Artigos as al ON al.Codigo=a.CodRef"
                    " inner join MedTamCo as mh ON mh.CodTipoM=a.TmHor and mh.CodMed=a.medhor" + Window
                    + " and a.CodRef>='' and a.CodRef<='zzzzzz' " + Ranges + " and a.grupo='G' and a.Familia='F' and a.SubFamil='S' "
                    + " group by mh.POSIMP,a.CodRef,al.Nome  order by a.CodRef,mh.posimp"),
              0);
    EXPECT_GE(count(" select a.codref, sum(l.Quant) as Quant, a.MedHor,a.MedVert,mv.POSIMP as Mv, mh.POSIMP mh, mv.Descrica as Cor,"
                    " mh.Descrica,al.Nome" + Joins + " inner join Artigos as al ON al.Codigo=a.CodRef" + SizeColourJoins + Window
                    + " and a.CodRef>='' and a.CodRef<='zzzzzz' " + Ranges + " and al.Fornec>'' "
                    + " group by a.codref,a.MEDHOR ,a.medvert,mv.POSIMP,mh.POSIMP,mv.Descrica,mh.Descrica,al.Nome"
                      " order by a.CodRef,mv.posimp,mh.posimp"),
              0);
    EXPECT_GT(count(" select a.CodRef, art.Nome as ArtNome, c.Terceiro,cl.Nome as CliNome, sum(l.Quant) As Quant" + Joins
                    + " inner join Artigos as art ON art.Codigo=a.CodRef inner join Clientes as cl  ON cl.Codigo=c.Terceiro" + Window
                    + " and a.CodRef>='' and a.CodRef<='zzzzzz' " + Ranges
                    + " group by a.CodRef ,c.Terceiro,cl.Nome,art.Nome  order by a.CodRef,c.terceiro "),
              0);
    EXPECT_GE(count(" select  sum(l.Quant) as Quant, c.Terceiro,cl.Nome,c.Vendedor" + Joins + " inner join Clientes as cl ON cl.Codigo=c.Terceiro"
                    + Window + " and a.CodRef='REF' " + Ranges + " group by c.Terceiro,cl.Nome,c.Vendedor order by c.Terceiro"),
              0);
    for (const char* sql : {
             " Select distinct TMHOR from Artigos where Codigo>='' and Codigo<='zzzzzz ' and CodRef=''and TMHOR<>'' and TMVER<>''",
             "Select coalesce(Max(PosImp),0) as PosImp from MedTamCo where CodTipoM='T' ",
             "Select * from MedTamCo where CodTipoM='T' order by PosImp",
             "Select CodMed,Descrica,Posimp from MedTamCo where CodTipoM='T' order by Posimp",
             "SELECT Codigo as 'Código', Nome as 'Designação' FROM Artigos  where TMHOR<>'' and TMVER<>'' and CodRef='' order by Codigo",
             "Select *  from Artigos where Codigo='X' and TmHor<>'' and TmVer<>'' and CodRef=''",
             "SELECT Codigo as 'Cliente', Nome as 'Nome' FROM Clientes order by Codigo",
             "SELECT Codigo as 'Vendedor', Nome as 'Nome' FROM Vendedor order by Codigo",
             "SELECT Cod as 'Grupo', Descr as 'Descrição' FROM Grupos order by Cod",
             "SELECT Cod as 'Código', Descr as 'Designação' FROM Familia  where Grupo='G' ",
             "SELECT * FROM SubFamil where Cod='S' and Grupo='G' and  Familia='F'",
             "SELECT Codigo as 'Fornecedor', Nome as 'Nome' FROM Fornec order by Codigo",
             "SELECT Codigo as 'Código', Descr as 'Designação' FROM TpDoc  where Entidade=2 and Areag=2 and Codigo='E' ",
         })
        EXPECT_GE(count(QString::fromUtf8(sql)), 0) << sql;
}

TEST_F(DocumentStatements, OrderSheet)
{
    const QString key = " and c.tpdoc='ENC ' and c.Nnumdoc=1  and c.Serie='A'  and c.ano=2026 ";
    const QString group = " and a.Grupo='G' and a.familia='F' and a.SubFamil='S' ";
    for (const QString& sql : QStringList{
             " select c.NNumdoc,c.Data from DocgcCab as c Where   c.nvias<>-1  and c.tpdoc='ENC ' and c.Nnumdoc>=1  and c.Nnumdoc<=1"
             " and c.Serie='A'  and c.ano=2026 ",
             " select a.CodRef,l.artigo" + Joins + " Where  c.nvias<>-1 " + group + key,
             " select a.codref,sum (l.Quant) as Quant, a.MedHor,a.MedVert,mv.POSIMP as Mv, mh.POSIMP as mh, mv.Descrica as Cor,"
             " mh.Descrica,c.Terceiro,c.Vendedor" + Joins + SizeColourJoins + " Where  c.nvias<>-1 " + key
                 + " Group by a.codref,a.MedHor,a.MedVert,mv.POSIMP,mh.POSIMP, mv.Descrica, mh.Descrica,c.Terceiro,c.Vendedor "
                   " order by a.CodRef,mv.posimp,mh.posimp ",
             " Select l.artigo,l.Descr as Descr from DocgcCab as c inner join docgclin as l ON l.tpdocum=c.Tpdoc and l.nnumdoc=c.NNumdoc"
             " and l.serie=c.serie and l.ano=c.Ano Where   c.tpdoc='ENC ' and c.Nnumdoc=1  and c.Serie='A'  and c.ano=2026 "
             " and c.nvias<>-1 and l.artigo='' ",
             QStringLiteral("Select * from Clientes where Codigo='C'"),
         })
        EXPECT_GE(count(sql), 0) << sql.toStdString();
}

TEST_F(DocumentStatements, SampleCardAndMaintenance)
{
    for (const char* sql : {
             "Select * from zav_FichaAmostra where Codigo='R' ",
             " SELECT *   From zav_FichaAmostra  where Codigo='R' ",
             "Select * from Fornec where Codigo='F' ",
             "SELECT * FROM Artigos  where Codigo='A' and Inactivo<>-1 ",
             "select Codigo as 'Código',Nome as 'Designação' From Artigos Where inactivo <> -1 order by Codigo",
             "SELECT Codigo as 'Idioma', Descr as 'Descrição' From Idiomas  order BY CODIGO",
             " SELECT Idioma,Descr    From ArtIdiom  where Artigo='A' and Idioma='PT'",
             " SELECT Idioma,Descr    From zav_ArtigoDetalhe  where Artigo='A' and Idioma='PT'",
             "SELECT Chave as 'Código', Descr as  'Descrição' FROM TabLiv04   ORDER BY Descr",
             "SELECT Concat(Cod,'@',Grupo,'@',Familia) as Teste,Cod as 'Código', Descr as  'Descrição' ,Grupo as 'Grupo',"
             "Familia as 'Coleção' FROM SubFamil   ORDER BY Cod",
             "Select * from zav_Familia where Cod='F' and Grupo='G' and Idioma='PT'",
             "Select * from zav_SubFamil where Cod='S' and Grupo='G' and Familia='F' and Idioma='PT'",
             "SELECT TipoMed as 'Código', Descrica as  'Descrição' FROM TipMed   group by TipoMed,Descrica ORDER BY TipoMed",
             " SELECT Idioma,Descrica    From zav_MedTamCo  where CodTipoM='T' and CodMed='M' ORDER BY Idioma",
             "Select Top 1 * from TpMorada ",
             "Select * from Moradas where TpTerc=2 and Terceiro='C' and CdMorada='1' ",
             "Select * from COdPost where Cod='4700'",
             "Select *  from Paises where Cod='PT'",
             " Select * from OperaFac where Artigo='A' ",
             " Select * from ArtOpera where Artigo='A' ",
             "Select Codigo From Artigos where Codigo like 'A%'",
         })
        EXPECT_GE(count(QString::fromUtf8(sql)), 0) << sql;
    for (const char* sql : {
             " Delete from zav_TabLiv01 where Chave='K' and Idioma='PT'",
             "delete from zav_Familia where Cod='F' and Grupo='G' ",
             "delete from zav_MedtamCo where CodTipoM='T' and CodMed='M'",
             "delete from zav_FichaAmostra where Codigo='R' ",
             "delete from ArtIdiom where Artigo='A' and Idioma='PT'",
             "Delete from Moradas where TpTerc=2 and Terceiro='C' and CdMorada='1' ",
             "Delete from OperaFac where Artigo='A' ",
             "Delete from Artopera where Artigo='A' ",
         })
        EXPECT_NO_THROW(bd->ExecutaSQL(QString(), QString::fromUtf8(sql))) << sql;
}
