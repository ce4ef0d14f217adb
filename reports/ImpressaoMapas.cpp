#include "reports/ImpressaoMapas.h"

#include "platform/grid/GridPrintSettings.h"

#include <QStringList>

namespace ImpressaoMapas {

namespace {

QString palavraQuantidade(MapasSql::BaseQuantidade base)
{
    switch (base) {
    case MapasSql::BaseQuantidade::Todas: return QStringLiteral("Todas");
    case MapasSql::BaseQuantidade::Pendentes: return QStringLiteral("Pendentes");
    case MapasSql::BaseQuantidade::Satisfeitas: break;
    }
    return QStringLiteral("Satisfeitas");
}

QString titulo(int modo)
{
    switch (modo) {
    case 1: return QStringLiteral("Encomendas/Referência");
    case 2: return QStringLiteral("Encomendas-Resumo");
    case 3: return QStringLiteral("Encomendas-Detalhe");
    case 4: return QStringLiteral("Referências/Cliente");
    case 5: return QStringLiteral("Referência/Cliente");
    case 6: return QStringLiteral("Encomendas a Fornecedor");
    default: return {};
    }
}

bool intervaloDeReferencias(int modo)
{
    return modo >= 2 && modo <= 4;
}

} // namespace

QString cabecalho(int modo, const MapasSql::Filtros& filtros, const QString& descFamilia,
                  const QString& descSubFamilia)
{
    QStringList linhas;
    if (modo >= 1 && modo <= 6) {
        linhas << titulo(modo);
        if (intervaloDeReferencias(modo))
            linhas << QStringLiteral("Referências  - ") + filtros.referencia + QStringLiteral(" a ")
                    + filtros.ultimaReferencia;
        else
            linhas << QStringLiteral("Referência  - ") + filtros.referencia;
        if ((modo == 2 || modo == 3) && !filtros.grupo.isEmpty() && !filtros.familia.isEmpty()
            && !filtros.subFamilia.isEmpty())
            linhas << descFamilia + QStringLiteral(" / ") + descSubFamilia;
        linhas << (modo == 6 ? QStringLiteral("Encomendas Clientes - ") : QStringLiteral("Encomendas - "))
                + palavraQuantidade(filtros.base) + QStringLiteral("    Vendedor ") + filtros.primeiroVendedor
                + QStringLiteral(" ao ") + filtros.ultimoVendedor;
    }
    const QString formato = QStringLiteral("dd-MM-yyyy");
    linhas << QStringLiteral("Datas ") + filtros.primeiraData.toString(formato) + QStringLiteral(" a ")
            + filtros.ultimaData.toString(formato);
    return linhas.join(QStringLiteral("\r\n"));
}

void formata(zav::GridPrintSettings& impressao, const QString& cabecalho, const QDateTime& agora)
{
    formataPagina(impressao, cabecalho, 11, 1400,
                  rodapePaginas() + QStringLiteral("              Data:") + agora.toString(QStringLiteral("dd-MM-yyyy hh:mm")));
}

void formataPagina(zav::GridPrintSettings& impressao, const QString& cabecalho, double tamanhoLetra,
                   int bandaCabecalho, const QString& rodape)
{
    impressao.headerHeightTwips = bandaCabecalho;
    impressao.marginLeftTwips = 100;
    impressao.marginTopTwips = 300;
    impressao.marginRightTwips = 100;
    impressao.marginBottomTwips = 300;
    impressao.headerFont = zav::PrintFont{QStringLiteral("Verdana"), tamanhoLetra, true};
    impressao.headerAlignment = zav::Alignment::Center;
    impressao.headerText = cabecalho;
    impressao.footerHeightTwips = 500;
    impressao.footerFont = zav::PrintFont{QStringLiteral("Verdana"), 8, false};
    impressao.footerAlignment = zav::Alignment::Right;
    impressao.footerText = rodape;
}

QString rodapePaginas()
{
    return QStringLiteral("Página: {page} de {pagecount}");
}

} // namespace ImpressaoMapas
