#pragma once

#include <QString>

namespace zav {

// Builds the connection string that zavCoreDataAccess2016::AbreLigacao opens.
// Servidor "SQLite" (any case) names the embedded database whose file is
// BaseDados; any other server is a SQL Server with its catalogue and login.
class StringLigacao {
public:
    // Modo 1, the only one: a login by user and password.
    static constexpr int ModoUtilizadorSenha = 1;

    QString Provider;
    int Modo = ModoUtilizadorSenha;
    QString Servidor;
    QString BaseDados;
    QString Utilizador;
    QString Senha;

    // Values are quoted where they hold ";", a quote or edge blanks. Run-time
    // error 5 for a mode it does not know or a value holding both kinds of quote.
    QString ConnectionString() const;

    static bool eSQLite(const QString& servidor);
};

} // namespace zav
