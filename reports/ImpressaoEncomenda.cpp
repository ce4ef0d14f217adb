#include "reports/ImpressaoEncomenda.h"

#include "reports/ImpressaoMapas.h"

namespace ImpressaoEncomenda {

namespace {

constexpr double LetraCabecalho = 7;
constexpr int BandaComLinhasTexto = 1700;
constexpr int BandaSemLinhasTexto = 1400;

} // namespace

QString texto(const Cabecalho& c)
{
    const QString fim = QStringLiteral("\r\n");
    QString t = QStringLiteral("Encomenda  ") + c.chave.tipo + QStringLiteral("/") + c.chave.ano + QStringLiteral("/")
        + c.chave.serie + QStringLiteral("/") + QString::number(c.lNoDoc) + QStringLiteral("     Data: ")
        + c.dDataDoc.toString(QStringLiteral("dd-MM-yyyy")) + QStringLiteral("    Vendedor - ") + c.sVendedor + fim;
    if (c.filtro.aplica())
        t += c.descFamilia + QStringLiteral(" / ") + c.descSubFamilia + fim;
    const ClienteFicha& cliente = c.cliente;
    t += QStringLiteral("Cliente - ") + c.sTerceiro + QStringLiteral("  Nome Cliente - ") + cliente.Nome
        + QStringLiteral("  NIF - ") + cliente.NContrib + fim;
    t += QStringLiteral("Morada - ") + cliente.Morada + fim;
    t += QStringLiteral("Cod.Postal - ") + cliente.CdPostal + QStringLiteral("  Localidade - ") + cliente.Local + fim;
    t += QStringLiteral("e-Mail - ") + cliente.email + fim;
    t += QStringLiteral("Contacto - ") + cliente.Contacto + QStringLiteral("  Telef. - ") + cliente.Telef + fim;
    if (!c.linhasTexto.isEmpty())
        t += c.linhasTexto;
    return t;
}

void formata(zav::GridPrintSettings& impressao, const QString& cabecalho, bool comLinhasTexto)
{
    ImpressaoMapas::formataPagina(impressao, cabecalho, LetraCabecalho,
                                  comLinhasTexto ? BandaComLinhasTexto : BandaSemLinhasTexto,
                                  ImpressaoMapas::rodapePaginas());
}

} // namespace ImpressaoEncomenda
