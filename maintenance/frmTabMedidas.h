#pragma once

#include "maintenance/EcraIdiomas.h"

// Per-language descriptions of the ERP's sizes and colours: a measure type and
// a measure of that type name one size or colour of MedTamCo.
class frmTabMedidas : public EcraIdiomas {
    Q_OBJECT
public:
    explicit frmTabMedidas(QWidget* parent = nullptr);

protected:
    QStringList Anulacoes() const override;
    QString sqlIdiomas() const override;
    QString sqlLinha(const QString& idioma) const override;
    void preencheChave(zav::Recordset& linha) const override;
    QString colunaDescricao() const override;
    // zav_MEDTAMCO keeps 20 characters of a description.
    int comprimentoDescricao() const override { return 20; }
    QString sqlAnulaIdioma(const QString& idioma) const override;

private:
    TabelaManutencao tabelaDoEcra();
};
