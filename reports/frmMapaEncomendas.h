#pragma once

#include "platform/widgets/zav_input.h"
#include "reports/EncomendaSql.h"
#include "reports/FolhaEncomenda.h"
#include "reports/ImpressaoEncomenda.h"
#include "shell/Ecra.h"

#include <QDateTime>
#include <QMap>
#include <QString>
#include <memory>

class QGroupBox;
class QLabel;
class QPushButton;

namespace zav {
class CommonDialog;
class Grelha;
class PreviewSwitch;
class Visualizador;
}

class CamposValidados;
class TitulosTamanho;

// The order sheet: one ERP document, chosen by type, year, series and number,
// by reference and colour against size print positions, with its customer and
// its text lines; previewed and printed from the viewer, exported to Excel
// through the main window's file dialog.
class frmMapaEncomendas : public Ecra {
    Q_OBJECT
public:
    explicit frmMapaEncomendas(zav::CommonDialog& CommonDialog1, QWidget* parent = nullptr);
    ~frmMapaEncomendas() override;

    bool CampoAlterado = false;
    qint64 lNoDoc = 0;
    QDateTime dDataDoc;
    QString sTerceiro;
    QString sVendedor;
    ClienteFicha Cliente;
    QString DescFamilia;
    QString DescSubFamilia;
    // The size headings of the sheet shown, made anew by every load.
    std::unique_ptr<TitulosTamanho> Titulos;

    // Controls, by the names and indexes the users' documentation shows.
    QGroupBox* GroupBox1;          // the key and filter fields and "&Carregar"
    zav::zav_inputArray campo;     // 1 year, 2 series, 0 type, 3 number, 6 group, 5 family, 7 sub-family
    QMap<int, QPushButton*> btLista;  // beside fields 0, 6, 5, 7
    QMap<int, QLabel*> Label2;     // each field's caption by its index; 4 is "OBS"
    zav::zav_inputArray cmp;       // 7: the document's text lines, read only
    QPushButton* btCarga;
    zav::Grelha* Grelha;
    zav::Visualizador* Visualizador;
    QPushButton* btCancelar;
    QPushButton* btImp;
    QPushButton* btExcel;
    QPushButton* btSair;

    void Form_Load() override;
    void LimparForm();
    void btCancelar_Click();
    void btSair_Click();

    void btCarga_Click();
    void LerTerceiro(const QString& codigo);
    void CarregaRefIndividual(qint64& lNoDoc);
    void Act_Grelha_Campos_Detalhe(int NoTamFinal);
    void Act_Grelha(int NoTam);

    void btImp_Click();
    void FormataPrintGrelha();
    void ImprimeGrelha();
    void btExcel_Click();

    // The key and filter fields as they stand.
    ChaveEncomenda chave() const;
    FiltroFamilia filtro() const;

private:
    void constroiCampos();
    void constroiEcra();
    void defineCampos();
    void mostraFolha(const FolhaEncomenda::Carga& carga);
    void escondeFolha();
    ImpressaoEncomenda::Cabecalho cabecalhoDaCarga() const;

    zav::CommonDialog& CommonDialog1_;
    CamposValidados* campos_;
    std::unique_ptr<zav::PreviewSwitch> preview_;
    zav::RecordsetPtr folha_;
    ImpressaoEncomenda::Cabecalho cabecalho_;  // of the sheet shown
};
