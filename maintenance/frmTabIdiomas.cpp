#include "maintenance/frmTabIdiomas.h"

#include "platform/data/Recordset.h"

#include <QLabel>

frmTabIdiomas::frmTabIdiomas(QWidget* parent) : EcraIdiomas(parent)
{
    monta(tabelaDoEcra());
}

TabelaManutencao frmTabIdiomas::tabelaDoEcra()
{
    // Title, width and columns of the list follow the mode (aoAbrir).
    DefinicaoCampo codigo = definicaoChave(
        QString(), [this] { return TabIdiomasSql::sqlLista(iOpcao); },
        [this](const QString& texto) {
            TabIdiomasSql::Chave procura = chaveActual();
            procura.codigo = texto;
            return TabIdiomasSql::validacao(procura);
        },
        QString::fromUtf8("Código não existente!"));
    codigo.aoEscolher = [this](const QString& escolha) { return separaEscolha(escolha); };

    TabelaManutencao tabela;
    tabela.chave = {{0, 0, QString::fromUtf8("Código"), 6, codigo, QStringLiteral("Descr")}};
    tabela.limpaAoValidar = true;
    tabela.bloqueio = BloqueioChave::DepoisDeCarregar;
    // Esc closes from the code field; the grid swallows it.
    return tabela;
}

void frmTabIdiomas::aoAbrir()
{
    setWindowTitle(TabIdiomasSql::titulo(iOpcao));
    if (iOpcao == 5 || iOpcao == 6)
        Label2[0]->setText(TabIdiomasSql::legendaCodigo(iOpcao));
    // The list's title, width and columns follow the mode, fixed by now.
    DefinicaoCampo codigo = *campos().definicao(0);
    codigo.tituloLista = TabIdiomasSql::tituloLista(iOpcao);
    codigo.larguraLista = TabIdiomasSql::larguraLista(iOpcao);
    codigo.colunasLista.clear();
    for (int largura : TabIdiomasSql::colunasLista(iOpcao))
        codigo.colunasLista.append({largura, largura == 0});
    campos().define(0, codigo);
}

QString frmTabIdiomas::separaEscolha(const QString& escolha)
{
    if (iOpcao != 5 && iOpcao != 6)
        return escolha;
    const QStringList partes = escolha.split(QLatin1Char('@'));
    sGrupo = partes.value(1);
    if (iOpcao == 6)
        sFamilia = partes.value(2);
    return partes.value(0);
}

TabIdiomasSql::Chave frmTabIdiomas::chaveActual() const
{
    return {iOpcao, chave(0), sGrupo, sFamilia};
}

QStringList frmTabIdiomas::Anulacoes() const
{
    return {TabIdiomasSql::anulaTudo(chaveActual())};
}

QString frmTabIdiomas::sqlIdiomas() const
{
    return TabIdiomasSql::idiomas(chaveActual());
}

QString frmTabIdiomas::sqlLinha(const QString& idioma) const
{
    return TabIdiomasSql::linha(chaveActual(), idioma);
}

void frmTabIdiomas::preencheChave(zav::Recordset& linha) const
{
    if (iOpcao == 5 || iOpcao == 6) {
        linha.Fields(QStringLiteral("Cod")) = chaveGravada(0);
        linha.Fields(QStringLiteral("Grupo")) = sGrupo;
        if (iOpcao == 6)
            linha.Fields(QStringLiteral("Familia")) = sFamilia;
    } else {
        linha.Fields(QStringLiteral("Chave")) = chaveGravada(0);
    }
}

QString frmTabIdiomas::colunaDescricao() const
{
    return QStringLiteral("Descr");
}

int frmTabIdiomas::comprimentoDescricao() const
{
    return TabIdiomasSql::comprimentoDescricao(iOpcao);
}

QString frmTabIdiomas::sqlAnulaIdioma(const QString& idioma) const
{
    return TabIdiomasSql::anulaIdioma(chaveActual(), idioma);
}
