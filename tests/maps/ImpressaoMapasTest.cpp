#include "platform/grid/GridPrintSettings.h"
#include "reports/ImpressaoMapas.h"

#include <gtest/gtest.h>

namespace {

MapasSql::Filtros criterios()
{
    MapasSql::Filtros f;
    f.referencia = "R1";
    f.ultimaReferencia = "R9";
    f.primeiroVendedor = "V1";
    f.ultimoVendedor = "zzzzzzzz";
    f.primeiraData = QDateTime(QDate(2026, 2, 28), QTime(8, 0));
    f.ultimaData = QDateTime(QDate(2026, 3, 31), QTime(8, 0));
    f.base = MapasSql::BaseQuantidade::Satisfeitas;
    return f;
}

TEST(ImpressaoMapasTest, HeaderLinesOfEveryMode)
{
    const QString datas = "Datas 28-02-2026 a 31-03-2026";
    const QString vendedor = "Satisfeitas    Vendedor V1 ao zzzzzzzz";
    const QString uma = QString::fromUtf8("Referência  - R1");
    const QString intervalo = QString::fromUtf8("Referências  - R1 a R9");
    const QStringList esperado{
        QString::fromUtf8("Encomendas/Referência\r\n") + uma + "\r\nEncomendas - " + vendedor + "\r\n" + datas,
        "Encomendas-Resumo\r\n" + intervalo + "\r\nEncomendas - " + vendedor + "\r\n" + datas,
        "Encomendas-Detalhe\r\n" + intervalo + "\r\nEncomendas - " + vendedor + "\r\n" + datas,
        QString::fromUtf8("Referências/Cliente\r\n") + intervalo + "\r\nEncomendas - " + vendedor + "\r\n" + datas,
        QString::fromUtf8("Referência/Cliente\r\n") + uma + "\r\nEncomendas - " + vendedor + "\r\n" + datas,
        "Encomendas a Fornecedor\r\n" + uma + "\r\nEncomendas Clientes - " + vendedor + "\r\n" + datas,
    };
    for (int modo = 1; modo <= 6; ++modo)
        EXPECT_EQ(ImpressaoMapas::cabecalho(modo, criterios(), "Fam", "Sub"), esperado[modo - 1]) << modo;
}

TEST(ImpressaoMapasTest, FamilyLineOnlyWithGroupFamilyAndSubFamily)
{
    MapasSql::Filtros f = criterios();
    f.base = MapasSql::BaseQuantidade::Todas;
    f.grupo = "G1";
    f.familia = "FA";
    EXPECT_FALSE(ImpressaoMapas::cabecalho(2, f, "Familia A", "").contains(" / "));
    f.subFamilia = "SA";
    for (int modo : {2, 3})
        EXPECT_TRUE(ImpressaoMapas::cabecalho(modo, f, "Familia A", "Sub A")
                        .contains(QString::fromUtf8("R9\r\nFamilia A / Sub A\r\nEncomendas - Todas")));
    for (int modo : {1, 4, 5, 6})
        EXPECT_FALSE(ImpressaoMapas::cabecalho(modo, f, "Familia A", "Sub A").contains(" / "));
}

TEST(ImpressaoMapasTest, FooterCarriesPagesAndThePrintTime)
{
    zav::GridPrintSettings impressao;
    ImpressaoMapas::formata(impressao, "x", QDateTime(QDate(2026, 4, 1), QTime(9, 5)));
    EXPECT_EQ(impressao.footerText, QString::fromUtf8("Página: {page} de {pagecount}              Data:01-04-2026 09:05"));
    EXPECT_EQ(impressao.headerFont.pointSize, 11);
    EXPECT_TRUE(impressao.headerFont.bold);
    EXPECT_EQ(impressao.marginLeftTwips, 100);
    EXPECT_EQ(impressao.marginTopTwips, 300);
}

} // namespace
