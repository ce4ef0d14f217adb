#include "shell/Tools.h"

#include "platform/widgets/Seams.h"
#include "shell/NotacaoTeclas.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

namespace Tools {

namespace {

// The control with the focus. When no window is active yet (a screen has just
// shown, or a dialog over it has just closed, and the window system has not
// caught up), the window in front is activated first, as the window system does
// before it hands it a key: a screen just shown gives its first control the
// focus, so that a Tab sent on opening moves on from there.
QWidget* controloComFoco()
{
    if (QWidget* foco = QApplication::focusWidget())
        return foco;
    QWidget* janela = QApplication::activeModalWidget();
    if (!janela)
        janela = QApplication::activeWindow();
    if (!janela)
        return nullptr;
    QApplication::setActiveWindow(janela);
    if (QWidget* foco = QApplication::focusWidget())
        return foco;
    return janela;
}

void entrega(const TeclaEnviada& tecla)
{
    // Each stroke goes to whatever has the focus when it arrives: an earlier
    // Tab may have moved it.
    QWidget* alvo = controloComFoco();
    if (!alvo)
        return;
    QKeyEvent press(QEvent::KeyPress, tecla.key, tecla.modifiers, tecla.text);
    QCoreApplication::sendEvent(alvo, &press);
    QKeyEvent release(QEvent::KeyRelease, tecla.key, tecla.modifiers, tecla.text);
    if (QWidget* agora = controloComFoco())
        QCoreApplication::sendEvent(agora, &release);
}

} // namespace

// The keys join the queue of input like typed ones: they take effect after the
// handler that sent them has returned, so a key handler that sends Shift+Tab
// and then swallows its own key sees both happen in that order.
void EnviaTeclas(const QString& keys)
{
    const QList<TeclaEnviada> teclas = leNotacaoTeclas(keys);
    QTimer::singleShot(0, qApp, [teclas] {
        for (const TeclaEnviada& tecla : teclas)
            entrega(tecla);
    });
}

int MostraMensagem(const QString& campo, const QString& texto, int tipo)
{
    zav::MessageRequest pedido;
    pedido.title = QStringLiteral("Informação");
    pedido.text = texto;
    pedido.icon = zav::MessageIcon::Information;
    switch (tipo) {
    case 1:
        pedido.text = QStringLiteral("Campo obrigatório [") + campo + QStringLiteral("].");
        pedido.icon = zav::MessageIcon::Exclamation;
        break;
    case 2:
        break;
    case 3:
        pedido.buttons = zav::MessageButtons::OkCancel;
        pedido.secondButtonDefault = true;
        break;
    case 4:
        pedido.buttons = zav::MessageButtons::YesNo;
        break;
    default:
        return 0;
    }
    const int resposta = zav::messageBoxSeam()(QApplication::activeWindow(), pedido);
    return tipo == 3 || tipo == 4 ? resposta : 0;
}

} // namespace Tools
