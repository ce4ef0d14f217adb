#include "demo/DemoCatalogue.h"

#include <QHash>
#include <algorithm>

namespace demo {

namespace voc = vocabulary;

namespace {

const voc::MeasureType& measureType(const std::vector<voc::MeasureType>& types, const char* code)
{
    return *std::find_if(types.begin(), types.end(),
                         [code](const voc::MeasureType& type) { return qstrcmp(type.code, code) == 0; });
}

// 1 national, 2 intra-community, 3 other markets: where sales to a place are counted.
int marketOf(const voc::Place& place)
{
    const QByteArray country(place.country);
    if (country == "PT")
        return 1;
    return country == "ES" || country == "FR" || country == "DE" ? 2 : 3;
}

QString vatRegimeFor(const voc::Place& place)
{
    switch (marketOf(place)) {
    case 1:
        return place.postalCode[0] == '9' ? QStringLiteral("4") : QStringLiteral("1"); // the islands
    case 2:
        return QStringLiteral("2");
    default:
        return QStringLiteral("3");
    }
}

} // namespace

QString slugOf(const QString& text)
{
    QString slug;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.isLetterOrNumber() && c.unicode() < 128)
            slug += c.toLower();
    }
    return slug;
}

Catalogue CatalogueBuilder::build()
{
    Catalogue catalogue;
    catalogue.seasons = seasons();
    catalogue.salesmen = salesmen(countFor(5, 100000, 20));
    catalogue.suppliers = suppliers(countFor(8, 20000, 120));
    catalogue.customers = customers(countFor(40, 400, 5000), catalogue.salesmen);
    catalogue.references = references(countFor(30, 250, 4000), catalogue);
    return catalogue;
}

int CatalogueBuilder::countFor(int minimum, qint64 linesEach, int maximum) const
{
    return int(qBound<qint64>(minimum, minimum + options_.scale / linesEach, qint64(maximum)));
}

// The seasons of last year and this year: Spring-Summer and Autumn-Winter.
std::vector<Season> CatalogueBuilder::seasons() const
{
    std::vector<Season> result;
    for (int year = options_.today.year() - 1; year <= options_.today.year(); ++year) {
        const QString yy = QString::number(year % 100).rightJustified(2, QLatin1Char('0'));
        result.push_back({QStringLiteral("PV") + yy, QStringLiteral("Primavera-Verão %1").arg(year)});
        result.push_back({QStringLiteral("OI") + yy, QStringLiteral("Outono-Inverno %1").arg(year)});
    }
    return result;
}

std::vector<Salesman> CatalogueBuilder::salesmen(int count)
{
    std::vector<Salesman> result;
    for (int i = 1; i <= count; ++i)
        result.push_back({QStringLiteral("V%1").arg(i, 2, 10, QLatin1Char('0')), personName()});
    return result;
}

std::vector<Party> CatalogueBuilder::suppliers(int count)
{
    const auto& names = voc::supplierNames();
    std::vector<Party> result;
    for (int i = 0; i < count; ++i) {
        Party supplier;
        supplier.code = QStringLiteral("F%1").arg(i + 1, 3, 10, QLatin1Char('0'));
        supplier.name = i < int(names.size())
            ? QString::fromUtf8(names[size_t(i)])
            : QStringLiteral("Têxteis %1 %2, Lda").arg(QString::fromUtf8(random_.pick(voc::surnames())),
                                                       QString::number(i + 1));
        supplier.place = &voc::places()[size_t(random_.below(6))]; // the textile valleys of the north
        supplier.street = QStringLiteral("Zona Industrial, Lote %1").arg(random_.between(1, 90));
        supplier.taxNumber = taxNumber(QStringLiteral("PT"));
        supplier.phone = phone(QStringLiteral("PT"));
        supplier.slug = slugOf(supplier.name.section(QLatin1Char(','), 0, 0));
        supplier.email = QStringLiteral("comercial@%1.pt").arg(supplier.slug).left(50);
        result.push_back(supplier);
    }
    return result;
}

std::vector<Party> CatalogueBuilder::customers(int count, const std::vector<Salesman>& salesmen)
{
    std::vector<const voc::Place*> placesByMarket[4];
    for (const voc::Place& place : voc::places())
        placesByMarket[marketOf(place)].push_back(&place);
    std::vector<Party> result;
    for (int i = 0; i < count; ++i) {
        Party customer;
        customer.code = QStringLiteral("C%1").arg(i + 1, 5, 10, QLatin1Char('0'));
        const QString first = QString::fromUtf8(random_.pick(voc::firstNames()));
        const QString surname = QString::fromUtf8(random_.pick(voc::surnames()));
        customer.name = QString::fromUtf8(random_.pick(voc::shopNamePatterns()))
                            .replace(QLatin1String("%1"), first)
                            .replace(QLatin1String("%2"), surname);
        // Most customers are Portuguese shops; a few abroad, placed so that even
        // the smallest demo sells to every market.
        const int market = i % 10 == 3 ? 2 : i % 15 == 7 ? 3 : 1;
        customer.place = random_.pick(placesByMarket[market]);
        const QString country = QString::fromUtf8(customer.place->country);
        customer.street = QStringLiteral("%1, %2").arg(QString::fromUtf8(random_.pick(voc::streets())))
                              .arg(random_.between(1, 250));
        customer.taxNumber = taxNumber(country);
        customer.phone = phone(country);
        customer.slug = slugOf(customer.name.section(QLatin1Char(','), 0, 0)).left(30);
        customer.email = QStringLiteral("geral@%1.%2").arg(customer.slug, country == QLatin1String("PT")
                                                                               ? QStringLiteral("pt")
                                                                               : QStringLiteral("com"));
        customer.contact = personName();
        if (random_.percent(40))
            customer.site = QStringLiteral("www.%1.pt").arg(customer.slug).left(30);
        customer.salesman = random_.pick(salesmen).code;
        customer.vatRegime = vatRegimeFor(*customer.place);
        customer.discountPercent = random_.pick(std::vector<int>{0, 0, 5, 10});
        result.push_back(customer);
    }
    return result;
}

