#pragma once

#include "maintenance/EcraManutencao.h"

// An article's descriptions in one language: the short one in the ERP's
// ArtIdiom, the long one in zav_ArtigoDetalhe.
class frmArtigos : public EcraManutencao {
    Q_OBJECT
public:
    explicit frmArtigos(QWidget* parent = nullptr);

protected:
    void LimparForm() override;
    void CarregaValores() override;
    void GravaRegisto() override;
    QStringList Anulacoes() const override;

private:
    TabelaManutencao tabelaDoEcra();
    QWidget* criaValores();
    // The text of a stored description, or "" without a row.
    QString descricaoGuardada(const QString& sql);
    void gravaDescricao(const QString& sql, const QString& descricao);
};
