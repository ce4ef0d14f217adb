#include "platform/data/Transacao.h"

#include "platform/data/RuntimeError.h"
#include "platform/data/zavCoreDataAccess2016.h"

#include <QtGlobal>

namespace zav {

Transacao::Transacao(zavCoreDataAccess2016& bd) : bd_(bd)
{
    bd_.BeginTrans();
}

Transacao::~Transacao()
{
    if (!aberta_)
        return;
    // Reached while another failure unwinds the stack: a second exception here
    // would end the program, and the database ends the transaction anyway.
    try {
        bd_.RollbackTrans();
    } catch (const RuntimeError& e) {
        qWarning("Falha ao anular a transação: %s", e.what());
    }
}

void Transacao::Confirma()
{
    bd_.CommitTrans();
    aberta_ = false;
}

} // namespace zav
