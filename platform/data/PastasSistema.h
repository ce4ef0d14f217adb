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

// `nome` inside `pasta`, joined by one separator whether or not the folder's
// name ends with one: the folder's own ("\" when it is written with those),
// else "/". An empty folder leaves `nome` as it is.
QString naPasta(const QString& pasta, const QString& nome);

} // namespace zav
