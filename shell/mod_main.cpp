#include "shell/mod_main.h"

#include "platform/data/ConfigBaseDados.h"
#include "platform/widgets/EscolhaBaseDados.h"
#include "platform/data/PastasSistema.h"
#include "platform/data/RuntimeError.h"
#include "platform/data/StringLigacao.h"
#include "platform/data/TabelasAdicionais.h"
#include "platform/data/Versao.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "shell/Tools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

namespace mod_main {

QString CaminhoConfiguracao;
std::unique_ptr<zav::zavCoreDataAccess2016> bd;
std::unique_ptr<frmMain> JanelaPrincipal;

namespace {

QString numeroVersao()
{
    return QStringLiteral("%1.%2.%3").arg(TARVELO_VERSION_MAJOR).arg(TARVELO_VERSION_MINOR).arg(TARVELO_VERSION_PATCH);
}

// Without a server or a database there is nothing to connect to: the user is
// told where the settings were looked for rather than what the driver makes of
// an empty name.
void exigeDefinicoes(const zav::ConfigBaseDados& config, const QString& catalogo)
{
    if (!config.Servidor().isEmpty() && !config.BaseDados().isEmpty())
        return;
    QString descricao = QStringLiteral("O ficheiro de configuração \"%1\" não tem as definições da base de dados "
                                       "(Servidor, BaseDados e Utilizador na secção [BaseDados])")
                            .arg(QDir::toNativeSeparators(config.Ficheiro()));
    if (!QFileInfo::exists(config.Ficheiro()))
        descricao += QStringLiteral(": o ficheiro não existe");
    descricao += QStringLiteral(". Nenhuma base de dados foi escolhida do catálogo \"%1\".")
                     .arg(QDir::toNativeSeparators(catalogo));
    throw zav::RuntimeError(zav::errors::Unspecified, descricao);
}

} // namespace

QString PastaDados()
{
    const QString pasta = zav::PastasSistema().PastaBase() + QStringLiteral("/TALVEX");
    if (zav::FuncoesPastas().ExistePasta(pasta))
        return pasta;
    return QCoreApplication::applicationDirPath();
}

QString CaminhoDaConfiguracao(const QString& linhaComandos)
{
    const QString nome = linhaComandos.isEmpty() ? QStringLiteral("Tarvelo.zav") : linhaComandos;
    return PastaDados() + QLatin1Char('/') + nome;
}

void Main(const QString& linhaComandos, TabelaEcras ecras)
{
    CaminhoConfiguracao = CaminhoDaConfiguracao(linhaComandos);
    AbreBaseDados();
    // A company that can only be read for now opens for reports, without the
    // add-on's tables it may lack.
    if (const QString soLeitura = bd->readOnlyReason(); !soLeitura.isEmpty()) {
        Tools::MostraMensagem(QString(), soLeitura, 2);
    } else {
        CriaTabelasIdiomas();
        CriaTabelaFichaAmostra();
    }

    zav::Versao versao;
    versao.Numero = numeroVersao();
    const QString textoVersao = versao.Texto();

    JanelaPrincipal = std::make_unique<frmMain>(std::move(ecras));
    JanelaPrincipal->Form_Load();
    JanelaPrincipal->bd = bd.get();
    JanelaPrincipal->show();
    JanelaPrincipal->getNomeEmpresa();
    JanelaPrincipal->Painel(6)->setText(QStringLiteral("Versão: ") + textoVersao);
}

void AbreBaseDados()
{
    zav::ConfigBaseDados config;
    config.setFicheiro(CaminhoConfiguracao);
    if (config.Servidor().isEmpty() || config.BaseDados().isEmpty() || config.Utilizador().isEmpty()) {
        const QString catalogo = QCoreApplication::applicationDirPath() + QStringLiteral("/Catalogos/bd.sql");
        config.setFicheiroCatalogo(catalogo);
        config.setEscolha(true);
        zav::EscolheBaseDados(config);
        exigeDefinicoes(config, catalogo);
    }

    zav::StringLigacao ligacao;
    ligacao.Provider = QStringLiteral("MSDataShape");
    ligacao.Modo = 1;
    ligacao.Servidor = config.Servidor();
    ligacao.BaseDados = config.BaseDados();
    ligacao.Utilizador = config.Utilizador();
    ligacao.Senha = config.Senha();

    bd = std::make_unique<zav::zavCoreDataAccess2016>();
    bd->AbreLigacao(ligacao.ConnectionString());
}

void CriaTabelasIdiomas()
{
    criaTabelasEmFalta(*bd, tabelasIdiomas());
}

void CriaTabelaFichaAmostra()
{
    criaTabelasEmFalta(*bd, tabelasFichaAmostra());
}

void Termina()
{
    JanelaPrincipal.reset();
    bd.reset();
}

} // namespace mod_main
