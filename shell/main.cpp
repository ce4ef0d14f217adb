#include "maintenance/frmComposicao.h"
#include "reports/frmMapaEncomendas.h"
#include "reports/frmMapas.h"
#include "reports/frmTarvelo.h"
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
        {"Encom", folhaEncomenda()},
        {"FComp", fabricaDe<frmComposicao>()},
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
