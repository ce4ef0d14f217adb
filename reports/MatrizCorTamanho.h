#pragma once

#include "platform/data/Currency.h"
#include "platform/data/Recordset.h"
#include "platform/grid/GridColumn.h"
#include "reports/MapasSql.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace zav {
class Grelha;
class zavCoreDataAccess2016;
}

// A text field that a reusing map puts around the matrix fields: the grouping
// key and code in front of `IndiceCor`, or a hidden field after `Total`.
struct CampoExtraMatriz {
    QString nome;
    QString titulo;
    int largura = 0;   // twips
    int tamanho = 0;   // characters
};

// The texts of a row's key joined into one key that two rows share exactly
// when the database holds each of their texts equal.
QByteArray chaveDeTextos(const QStringList& textos);

// What each screen that shows a colour × size matrix chooses for itself.
struct ValoresMatriz {
    int larguraTamanho = 800;
    int larguraTotal = 1200;
    int larguraCor = 1700;
    bool linhaEmBrancoAntesDoTotal = true;
    bool removeLinhasTotalZero = false;
    QList<CampoExtraMatriz> camposAntes;   // grouping fields in front of `IndiceCor`
    QList<CampoExtraMatriz> camposDepois;  // hidden fields after `Total`
};

// A text column (code 4, on the left) and a quantity column (code 5, on the
// right, with its number format) of the order-map grids.
zav::GridColumn colunaTexto(const zav::ColumnKey& chave, const QString& titulo, int largura, bool oculta = false);
zav::GridColumn colunaQuantidade(const zav::ColumnKey& chave, const QString& titulo, int largura,
                                 const QString& formato);

// The quantity matrix of one reference: a row per colour, a currency field per
// size, the row's `Total`, and a totals row (`IndiceCor` 99, "Total").
//
// The loader builds it in the order the users know from the printed maps:
// the colour rows first, then each order line added to its cell (two variant
// articles of one colour and size share the cell), then the totals.
class MatrizCorTamanho {
public:
    explicit MatrizCorTamanho(ValoresMatriz valores);

    static constexpr int IndiceCorTotal = 99;
    static const QString FormatoTamanho;  // "# ###"
    static const QString FormatoTotal;    // "## ###"

    // The empty matrix, one size field per row of `tamanhos` read from its
    // current row to its end (the size codes trimmed).
    zav::RecordsetPtr CriaRsRefIndividual(zav::Recordset& tamanhos);

    // One row per colour of `cores`, from its first row, every quantity 0;
    // `grupo` fills the fields in front of `IndiceCor`, and the fields after
    // `Total` are left as empty texts. With `comCor`, only the colours it
    // accepts (a map that removes its zero rows need not make the rows of
    // colours that have no line).
    void acrescentaCores(zav::Recordset& cores, const QStringList& grupo = {},
                         const std::function<bool(const QString& codigoCor)>& comCor = {});

    // A matrix field that picks a line's row and the line's field it must equal.
    struct ChaveLinha {
        QString campoMatriz;
        QString campoLinha;
    };
    // The row of the line's colour: `CodCor` equal to the line's `MedVert`.
    static const QList<ChaveLinha> ChaveCor;

    // One order line to place: the values of the key fields, the size code
    // and the quantity.
    struct LinhaMatriz {
        QStringList chave;
        QString tamanho;
        zav::Currency quantidade;
    };
    // The order lines of `linhas` (the fields of `chave`, `MedHor`, `Quant`), from its first.
    static QList<LinhaMatriz> leLinhas(zav::Recordset& linhas, const QList<ChaveLinha>& chave = ChaveCor);

    // Adds every line to the first row whose `chave` fields equal the line's,
    // in the field of the size whose code equals the line's, both as the
    // database compares them, so that the cells always add up to the totals
    // whatever order the lines come in. Lines whose row or size has no cell
    // change nothing.
    void colocaLinhas(const QList<LinhaMatriz>& linhas, const QList<ChaveLinha>& chave = ChaveCor);
    void colocaLinhas(zav::Recordset& linhas, const QList<ChaveLinha>& chave = ChaveCor)
    {
        colocaLinhas(leLinhas(linhas, chave), chave);
    }

    // Row totals, the optional blank row, the totals row, and the removal of
    // the rows whose total is 0 where the screen asks for it.
    void totaliza();

    // The grid's columns: the extra fields and the colour's index and code
    // hidden, "Cor/Tamanho", one per size of `tamanhos` (from its current row,
    // headed by the code as stored, showing its field by number), "Total".
    QList<zav::GridColumn> colunas(zav::Recordset& tamanhos) const;
    // Puts those columns in the grid, in place of the ones it had.
    void Act_Grelha_Campos(zav::Grelha& grelha, zav::Recordset& tamanhos) const;

