#pragma once

#include "maintenance/EcraIdiomas.h"
#include "maintenance/ManutencaoSql.h"

// Per-language descriptions of six ERP code tables, by mode (`iOpcao`): the
// free tables 1 to 4 (categories, types, compositions, classifications), the
// families (collections, 5) and the sub-families (seasons, 6). One code field;
// in modes 5 and 6 the picked code brings its group (and family) with it.
class frmTabIdiomas : public EcraIdiomas {
    Q_OBJECT
public:
    explicit frmTabIdiomas(QWidget* parent = nullptr);

    // The group and family of the last family or sub-family picked.
    QString sGrupo;
    QString sFamilia;

protected:
    void aoAbrir() override;
    QStringList Anulacoes() const override;
    QString sqlIdiomas() const override;
    QString sqlLinha(const QString& idioma) const override;
    void preencheChave(zav::Recordset& linha) const override;
    QString colunaDescricao() const override;
    int comprimentoDescricao() const override;
    QString sqlAnulaIdioma(const QString& idioma) const override;

private:
    TabelaManutencao tabelaDoEcra();
    // The picked "code@group[@family]" split: the code for the field, the rest kept.
    QString separaEscolha(const QString& escolha);
    TabIdiomasSql::Chave chaveActual() const;
};
