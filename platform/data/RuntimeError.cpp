#include "platform/data/RuntimeError.h"

namespace zav {

RuntimeError::RuntimeError(quint32 number, QString description, QString source)
    : number_(number), description_(std::move(description)), source_(std::move(source))
{
    what_ = (numberText() + QStringLiteral(": ") + description_).toStdString();
}

RuntimeError::RuntimeError(quint32 number) : RuntimeError(number, errors::description(number)) {}

QString RuntimeError::numberText() const
{
    if (number_ > 0xFFFF)
        return QString::number(number_, 16).toUpper();
    return QString::number(number_);
}

QString errors::description(quint32 number)
{
    switch (number) {
    case InvalidCall: return QStringLiteral("Chamada de procedimento ou argumento inválido");
    case Overflow: return QStringLiteral("Capacidade excedida");
    case SubscriptOutOfRange: return QStringLiteral("Índice fora do intervalo");
    case TypeMismatch: return QStringLiteral("Tipos incompatíveis");
    case PermissionDenied: return QStringLiteral("Permissão negada");
    case PathFileAccess: return QStringLiteral("Erro de acesso ao caminho/ficheiro");
    case PathNotFound: return QStringLiteral("Caminho não encontrado");
    default: return QStringLiteral("Erro não especificado");
    }
}

} // namespace zav
