#pragma once

#include "platform/widgets/zav_input.h"
#include "reports/MapasSql.h"
#include "reports/MatrizCorTamanho.h"
#include "shell/Ecra.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QRect>
#include <QString>
#include <memory>

class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zav {
class CommonDialog;
class Grelha;
class ShowImg;
}

class CamposValidados;

// Where the two sample cards differ in their look; positions in twips.
struct DesenhoFicha {
    QString titulo;
    QColor fundo;            // the form, both panels and the options
    QRect painelFiltro;      // GroupBox1
    QRect painelCabecalho;   // GroupBox2
    QRect grelha;
    QRect foto;              // inside GroupBox2
    int larguraTitulo1 = 0;  // Titulo(1)
};

// The sample card of a parent reference: the filter panel (reference, date
// window, quantity basis), the header panel that each card fills its own way,
// the article's photo and the colour × size matrix of its customer orders.
// The card prints itself as a page (EcraFichaAmostraImpressao.cpp).
class EcraFichaAmostra : public Ecra {
    Q_OBJECT
public:
    static const QColor FundoFicha;      // &HFADAC4
    static const QColor FundoEtiquetas;  // &HF2DED5

    ~EcraFichaAmostra() override;

    void Form_Load() override;

    bool CampoAlterado = false;

    // Controls, by the names and indexes the users' documentation shows.
    QGroupBox* GroupBox1;
    QMap<int, QLabel*> Label2;     // 0 the reference's name, 3, 4, 5
    zav::zav_inputArray campo;     // 0 the reference
    QList<QPushButton*> btLista;   // 0
    QList<QDateTimeEdit*> Data;    // 0 first, 1 last order date
    QList<QRadioButton*> Option1;  // "Todas", "Pendentes", "Satisfeitas"
    QPushButton* btCarga;
    QGroupBox* GroupBox2;
    zav::ShowImg* sFoto;
    QMap<int, QLabel*> Tit;
    zav::zav_inputArray cmp;
    QList<QLabel*> Titulo;         // under the filter panel: seen on the printed card only
    zav::Grelha* Grelha;
    QPushButton* btCancelar;
    QPushButton* btImp;
    QPushButton* btExcel;
    QPushButton* btSair;

    void LimparForm();
    void LimpaParteForm();
    void CarregaRefIndividual();
    void Act_Grelha();
    void btCarga_Click();
    void btCancelar_Click();
    void btImp_Click();
    void btExcel_Click();
    void btSair_Click();

    MapasSql::Filtros filtros() const;
    static ValoresMatriz valoresFicha();

    const QString& prefixoImagens() const { return prefixoImagens_; }
    // The grid's height that shows its headings and every row unscrolled.
    int alturaDaMatrizInteira() const;

protected:
    EcraFichaAmostra(DesenhoFicha desenho, zav::CommonDialog& CommonDialog1, QWidget* parent);

    // A header label and its display-only field, in GroupBox2.
    void adicionaCampoCabecalho(int indiceTit, const QString& legenda, const QRect& lugarTit, int indiceCmp,
                                const QRect& lugarCmp, int tipoCampo = zav::zav_input::UmaLinha);
    // Fills the header once the order lines are in the matrix.
    virtual void preencheCabecalho(zav::Recordset& artigo) = 0;
    // What Titulo(1) shows for an accepted reference.
    virtual QString tituloDaReferencia(const QString& codigo, const QString& nome) const = 0;
    // Shows the reference's photo from that folder, when one is found.
    void mostraFoto(const QString& pasta);

private:
    void constroiTitulos();
    void constroiPainelFiltro();
    void constroiBotoes();
    void defineCampoReferencia();
    void mostraMatriz(CargaMatriz& carga);
    // The grid as designed, or taller to show every row of the matrix, with
    // the buttons under it and the form around them.
    void ajustaAMatriz(bool mostrada);
    void colocaColunas(zav::Recordset& tamanhos);

    DesenhoFicha desenho_;
    zav::CommonDialog& CommonDialog1_;
    CamposValidados* campos_;
    std::unique_ptr<MatrizCorTamanho> matriz_;
    QString prefixoImagens_;
};
