#include "demo/CatalogueWriter.h"

#include "demo/SqliteInsert.h"

#include <QHash>
#include <QSet>
#include <cmath>

namespace demo {

namespace voc = vocabulary;

namespace {

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

double money(qint64 cents)
{
    return double(cents) / 100.0;
}

void writeCodes(sqlite3* db, const char* table, const QStringList& columns, const std::vector<voc::Code>& codes)
{
    SqliteInsert insert(db, QString::fromUtf8(table), columns);
    for (const voc::Code& code : codes)
        insert.row(code.code, code.description);
}

bool clothing(const voc::Code& group)
{
    return qstrcmp(group.code, "MPR") != 0 && qstrcmp(group.code, "SRV") != 0;
}

} // namespace

qint64 CatalogueWriter::write(const Catalogue& catalogue)
{
    writeCodeTables(catalogue);
    writeMeasures();
    writeParties(catalogue);
    return writeArticles(catalogue);
}

void CatalogueWriter::writeCodeTables(const Catalogue& catalogue)
{
    const voc::Code& company = voc::company();
    SqliteInsert(db_, QStringLiteral("EMPRESA"), {"NOME", "NumContr", "Morada", "Local", "CdPostal"})
        .row(company.code, company.description, "Avenida de Barcelos, 1200", "Vila Nova de Famalicão", "4760-113");

    writeCodes(db_, "Idiomas", {"Codigo", "Descr"}, voc::languages());
    writeCodes(db_, "TabLiv01", {"Chave", "Descr"}, voc::categories());
    writeCodes(db_, "TabLiv02", {"Chave", "Descr"}, voc::types());
    writeCodes(db_, "TabLiv03", {"Chave", "Descr"}, voc::compositions());
    writeCodes(db_, "TabLiv04", {"Chave", "Descr"}, voc::classifications());
    writeCodes(db_, "Grupos", {"Cod", "Descr"}, voc::groups());
    writeCodes(db_, "Paises", {"Cod", "Descr"}, voc::countries());
    writeCodes(db_, "TpMorada", {"Codigo", "Descrica"}, voc::addressTypes());

    // Families are the collections of every clothing group; sub-families their seasons.
    SqliteInsert families(db_, QStringLiteral("Familia"), {"Grupo", "Cod", "Descr"});
    SqliteInsert seasons(db_, QStringLiteral("SubFamil"), {"Grupo", "Familia", "Cod", "Descr"});
    for (const voc::Code& group : voc::groups()) {
        if (!clothing(group))
            continue;
        for (const voc::Code& collection : voc::collections()) {
            families.row(group.code, collection.code, collection.description);
            for (const Season& season : catalogue.seasons)
                seasons.row(group.code, collection.code, season.code, season.description);
        }
    }

    SqliteInsert postalCodes(db_, QStringLiteral("CodPost"), {"Cod", "Descr"});
    QSet<QString> known;
    for (const voc::Place& place : voc::places()) {
        if (qstrcmp(place.country, "PT") == 0 && !known.contains(text(place.postalCode))) {
            known.insert(text(place.postalCode));
            postalCodes.row(place.postalCode, place.locality);
        }
    }

    SqliteInsert regimes(db_, QStringLiteral("RgIva"), {"Codigo", "Descr", "Mercado"});
    for (const voc::VatRegime& regime : voc::vatRegimes())
        regimes.row(regime.code, regime.description, regime.market);

    SqliteInsert documentTypes(db_, QStringLiteral("TpDoc"), {"Codigo", "Descr", "Entidade", "Areag"});
    for (const voc::DocumentType& type : voc::documentTypes())
        documentTypes.row(type.code, type.description, type.entity, type.area);
}

void CatalogueWriter::writeMeasures()
{
    SqliteInsert types(db_, QStringLiteral("TipMed"), {"TipoMed", "Descrica"});
    SqliteInsert measures(db_, QStringLiteral("MedTamCo"), {"CodTipoM", "CodMed", "Descrica", "PosImp"});
    for (const auto* list : {&voc::sizeTypes(), &voc::colourTypes()}) {
        for (const voc::MeasureType& type : *list) {
            types.row(type.code, type.description);
            int position = 0;
            for (const voc::Measure& measure : type.measures)
                measures.row(type.code, measure.code, measure.description, ++position);
        }
    }
}

void CatalogueWriter::writeParties(const Catalogue& catalogue)
{
    SqliteInsert salesmen(db_, QStringLiteral("Vendedor"), {"Codigo", "Nome"});
    for (const Salesman& salesman : catalogue.salesmen)
        salesmen.row(salesman.code, salesman.name);

    SqliteInsert suppliers(db_, QStringLiteral("Fornec"),
                           {"Codigo", "Nome", "Morada", "Local", "CdPostal", "NContrib", "Telef", "email"});
    for (const Party& supplier : catalogue.suppliers)
        suppliers.row(supplier.code, supplier.name, supplier.street, supplier.place->locality,
                      supplier.place->postalCode, supplier.taxNumber, supplier.phone, supplier.email);

    SqliteInsert customers(db_, QStringLiteral("Clientes"),
                           {"Codigo", "Nome", "Morada", "Local", "CdPostal", "Pais", "NContrib", "Telef", "email",
                            "Contacto", "Sitio", "Vendedor", "RgIva"});
    SqliteInsert addresses(db_, QStringLiteral("Moradas"),
                           {"TpTerc", "Terceiro", "CdMorada", "TpMorada", "Contacto", "Morada", "Morada2", "Local",
                            "CdPostal", "País", "Telef", "Telex", "Descr", "CodEan"});
    for (const Party& customer : catalogue.customers) {
        customers.row(customer.code, customer.name, customer.street, customer.place->locality,
                      customer.place->postalCode, customer.place->country, customer.taxNumber, customer.phone,
                      customer.email, customer.contact, customer.site, customer.salesman, customer.vatRegime);
        if (qstrcmp(customer.place->country, "PT") == 0 && random_.percent(35))
            writeShops(customer, addresses);
    }
}

// A customer's shops, kept as addresses: the shop name in Contacto, the mobile
// in Telex, the e-mail in Descr, the Facebook page in Morada2, the GPS position in CodEan.
void CatalogueWriter::writeShops(const Party& customer, SqliteInsert& addresses)
{
    const int shops = random_.between(1, 3);
    for (int shop = 1; shop <= shops; ++shop) {
        const voc::Place& place = voc::places()[size_t(random_.below(20))];
        const QString street = QStringLiteral("%1, %2").arg(text(random_.pick(voc::streets())))
                                   .arg(random_.between(1, 300));
        const QString mobile = QStringLiteral("9%1 %2 %3").arg(random_.pick(std::vector<int>{1, 2, 3, 6}))
                                   .arg(random_.between(100, 999))
                                   .arg(random_.between(100, 999));
        addresses.row(2, customer.code, QStringLiteral("%1").arg(shop, 3, 10, QLatin1Char('0')),
                      shop == 1 ? "LOJ" : random_.pick(std::vector<const char*>{"LOJ", "LOJ", "ARM", "ENT"}),
                      QStringLiteral("Loja %1").arg(text(place.locality)).left(25), street,
                      QStringLiteral("facebook.com/%1").arg(customer.slug).left(50), place.locality,
                      place.postalCode, "PT", customer.phone, mobile,
                      QStringLiteral("loja%1@%2.pt").arg(shop).arg(customer.slug).left(50), place.gps);
    }
}

qint64 CatalogueWriter::writeArticles(const Catalogue& catalogue)
{
    const QStringList articleColumns{"Codigo", "Nome", "CodRef", "TmHor", "MedHor", "TmVer", "MedVert", "UnBase",
                                     "ArtOuDes", "Grupo", "Familia", "SubFamil", "Fornec", "PrVenda", "Inactivo",
                                     "TComposi", "TValoriz", "BlNotas"};
    SqliteInsert articles(db_, QStringLiteral("Artigos"), articleColumns);
    SqliteInsert classes(db_, QStringLiteral("ClArt"), {"Codigo", "Cl01", "Cl02", "Cl03", "Cl04", "Cl05"});
    SqliteInsert translations(db_, QStringLiteral("ArtIdiom"), {"Artigo", "Idioma", "Descr"});
    SqliteInsert factors(db_, QStringLiteral("OperaFac"),
                         {"Artigo", "Seq", "Operacao", "Factor", "Quantida", "TImputac", "CustoTeo"});
    SqliteInsert operations(db_, QStringLiteral("ArtOpera"),
                            {"Artigo", "Seq", "Operacao", "Tempo", "UniTempo", "Antecede"});
    qint64 count = 0;

    // The classes of the statistical return are articles of their own, named after the class.
    for (const voc::ProductClass& productClass : voc::productClasses()) {
        articles.row(productClass.code, productClass.name, "", "", "", "", "", productClass.unit, 0, "", "", "", "",
                     0.0, 0, 0, 1, "");
        ++count;
    }
    for (const voc::RawMaterial& material : voc::rawMaterials()) {
        articles.row(material.code, material.name, "", "", "", "", "", material.unit, 0, "MPR", "", "", "",
                     money(material.costCents), 0, 0, 1, "");
        ++count;
    }
    articles.row("PORTES", "Portes de envio", "", "", "", "", "", "UN", -1, "SRV", "", "", "", 7.5, 0, 0, 1, "");
    ++count;

    for (const Reference& reference : catalogue.references) {
        const voc::ProductLine& line = *reference.line;
        const int inactive = reference.inactive ? -1 : 0;
        const double price = money(reference.priceCents);
        const int composed = reference.hasComposition ? 1 : 0;
        articles.row(reference.code, reference.name, "", reference.sizeType->code, "", reference.colourType->code, "",
                     line.unit, 0, reference.group, reference.family, reference.season, reference.supplier, price,
                     inactive, composed, composed ? 2 : 1, reference.notes);
        classes.row(reference.code, line.category, line.type, reference.material->composition,
                    reference.classification, line.productClass);
        ++count;
        for (size_t c = 0; c < reference.colours.size(); ++c) {
            const char* colour = reference.colourType->measures[size_t(reference.colours[c])].code;
            for (size_t s = 0; s < reference.sizes.size(); ++s) {
                const int variant = reference.variantIndex(c, s);
                articles.row(reference.variantCodes[size_t(variant)], reference.variantNames[size_t(variant)],
                             reference.code, reference.sizeType->code,
                             reference.sizeType->measures[size_t(reference.sizes[s])].code,
                             reference.colourType->code, colour, line.unit, 0, reference.group, reference.family,
                             reference.season, reference.supplier, price, inactive, 0, 1, "");
                classes.row(reference.variantCodes[size_t(variant)], line.category, line.type,
                            reference.material->composition, reference.classification, line.productClass);
                ++count;
            }
        }
        if (random_.percent(70)) {
            const QString english = QStringLiteral("%1 %2").arg(text(reference.material->english), text(line.english));
            translations.row(reference.code, "EN", english);
            translations.row(reference.code, "ES", line.spanish);
            translations.row(reference.code, "FR", line.french);
        }
        if (reference.hasComposition)
            writeComposition(reference, factors, operations);
    }
    return count;
}

// The production article's route (knitting or cutting, sewing, finishing,
// packing) and what it consumes on the way.
void CatalogueWriter::writeComposition(const Reference& reference, SqliteInsert& factors, SqliteInsert& operations)
{
    static const QHash<QString, int> costs = [] {
        QHash<QString, int> byCode;
        for (const voc::RawMaterial& material : voc::rawMaterials())
            byCode.insert(text(material.code), material.costCents);
        return byCode;
    }();
    const bool knitted = reference.line->knitted;
    const char* first = knitted ? "TRI" : "COR";
    QStringList route{text(first), QStringLiteral("CON")};
    if (random_.percent(25))
        route << QStringLiteral("BOR");
    route << QStringLiteral("ACA") << QStringLiteral("EMB");
    QString previous;
    for (int seq = 1; seq <= route.size(); ++seq) {
        const QString& operation = route[seq - 1];
        operations.row(reference.code, seq, operation, double(random_.between(3, knitted ? 45 : 30)), "MIN", previous);
        previous = operation;
    }

    const auto factor = [&](int seq, const char* operation, const QString& material, double quantity) {
        const double cost = std::round(quantity * costs.value(material)) / 100.0;
        factors.row(reference.code, seq, operation, material, quantity, 1, cost);
    };
    const double mainQuantity = knitted ? random_.between(250, 650) / 1000.0 : random_.between(110, 260) / 100.0;
    factor(1, first, text(reference.material->factor), mainQuantity);
    factor(2, "CON", QStringLiteral("MP-LINHA"), 1.0);
    factor(3, "EMB", QStringLiteral("MP-ETIQ"), double(random_.between(1, 2)));
    if (qstrcmp(reference.line->prefix, "CI") == 0 || qstrcmp(reference.line->prefix, "CK") == 0)
        factor(4, "ACA", QStringLiteral("MP-BOTAO"), double(random_.between(5, 9)));
}

} // namespace demo
