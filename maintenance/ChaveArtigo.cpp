#include "maintenance/ChaveArtigo.h"

#include "maintenance/ManutencaoSql.h"

CampoChave chaveArtigo(int etiqueta)
{
    const DefinicaoCampo artigo = definicaoChave(
        QStringLiteral("Artigos"), [] { return ArtigosSql::listaArtigos(); },
        [](const QString& texto) { return ArtigosSql::validaArtigo(texto); }, QString::fromUtf8("Artigo não existente!"));
    return {0, etiqueta, QString::fromUtf8("Código Artigo"), 15, artigo, QStringLiteral("Nome")};
}
