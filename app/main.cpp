#include "app/EcrasDoPrograma.h"
#include "shell/FalhaNaoTratada.h"
#include "shell/mod_main.h"

#include <QStringList>

int main(int argc, char** argv)
{
    AplicacaoTarvelo aplicacao(argc, argv);
    const QString linhaComandos = QCoreApplication::arguments().mid(1).join(QLatin1Char(' '));
    int estado = FalhaNaoTratada::Protege([&] { mod_main::Main(linhaComandos, EcrasDoPrograma::tabela()); });
    if (estado == 0)
        estado = aplicacao.exec();
    mod_main::Termina();
    return estado;
}
