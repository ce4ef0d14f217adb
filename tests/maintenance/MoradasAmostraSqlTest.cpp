// The sample-data and shop-address statements as the database receives them:
// every blank in place and every quote typed doubled.

#include "FixtureManutencao.h"

#include "maintenance/CamposAmostraSql.h"
#include "maintenance/MoradasSql.h"

using namespace manutencao;

TEST(CamposAmostraSql, StatementsOfOneArticle)
{
    EXPECT_EQ(CamposAmostraSql::ficha("B'1"), " SELECT *   From zav_FichaAmostra  where Codigo='B''1' ");
    EXPECT_EQ(CamposAmostraSql::linha("B'1"), "Select * from zav_FichaAmostra where Codigo='B''1'  ");
    EXPECT_EQ(CamposAmostraSql::anula("B'1"), "delete from zav_FichaAmostra where Codigo='B''1' ");
}

TEST(MoradasSql, StatementsOfOneAddressAndItsCodes)
{
    EXPECT_EQ(MoradasSql::tipoPadrao(), "Select Top 1 * from TpMorada ");
    EXPECT_EQ(MoradasSql::validaCliente("C'2"), "Select *  from Clientes where Codigo='C''2'");
    EXPECT_EQ(MoradasSql::morada("C'2", "O'1"),
              "Select * from Moradas where TpTerc=2 and Terceiro='C''2' and CdMorada='O''1' ");
    EXPECT_EQ(MoradasSql::anula("C'2", "O'1"),
              "Delete from Moradas where TpTerc=2 and Terceiro='C''2' and CdMorada='O''1' ");
    EXPECT_EQ(MoradasSql::codigoPostal("4'"), "Select *  from CodPost where Cod='4'''");
    EXPECT_EQ(MoradasSql::descricaoPostal("4'"), "Select * from COdPost where Cod='4'''");
    EXPECT_EQ(MoradasSql::validaPais("P'"), "Select *  from Paises where Cod='P'''");
    EXPECT_EQ(MoradasSql::validaTipo("L'"), "Select *  from TpMorada where Codigo='L'''");
    EXPECT_EQ(MoradasSql::cliente("C'2"), "Select * from Clientes where  Codigo='C''2' ");
    EXPECT_EQ(MoradasSql::listaPaises(), u("SELECT Cod as 'Código', Descr as 'Nome País' FROM Paises order by Cod"));
    EXPECT_EQ(MoradasSql::listaTipos(),
              u("SELECT Codigo as 'Código', Descrica as 'Designação' FROM TpMorada order by Codigo"));
}
