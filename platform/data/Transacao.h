#pragma once

namespace zav {

class zavCoreDataAccess2016;

// A transaction for one scope: begun on construction, committed by Confirma(),
// rolled back on leaving the scope otherwise, a failure's exception included.
//
//     zav::Transacao transacao(bd);
//     ... writes ...
//     transacao.Confirma();
class Transacao {
public:
    explicit Transacao(zavCoreDataAccess2016& bd);
    ~Transacao();
    Transacao(const Transacao&) = delete;
    Transacao& operator=(const Transacao&) = delete;

    // Commits; a failed commit raises and leaves the rollback to the destructor.
    void Confirma();

private:
    zavCoreDataAccess2016& bd_;
    bool aberta_ = true;
};

} // namespace zav
