#pragma once

#include <QString>

// One ERP document as the order sheet's key fields give it: type, year,
// series and number, as typed.
struct ChaveEncomenda {
    QString tipo;
    QString ano;
    QString serie;
    QString numero;

    // Every field filled (blanks count as filled), and year and number whole
    // numbers: anything else never reaches a statement.
    bool completa() const;
};

// The optional article filter of the order sheet: it applies only when group,
// family and sub-family are all filled.
struct FiltroFamilia {
    QString grupo;
    QString familia;
    QString subFamilia;

    bool aplica() const;
};

// The statements of the order sheet. Typed codes go in between quotes with
// their quotes doubled; year and number go in bare, so the key must be
// complete (`ChaveEncomenda::completa`) before any of them is built.
namespace EncomendaSql {

// The documents of the key (the number bounds both ends): number and date.
QString documentos(const ChaveEncomenda& chave);
// The document's article lines with their parent reference, for the headings.
QString linhas(const ChaveEncomenda& chave, qint64 lNoDoc, const FiltroFamilia& filtro);
// The open quantities by reference, size and colour, with the customer and
// salesman, in the order of the sheet's rows.
QString dados(const ChaveEncomenda& chave, qint64 lNoDoc, const FiltroFamilia& filtro);
// The document's lines without an article: its text lines, whatever the filter.
QString linhasTexto(const ChaveEncomenda& chave, qint64 lNoDoc);
// The customer's row.
QString cliente(const QString& codigo);

} // namespace EncomendaSql
