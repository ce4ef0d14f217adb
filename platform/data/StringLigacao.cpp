#include "platform/data/StringLigacao.h"

#include "platform/data/RuntimeError.h"


namespace zav {

namespace {

// A value that holds ';', a quote or edge blanks goes between quotes, so that a
// password such as "s;e=gredo" reaches the connection whole. A value holding
// both kinds of quote cannot be carried.
QString valor(const QString& texto)
{
    const bool aspas = texto.contains(QLatin1Char('"'));
    const bool plicas = texto.contains(QLatin1Char('\''));
    if (!aspas && !plicas && !texto.contains(QLatin1Char(';')) && texto == texto.trimmed())
        return texto;
    if (aspas && plicas)
        throw RuntimeError(errors::InvalidCall);
    const QChar aspa = aspas ? QLatin1Char('\'') : QLatin1Char('"');
    return aspa + texto + aspa;
}

} // namespace

bool StringLigacao::eSQLite(const QString& servidor)
{
    return servidor.trimmed().compare(QLatin1String("SQLite"), Qt::CaseInsensitive) == 0;
}

QString StringLigacao::ConnectionString() const
{
    if (Modo != ModoUtilizadorSenha)
        throw RuntimeError(errors::InvalidCall);
    const QString provider = QStringLiteral("Provider=") + valor(Provider);
    if (eSQLite(Servidor))
        return provider + QStringLiteral(";Data Provider=SQLite;Data Source=") + valor(BaseDados);
    return provider + QStringLiteral(";Data Provider=SQLOLEDB;Data Source=") + valor(Servidor)
           + QStringLiteral(";Initial Catalog=") + valor(BaseDados) + QStringLiteral(";User ID=") + valor(Utilizador)
           + QStringLiteral(";Password=") + valor(Senha);
}

} // namespace zav
