#pragma once

#include <QString>

namespace zav {

// The folders the maker's programs share on this computer.
class PastasSistema {
public:
    // The per-user base folder, without a trailing separator: the environment
    // variable TARVELO_PASTA_BASE when set, else "Tarvelo" in the user's data folder.
    QString PastaBase() const;
};

class FuncoesPastas {
public:
    bool ExistePasta(const QString& pasta) const;
};

} // namespace zav