    zav::Recordset& recordset() const { return *matriz_; }
    zav::RecordsetPtr partilhado() const { return matriz_; }

private:
    int primeiroTamanho() const { return int(valores_.camposAntes.size()) + 3; }
    int posicaoTotal() const { return primeiroTamanho() + int(codigosTamanho_.size()); }
    void zeraQuantidades();

    ValoresMatriz valores_;
    zav::RecordsetPtr matriz_;
    QStringList codigosTamanho_;  // as stored, in the order of their fields
};

// The look of every matrix grid; the heading row `alturaTitulosTwips` high
// (0: one line of the heading font).
void aplicaAspectoMatriz(zav::Grelha& grelha, int alturaTitulosTwips);

// One closed group per value of the hidden key field `campoChave` (the
// per-customer and per-supplier maps); the totals row, without a key, forms
// a group of its own.
void agrupaMatriz(zav::Grelha& grelha, const QString& campoChave);

// The messages with which a matrix load stops.
namespace MensagensMatriz {
inline const QString ReferenciaNaoExiste = QStringLiteral("Referência não existente!");
inline const QString SemTamanhos = QStringLiteral("Referência sem Tamanhos!");
inline const QString SemCores = QStringLiteral("Referência sem Cores!");
inline const QString SemInformacao = QStringLiteral("Não existe informação para a Referência selecionada!");
inline const QString SemFornecedor = QStringLiteral("Referência sem Fornecedor!");
inline const QString FornecedorNaoExiste = QStringLiteral("Fornecedor associado à Referência não existente!");
} // namespace MensagensMatriz

// The matrix of one reference with its sizes and colours, or why there is none.
struct CargaMatriz {
    enum class Falha {
        Nenhuma,
        ReferenciaNaoExiste,
        SemFornecedor,
        FornecedorNaoExiste,
        SemTamanhos,
        SemCores,
        SemClientes,    // no customer in the window: told as SemInformacao
        SemInformacao,
    };
    Falha falha = Falha::Nenhuma;
    zav::RecordsetPtr artigo;    // the reference's Artigos row
    zav::RecordsetPtr tamanhos;  // rewound once loaded, ready for the columns
    zav::RecordsetPtr cores;
    std::unique_ptr<MatrizCorTamanho> matriz;

    bool carregada() const { return falha == Falha::Nenhuma; }
    QString mensagem() const;
    // The matrix's totals, and the size list rewound for the grid's columns.
    void totaliza()
    {
        matriz->totaliza();
        tamanhos->MoveFirst();
    }
    // Sets the failure and answers false, for the loaders' early returns.
    bool falhou(Falha f)
    {
        falha = f;
        return false;
    }
};

// The reference's `Artigos` row into `carga`; false, with the failure set,
// when there is none.
bool leReferencia(zav::zavCoreDataAccess2016& bd, const QString& codigo, CargaMatriz& carga);
// The order lines of `sql`; null, with the failure "no information" set, when there are none.
zav::RecordsetPtr leLinhasEncomenda(zav::zavCoreDataAccess2016& bd, const QString& sql, CargaMatriz& carga);
// A matrix of `valores` with a size field per row of `carga.tamanhos`, into `carga`.
MatrizCorTamanho& criaMatriz(CargaMatriz& carga, const ValoresMatriz& valores);

// The sizes and colours of the types of `carga.artigo`; false, with the
// failure set, when either list is empty. The per-customer and per-supplier
// maps read them after checks of their own on the reference.
bool leTamanhosECores(zav::zavCoreDataAccess2016& bd, CargaMatriz& carga);

// Loads the matrix of `filtros.referencia` over the window and quantity basis,
// with the customer, salesman and group ranges when `comIntervalos`.
CargaMatriz carregaMatrizReferencia(zav::zavCoreDataAccess2016& bd, const MapasSql::Filtros& filtros,
                                    const ValoresMatriz& valores, bool comIntervalos);

// The reference, its sizes and its colours, as every matrix loader reads them.
namespace FonteMatriz {

// "Select * from Artigos where Codigo='<codigo>' "
zav::RecordsetPtr artigo(zav::zavCoreDataAccess2016& bd, const QString& codigo);
// The sizes or colours of a measure type, in print order.
zav::RecordsetPtr medidas(zav::zavCoreDataAccess2016& bd, const QString& tipo);

} // namespace FonteMatriz
