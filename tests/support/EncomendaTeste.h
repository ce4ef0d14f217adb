#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace demo {
class FixtureWriter;
}

namespace zav::test {

// One line of a test's customer order: the article and its ordered and still open quantities.
struct LinhaEncomenda {
    QString artigo;
    double qtdOrig;
    double quant;
};

// A customer order as the ERP keeps one: a document of type ENC, series A,
// its lines numbered from 1.
void escreveEncomenda(const demo::FixtureWriter& rows, int numero, const QDateTime& data, const QString& cliente,
                      const QString& vendedor, const QList<LinhaEncomenda>& linhas, int nvias = 1, int tpterc = 2);

} // namespace zav::test
