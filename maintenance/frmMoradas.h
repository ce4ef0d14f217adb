#pragma once

#include "maintenance/EcraManutencao.h"

// A customer's shops, as addresses of the ERP's Moradas (third-party type 2):
// shop name, address, phones, e-mail, Facebook page and GPS position in the
// address row, and the customer's web site in Clientes.Sitio.
class frmMoradas : public EcraManutencao {
    Q_OBJECT
public:
    explicit frmMoradas(QWidget* parent = nullptr);

protected:
    void aoAbrir() override;
    void LimparForm() override;
    // A stored address: shows it and locks the whole top box.
    void CarregaValores() override;
    void GravaRegisto() override;
    QStringList Anulacoes() const override;
    bool PodeConfirmar() override;
    void chaveValidada(int index) override;

private:
    TabelaManutencao tabelaDoEcra();
    QWidget* criaValores();
    void montaCaixa();
    void defineCampos();
    void clienteEncontrado(zav::Recordset& cliente);
    void CarregaFicha(zav::Recordset& morada);
    void gravaSitio();

    QString tipoPadrao_;
    // The customer last found valid: the key of its site, and the site.
    QString codigoCliente_;
    QString sitioCliente_;
};
