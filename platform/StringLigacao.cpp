#include "platform/StringLigacao.h"

#include "platform/RuntimeError.h"


namespace zav {

bool StringLigacao::eSQLite(const QString& servidor)
{
    return servidor.trimmed().compare(QLatin1String("SQLite"), Qt::CaseInsensitive) == 0;
}

QString StringLigacao::ConnectionString() const
{
    if (Modo != ModoUtilizadorSenha)
        throw RuntimeError(5, QStringLiteral("Invalid procedure call or argument"));
    const QString provider = QStringLiteral("Provider=") + Provider;
    if (eSQLite(Servidor))
        return provider + QStringLiteral(";Data Provider=SQLite;Data Source=") + BaseDados;
    return provider + QStringLiteral(";Data Provider=SQLOLEDB;Data Source=") + Servidor
           + QStringLiteral(";Initial Catalog=") + BaseDados + QStringLiteral(";User ID=") + Utilizador
           + QStringLiteral(";Password=") + Senha;
}

} // namespace zav
