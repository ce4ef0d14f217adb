#pragma once

#include "maintenance/EcraManutencao.h"

#include <QDate>
#include <QMap>
#include <QVariant>
#include <array>

class QGridLayout;

namespace zav {
class SeletorData;
}

// The data printed on an article's sample card, one zav_FichaAmostra row per
// article: supplier, references, brand, description, sample size, the order
// and delivery dates (both optional) and the composition.
class frmCamposAmostra : public EcraManutencao {
    Q_OBJECT
public:
    explicit frmCamposAmostra(QWidget* parent = nullptr);

    // Each date, 0 order and 1 delivery, is a picker while it has a value and
    // otherwise an always-empty field in the picker's place.
    zav::zav_inputArray cmp;
    QMap<int, zav::SeletorData*> Data;

    // The picker's value that stands for no date.
    static QDate semData() { return QDate(1800, 1, 1); }

protected:
    void LimparForm() override;
    void CarregaValores() override;
    void GravaRegisto() override;
    QStringList Anulacoes() const override;

private:
    TabelaManutencao tabelaDoEcra();
    QWidget* criaValores();
    void criaData(QGridLayout& grelha, int index, const char* legenda, int linha);
    void cmp_Entra(int index);
    void cmp_Tecla(int index, int& keyAscii);
    void mostraData(int index, const QDate& dia);
    void mostraSemData(int index);
    void deixaData(int index);
    // What confirm stores: the date as it was read (NULL for none) until the
    // user gives one; then NULL for the no-date value, else the day at midnight.
    QVariant valorData(int index) const;

    // Each date as it was read, and whether the user has given one since.
    std::array<QVariant, 2> datasLidas_;
    std::array<bool, 2> datasEscolhidas_{};
};
