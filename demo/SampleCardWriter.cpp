#include "demo/SampleCardWriter.h"

#include "demo/FixtureWriter.h"
#include "demo/SqliteInsert.h"
#include "platform/data/SqliteDialect.h"
#include "platform/data/TabelasAdicionais.h"

#include <algorithm>

namespace demo {

namespace {

const char* const Brands[] = {"Lusitânia", "Norte Atelier", "Minho Basics", "Alto Douro"};

QString limited(const QString& text, int length)
{
    return text.left(length);
}

QString supplierName(const Catalogue& catalogue, const QString& code)
{
    const auto found = std::find_if(catalogue.suppliers.begin(), catalogue.suppliers.end(),
                                    [&](const Party& supplier) { return supplier.code == code; });
    return found == catalogue.suppliers.end() ? QString() : found->name;
}

QString compositionOf(const Reference& reference)
{
    for (const vocabulary::Code& code : vocabulary::compositions())
        if (QString::fromUtf8(code.code) == QString::fromUtf8(reference.material->composition))
            return QString::fromUtf8(code.description);
    return {};
}

} // namespace

int SampleCardWriter::write()
{
    // The program's own statement, as its SQLite connection runs it.
    for (const TabelaAdicional& tabela : tabelasFichaAmostra())
        sqliteExecute(db_, zav::SqliteDialect::translate(tabela.criacao));
    SqliteInsert cards(db_, QStringLiteral("zav_FichaAmostra"),
                       {"Codigo", "Fornec", "RefFRN", "Marca", "NossRef", "Descr", "TamAmostra", "DataEnc",
                        "DataEntrega", "Composicao"});
    const int count = std::min(Cards, int(catalogue_.references.size()));
    for (int i = 0; i < count; ++i) {
        const Reference& reference = catalogue_.references[size_t(i)];
        const QString supplier = supplierName(catalogue_, reference.supplier);
        const QString supplierReference =
            QStringLiteral("%1-%2").arg(supplier.left(3).toUpper()).arg(random_.between(1000, 9999));
        const auto& sizes = reference.sizeType->measures;
        const QString sampleSize = QString::fromUtf8(sizes[size_t(reference.sizes[reference.sizes.size() / 2])].code);
        const QDate ordered = options_.today.addDays(-random_.between(20, 120));
        const QDate delivered = ordered.addDays(random_.between(10, 45));
        const auto known = [this](const QDate& day, int chanceUnknown) {
            return random_.percent(chanceUnknown) ? std::nullopt : std::optional(FixtureWriter::dateText(day));
        };
        const std::optional<QString> orderDate = known(ordered, 20);
        const std::optional<QString> deliveryDate = known(delivered, 25);
        const QString description =
            limited(QStringLiteral("Amostra %1").arg(QString::fromUtf8(reference.material->name)), 50);
        const QString brand = QString::fromUtf8(Brands[random_.below(int(std::size(Brands)))]);
        cards.row(reference.code, limited(supplier, 50), supplierReference, brand, reference.code, description,
                  sampleSize, orderDate, deliveryDate, limited(compositionOf(reference), 50));
    }
    return count;
}

} // namespace demo
