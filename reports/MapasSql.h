#pragma once

#include <QDateTime>
#include <QString>

// The pieces every order-map statement is built from. The loaders concatenate
// them in their own order; keeping the text here makes every map filter,
// quote and date its criteria the same way.
namespace MapasSql {

// What the maps over a range of references say when no order line matches.
inline const QString SemInformacaoCondicoes = QStringLiteral("Não existe informação para as condições selecionadas!");

// Which quantity of the order lines a map sums.
enum class BaseQuantidade { Todas, Pendentes, Satisfeitas };

// The filter panel as the user left it.
struct Filtros {
    QString referencia;        // campo(0)
    QString ultimaReferencia;  // campo(3)
    QString primeiroCliente;   // campo(1)
    QString ultimoCliente;     // campo(2)
    QString primeiroVendedor;  // campo(4)
    QString ultimoVendedor;    // campo(5)
    QString primeiroGrupo;     // campo(6)
    QString ultimoGrupo;       // campo(7)
    QString grupo;             // campo(8)
    QString familia;           // campo(9)
    QString subFamilia;        // campo(10)
    QString fornecedor;        // campo(11)
    QDateTime primeiraData;    // Data(0)
    QDateTime ultimaData;      // Data(1)
    BaseQuantidade base = BaseQuantidade::Pendentes;
};

// The basis the screens' three options choose: "Todas" when it is on, else
// "Pendentes" when it is on, else "Satisfeitas".
BaseQuantidade baseDasOpcoes(bool todas, bool pendentes);

// "yyyy-mm-dd 00:00:00" and "yyyy-mm-dd 23:59:59": the whole of both days.
QString inicioDoDia(const QDateTime& data);
QString fimDoDia(const QDateTime& data);

// " sum(...) as Quant," by basis; the summary maps use it without the comma.
QString quantidade(BaseQuantidade base);
QString quantidadeSemVirgula(BaseQuantidade base);

// " from DocgcCab as c" with the order lines and their article.
QString documentosLinhasArtigos();
// The size (mh) and the colour (mv) of the line's article; the summary by
// size position joins the size only.
QString tamanhoDoArtigo();
QString corDoArtigo();
// " Where  c.Data >= ... and c.Data <= ..." over the two dates' whole days.
QString janelaDatas(const Filtros& filtros);
QString umaReferencia(const QString& referencia);
QString intervaloReferencias(const Filtros& filtros);
QString intervaloClientes(const Filtros& filtros);
QString intervaloVendedores(const Filtros& filtros);
QString intervaloGrupos(const Filtros& filtros);
// Customer orders that were not cancelled.
QString encomendasClientes();

// " order by ..." the rows of the maps with a row per reference and colour:
// reference, colour and size print positions, and two colours at one
// position kept apart by their code, so that a colour's lines stay together.
QString ordemReferenciaCorTamanho();

// The common filter of the one-reference matrices: the window, the reference,
// the customer, salesman and group ranges when asked for, customer orders.
QString filtroReferencia(const Filtros& filtros, bool comIntervalos);

// The order lines of one reference by variant, colour and size: the data of
// every colour and size matrix. `colunasExtra` go into the select and the
// grouping (",c.Terceiro,c.Vendedor"), `ordemAntes` before the colour and
// size order ("c.Terceiro,").
QString linhasMatriz(BaseQuantidade base, const QString& filtro,
                     const QString& colunasExtra = {}, const QString& ordemAntes = {});

} // namespace MapasSql
