#include "shell/FalhaNaoTratada.h"

#include "platform/data/RuntimeError.h"
#include "platform/widgets/Seams.h"
#include "shell/LinguaPortuguesa.h"
#include "shell/mod_main.h"

#include <cstdlib>

namespace FalhaNaoTratada {

namespace {

zav::RuntimeError comoErro(const std::exception& falha)
{
    if (const auto* erro = dynamic_cast<const zav::RuntimeError*>(&falha))
        return *erro;
    return zav::RuntimeError(zav::errors::Unspecified, QString::fromLocal8Bit(falha.what()));
}

int mostra(const QString& mensagem)
{
    zav::MessageRequest pedido;
    pedido.title = mod_main::NomePrograma;
    pedido.text = mensagem;
    pedido.icon = zav::MessageIcon::Critical;
    zav::messageBoxSeam()(nullptr, pedido);
    return CodigoSaida;
}

} // namespace

QString Mensagem(const std::exception& falha)
{
    const zav::RuntimeError erro = comoErro(falha);
    return QStringLiteral("Erro de execução '") + erro.numberText() + QStringLiteral("':\n\n") + erro.description();
}

int Protege(const std::function<void()>& trabalho)
{
    try {
        trabalho();
        return 0;
    } catch (const std::exception& falha) {
        return mostra(Mensagem(falha));
    } catch (...) {
        // Whatever was thrown, it must not cross the event loop: Qt cannot carry it.
        return mostra(Mensagem(zav::RuntimeError(zav::errors::Unspecified)));
    }
}

bool TentaEscrita(const std::function<void()>& escrita, const std::function<QString()>& aposFalha)
{
    try {
        escrita();
        return true;
    } catch (const zav::RuntimeError& erro) {
        QString texto = Mensagem(erro);
        if (aposFalha)
            texto += QStringLiteral("\n\n") + aposFalha();
        mostra(texto);
        return false;
    }
}

bool Entrega(const std::function<bool()>& entrega)
{
    bool tratado = false;
    const int codigo = Protege([&] { tratado = entrega(); });
    if (codigo != 0)
        std::_Exit(codigo); // whatever was half done stays so: nothing runs after a fatal failure
    return tratado;
}

} // namespace FalhaNaoTratada

AplicacaoTarvelo::AplicacaoTarvelo(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(mod_main::NomePrograma);
    setOrganizationName(mod_main::NomePrograma);
    LinguaPortuguesa::Aplica(*this);
}

bool AplicacaoTarvelo::notify(QObject* receiver, QEvent* event)
{
    return FalhaNaoTratada::Entrega([&] { return QApplication::notify(receiver, event); });
}
