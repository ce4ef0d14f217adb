#pragma once

#include "samples/EcraFichaAmostra.h"

// The earlier sample card, kept but retired: nothing in the program opens it.
// Its header shows the stored sample-card row whole, its photos come from a
// fixed folder, and it looks the supplier up nowhere.
class frmFichaAmostra : public EcraFichaAmostra {
    Q_OBJECT
public:
    explicit frmFichaAmostra(zav::CommonDialog& CommonDialog1, QWidget* parent = nullptr);

    void CarregaCamposAmostra(const QString& sObs);

protected:
    void preencheCabecalho(zav::Recordset& artigo) override;
    QString tituloDaReferencia(const QString& codigo, const QString& nome) const override;
};
