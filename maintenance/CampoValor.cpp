#include "maintenance/CampoValor.h"

#include "platform/widgets/zav_input.h"

#include <QGridLayout>
#include <QLabel>

zav::zav_input& CampoValor::acrescenta(QGridLayout& grelha, int linha, zav::zav_inputArray& campo, int colunas) const
{
    QWidget* area = grelha.parentWidget();
    grelha.addWidget(new QLabel(QString::fromUtf8(legenda), area), linha, 0);
    auto* entrada = new zav::zav_input(index, area);
    entrada->setMaxLength(comprimento);
    campo.add(entrada);
    grelha.addWidget(entrada, linha, 1, 1, colunas);
    return *entrada;
}
