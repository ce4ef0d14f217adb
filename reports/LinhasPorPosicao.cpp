#include "reports/LinhasPorPosicao.h"

#include "platform/data/ErpText.h"
#include "platform/data/Recordset.h"

#include <optional>

namespace LinhasPorPosicao {

namespace {

// Whether a line's code differs from the one so far, as the database that
// grouped the lines tells codes apart; a line without a code (Null), or the
// first line, never does.
bool muda(const zav::Field& codigo, const std::optional<QString>& ateAqui)
{
    return ateAqui && !codigo.isNull() && !zav::erptext::equal(codigo.text(), *ateAqui);
}

void abreLinha(zav::Recordset& mapa, zav::Recordset& dados, const Forma& forma)
{
    mapa.AddNew();
    mapa.Fields(QStringLiteral("Referencia")) = dados.Fields(QStringLiteral("CodRef")).value();
    for (const QString& nome : forma.textos) {
        const zav::Field origem = dados.Fields(nome);
        zav::Field destino = mapa.Fields(nome);
        destino = origem.isNull() ? QVariant() : QVariant(origem.text().left(destino.definedSize()));
    }
}

} // namespace

Somas preenche(zav::Recordset& mapa, zav::Recordset& dados, const Forma& forma)
{
    Somas somas;
    somas.porPosicao = QList<zav::Currency>(forma.NoTamFinal + 1);
    if (dados.RecordCount() == 0)
        return somas;
    const int campoReferencia = dados.fieldIndex(QStringLiteral("CodRef"));
    const int campoCor = dados.fieldIndex(QStringLiteral("MedVert"));
    const int campoPosicao = dados.fieldIndex(forma.campoPosicao);
    const int campoQuantidade = dados.fieldIndex(QStringLiteral("Quant"));
    const int campoTotal = mapa.fieldIndex(QStringLiteral("Total"));
    const int antesDaPrimeiraPosicao = campoTotal - forma.NoTamFinal - 1;

    std::optional<QString> referencia;
    std::optional<QString> cor;
    zav::Currency total;
    for (dados.MoveFirst(); !dados.Eof(); dados.MoveNext()) {
        const zav::Field codRef = dados.Fields(campoReferencia);
        const bool mudou = muda(codRef, referencia) || (forma.porCor && muda(dados.Fields(campoCor), cor));
        if (mudou) {
            mapa.Fields(campoTotal) = total;
            mapa.Update();
        }
        if (mudou || !referencia) {
            abreLinha(mapa, dados, forma);
            total = zav::Currency();
        }
        referencia = codRef.text();
        if (forma.porCor)
            cor = dados.Fields(campoCor).text();

        const zav::Field posicao = dados.Fields(campoPosicao);
        const int p = posicao.isNull() ? 0 : int(posicao.integer());
        if (p < 1 || p > forma.NoTamFinal) {
            ++somas.linhasSemColuna;
            continue;
        }
        const zav::Currency quantidade = dados.Fields(campoQuantidade).currency();
        zav::Field celula = mapa.Fields(antesDaPrimeiraPosicao + p);
        celula = celula.currency() + quantidade;
        total += quantidade;
        somas.porPosicao[p] += quantidade;
    }
    mapa.Fields(campoTotal) = total;
    mapa.Update();
    return somas;
}

} // namespace LinhasPorPosicao
