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
    f.grupo = "G1";
    f.familia = "FA";
    f.primeiraData = QDateTime(QDate(2026, 2, 28), QTime(8, 0));
    f.ultimaData = QDateTime(QDate(2026, 3, 31), QTime(8, 0));
    f.base = MapasSql::BaseQuantidade::Satisfeitas;
    return f;
}

// The header's lines by mode: the title, one reference or the range, the
// family line of the summary and detail with all three filled, the basis and
// the salesmen, the dates.
TEST(ImpressaoMapasTest, HeaderLinesOfEveryMode)
{
    const QString encomendas = "Encomendas - Satisfeitas    Vendedor V1 ao zzzzzzzz\r\nDatas 28-02-2026 a 31-03-2026";
    const QString uma = QString::fromUtf8("Referência  - R1\r\n");
    const QString intervalo = QString::fromUtf8("Referências  - R1 a R9\r\n");
    const QStringList esperado{
        QString::fromUtf8("Encomendas/Referência\r\n") + uma + encomendas,
        "Encomendas-Resumo\r\n" + intervalo + "Familia A / Sub A\r\n" + encomendas,
        "Encomendas-Detalhe\r\n" + intervalo + "Familia A / Sub A\r\n" + encomendas,
        QString::fromUtf8("Referências/Cliente\r\n") + intervalo + encomendas,
        QString::fromUtf8("Referência/Cliente\r\n") + uma + encomendas,
        "Encomendas a Fornecedor\r\n" + uma + "Encomendas Clientes - " + encomendas.mid(13),
    };
    MapasSql::Filtros f = criterios();
    EXPECT_EQ(ImpressaoMapas::cabecalho(2, f, "Familia A", ""), "Encomendas-Resumo\r\n" + intervalo + encomendas);
    f.subFamilia = "SA";
    for (int modo = 1; modo <= 6; ++modo)
        EXPECT_EQ(ImpressaoMapas::cabecalho(modo, f, "Familia A", "Sub A"), esperado[modo - 1]) << modo;
}

} // namespace
