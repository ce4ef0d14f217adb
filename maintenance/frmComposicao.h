#pragma once

#include "platform/widgets/zav_input.h"
#include "shell/Ecra.h"

#include <QList>

class CamposValidados;
class QLabel;
class QProgressBar;
class QPushButton;

// Copies a production article's composition and operations to the articles
// whose codes begin with a sales-article code.
class frmComposicao : public Ecra {
    Q_OBJECT
public:
    explicit frmComposicao(QWidget* parent = nullptr);

    void Form_Load() override;

    bool CampoAlterado = false;

    zav::zav_inputArray campo;   // 0 production article, 1 sales-article code
    QList<QPushButton*> btLista; // beside the field of the same index
    QList<QLabel*> Label2;       // the validated article's name, right of each list button
    QProgressBar* PB;
    QPushButton* btConf;
    QPushButton* btCancelar;
    QPushButton* btSair;

    void LimparForm();
    void btConf_Click();
    void Processa();
    void btCancelar_Click();
    void btSair_Click();

private:
    void defineCampos();

    CamposValidados* campos_;
    // The targets of the copy under way, and how many of them it has copied.
    int alvos_ = 0;
    int copiados_ = 0;
};
