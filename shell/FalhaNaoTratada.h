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

// "Run-time error '80040E37':" and the description; a failure that is not a
// run-time error counts as an unspecified one (80004005).
QString Mensagem(const std::exception& falha);

// Runs `trabalho`; a failure is shown to the user and gives CodigoSaida, a
// clean run gives 0.
int Protege(const std::function<void()>& trabalho);

} // namespace FalhaNaoTratada

// The program's application object: a failure raised while an event is handled
// is shown by FalhaNaoTratada and ends the program at once.
class AplicacaoTarvelo : public QApplication {
public:
    AplicacaoTarvelo(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
