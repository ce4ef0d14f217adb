#pragma once

#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/widgets/Seams.h"
#include "reports/MapasSql.h"
#include "support/EncomendaTeste.h"

#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <ostream>

// Lets failures show texts as texts.
inline void PrintTo(const QString& texto, std::ostream* saida)
{
    *saida << '"' << texto.toStdString() << '"';
}

namespace demo {
class FixtureWriter;
}

namespace maps {

// Rows of the ERP tables the order maps read.
void artigo(const demo::FixtureWriter& rows, const QString& codigo, const QString& codRef, const QString& tmHor,
            const QString& medHor, const QString& tmVer, const QString& medVert, const QString& grupo);
void medida(const demo::FixtureWriter& rows, const QString& tipo, const QString& codigo, const QString& descricao,
            int posicao);
using zav::test::escreveEncomenda;

// Answers every message box with OK and keeps its text, apart also the texts
// of those shown while the busy pointer was up (there should be none).
class MensagensRespondidas {
public:
    MensagensRespondidas();
    QStringList textos;
    QStringList comCursorOcupado;

private:
    zav::Seam<int(QWidget*, const zav::MessageRequest&)>::Override resposta_;
};

// The rows of `rs` from its first, every field as text, "null" for a null.
QList<QStringList> textosDasLinhas(zav::Recordset& rs);

// One row of a table of filters: what it changes in the panel and the two
// figures the map must show for it.
struct CasoFiltro {
    const char* nome;
    std::function<void(MapasSql::Filtros&)> filtra;
    const char *primeiro, *segundo;
};

// The filter panel after LimparForm at `agora`, from `referencia` to `ultima`.
MapasSql::Filtros filtrosIniciais(const QDateTime& agora, const QString& referencia, const QString& ultima,
                                  MapasSql::BaseQuantidade base);

// An empty company database, written by the test, read through the
// data-access object (opened at the first read, closed at each write).
class BaseEmpresa {
public:
    BaseEmpresa();
    QString caminho() const;
    void escreve(const std::function<void(const demo::FixtureWriter&)>& escrita);
    zav::zavCoreDataAccess2016& bd();

private:
    QTemporaryDir pasta_;
    std::unique_ptr<zav::zavCoreDataAccess2016> bd_;
};

// A company database with the customer orders the order-map tests read:
//  - reference R1 (sizes of type LETRAS: S, M, L, XL; colours of type CORES:
//    BR "Branco", PR "Preto", AZ "Azul"), its variants in group G1 except
//    R1-PR-S in group G2, and two variants R1-PR-L and R1-PR-L2 on one cell;
//  - R2 of the other size type NUMEROS with no orders; R3 whose size type has
//    no sizes; R4 whose colour type has no colours;
//  - customers C1, C2, salesmen V1, V2, groups G1, G2 with a family and a
//    sub-family each (G1: FA, SA; G2: FB, SB);
//  - orders in the window (one of them late on the last day), one before it,
//    one cancelled (nvias -1) and one that is not a customer order.
//
// Quantities in the window (ordered / still open):
//   C1 V1: R1-BR-S 10/6, R1-BR-M 5/5
//   C2 V2: R1-PR-L 4/1, R1-PR-L2 7/3, R1-PR-S 2/2
class FixtureMapas {
public:
    FixtureMapas();

    zav::zavCoreDataAccess2016& bd() { return base_.bd(); }
    const QDateTime& agora() const { return agora_; }
    // The filter panel after LimparForm, on reference R1.
    MapasSql::Filtros filtros(MapasSql::BaseQuantidade base = MapasSql::BaseQuantidade::Pendentes) const
    {
        return filtrosIniciais(agora_, QStringLiteral("R1"), QStringLiteral("zzzzzz"), base);
    }

private:
    BaseEmpresa base_;
    QDateTime agora_;
};

} // namespace maps
