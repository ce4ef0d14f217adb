#include "platform/data/RuntimeError.h"

namespace zav {

RuntimeError::RuntimeError(quint32 number, QString description, QString source)
    : number_(number), description_(std::move(description)), source_(std::move(source))
{
    what_ = (numberText() + QStringLiteral(": ") + description_).toStdString();
}

QString RuntimeError::numberText() const
{
    if (number_ > 0xFFFF)
        return QString::number(number_, 16).toUpper();
    return QString::number(number_);
}

} // namespace zav
