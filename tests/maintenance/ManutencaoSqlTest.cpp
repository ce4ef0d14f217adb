// The maintenance statements as the screens send them, quotes doubled.

#include "FixtureManutencao.h"

#include "maintenance/ManutencaoSql.h"

TEST(ManutencaoSql, ArticleStatements)
{
    EXPECT_EQ(ArtigosSql::descricao("B'1", "PT"),
              " SELECT Idioma,Descr    From ArtIdiom  where Artigo='B''1' and Idioma='PT'");
    EXPECT_EQ(ArtigosSql::linhaDetalhe("a1", "pt"), "Select * from zav_ArtigoDetalhe where Artigo='a1'  and Idioma='pt'");
    EXPECT_EQ(ArtigosSql::anulacoes("A1", "O'K"),
              (QList<QString>{"delete from ArtIdiom where Artigo='A1' and Idioma='O''K'",
                              "delete from zav_ArtigoDetalhe where Artigo='A1' and Idioma='O''K'"}));
    EXPECT_EQ(ArtigosSql::listaIdiomas(), QString::fromUtf8("SELECT Codigo as 'Idioma', Descr as 'Descrição' From Idiomas  order BY CODIGO"));
}

TEST(ManutencaoSql, CodeTableStatementsByMode)
{
    const TabIdiomasSql::Chave livre{3, "C'1", "", ""};
    EXPECT_EQ(TabIdiomasSql::validacao(livre), "SELECT Descr FROM TabLiv03  where Chave='C''1' ");
    EXPECT_EQ(TabIdiomasSql::idiomas(livre), " SELECT Idioma,Descr    From zav_TabLiv03  where Chave='C''1' ORDER BY Idioma");
    EXPECT_EQ(TabIdiomasSql::linha(livre, "PT"), "Select * from zav_TabLiv03 where Chave='C''1' and Idioma='PT'");
    EXPECT_EQ(TabIdiomasSql::anulaIdioma(livre, "PT"), " Delete from zav_TabLiv03 where Chave='C''1' and Idioma='PT'");
    EXPECT_EQ(TabIdiomasSql::anulaTudo(livre), "delete from zav_TabLiv03 where Chave='C''1'");

    const TabIdiomasSql::Chave colecao{5, "FA", "G'1", ""};
    EXPECT_EQ(TabIdiomasSql::validacao(colecao), "Select * from Familia where Cod='FA' and Grupo='G''1' ");
    EXPECT_EQ(TabIdiomasSql::idiomas(colecao),
              " SELECT Idioma,Descr    From zav_Familia  where Cod='FA' and Grupo='G''1'  ORDER BY Idioma");

    const TabIdiomasSql::Chave estacao{6, "SA", "G1", "FA"};
    EXPECT_EQ(TabIdiomasSql::validacao(estacao), "Select * from SubFamil where Cod='SA' and Grupo='G1' and Familia='FA'  ");
    EXPECT_EQ(TabIdiomasSql::idiomas(estacao),
              " SELECT Idioma,Descr    From zav_SubFamil  where Cod='SA' and Grupo='G1'  and Familia='FA' ORDER BY Idioma");
    EXPECT_EQ(TabIdiomasSql::linha(estacao, "EN"),
              "Select * from zav_SubFamil where Cod='SA' and Grupo='G1' and Familia='FA' and Idioma='EN'");
    EXPECT_EQ(TabIdiomasSql::sqlLista(1),
              QString::fromUtf8("SELECT Chave as 'Código', Descr as  'Descrição' FROM TabLiv01   ORDER BY Descr"));
}

TEST(ManutencaoSql, SizeAndColourStatements)
{
    EXPECT_EQ(TabMedidasSql::validaMedida("LETRAS", "S'"),
              "SELECT Descrica FROM MedTamCo  where CodTipoM='LETRAS' and CodMed='S''' ");
    EXPECT_EQ(TabMedidasSql::idiomas("LETRAS", "S"),
              " SELECT Idioma,Descrica    From zav_MedTamCo  where CodTipoM='LETRAS' and CodMed='S' ORDER BY Idioma");
    EXPECT_EQ(TabMedidasSql::anulaIdioma("LETRAS", "S", "EN"),
              "Delete from zav_MedTamCo where CodTipoM='LETRAS' and CodMed='S' and Idioma='EN'");
    EXPECT_EQ(TabMedidasSql::anulaTudo("LETRAS", "S"), "delete from zav_MedtamCo where CodTipoM='LETRAS' and CodMed='S'");
}
