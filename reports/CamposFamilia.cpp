#include "reports/CamposFamilia.h"

#include "platform/data/zavCoreDataAccess2016.h"
#include "platform/widgets/zav_input.h"

namespace CamposFamilia {

namespace {

const QList<DefinicaoCampo::Coluna> Estreita{{1500}, {3500}};
const QList<DefinicaoCampo::Coluna> Larga{{1500}, {4500}};

QString aspas(const zav::zav_input& campo)
{
    return zav::SqlTexto(campo.Text());
}

} // namespace

DefinicaoCampo lista(const QString& titulo, std::function<QString()> sql, int largura,
                     const QList<DefinicaoCampo::Coluna>& colunas)
{
    DefinicaoCampo def;
    def.tituloLista = titulo;
    def.sqlLista = std::move(sql);
    def.larguraLista = largura;
    def.colunasLista = colunas;
    return def;
}

DefinicaoCampo listaGrupos()
{
    return lista(QStringLiteral("Grupos"), [] {
        return QStringLiteral("SELECT Cod as 'Grupo', Descr as 'Descrição' FROM Grupos order by Cod");
    }, 6500, Larga);
}

DefinicaoCampo grupo()
{
    DefinicaoCampo def = listaGrupos();
    def.sqlValidacao = [](const QString& codigo) {
        return QStringLiteral("SELECT * FROM Grupos where Cod='") + zav::SqlTexto(codigo) + QStringLiteral("' ");
    };
    def.mensagemNaoExiste = QStringLiteral("Grupo não existente!");
    return def;
}

DefinicaoCampo familia(const zav::zav_input& campoGrupo, QString& descFamilia)
{
    DefinicaoCampo def = lista(QStringLiteral("Famílias"), [&campoGrupo] {
        QString sql = QStringLiteral("SELECT Cod as 'Código', Descr as 'Designação' FROM Familia ");
        if (!campoGrupo.Text().isEmpty())
            sql += QStringLiteral(" where Grupo='") + aspas(campoGrupo) + QStringLiteral("' ");
        return sql;
    }, 5500, Estreita);
    def.sqlValidacao = [&campoGrupo](const QString& codigo) {
        return QStringLiteral("SELECT * FROM Familia where Cod='") + zav::SqlTexto(codigo)
            + QStringLiteral("' and Grupo='") + aspas(campoGrupo) + QStringLiteral("' ");
    };
    def.mensagemNaoExiste = QStringLiteral("Família não existente!");
    def.aoVerificar = [&descFamilia] { descFamilia.clear(); };
    def.aoEncontrar = [&descFamilia](zav::Recordset& rs) { descFamilia = rs.Fields(QStringLiteral("Descr")).text(); };
    return def;
}

DefinicaoCampo subFamilia(const zav::zav_input& campoGrupo, const zav::zav_input& campoFamilia,
                          QString& descSubFamilia)
{
    DefinicaoCampo def = lista(QStringLiteral("Sub Famílias"), [&campoGrupo, &campoFamilia] {
        QString sql = QStringLiteral("SELECT Cod as 'Código', Descr as 'Designação' FROM SubFamil ");
        if (!campoGrupo.Text().isEmpty() && !campoFamilia.Text().isEmpty())
            sql += QStringLiteral(" where Grupo='") + aspas(campoGrupo) + QStringLiteral("' and Familia='")
                + aspas(campoFamilia) + QStringLiteral("'");
        return sql;
    }, 5500, Estreita);
    def.sqlValidacao = [&campoGrupo, &campoFamilia](const QString& codigo) {
        return QStringLiteral("SELECT * FROM SubFamil where Cod='") + zav::SqlTexto(codigo)
            + QStringLiteral("' and Grupo='") + aspas(campoGrupo) + QStringLiteral("' and  Familia='")
            + aspas(campoFamilia) + QStringLiteral("'");
    };
    def.mensagemNaoExiste = QStringLiteral("SubFamília não existente!");
    def.aoVerificar = [&descSubFamilia] { descSubFamilia.clear(); };
    def.aoEncontrar = [&descSubFamilia](zav::Recordset& rs) {
        descSubFamilia = rs.Fields(QStringLiteral("Descr")).text();
    };
    return def;
}

} // namespace CamposFamilia
