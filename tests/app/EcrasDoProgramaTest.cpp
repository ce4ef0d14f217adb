// The program's table of screens, as the main window receives it.

#include "app/EcrasDoPrograma.h"
#include "shell/ShellTestSupport.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <typeinfo>

namespace {

// Whether a screen is exactly of that kind.
template <class Tipo>
bool eDoTipo(const Ecra* ecra)
{
    return ecra && typeid(*ecra) == typeid(Tipo);
}

} // namespace

// The program's own table: every menu item but classifications is on and
// opens its own screen.
TEST(ProgramScreens, EveryMenuItemOpensItsOwnScreen)
{
    shelltest::TemporarySettings settings;
    const std::map<QString, std::function<bool(const Ecra*)>> esperados = {
        {"Tarvelo", eDoTipo<frmTarvelo>},          {"Moradas", eDoTipo<frmMoradas>},
        {"QuantRef", eDoTipo<frmMapas>},           {"EncResumo", eDoTipo<frmMapas>},
        {"EncDet", eDoTipo<frmMapas>},             {"RefCli", eDoTipo<frmMapas>},
        {"EncFor", eDoTipo<frmMapas>},             {"Ficha", eDoTipo<frmFichaAmostra_New>},
        {"Encom", eDoTipo<frmMapaEncomendas>},     {"Artigo", eDoTipo<frmArtigos>},
        {"Cat", eDoTipo<frmTabIdiomas>},           {"Tipo", eDoTipo<frmTabIdiomas>},
        {"Compor", eDoTipo<frmTabIdiomas>},        {"Class", eDoTipo<frmTabIdiomas>},
        {"Est", eDoTipo<frmTabIdiomas>},           {"Col", eDoTipo<frmTabIdiomas>},
        {"Tam", eDoTipo<frmTabMedidas>},           {"FichaAm", eDoTipo<frmCamposAmostra>},
        {"FComp", eDoTipo<frmComposicao>},
    };
    const TabelaEcras tabela = EcrasDoPrograma::tabela();
    frmMain janela(tabela);

    QStringList itens;
    for (QAction* item : janela.findChildren<QAction*>()) {
        const QString controlo = item->objectName();
        if (!item->isSeparator() && !janela.findChild<QMenu*>(controlo) && controlo != "sair")
            itens << controlo;
    }
    QStringList nomes;
    for (const auto& [controlo, tipo] : esperados)
        nomes << controlo;
    itens.sort();
    nomes.sort();
    EXPECT_EQ(itens, nomes);

    for (const auto& [controlo, tipo] : esperados) {
        EXPECT_EQ(janela.item(controlo)->isEnabled(), controlo != "Class") << controlo.toStdString();
        ASSERT_TRUE(tabela.count(controlo)) << controlo.toStdString();
        const std::unique_ptr<Ecra> ecra = tabela.at(controlo)(janela);
        EXPECT_TRUE(tipo(ecra.get())) << controlo.toStdString();
        EXPECT_EQ(ecra->parentWidget(), &janela) << controlo.toStdString();
    }
}

