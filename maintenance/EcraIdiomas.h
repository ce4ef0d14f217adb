#pragma once

#include "maintenance/EcraManutencao.h"

#include <QStringList>

class GrelhaIdiomas;

namespace zav {
class GrelhaEditavel;
class Recordset;
}

// A maintenance screen whose values are the per-language description grid:
// the code tables' languages and the sizes' and colours' languages. The
// screens give their statements; the grid, its reset and fill and the confirm
// walk are here.
class EcraIdiomas : public EcraManutencao {
    Q_OBJECT
public:
    ~EcraIdiomas() override;

    zav::GrelhaEditavel* GridTC;
    // The deleted lines' languages (element 0 empty), kept by the grid.
    const QStringList& IdiomasAnulados() const;
    GrelhaIdiomas& grelhaIdiomas() { return *idiomas_; }

protected:
    explicit EcraIdiomas(QWidget* parent);
    void monta(TabelaManutencao tabela);

    void LimparForm() override;
    void CarregaValores() override;
    void GravaRegisto() override;
    bool PodeConfirmar() override;

    // The stored languages of the key: language and description, by language.
    virtual QString sqlIdiomas() const = 0;
    // The stored row of one language, opened to be written.
    virtual QString sqlLinha(const QString& idioma) const = 0;
    // Sets the key columns of a row being written (codes in upper case).
    virtual void preencheChave(zav::Recordset& linha) const = 0;
    virtual QString colunaDescricao() const = 0;
    // What that column holds: the limit of the grid's description cells.
    virtual int comprimentoDescricao() const = 0;
    virtual QString sqlAnulaIdioma(const QString& idioma) const = 0;

private:
    GrelhaIdiomas* idiomas_;
};
