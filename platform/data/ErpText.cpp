#include "platform/data/ErpText.h"

#include "platform/data/ErpCollation.h"

#include <QList>

namespace zav::erptext {

int compare(QStringView a, QStringView b)
{
    return ErpCollation::instance().compare(a.utf16(), int(a.size()), b.utf16(), int(b.size()));
}

bool equal(QStringView a, QStringView b)
{
    return compare(a, b) == 0;
}

QByteArray key(QStringView text)
{
    const std::string bytes = ErpCollation::instance().sortKey(text.utf16(), int(text.size()));
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

QString upperKey(QStringView typed)
{
    QString key;
    key.reserve(typed.size());
    for (const uint code : typed.toUcs4()) {
        const char32_t c = code;
        const char32_t upper = QChar::toUpper(c);
        const QString asTyped = QString::fromUcs4(&c, 1);
        const QString inUpperCase = QString::fromUcs4(&upper, 1);
        key += equal(asTyped, inUpperCase) ? inUpperCase : asTyped;
    }
    return key;
}

} // namespace zav::erptext
