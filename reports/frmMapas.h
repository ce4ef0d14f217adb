#pragma once

#include "platform/widgets/zav_input.h"
#include "reports/MapaResumo.h"
#include "reports/MapasSql.h"
#include "reports/MatrizCorTamanho.h"
#include "shell/Ecra.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>

class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zav {
class CommonDialog;
class Grelha;
class PreviewSwitch;
class Visualizador;
}

class CamposValidados;

// The order maps: one screen, six maps over the customer orders chosen by
// `iOpcao`. The filter panel picks the references, customers, salesmen,
// groups, dates and quantity basis; the map shows in the grid, previews and
// prints from the viewer, and exports to Excel through the main window's
// file dialog.
class frmMapas : public EcraComOpcao {
    Q_OBJECT
public:
    explicit frmMapas(zav::CommonDialog& CommonDialog1, QWidget* parent = nullptr);
    ~frmMapas() override;

    void Form_Load() override;

    bool CampoAlterado = false;
    QString DescFamilia;
    QString DescSubFamilia;

    // Controls, by the names and indexes the users' documentation shows.
    QGroupBox* GroupBox1;
    zav::zav_inputArray campo;
    QList<QPushButton*> btLista;   // 0 .. 11, beside the field of the same index
    QList<QLabel*> Label2;         // 0 .. 14
    QList<QDateTimeEdit*> Data;    // 0 first, 1 last order date
    QList<QRadioButton*> Option1;  // "Todas", "Pendentes", "Satisfeitas"
    QPushButton* btCarga;
    zav::Grelha* Grelha;
    zav::Visualizador* Visualizador;
    QPushButton* btCancelar;
    QPushButton* btImp;
    QPushButton* btExcel;
    QPushButton* btExpandir;
    QPushButton* btSair;

    void LimparForm();
    void btCarga_Click();
    void btCancelar_Click();
    void btExcel_Click();
    void btExpandir_Click();
    void btImp_Click();
    void btSair_Click();

    void CarregaRefIndividual();
    void CarregaResumo();
    void CarregaRefTerceiro();
    void CarregaRefIndividualCliente();
    void CarregaEncomendasFornecedor();
    // The grid's look for the current mode, with `NoTam` heading lines.
    void Act_Grelha(int NoTam);
    void FormataPrintGrelha();
    void ImprimeGrelha();

    // The filter panel as it stands.
    MapasSql::Filtros filtros() const;

    // The colour × size matrix of mode 1, for the grid's columns and widths.
    static ValoresMatriz valoresRefIndividual();

private:
    void constroiPainel();
    void constroiBotoes();
    void defineCampos();
    void mostraSoEm(const QList<QWidget*>& controlos, bool mostrar);
    using ColunasMatriz = std::function<void(zav::Grelha&, const MatrizCorTamanho&, zav::Recordset& tamanhos)>;
    // Modes 1, 5 and 6: the load under the busy pointer, then the map or its message.
    using CarregaMatriz = std::function<CargaMatriz(zav::zavCoreDataAccess2016&, const MapasSql::Filtros&)>;
    void carregaMatriz(const CarregaMatriz& carrega, int NoTam, const ColunasMatriz& colunas);
    void mostraMatriz(CargaMatriz& carga, int NoTam, const ColunasMatriz& colunas);
    void avisaFalhaMatriz(const CargaMatriz& carga);
    void escondeMapa();
    // The print header of the map just loaded, from the filters it was loaded with.
    void guardaCabecalho(const MapasSql::Filtros& f);

    zav::CommonDialog& CommonDialog1_;
    CamposValidados* campos_;
    std::unique_ptr<zav::PreviewSwitch> preview_;
    std::unique_ptr<MatrizCorTamanho> matriz_;
    std::unique_ptr<MapaResumo> resumo_;  // the summary or detail shown, with its headings
    QString cabecalhoDaCarga_;
};
