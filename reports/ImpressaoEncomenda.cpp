#include "reports/ImpressaoEncomenda.h"

#include "reports/ImpressaoMapas.h"

#include <QFont>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace ImpressaoEncomenda {

namespace {

constexpr double LetraCabecalho = 7;
constexpr int BandaComLinhasTexto = 1700;
constexpr int BandaSemLinhasTexto = 1400;
constexpr int TwipsPorPonto = 20;

// The height the header's lines take in its font, in twips: a document with
// many text lines gets a band that holds them all rather than print over the rows.
int alturaDasLinhas(const QString& cabecalho)
{
    QFont letra(QStringLiteral("Verdana"));
    letra.setPixelSize(int(LetraCabecalho * TwipsPorPonto));
    letra.setBold(true);
    // Every line ends in CR LF.
    const qsizetype linhas = cabecalho.count(QStringLiteral("\r\n"));
    return int(std::ceil(QFontMetricsF(letra).lineSpacing() * double(linhas)));
}

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
    const int banda = comLinhasTexto ? std::max(BandaComLinhasTexto, alturaDasLinhas(cabecalho)) : BandaSemLinhasTexto;
    ImpressaoMapas::formataPagina(impressao, cabecalho, LetraCabecalho, banda, ImpressaoMapas::rodapePaginas());
}

} // namespace ImpressaoEncomenda
