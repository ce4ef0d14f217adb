#include "maintenance/frmArtigos.h"
#include "maintenance/frmCamposAmostra.h"
#include "maintenance/frmComposicao.h"
#include "maintenance/frmMoradas.h"
#include "maintenance/frmTabIdiomas.h"
#include "maintenance/frmTabMedidas.h"
#include "reports/frmMapaEncomendas.h"
#include "reports/frmMapas.h"
#include "reports/frmTarvelo.h"
#include "samples/frmFichaAmostra_New.h"
#include "shell/FalhaNaoTratada.h"
#include "shell/mod_main.h"

#include <QStringList>

namespace {

FabricaEcra mapas()
{
    return [](frmMain& principal) { return std::make_unique<frmMapas>(principal.CommonDialog1, &principal); };
}

FabricaEcra folhaEncomenda()
{
    return [](frmMain& principal) {
        return std::make_unique<frmMapaEncomendas>(principal.CommonDialog1, &principal);
    };
}

FabricaEcra fichaAmostra()
{
    return [](frmMain& principal) {
        return std::make_unique<frmFichaAmostra_New>(principal.CommonDialog1, mod_main::CaminhoConfiguracao,
                                                     &principal);
    };
}

// The screens the menu opens, by menu item; an item missing here stays switched off.
TabelaEcras ecrasDoPrograma()
{
    return {
        {"Tarvelo", fabricaDe<frmTarvelo>()},
        {"QuantRef", mapas()},
        {"EncResumo", mapas()},
        {"EncDet", mapas()},
        {"RefCli", mapas()},
        {"EncFor", mapas()},
        {"Ficha", fichaAmostra()},
        {"Encom", folhaEncomenda()},
        {"Artigo", fabricaDe<frmArtigos>()},
        // "Class" is here like its siblings; the main window keeps it switched off.
        {"Cat", fabricaDe<frmTabIdiomas>()},
        {"Tipo", fabricaDe<frmTabIdiomas>()},
        {"Compor", fabricaDe<frmTabIdiomas>()},
        {"Class", fabricaDe<frmTabIdiomas>()},
        {"Est", fabricaDe<frmTabIdiomas>()},
        {"Col", fabricaDe<frmTabIdiomas>()},
        {"Tam", fabricaDe<frmTabMedidas>()},
        {"FComp", fabricaDe<frmComposicao>()},
        {"Moradas", fabricaDe<frmMoradas>()},
        {"FichaAm", fabricaDe<frmCamposAmostra>()},
    };
}

} // namespace

int main(int argc, char** argv)
{
    AplicacaoTarvelo aplicacao(argc, argv);
    const QString linhaComandos = QCoreApplication::arguments().mid(1).join(QLatin1Char(' '));
    int estado = FalhaNaoTratada::Protege([&] { mod_main::Main(linhaComandos, ecrasDoPrograma()); });
    if (estado == 0)
        estado = aplicacao.exec();
    mod_main::Termina();
    return estado;
}
