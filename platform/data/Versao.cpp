#include "platform/data/Versao.h"

#include "platform/data/RuntimeError.h"

#include <QStringList>

namespace zav {

QString Versao::Texto() const
{
    QStringList parts = Numero.trimmed().split(QLatin1Char('.'));
    while (parts.size() < 3)
        parts << QStringLiteral("0");
    QStringList numbers;
    for (const QString& part : parts) {
        bool ok = false;
        const uint value = part.trimmed().toUInt(&ok);
        if (!ok)
            throw RuntimeError(errors::TypeMismatch);
        numbers << QString::number(value);
    }
    return numbers.join(QLatin1Char('.'));
}

} // namespace zav
