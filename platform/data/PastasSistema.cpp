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

} // namespace zav
