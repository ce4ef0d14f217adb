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
// the colour rows first, then each order line assigned to its cell (a later
// line of the same colour and size replaces the earlier one), then the totals.
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
    // `Total` are left as empty texts.
    void acrescentaCores(zav::Recordset& cores, const QStringList& grupo = {});

    // Sets the cell of `tamanho` (compared exactly with the field names) in
    // the first row the recordset filter `filtro` selects. Returns whether a
    // cell took the value.
    bool coloca(const QString& filtro, const QString& tamanho, zav::Currency quantidade);

    // The filter of the colour's rows: "CodCor= '<codigo>' ".
    static QString filtroCor(const QString& codigoCor);

    // Places every order line of `linhas` (`MedVert`, `MedHor`, `Quant`), from
    // its first, in the row `filtro` picks for it; without `filtro`, the row of
    // the line's colour. Lines whose colour or size has no cell change nothing.
    using FiltroLinha = std::function<QString(zav::Recordset& linha)>;
    void colocaLinhas(zav::Recordset& linhas, const FiltroLinha& filtro = {});

    // Row totals, the optional blank row, the totals row, and the removal of
    // the rows whose total is 0 where the screen asks for it.
    void totaliza();

    // The grid's columns: the extra fields and the colour's index and code
    // hidden, "Cor/Tamanho", one per size of `tamanhos` (from its current row,
    // headed by the code as stored), "Total".
    QList<zav::GridColumn> colunas(zav::Recordset& tamanhos) const;
    // Puts those columns in the grid, in place of the ones it had.
    void Act_Grelha_Campos(zav::Grelha& grelha, zav::Recordset& tamanhos) const;

    zav::Recordset& recordset() const { return *matriz_; }
    zav::RecordsetPtr partilhado() const { return matriz_; }

private:
    int primeiroTamanho() const { return int(valores_.camposAntes.size()) + 3; }
    int posicaoTotal() const { return primeiroTamanho() + numeroTamanhos_; }
    void zeraQuantidades();

    ValoresMatriz valores_;
    zav::RecordsetPtr matriz_;
    int numeroTamanhos_ = 0;
};

// The look of every matrix grid; the heading row `alturaTitulosTwips` high
// (0: one line of the heading font).
void aplicaAspectoMatriz(zav::Grelha& grelha, int alturaTitulosTwips);

// The messages with which a matrix load stops.
namespace MensagensMatriz {
inline const QString ReferenciaNaoExiste = QStringLiteral("Referência não existente!");
inline const QString SemTamanhos = QStringLiteral("Referência sem Tamanhos!");
inline const QString SemCores = QStringLiteral("Referência sem Cores!");
inline const QString SemInformacao = QStringLiteral("Não existe informação para a Referência selecionada!");
} // namespace MensagensMatriz

// The matrix of one reference with its sizes and colours, or why there is none.
struct CargaMatriz {
    enum class Falha { Nenhuma, ReferenciaNaoExiste, SemTamanhos, SemCores, SemInformacao };
    Falha falha = Falha::Nenhuma;
    zav::RecordsetPtr artigo;    // the reference's Artigos row
    zav::RecordsetPtr tamanhos;  // rewound once loaded, ready for the columns
    zav::RecordsetPtr cores;
    std::unique_ptr<MatrizCorTamanho> matriz;

    bool carregada() const { return falha == Falha::Nenhuma; }
    QString mensagem() const;
};

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
