#pragma once

#include "platform/widgets/CommonDialog.h"
#include "platform/data/Recordset.h"
#include "shell/Ecra.h"

#include <array>
#include <memory>

class QLabel;
class QPushButton;
namespace zav {
class Grelha;
class PreviewSwitch;
class SeletorData;
class Visualizador;
}

// The statistical report "Mapa Estatístico": production and sales by product
// class and sales by market for a period, in a grid that previews, prints and
// exports to Excel.
class frmTarvelo : public Ecra {
    Q_OBJECT
public:
    explicit frmTarvelo(QWidget* parent = nullptr);
    ~frmTarvelo() override;

    void Form_Load() override;

    void btCarga_Click();
    void btImp_Click();
    void btExcel_Click();
    void btSair_Click();

    QLabel* lblPrimeiraData;
    QLabel* lblUltimaData;
    std::array<zav::SeletorData*, 2> DTPicker1{};
    QPushButton* btCarga;
    QPushButton* btImp;
    QPushButton* btExcel;
    QPushButton* btSair;
    zav::Grelha* Grelha;
    zav::Visualizador* Visualizador;
    zav::CommonDialog CommonDialog1;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Act_Grelha();
    void Act_Campos_Grelha();
    void EscreveLinhas(zav::Recordset& linhas, int& linha);
    void AvancaLinha(int& linha, int passo);
    void FormataPrintGrelha();
    void ImprimeGrelha();

    std::unique_ptr<zav::PreviewSwitch> preview_;
};
