#include "maintenance/frmTabMedidas.h"

#include "maintenance/ManutencaoSql.h"
#include "platform/data/Recordset.h"

frmTabMedidas::frmTabMedidas(QWidget* parent) : EcraIdiomas(ComprimentoDescricao, parent)
{
    monta(tabelaDoEcra());
}

TabelaManutencao frmTabMedidas::tabelaDoEcra()
{
    const QList<DefinicaoCampo::Coluna> colunas{{1500}, {4000}};
    const QString naoExiste = QString::fromUtf8("Código não existente!");

    DefinicaoCampo tipo;
    tipo.tituloLista = QStringLiteral("Tipos Medidas");
    tipo.sqlLista = [] { return TabMedidasSql::listaTipos(); };
    tipo.larguraLista = 6000;
    tipo.colunasLista = colunas;
    tipo.sqlValidacao = [](const QString& texto) { return TabMedidasSql::validaTipo(texto); };
    tipo.mensagemNaoExiste = naoExiste;

    DefinicaoCampo medida;
    medida.tituloLista = QStringLiteral("Medidas");
    medida.sqlLista = [this] { return TabMedidasSql::listaMedidas(chave(0)); };
    medida.larguraLista = 6000;
    medida.colunasLista = colunas;
    medida.sqlValidacao = [this](const QString& texto) { return TabMedidasSql::validaMedida(chave(0), texto); };
    medida.mensagemNaoExiste = naoExiste;

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
    linha.Fields(QStringLiteral("CodTipoM")) = chave(0).toUpper();
    linha.Fields(QStringLiteral("CodMed")) = chave(1).toUpper();
}

QString frmTabMedidas::colunaDescricao() const
{
    return QStringLiteral("Descrica");
}

QString frmTabMedidas::sqlAnulaIdioma(const QString& idioma) const
{
    return TabMedidasSql::anulaIdioma(chave(0), chave(1), idioma);
}