std::vector<Reference> CatalogueBuilder::references(int count, const Catalogue& catalogue)
{
    const auto& lines = voc::productLines();
    QHash<QString, int> numbers; // last number used per code prefix
    std::vector<Reference> result;
    for (int i = 0; i < count; ++i) {
        Reference reference;
        reference.line = &random_.pick(lines);
        const voc::ProductLine& line = *reference.line;
        const QString prefix = QString::fromUtf8(line.prefix);
        reference.code = prefix + QString::number(1000 + ++numbers[prefix]);
        reference.group = QString::fromUtf8(random_.pick(line.groups));
        const bool children = reference.group == QLatin1String("CRI");
        reference.sizeType = &measureType(voc::sizeTypes(), children ? "CRIANCA" : line.sizeType);
        reference.colourType = &voc::colourTypes()[random_.percent(60) ? 0 : 1];
        reference.material = &random_.pick(line.materials);
        reference.name = QStringLiteral("%1 %2 %3").arg(QString::fromUtf8(line.name),
                                                         QString::fromUtf8(random_.pick(line.styles)),
                                                         QString::fromUtf8(reference.material->name));
        if (children)
            reference.name += QStringLiteral(" Criança");
        reference.family = QString::fromUtf8(random_.pick(voc::collections()).code);
        reference.season = random_.pick(catalogue.seasons).code;
        reference.supplier = catalogue.suppliers[size_t(random_.skewed(int(catalogue.suppliers.size())))].code;
        const int classification = random_.below(100);
        reference.classification = classification < 50 ? QStringLiteral("01")
            : classification < 85                     ? QStringLiteral("02")
                                                      : QStringLiteral("03");
        if (random_.percent(30))
            reference.notes = QString::fromUtf8(random_.pick(voc::articleNotes()));
        reference.priceCents = line.priceCents * random_.between(85, 135) / 100 / 10 * 10;
        reference.inactive = random_.percent(3);
        reference.hasComposition = random_.percent(55);

        const int colourCount = int(reference.colourType->measures.size());
        reference.colours = random_.distinct(colourCount, random_.between(2, qMin(5, colourCount)));
        const int sizeCount = int(reference.sizeType->measures.size());
        const bool trimmed = sizeCount > 4 && random_.percent(35); // the extremes are left out
        for (int s = trimmed ? 1 : 0; s < (trimmed ? sizeCount - 1 : sizeCount); ++s)
            reference.sizes.push_back(s);
        addVariants(reference);
        result.push_back(std::move(reference));
    }
    return result;
}

void CatalogueBuilder::addVariants(Reference& reference) const
{
    for (const int colour : reference.colours) {
        const voc::Measure& colourMeasure = reference.colourType->measures[size_t(colour)];
        for (const int size : reference.sizes) {
            const voc::Measure& sizeMeasure = reference.sizeType->measures[size_t(size)];
            reference.variantCodes.push_back(QStringLiteral("%1.%2.%3").arg(
                reference.code, QString::fromUtf8(colourMeasure.code), QString::fromUtf8(sizeMeasure.code)));
            reference.variantNames.push_back(QStringLiteral("%1 %2 %3").arg(
                reference.name, QString::fromUtf8(colourMeasure.description), QString::fromUtf8(sizeMeasure.code)).left(60));
        }
    }
}

QString CatalogueBuilder::personName()
{
    const QString first = QString::fromUtf8(random_.pick(voc::firstNames()));
    return first + QLatin1Char(' ') + QString::fromUtf8(random_.pick(voc::surnames()));
}

// A Portuguese company's NIF (5 and eight digits, the last a mod-11 check
// digit); abroad, the country's prefix and nine digits.
QString CatalogueBuilder::taxNumber(const QString& country)
{
    QString digits = country == QLatin1String("PT") ? QStringLiteral("5") : QString();
    while (digits.size() < 8)
        digits += QChar(u'0' + random_.below(10));
    if (country != QLatin1String("PT"))
        return country + digits + QChar(u'0' + random_.below(10));
    int sum = 0;
    for (int i = 0; i < 8; ++i)
        sum += digits[i].digitValue() * (9 - i);
    const int rest = sum % 11;
    return digits + QString::number(rest < 2 ? 0 : 11 - rest);
}

QString CatalogueBuilder::phone(const QString& country)
{
    const QString number = QStringLiteral("%1 %2 %3").arg(random_.between(210, 299))
                               .arg(random_.between(100, 999))
                               .arg(random_.between(100, 999));
    static const QHash<QString, QString> dialling{
        {QStringLiteral("ES"), QStringLiteral("+34")}, {QStringLiteral("FR"), QStringLiteral("+33")},
        {QStringLiteral("DE"), QStringLiteral("+49")}, {QStringLiteral("CH"), QStringLiteral("+41")},
        {QStringLiteral("GB"), QStringLiteral("+44")}, {QStringLiteral("AO"), QStringLiteral("+244")}};
    return country == QLatin1String("PT") ? number : dialling.value(country) + QLatin1Char(' ') + number;
}

} // namespace demo
