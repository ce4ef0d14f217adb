#pragma once

#include "platform/data/Recordset.h"
#include "platform/grid/GridColumn.h"

#include "reports/EncomendaSql.h"

#include <QList>
#include <QString>
#include <functional>

class TitulosTamanho;

namespace zav {
class zavCoreDataAccess2016;
}

// The order sheet of one document: a row per reference and colour, a quantity
// field per size print position ("1" .. `NoTamFinal`, so position p is field
// p + 1), and the row's `Total`. References of different size types share the
// position columns; a position where nothing was ordered stays empty.
namespace FolhaEncomenda {

// The empty sheet with `NoTamFinal` position fields.
zav::RecordsetPtr CriaRsEncomenda(int NoTamFinal);

struct Preenchimento {
    // The document's customer and salesman, from its first data line.
    QString sTerceiro;
    QString sVendedor;
    // Data lines whose size prints at no column of the sheet (a position of 0,
    // none, or past the last column): left out of the cells and the totals.
    int linhasSemColuna = 0;
};

// Fills `folha` from the data lines (`CodRef`, `MedVert`, `Cor`, `mh`, `Quant`,
// `Terceiro`, `Vendedor`, in reference, colour and size order) as the detail
// map fills its rows (LinhasPorPosicao): a row per reference and colour, each
// line's quantity added to its position's cell and to the row's total.
Preenchimento preenche(zav::Recordset& folha, zav::Recordset& dados, int NoTamFinal);

// The grid's columns: "Referência", "Cor", one per position headed by
// `titulo(p)`, "Total".
QList<zav::GridColumn> colunas(int NoTamFinal, const std::function<QString(int posicao)>& titulo);

// Every text line's `Descr` followed by CR LF, in the order given.
QString textoLinhas(zav::Recordset& linhasTexto);

// The sheet of document `lNoDoc` of the key's type, year and series, or why
// there is none: no line passes the key and filter, or none has a size and a
// colour.
struct Carga {
    bool carregada = false;
    // Stopped at the first statement: no article line passes the key and filter.
    bool semLinhas = false;
    zav::RecordsetPtr folha;
    int NoTamFinal = 0;
    int NoTam = 0;
    Preenchimento preenchimento;
};
// Builds the size headings into `titulos` on the document's lines, then the sheet.
Carga carrega(zav::zavCoreDataAccess2016& bd, const ChaveEncomenda& chave, const FiltroFamilia& filtro,
              qint64 lNoDoc, TitulosTamanho& titulos);
// The document's text lines, as `textoLinhas` joins them.
QString leLinhasTexto(zav::zavCoreDataAccess2016& bd, const ChaveEncomenda& chave, qint64 lNoDoc);

} // namespace FolhaEncomenda

// The customer's details the sheet prints, copied from `Clientes` as text.
struct ClienteFicha {
    QString Nome;
    QString NContrib;
    QString Morada;
    QString CdPostal;
    QString Local;
    QString email;
    QString Contacto;
    QString Telef;

    // From the customer's row; a customer without a row has every text empty.
    static ClienteFicha de(zav::Recordset& clientes);
    static ClienteFicha le(zav::zavCoreDataAccess2016& bd, const QString& codigo);
};
