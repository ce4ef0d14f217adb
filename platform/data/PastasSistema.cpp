#include "platform/data/PastasSistema.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zav {

QString PastasSistema::PastaBase() const
{
    QString base = qEnvironmentVariable("TARVELO_PASTA_BASE");
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tarvelo");
    base = QDir::cleanPath(base);
    while (base.size() > 1 && base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base;
}

bool FuncoesPastas::ExistePasta(const QString& pasta) const
{
    return !pasta.isEmpty() && QFileInfo(pasta).isDir();
}

QString naPasta(const QString& pasta, const QString& nome)
{
    if (pasta.isEmpty())
        return nome;
    const QChar separador = pasta.contains(QLatin1Char('\\')) && !pasta.contains(QLatin1Char('/'))
        ? QLatin1Char('\\') : QLatin1Char('/');
    QString junta = pasta;
    while (junta.endsWith(QLatin1Char('/')) || junta.endsWith(QLatin1Char('\\')))
        junta.chop(1);
    return junta + separador + nome;
}

} // namespace zav
