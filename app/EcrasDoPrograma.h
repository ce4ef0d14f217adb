#pragma once

// The screens the program's menu opens. It knows every screen, so it stands
// above them, beside the program's entry point; the shell below only knows
// the table's shape.

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
#include "shell/frmMain.h"
#include "shell/mod_main.h"

namespace EcrasDoPrograma {

inline FabricaEcra mapas()
{
    return [](frmMain& principal) { return std::make_unique<frmMapas>(principal.CommonDialog1, &principal); };
}

inline FabricaEcra folhaEncomenda()
{
    return [](frmMain& principal) {
        return std::make_unique<frmMapaEncomendas>(principal.CommonDialog1, &principal);
    };
}

inline FabricaEcra fichaAmostra()
{
    return [](frmMain& principal) {
        return std::make_unique<frmFichaAmostra_New>(principal.CommonDialog1, mod_main::CaminhoConfiguracao,
                                                     &principal);
    };
}

// By menu item; an item missing here stays switched off.
inline TabelaEcras tabela()
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

} // namespace EcrasDoPrograma
