#pragma once

#include "platform/data/Recordset.h"
#include "platform/grid/GridColumn.h"
#include "reports/LinhasPorPosicao.h"
#include "reports/MapasSql.h"
#include "reports/TitulosTamanho.h"

#include <QList>
#include <QString>

namespace zav {
class Grelha;
class zavCoreDataAccess2016;
}

// The order maps that put references of different size types side by side,
// sizes in columns by their print position: the summary (one row per
// reference, the chosen quantity basis) and the detail (one row per reference
// and colour, always the pending quantity, with the supplier filter). Both end
// with a blank row and "Total Geral".
class MapaResumo {
public:
    enum class Modo { Resumo, Detalhe };
    enum class Falha { Nenhuma, SemTamanhos, SemInformacao };

    MapaResumo(zav::zavCoreDataAccess2016& bd, Modo modo);

    // Loads the map of `filtros`; false, with falha() saying why, when it stops.
    bool CarregaResumo(const MapasSql::Filtros& filtros);

    Falha falha() const { return falha_; }
    QString mensagem() const;
    // Order lines whose size print position has no column, left out of the map.
    int linhasForaDasColunas() const { return foraDasColunas_; }
    int NoTam() const { return noTam_; }
    int NoTamFinal() const { return noTamFinal_; }
    const TitulosTamanho& titulos() const { return titulos_; }
    zav::RecordsetPtr recordset() const { return rs_; }

    // The empty maps, with NoTamFinal size fields: the summary's named "3"
    // onward, the detail's "1" onward.
    static zav::RecordsetPtr CriaRsResumo(int NoTamFinal);
    static zav::RecordsetPtr CriaRsDetalhe(int NoTamFinal);

    // The grid's columns: size columns keyed by their field's 1-based number
    // and captioned with the position's stacked heading.
    QList<zav::GridColumn> colunas() const;
    void Act_Grelha_Campos_Resumo(zav::Grelha& grelha) const;
    void Act_Grelha_Campos_Detalhe(zav::Grelha& grelha) const;

    // The statements, as run.
    static QString sqlTipos(const MapasSql::Filtros& filtros);
    static QString sqlResumo(const MapasSql::Filtros& filtros);
    static QString sqlDetalhe(const MapasSql::Filtros& filtros);

    static const QString SemTamanhosCores;  // "Referências sem Tamnhos/Cores!"

private:
    bool detalhe() const { return modo_ == Modo::Detalhe; }
    // 0-based field of print position p.
    int campoDaPosicao(int posicao) const { return posicao + (detalhe() ? 2 : 1); }
    bool falhou(Falha falha);
    void poeColunas(zav::Grelha& grelha) const;
    LinhasPorPosicao::Forma formaDasLinhas() const;
    void acrescentaTotais(const QList<zav::Currency>& totaisColuna);

    zav::zavCoreDataAccess2016& bd_;
    Modo modo_;
    TitulosTamanho titulos_;
    zav::RecordsetPtr rs_;
    Falha falha_ = Falha::Nenhuma;
    int noTam_ = 0;
    int noTamFinal_ = 0;
    int foraDasColunas_ = 0;
};
