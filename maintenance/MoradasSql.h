#pragma once

#include <QString>

// The shop addresses of a customer (Moradas rows of third-party type 2) and
// the codes their fields are checked against, by the texts as typed (quotes
// doubled).
namespace MoradasSql {
QString tipoPadrao();
QString listaClientes();
QString validaCliente(const QString& cliente);
QString morada(const QString& cliente, const QString& codigo);  // to show, and to insert or update
QString anula(const QString& cliente, const QString& codigo);
QString codigoPostal(const QString& codigo);      // on leaving the field
QString descricaoPostal(const QString& codigo);   // as a stored address loads
QString listaPaises();
QString validaPais(const QString& pais);
QString listaTipos();
QString validaTipo(const QString& tipo);
QString cliente(const QString& cliente);  // the row whose site is written back
} // namespace MoradasSql
