#pragma once

#include "platform/data/Recordset.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace zav {
class zavCoreDataAccess2016;
}

// The headings of maps whose quantity columns are size print positions, so
// that references of different size types share one grid: column p holds,
// for every reference, the size its type prints at position p. The heading
// of column p stacks one line per size type met, in the order the types were
// met: that type's description at p, or "." when it has no size there.
//
// A screen keeps one as a member and builds it afresh on every load:
//   TitulosTamanho titulos(*bd);
//   int NoTamFinal, NoTam;
//   titulos.ConstruirTitulos(*linhas, NoTamFinal, NoTam);   // lines with `CodRef`
//   ... one column per position 1 .. NoTamFinal, captioned Titulos(p),
//   ... heading NoTam lines high; quantities only where temColuna(p).
class TitulosTamanho {
public:
    // Titulos has slots 0 to 40; columns show 1 to 40.
    static constexpr int UltimaPosicao = 40;

    // How the descriptions after a heading's first line are written.
    enum class LinhasSeguintes {
        ComoGuardadas,  // as stored, blanks kept (the order sheet)
        Aparadas,       // leading and trailing blanks removed (summary and detail)
    };

    explicit TitulosTamanho(zav::zavCoreDataAccess2016& bd,
                            LinhasSeguintes seguintes = LinhasSeguintes::ComoGuardadas);

    // The empty size-type list: one nullable text field `TamHor` of 10.
    static zav::RecordsetPtr CriaRsTamHor();

    // The size types of the parent references of the lines of `rsTit` (field
    // `CodRef`), read from its current row to its end, where it is left.
    void ConstruirTitulos(zav::Recordset& rsTit, int& NoTamFinal, int& NoTam);
    // The headings of the size types of `tipos` (field `TamHor` or `TMHOR`),
    // from its first row, in its order.
    void ConstruirTitulos(const zav::RecordsetPtr& tipos, int& NoTamFinal, int& NoTam);

    // The heading of position p, its lines separated by CR LF; "" for a
    // position without a slot.
    QString Titulos(int posicao) const;
    // The size types met, in the order of the headings' lines.
    QStringList tipos() const;
    // The greatest position any size type has, 0 when none has sizes.
    int posicaoMaxima() const { return posicaoMaxima_; }
    int NoTamFinal() const { return noTamFinal_; }
    int NoTam() const { return noTam_; }
    // Whether position p has a column: 1 .. NoTamFinal. A quantity at any
    // other position has nowhere to go and must be left out.
    bool temColuna(int posicao) const { return posicao >= 1 && posicao <= noTamFinal_; }

    // The statements, as run.
    static QString sqlTipoDaReferencia(const QString& codRef);
    static QString sqlPosicaoMaxima(const QString& tipo);
    static QString sqlTamanhos(const QString& tipo);

private:
    void acrescentaTipo(zav::Recordset& lista, const QString& tipo);
    void leTitulos();
    void leTamanhosDoTipo(const QString& tipo);
    void acrescenta(int posicao, const QString& descricao);

    zav::zavCoreDataAccess2016& bd_;
    LinhasSeguintes seguintes_;
    zav::RecordsetPtr tamHor_;
    QStringList titulos_;
    int posicaoMaxima_ = 0;
    int noTamFinal_ = 0;
    int noTam_ = 0;
};

// The kind-2 message of a load that left out lines whose size print position
// has no column.
QString mensagemLinhasForaDasColunas(int linhas);
