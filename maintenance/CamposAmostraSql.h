#pragma once

#include <QString>

// The sample-card data of one article in zav_FichaAmostra, by the code as
// typed (quotes doubled).
namespace CamposAmostraSql {
QString ficha(const QString& artigo);   // the stored row, to show it
QString linha(const QString& artigo);   // the row to insert or update
QString anula(const QString& artigo);
} // namespace CamposAmostraSql
