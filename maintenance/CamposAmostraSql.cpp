#include "maintenance/CamposAmostraSql.h"

#include "platform/data/zavCoreDataAccess2016.h"

using zav::SqlTexto;

namespace CamposAmostraSql {

QString ficha(const QString& artigo)
{
    return QStringLiteral(" SELECT *  ") + QStringLiteral(" From zav_FichaAmostra ") + QStringLiteral(" where Codigo='")
        + SqlTexto(artigo) + QStringLiteral("' ");
}

QString linha(const QString& artigo)
{
    return QStringLiteral("Select * from zav_FichaAmostra where Codigo='") + SqlTexto(artigo) + QStringLiteral("'  ");
}

QString anula(const QString& artigo)
{
    return QStringLiteral("delete from zav_FichaAmostra where Codigo='") + SqlTexto(artigo) + QStringLiteral("' ");
}

} // namespace CamposAmostraSql
