#include "maintenance/MoradasSql.h"

#include "platform/data/zavCoreDataAccess2016.h"

using zav::SqlTexto;

namespace {

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QString chave(const QString& cliente, const QString& codigo)
{
    return QStringLiteral(" where TpTerc=") + QStringLiteral("2") + QStringLiteral(" and Terceiro='") + SqlTexto(cliente)
        + QStringLiteral("' and CdMorada='") + SqlTexto(codigo) + QStringLiteral("' ");
}

} // namespace

namespace MoradasSql {

QString tipoPadrao()
{
    return QStringLiteral("Select Top 1 * from TpMorada ");
}

QString listaClientes()
{
    return QStringLiteral("SELECT Codigo as 'Cliente', Nome as 'Nome' FROM Clientes order by Codigo");
}

QString validaCliente(const QString& cliente)
{
    return QStringLiteral("Select *  from Clientes where Codigo='") + SqlTexto(cliente) + QStringLiteral("'");
}

QString morada(const QString& cliente, const QString& codigo)
{
    return QStringLiteral("Select * from Moradas") + chave(cliente, codigo);
}

QString anula(const QString& cliente, const QString& codigo)
{
    return QStringLiteral("Delete from Moradas") + chave(cliente, codigo);
}

QString codigoPostal(const QString& codigo)
{
    return QStringLiteral("Select *  from CodPost where Cod='") + SqlTexto(codigo) + QStringLiteral("'");
}

QString descricaoPostal(const QString& codigo)
{
    return QStringLiteral("Select * from COdPost where Cod='") + SqlTexto(codigo) + QStringLiteral("'");
}

QString listaPaises()
{
    return u("SELECT Cod as 'Código', Descr as 'Nome País' FROM Paises order by Cod");
}

QString validaPais(const QString& pais)
{
    return QStringLiteral("Select *  from Paises where Cod='") + SqlTexto(pais) + QStringLiteral("'");
}

QString listaTipos()
{
    return u("SELECT Codigo as 'Código', Descrica as 'Designação' FROM TpMorada order by Codigo");
}

QString validaTipo(const QString& tipo)
{
    return QStringLiteral("Select *  from TpMorada where Codigo='") + SqlTexto(tipo) + QStringLiteral("'");
}

QString cliente(const QString& cliente)
{
    return QStringLiteral("Select * from Clientes where  Codigo='") + SqlTexto(cliente) + QStringLiteral("' ");
}

} // namespace MoradasSql
