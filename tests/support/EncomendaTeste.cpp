#include "support/EncomendaTeste.h"

#include "demo/FixtureWriter.h"

namespace zav::test {

void escreveEncomenda(const demo::FixtureWriter& rows, int numero, const QDateTime& data, const QString& cliente,
                      const QString& vendedor, const QList<LinhaEncomenda>& linhas, int nvias, int tpterc)
{
    rows.insert(QStringLiteral("DOCGCCAB"), {{"TPDOC", "ENC"},
                                             {"SERIE", "A"},
                                             {"ANO", data.date().year()},
                                             {"NNUMDOC", numero},
                                             {"Data", data},
                                             {"Terceiro", cliente},
                                             {"Vendedor", vendedor},
                                             {"AREAG", 2},
                                             {"TPTERC", tpterc},
                                             {"NVIAS", nvias}});
    int n = 0;
    for (const LinhaEncomenda& linha : linhas)
        rows.insert(QStringLiteral("DOCGCLIN"), {{"TPDOCUM", "ENC"},
                                                 {"SERIE", "A"},
                                                 {"ANO", data.date().year()},
                                                 {"NNUMDOC", numero},
                                                 {"NLinha", ++n},
                                                 {"Artigo", linha.artigo},
                                                 {"QtdOrig", linha.qtdOrig},
                                                 {"Quant", linha.quant}});
}

} // namespace zav::test
