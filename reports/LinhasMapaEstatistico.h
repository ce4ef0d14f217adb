#pragma once

#include "platform/data/Recordset.h"

#include <QString>

namespace zav {
class zavCoreDataAccess2016;
}

// The lines of the statistical return on production and sales ("Mapa Estatístico").
namespace MapaEstatistico {

// The three statements of the return, dates as "yyyy-mm-dd".
QString SqlProducao(const QString& primeiraData, const QString& ultimaData);
QString SqlVendas(const QString& primeiraData, const QString& ultimaData);
QString SqlMercados(const QString& primeiraData, const QString& ultimaData);

// A new, open, empty line recordset: Ord, Produto, Unidade, Codigo, QtdProd,
// QtdVend, ValorVendas, Obs, all text.
zav::RecordsetPtr CriaRsMapa();

// The two blocks of the return for one period, each sorted "Ord,Codigo" and
// ready to be written line by line.
class LinhasMapa {
public:
    LinhasMapa(zav::zavCoreDataAccess2016& bd, QString primeiraData, QString ultimaData);

    // The header line and one line per product class, production and sales
    // merged by class code; no line at all when the period has neither.
    zav::RecordsetPtr LinhasClasses() const;
    // The total line and one line per market; no line at all when no market
    // has sales in the period.
    zav::RecordsetPtr LinhasMercados() const;

private:
    void JuntaProducao(zav::Recordset& linhas) const;
    void JuntaVendas(zav::Recordset& linhas) const;

    zav::zavCoreDataAccess2016& bd_;
    QString primeiraData_;
    QString ultimaData_;
};

} // namespace MapaEstatistico
