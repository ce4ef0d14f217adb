#include "samples/frmFichaAmostra_New.h"

#include "platform/data/FicheiroIni.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "samples/FichaAmostraDados.h"
#include "shell/Tools.h"

namespace {

DesenhoFicha desenho()
{
    DesenhoFicha d;
    d.titulo = QStringLiteral("Ficha Amostra");
    d.fundo = EcraFichaAmostra::FundoFicha;
    d.painelFiltro = {60, 0, 11835, 1095};
    d.painelCabecalho = {60, 1020, 11835, 4095};
    d.grelha = {60, 5280, 11895, 3240};
    d.foto = {600, 480, 2835, 3375};
    d.larguraTitulo1 = 8385;
    return d;
}

} // namespace

frmFichaAmostra_New::frmFichaAmostra_New(zav::CommonDialog& CommonDialog1, QString caminhoConfiguracao,
                                         QWidget* parent)
    : EcraFichaAmostra(desenho(), CommonDialog1, parent), caminhoConfiguracao_(std::move(caminhoConfiguracao))
{
    adicionaCampoCabecalho(0, QStringLiteral("Fornecedor"), {5520, 240, 1125, 285}, 0, {6660, 180, 4725, 285});
    adicionaCampoCabecalho(4, QString::fromUtf8("Descrição"), {5520, 700, 1125, 285}, 4, {6660, 660, 4725, 285});
    adicionaCampoCabecalho(9, QStringLiteral("OBS"), {4920, 1380, 465, 285}, 7, {5580, 1380, 5805, 1695},
                           zav::zav_input::VariasLinhas);
}

void frmFichaAmostra_New::Form_Load()
{
    EcraFichaAmostra::Form_Load();
    pastaImagens_ = GetPercursoImagens();
    // Said once: each load would otherwise just show no photo, without a word.
    const QString aviso = FichaAmostraDados::avisoPastaDasFotos(pastaImagens_, prefixoImagens());
    if (!aviso.isEmpty())
        Tools::MostraMensagem(QString(), aviso, 2);
}

QString frmFichaAmostra_New::GetPercursoImagens() const
{
    zav::FicheiroIni ini;
    ini.setFicheiro(caminhoConfiguracao_);
    return ini.LerValor(QStringLiteral("Diversos"), QStringLiteral("PercursoImagens"));
}

QString frmFichaAmostra_New::tituloDaReferencia(const QString& codigo, const QString& nome) const
{
    return codigo + QStringLiteral(" - ") + nome;
}

void frmFichaAmostra_New::preencheCabecalho(zav::Recordset& artigo)
{
    const QString sObs = artigo.Fields(QStringLiteral("BlNotas")).text();
    const QString sFornec = artigo.Fields(QStringLiteral("Fornec")).text();
    QString sDesc;
    CarregaCamposAmostra(sDesc);
    ColocaCampos(sObs, sDesc, sFornec);
}

void frmFichaAmostra_New::CarregaCamposAmostra(QString& sDesc)
{
    sDesc.clear();
    const zav::RecordsetPtr ficha = bd->AbreRecordset(QString(), FichaAmostraDados::sqlFichaAmostra(campo(0).Text()));
    if (ficha->RecordCount() > 0) {
        sDesc = ficha->Fields(QStringLiteral("Descr")).text();
        cmp(4).setText(sDesc);
    }
    mostraFoto(pastaImagens_);
}

void frmFichaAmostra_New::ColocaCampos(const QString& sObs, const QString& sDesc, const QString& sFornec)
{
    cmp(0).setText(FichaAmostraDados::textoFornecedor(*bd, sFornec));
    cmp(4).setText(sDesc);
    cmp(7).setText(sObs);
}
