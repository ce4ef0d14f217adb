#pragma once

#include "samples/EcraFichaAmostra.h"

// The sample card: for one parent reference, its supplier, the description
// kept for its sample card, its notes and its photo, above the colour × size
// matrix of its customer orders in the date window.
class frmFichaAmostra_New : public EcraFichaAmostra {
    Q_OBJECT
public:
    // `caminhoConfiguracao`: the configuration file chosen at start-up, which
    // names the images folder.
    frmFichaAmostra_New(zav::CommonDialog& CommonDialog1, QString caminhoConfiguracao, QWidget* parent = nullptr);

    void Form_Load() override;

    void CarregaCamposAmostra(QString& sDesc);
    void ColocaCampos(const QString& sObs, const QString& sDesc, const QString& sFornec);
    QString GetPercursoImagens() const;

    const QString& pastaImagens() const { return pastaImagens_; }

protected:
    void preencheCabecalho(zav::Recordset& artigo) override;
    QString tituloDaReferencia(const QString& codigo, const QString& nome) const override;

private:
    QString caminhoConfiguracao_;
    QString pastaImagens_;
};
