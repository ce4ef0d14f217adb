#pragma once

#include <QList>
#include <QString>

// The statements of the maintenance screens, built from the codes as typed
// (quotes doubled). They read and write the ERP's language descriptions and
// the add-on's per-language tables.

// Articles: the short description in ArtIdiom, the long one in zav_ArtigoDetalhe.
namespace ArtigosSql {
QString listaArtigos();
QString validaArtigo(const QString& artigo);
QString listaIdiomas();
QString validaIdioma(const QString& idioma);
QString descricao(const QString& artigo, const QString& idioma);
QString descricaoDetalhada(const QString& artigo, const QString& idioma);
QString linhaDescricao(const QString& artigo, const QString& idioma);
QString linhaDetalhe(const QString& artigo, const QString& idioma);
QList<QString> anulacoes(const QString& artigo, const QString& idioma);
} // namespace ArtigosSql

// The code-table languages, by mode: 1 to 4 the free tables TabLiv01 to
// TabLiv04, 5 the families (collections), 6 the sub-families (seasons).
namespace TabIdiomasSql {

// A code with the group and family that come with it in modes 5 and 6.
struct Chave {
    int modo = 1;
    QString codigo;
    QString grupo;
    QString familia;
};

QString titulo(int modo);           // the window's caption
QString legendaCodigo(int modo);    // the caption beside the code
// What the mode's add-on table holds of a description: zav_TabLiv 50,
// zav_FAMILIA and zav_SUBFAMIL 80.
int comprimentoDescricao(int modo);
QString tituloLista(int modo);
QString sqlLista(int modo);
int larguraLista(int modo);
// Column widths of the list, from column 1; 0 for the hidden column.
QList<int> colunasLista(int modo);

QString validacao(const Chave& chave);
QString idiomas(const Chave& chave);
QString linha(const Chave& chave, const QString& idioma);
QString anulaIdioma(const Chave& chave, const QString& idioma);
QString anulaTudo(const Chave& chave);

} // namespace TabIdiomasSql

// Size and colour languages: a measure type and a measure of MedTamCo.
namespace TabMedidasSql {
QString listaTipos();
QString listaMedidas(const QString& tipo);
QString validaTipo(const QString& tipo);
QString validaMedida(const QString& tipo, const QString& medida);
QString idiomas(const QString& tipo, const QString& medida);
QString linha(const QString& tipo, const QString& medida, const QString& idioma);
QString anulaIdioma(const QString& tipo, const QString& medida, const QString& idioma);
QString anulaTudo(const QString& tipo, const QString& medida);
} // namespace TabMedidasSql

// The languages the grid's cell button offers.
namespace IdiomasSql {
QString lista();
QString valida(const QString& idioma);
} // namespace IdiomasSql
