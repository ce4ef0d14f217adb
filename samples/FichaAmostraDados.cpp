#include "samples/FichaAmostraDados.h"

#include "platform/data/PastasSistema.h"
#include "platform/data/Recordset.h"
#include "platform/data/zavCoreDataAccess2016.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace FichaAmostraDados {

namespace {

QString ficheiroLocal(QString caminho)
{
    if (QDir::separator() == QLatin1Char('/'))
        caminho.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return caminho;
}

// The file of that name, whatever the case of its letters: the name as
// given first, then any other file of its folder that differs only in case.
QString ficheiroEmQualquerCaixa(const QString& caminho)
{
    const QFileInfo procurado(caminho);
    if (procurado.isFile())
        return caminho;
    const QDir pasta = procurado.dir();
    for (const QString& nome : pasta.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (nome.compare(procurado.fileName(), Qt::CaseInsensitive) == 0)
            return pasta.filePath(nome);
    }
    return {};
}

QString nomePastaFotos(const QString& prefixo)
{
    return prefixo + QStringLiteral("_ARTG");
}

// Where a reference's photos may be, in the order they are looked in.
QStringList pastasDasFotos(const QString& pasta, const QString& prefixo)
{
    const QString fotos = nomePastaFotos(prefixo) + QLatin1Char('\\');
    QStringList pastas{pasta + fotos};
    if (!pasta.isEmpty() && !pasta.endsWith(QLatin1Char('/')) && !pasta.endsWith(QLatin1Char('\\')))
        pastas << zav::naPasta(pasta, fotos);
    return pastas;
}

} // namespace

QString sqlListaReferencias()
{
    return QStringLiteral("SELECT Codigo as 'Código', Nome as 'Designação' FROM Artigos ")
        + QStringLiteral(" where TMHOR<>'' and TMVER<>'' and CodRef='' order by Codigo");
}

QString sqlValidaReferencia(const QString& codigo)
{
    return QStringLiteral("Select *  from Artigos where Codigo='") + zav::SqlTexto(codigo) + QStringLiteral("'")
        + QStringLiteral(" and TmHor<>'' and TmVer<>'' and CodRef=''");
}

QString sqlFichaAmostra(const QString& codigo)
{
    return QStringLiteral("Select * from zav_FichaAmostra where Codigo='") + zav::SqlTexto(codigo)
        + QStringLiteral("' ");
}

QString sqlFornecedor(const QString& codigo)
{
    return QStringLiteral("Select * from Fornec where Codigo='") + zav::SqlTexto(codigo) + QStringLiteral("' ");
}

QString textoFornecedor(zav::zavCoreDataAccess2016& bd, const QString& codigo)
{
    if (codigo.isEmpty())
        return {};
    const zav::RecordsetPtr fornecedor = bd.AbreRecordset(QString(), sqlFornecedor(codigo));
    if (fornecedor->RecordCount() == 0)
        return {};
    return codigo + QLatin1Char('-') + fornecedor->Fields(QStringLiteral("Nome")).text();
}

QString procuraFoto(const QString& pasta, const QString& prefixo, const QString& referencia)
{
    for (const QString& pastaFotos : pastasDasFotos(pasta, prefixo)) {
        for (const QString extensao : {QStringLiteral(".jpg"), QStringLiteral(".gif")}) {
            const QString caminho = ficheiroEmQualquerCaixa(ficheiroLocal(pastaFotos + referencia + extensao));
            if (!caminho.isEmpty())
                return caminho;
        }
    }
    return {};
}

QString avisoPastaDasFotos(const QString& pasta, const QString& prefixo)
{
    if (pasta.isEmpty())
        return {};
    const zav::FuncoesPastas funcoes;
    for (const QString& pastaFotos : pastasDasFotos(pasta, prefixo)) {
        if (funcoes.ExistePasta(ficheiroLocal(pastaFotos)))
            return {};
    }
    // Named as the user set it, not as joined to the prefix.
    if (!funcoes.ExistePasta(ficheiroLocal(pasta)))
        return QString::fromUtf8("A pasta das imagens \"%1\" não existe.").arg(pasta);
    return QString::fromUtf8("A pasta das imagens \"%1\" não tem a pasta das fotografias \"%2\".")
        .arg(pasta, nomePastaFotos(prefixo));
}

QString textoData(const zav::Field& data)
{
    if (data.isNull())
        return {};
    const QVariant valor = data.value();
    QDateTime quando = valor.toDateTime();
    if (!quando.isValid())
        quando = QDateTime::fromString(valor.toString().left(10), QStringLiteral("yyyy-MM-dd"));
    return quando.toString(QStringLiteral("dd-MM-yyyy"));
}

} // namespace FichaAmostraDados
