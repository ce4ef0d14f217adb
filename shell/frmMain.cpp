#include "shell/frmMain.h"

#include "platform/data/RuntimeError.h"
#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/widgets/BarraMenus.h"
#include "shell/IconePrograma.h"
#include "shell/mod_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>

namespace {

constexpr int NumeroPaineis = 6;
constexpr int IntervaloRelogio = 60000;

QSettings definicoes()
{
    return QSettings(mod_main::NomePrograma, mod_main::NomePrograma);
}

} // namespace

frmMain::frmMain(TabelaEcras ecras, QWidget* parent) : QMainWindow(parent), ecras_(std::move(ecras))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(IconePrograma());
    criaMenu();
    criaBarraEstado();
    Relogio.setInterval(IntervaloRelogio);
    Relogio.start();
}

void frmMain::criaMenu()
{
    barra_ = new zav::BarraMenus(this);
    barra_->setObjectName(QStringLiteral("BarraMenus"));
    setMenuWidget(barra_);
    QWidget* barra = barra_;
    adicionaSair(barra);
    adicionaItem(barra, QStringLiteral("Tarvelo"), QStringLiteral("&Tarvelo"));
    adicionaItem(barra, QStringLiteral("Moradas"), QStringLiteral("M&oradas"));

    QWidget* mapas = adicionaSubmenu(QStringLiteral("Mp"), QStringLiteral("&Mapas"));
    adicionaItem(mapas, QStringLiteral("QuantRef"), QStringLiteral("&Encomendas/Referência"), 1);
    adicionaItem(mapas, QStringLiteral("EncResumo"), QStringLiteral("Encomendas &Resumo"), 2);
    adicionaItem(mapas, QStringLiteral("EncDet"), QStringLiteral("Encomendas &Detalhe"), 3);
    adicionaSeparador(mapas, QStringLiteral("mm"));
    adicionaItem(mapas, QStringLiteral("Ficha"), QStringLiteral("&Ficha Amostra"));
    adicionaSeparador(mapas, QStringLiteral("mm1"));
    adicionaItem(mapas, QStringLiteral("Encom"), QStringLiteral("E&ncomendas"));
    adicionaSeparador(mapas, QStringLiteral("mm2"));
    adicionaItem(mapas, QStringLiteral("RefCli"), QStringLiteral("Referência/Cliente"), 5);
    adicionaSeparador(mapas, QStringLiteral("mm3"));
    adicionaItem(mapas, QStringLiteral("EncFor"), QStringLiteral("Encomendas Fornecedor"), 6);

    adicionaItem(barra, QStringLiteral("Artigo"), QStringLiteral("&Artigos"));

    QWidget* idiomas = adicionaSubmenu(QStringLiteral("Idiomas"), QStringLiteral("&Idiomas"));
    adicionaItem(idiomas, QStringLiteral("Cat"), QStringLiteral("&Categorias"), 1);
    adicionaItem(idiomas, QStringLiteral("Tipo"), QStringLiteral("&Tipos"), 2);
    adicionaItem(idiomas, QStringLiteral("Compor"), QStringLiteral("C&omposição"), 3);
    // Classifications stay switched off whatever screens exist.
    adicionaItem(idiomas, QStringLiteral("Class"), QStringLiteral("C&lassificação"), 4)->setEnabled(false);
    adicionaSeparador(idiomas, QStringLiteral("m3"));
    adicionaItem(idiomas, QStringLiteral("Est"), QStringLiteral("&Estação"), 6);
    adicionaItem(idiomas, QStringLiteral("Col"), QStringLiteral("Col&eção"), 5);
    adicionaSeparador(idiomas, QStringLiteral("m1"));
    adicionaItem(idiomas, QStringLiteral("Tam"), QStringLiteral("&Tamanhos/Cores"));

    adicionaItem(barra, QStringLiteral("FichaAm"), QStringLiteral("&Campos Amostra"));
    adicionaItem(barra, QStringLiteral("FComp"), QStringLiteral("&Fichas Composição"));
}

