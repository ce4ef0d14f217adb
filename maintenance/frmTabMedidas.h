#pragma once

#include "maintenance/EcraIdiomas.h"

// Per-language descriptions of the ERP's sizes and colours: a measure type and
// a measure of that type name one size or colour of MedTamCo.
class frmTabMedidas : public EcraIdiomas {
    Q_OBJECT
public:
    // zav_MEDTAMCO keeps 20 characters of a description.
    static constexpr int ComprimentoDescricao = 20;

    explicit frmTabMedidas(QWidget* parent = nullptr);

protected:
    QStringList Anulacoes() const override;
    QString sqlIdiomas() const override;
    QString sqlLinha(const QString& idioma) const override;
    void preencheChave(zav::Recordset& linha) const override;
    QString colunaDescricao() const override;
    QString sqlAnulaIdioma(const QString& idioma) const override;

private:
    TabelaManutencao tabelaDoEcra();
};
