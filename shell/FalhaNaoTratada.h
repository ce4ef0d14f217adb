#pragma once

#include <QApplication>
#include <QString>
#include <exception>
#include <functional>

// The program's one handler of failures nothing else handles: the run time's
// message with the error's number and description, then the program ends.
namespace FalhaNaoTratada {

// The exit status of a program ended by a failure.
constexpr int CodigoSaida = 1;

// "Erro de execução '80040E37':" and the description; a failure that is not a
// run-time error counts as an unspecified one (80004005).
QString Mensagem(const std::exception& falha);

// Runs `trabalho`; a failure is shown to the user and gives CodigoSaida, a
// clean run gives 0.
int Protege(const std::function<void()>& trabalho);

// Runs a write the user can try again: a confirm, a delete, a copy. A
// run-time error it raises (the database's among them) is shown as Protege
// shows a failure, followed by what `aposFalha` tells, and gives false; the
// program goes on, and the caller keeps what the user typed. Any other
// failure goes on to the program's handler.
bool TentaEscrita(const std::function<void()>& escrita, const std::function<QString()>& aposFalha = {});

// Hands one event to its receiver through `entrega`. Qt cannot carry a failure
// across its event loop, so one raised while the event is handled, by any slot
// or event handler, is shown here and ends the program at once with CodigoSaida.
bool Entrega(const std::function<bool()>& entrega);

} // namespace FalhaNaoTratada

// The program's application object: it speaks Portuguese (LinguaPortuguesa),
// and every event it delivers goes through FalhaNaoTratada::Entrega.
class AplicacaoTarvelo : public QApplication {
public:
    AplicacaoTarvelo(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