QAction* frmMain::adicionaSair(QWidget* menu)
{
    auto* accao = new QAction(QStringLiteral("&Sair"), menu);
    accao->setObjectName(QStringLiteral("sair"));
    connect(accao, &QAction::triggered, this, &QWidget::close);
    menu->addAction(accao);
    return accao;
}

QAction* frmMain::adicionaItem(QWidget* menu, const QString& controlo, const QString& legenda, std::optional<int> iOpcao)
{
    auto* accao = new QAction(legenda, menu);
    accao->setObjectName(controlo);
    accao->setEnabled(ecras_.count(controlo) > 0);
    connect(accao, &QAction::triggered, this, [this, controlo, iOpcao] { AbreEcra(controlo, iOpcao); });
    menu->addAction(accao);
    return accao;
}

QWidget* frmMain::adicionaSubmenu(const QString& controlo, const QString& legenda)
{
    QMenu* submenu = barra_->addMenu(legenda);
    submenu->setObjectName(controlo);
    submenu->menuAction()->setObjectName(controlo);
    return submenu;
}

void frmMain::adicionaSeparador(QWidget* menu, const QString& controlo)
{
    auto* separador = new QAction(menu);
    separador->setSeparator(true);
    separador->setObjectName(controlo);
    menu->addAction(separador);
}

void frmMain::criaBarraEstado()
{
    for (int numero = 1; numero <= NumeroPaineis; ++numero) {
        auto* painel = new QLabel(this);
        painel->setObjectName(QStringLiteral("Painel%1").arg(numero));
        statusBar()->addWidget(painel, 1);
        paineis_ << painel;
    }
    Painel(1)->setText(QStringLiteral("Status"));
}

QLabel* frmMain::Painel(int numero) const
{
    if (numero < 1 || numero > paineis_.size())
        throw zav::RuntimeError(35600, QStringLiteral("Índice fora dos limites"));
    return paineis_[numero - 1];
}

QAction* frmMain::item(const QString& controlo) const
{
    const QList<QAction*> accoes = findChildren<QAction*>(controlo);
    return accoes.isEmpty() ? nullptr : accoes.first();
}

void frmMain::Form_Load()
{
    QSettings guardadas = definicoes();
    posicaoRestaurada_ = PosicaoJanela::le(guardadas);
    const QRect pixeis = posicaoRestaurada_.emPixeis();
    move(pixeis.topLeft());
    resize(pixeis.size());
}

void frmMain::EscreveStatus(const QString& Texto)
{
    Q_UNUSED(Texto);
}

void frmMain::getNomeEmpresa()
{
    const zav::RecordsetPtr rs = bd->AbreRecordsetEdicao(QStringLiteral("SELECT NOME, NumContr FROM dbo.EMPRESA"));
    if (rs->RecordCount() > 0)
        setWindowTitle(QStringLiteral("[") + rs->Fields(0).text() + QStringLiteral("]"));
    else
        setWindowTitle(QString());
    rs->close();
}

void frmMain::AbreEcra(const QString& controlo, std::optional<int> iOpcao)
{
    const std::unique_ptr<Ecra> instancia = ecras_.at(controlo)(*this);
    instancia->bd = bd;
    if (iOpcao) {
        auto* comOpcao = dynamic_cast<EcraComOpcao*>(instancia.get());
        if (!comOpcao)
            throw zav::RuntimeError(438, QStringLiteral("O objeto não suporta esta propriedade ou método"));
        comOpcao->iOpcao = *iOpcao;
    }
    instancia->Form_Load();
    instancia->exec();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!isMinimized()) {
        QSettings guardadas = definicoes();
        PosicaoJanela::daJanela(QRect(pos(), size()), posicaoRestaurada_).grava(guardadas);
    }
    if (bd)
        bd->FechaLigacao();
    event->accept();
    QCoreApplication::quit();
}
