#pragma once

#include "stat/EmpresaEstatistica.h"

#include "platform/grid/Grelha.h"
#include "platform/widgets/SeletorData.h"
#include "reports/frmTarvelo.h"

#include <QPushButton>
#include <QStringList>
#include <gtest/gtest.h>

// The Tarvelo screen open on the fixture company.
class EcraTarvelo : public ::testing::Test {
protected:
    void SetUp() override { ecra.bd = &empresa.bd(); }

    void Carrega(QDate primeira, QDate ultima)
    {
        ecra.DTPicker1[0]->setDate(primeira);
        ecra.DTPicker1[1]->setDate(ultima);
        ecra.btCarga->click();
    }
    void CarregaMes(int mes)
    {
        const QDate primeiro(2026, mes, 1);
        Carrega(primeiro, primeiro.addMonths(1).addDays(-1));
    }

    // What the grid shows in columns 1 to 7 of every row, "|" between the columns.
    QStringList Grelha() const
    {
        QStringList linhas;
        for (int row = 0; row < ecra.Grelha->rowCount(); ++row) {
            QStringList linha;
            for (int column = 1; column <= 7; ++column)
                linha << ecra.Grelha->displayText(row, column);
            linhas << linha.join('|');
        }
        return linhas;
    }

    EmpresaEstatistica empresa;
    frmTarvelo ecra;
};
