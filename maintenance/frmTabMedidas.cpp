#include "maintenance/frmTabMedidas.h"

#include "maintenance/ManutencaoSql.h"
#include "platform/data/Recordset.h"

frmTabMedidas::frmTabMedidas(QWidget* parent) : EcraIdiomas(parent)
{
    monta(tabelaDoEcra());
}

TabelaManutencao frmTabMedidas::tabelaDoEcra()
{
    const QString naoExiste = QString::fromUtf8("Código não existente!");
    const DefinicaoCampo tipo = definicaoChave(
        QStringLiteral("Tipos Medidas"), [] { return TabMedidasSql::listaTipos(); },
        [](const QString& texto) { return TabMedidasSql::validaTipo(texto); }, naoExiste);
    // The measures of the type typed first.
    const DefinicaoCampo medida = definicaoChave(
        QStringLiteral("Medidas"), [this] { return TabMedidasSql::listaMedidas(chave(0)); },
        [this](const QString& texto) { return TabMedidasSql::validaMedida(chave(0), texto); }, naoExiste);

    TabelaManutencao tabela;
    tabela.titulo = QStringLiteral("Tamanhos/Cores");
    tabela.chave = {
        {0, 0, QString::fromUtf8("Cód.Medida"), 10, tipo, QStringLiteral("Descrica")},
        {1, 1, QStringLiteral("Medida"), 4, medida, QStringLiteral("Descrica")},
    };
    tabela.limpaAoValidar = true;
    return tabela;
}

QStringList frmTabMedidas::Anulacoes() const
{
    return {TabMedidasSql::anulaTudo(chave(0), chave(1))};
}

QString frmTabMedidas::sqlIdiomas() const
{
    return TabMedidasSql::idiomas(chave(0), chave(1));
}

QString frmTabMedidas::sqlLinha(const QString& idioma) const
{
    return TabMedidasSql::linha(chave(0), chave(1), idioma);
}

void frmTabMedidas::preencheChave(zav::Recordset& linha) const
{
    linha.Fields(QStringLiteral("CodTipoM")) = chaveGravada(0);
    linha.Fields(QStringLiteral("CodMed")) = chaveGravada(1);
}

QString frmTabMedidas::colunaDescricao() const
{
    return QStringLiteral("Descrica");
}

QString frmTabMedidas::sqlAnulaIdioma(const QString& idioma) const
{
    return TabMedidasSql::anulaIdioma(chave(0), chave(1), idioma);
}
