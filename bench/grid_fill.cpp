// The grid with 65,000 rows, as the largest order maps give it: filled row by
// row while bound and shown (as a screen fills its recordset), bound afresh
// when filled (as most screens bind theirs), grouped into 6,500 groups, and
// scrolled from top to bottom in 51 repaints. Prints the median of each.
//
// usage: bench_grid_fill [runs]     (default 5)
#include "bench/BenchComum.h"
#include "platform/data/Currency.h"
#include "platform/data/Recordset.h"
#include "platform/grid/Grelha.h"

#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <cstdio>

namespace {

constexpr int LinhasGrelha = 65000;

zav::RecordsetPtr quantidades()
{
    auto rs = std::make_shared<zav::Recordset>();
    rs->appendField(QStringLiteral("Referencia"), zav::FieldType::Text, 100);
    rs->appendField(QStringLiteral("Cliente"), zav::FieldType::Text, 15);
    rs->appendField(QStringLiteral("Quant"), zav::FieldType::Currency);
    rs->open();
    return rs;
}

void enche(zav::Recordset& rs)
{
    for (int i = 0; i < LinhasGrelha; ++i) {
        rs.AddNew();
        rs.Fields(QStringLiteral("Referencia")) = QStringLiteral("R%1").arg(i / 10, 5, 10, QLatin1Char('0'));
        rs.Fields(QStringLiteral("Cliente")) = QStringLiteral("C%1").arg(i % 10);
        rs.Fields(QStringLiteral("Quant")) = zav::Currency::fromInteger(i);
        rs.Update();
    }
}

void liga(zav::Grelha& grelha, const zav::RecordsetPtr& rs)
{
    grelha.resize(800, 600);
    grelha.show();
    grelha.setDataSource(rs);
    zav::GridColumn referencia{"Referencia", QStringLiteral("Referência"), 1300, true};
    zav::GridColumn cliente{"Cliente", QStringLiteral("Cliente"), 3000};
    zav::GridColumn quantidade{"Quant", QStringLiteral("Quantidade"), 1200, false, zav::ValueKind::Currency};
    quantidade.format = QStringLiteral("## ###");
    grelha.addColumn(referencia);
    grelha.addColumn(cliente);
    grelha.addColumn(quantidade);
    grelha.rebind();
    QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacao(argc, argv);
    const int vezes = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 5;

    std::vector<double> enchimentos, ligacoes, agrupamentos, deslizes;
    int linhas = 0, grupos = 0;
    for (int vez = 0; vez < vezes; ++vez) {
        const zav::RecordsetPtr rs = quantidades();
        zav::Grelha enquantoLigada;
        liga(enquantoLigada, rs);
        enchimentos.push_back(bench::Milissegundos([&] {
            enche(*rs);
            QApplication::processEvents();
        }));
        linhas = enquantoLigada.view()->model()->rowCount();

        zav::Grelha cheia;
        ligacoes.push_back(bench::Milissegundos([&] { liga(cheia, rs); }));
        agrupamentos.push_back(bench::Milissegundos([&] {
            cheia.setGroup(zav::GroupSpec{"Referencia",
                                          QStringLiteral(" ' Total Quant = ' & Format((GroupCalc(1) ),'Standard') & '  '"),
                                          {"Quant"}, true});
            QApplication::processEvents();
        }));
        grupos = cheia.groupCount();
        QScrollBar* barra = cheia.view()->verticalScrollBar();
        deslizes.push_back(bench::Milissegundos([&] {
            for (int passo = 0; passo <= 50; ++passo) {
                barra->setValue(barra->maximum() * passo / 50);
                cheia.view()->viewport()->repaint();
            }
        }));
    }
    std::printf("%d rows, %d groups; medians of %d runs:\n", linhas, grupos, vezes);
    std::printf("  fill while bound %.0f ms, bind when filled %.0f ms, group %.0f ms, 51 scroll repaints %.0f ms\n",
                bench::Mediana(enchimentos), bench::Mediana(ligacoes), bench::Mediana(agrupamentos),
                bench::Mediana(deslizes));
    return 0;
}
