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

inline QString u(const char* texto)
{
    return QString::fromUtf8(texto);
}

// Rows of the ERP tables the order maps read.
void artigo(const demo::FixtureWriter& rows, const QString& codigo, const QString& codRef, const QString& tmHor,
            const QString& medHor, const QString& tmVer, const QString& medVert, const QString& grupo);
void medida(const demo::FixtureWriter& rows, const QString& tipo, const QString& codigo, const QString& descricao,
            int posicao);
// Customers C1 "Cliente Um" and C2 "Cliente Dois", salesmen V1 and V2, suppliers F1 and F2, groups G1 and G2
// with a family and a sub-family each (G1: FA, SA; G2: FB, SB).
void cadastros(const demo::FixtureWriter& rows);
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

// A company whose orders are dated around the moment it was written.
class EmpresaComEncomendas {
public:
    zav::zavCoreDataAccess2016& bd() { return base_.bd(); }
    const QDateTime& agora() const { return agora_; }
    // The filter panel after LimparForm, from `referencia` to `ultima`.
    MapasSql::Filtros filtros(const QString& referencia = QStringLiteral("R1"),
                              const QString& ultima = QStringLiteral("zzzzzz"),
                              MapasSql::BaseQuantidade base = MapasSql::BaseQuantidade::Pendentes) const;

protected:
    BaseEmpresa base_;
    const QDateTime agora_ = QDateTime::currentDateTime();
};

// A company database with the customer orders the order-map tests read:
//  - reference R1 (sizes of type LETRAS: S, M, L, XL; colours of type CORES:
//    BR "Branco", PR "Preto", AZ "Azul"), its variants in group G1 except
//    R1-PR-S in group G2, and two variants R1-PR-L and R1-PR-L2 on one cell;
//  - R2 of the other size type NUMEROS with no orders; R3 whose size type has
//    no sizes; R4 whose colour type has no colours;
//  - the customers, salesmen, suppliers and groups of cadastros();
//  - orders in the window (one of them late on the last day), one before it,
//    one cancelled (nvias -1) and one that is not a customer order.
//
// Quantities in the window (ordered / still open):
//   C1 V1: R1-BR-S 10/6, R1-BR-M 5/5
//   C2 V2: R1-PR-L 4/1, R1-PR-L2 7/3, R1-PR-S 2/2
class FixtureMapas : public EmpresaComEncomendas {
public:
    FixtureMapas();
};

} // namespace maps
