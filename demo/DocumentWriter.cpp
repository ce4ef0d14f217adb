#include "demo/DocumentWriter.h"

namespace demo {

namespace {

constexpr int kHistoryDays = 540;     // about 18 months
constexpr int kRecentDays = 31;       // the last month, busier than the others
constexpr int kRecentShare = 15;      // percent of a kind's lines in the last month

double money(qint64 cents)
{
    return double(cents) / 100.0;
}

} // namespace

DocumentWriter::DocumentWriter(sqlite3* db, const Catalogue& catalogue, const DemoOptions& options,
                               DemoRandom& random)
    : catalogue_(catalogue),
      options_(options),
      random_(random),
      headers_(db, QStringLiteral("DOCGCCAB"),
               {"TPDOC", "SERIE", "ANO", "NNUMDOC", "Data", "Terceiro", "Vendedor", "RgIva", "AREAG", "TPTERC",
                "NATCONTA", "TPOPER", "SINALCT", "NVIAS"}),
      lines_(db, QStringLiteral("DOCGCLIN"),
             {"TPDOCUM", "SERIE", "ANO", "NNUMDOC", "NLinha", "Artigo", "Descr", "Quant", "QtdOrig", "Preco",
              "Valor"})
{
}

DocumentCounts DocumentWriter::write()
{
    const qint64 production = options_.scale * 15 / 100;
    const qint64 sales = options_.scale * 40 / 100;
    writeKind(Kind::Order, options_.scale - production - sales);
    writeKind(Kind::Sale, sales);
    writeKind(Kind::Production, production);
    return counts_;
}

void DocumentWriter::writeKind(Kind kind, qint64 budget)
{
    qint64 done = 0;
    while (done < budget) {
        Header header;
        std::vector<Line> lines;
        switch (kind) {
        case Kind::Order: {
            const Party& customer = someCustomer();
            header = orderHeader(customer);
            lines = orderLines(customer);
            break;
        }
        case Kind::Sale: {
            const Party& customer = someCustomer();
            header = saleHeader(customer);
            lines = saleLines(header, customer);
            break;
        }
        case Kind::Production:
            header = productionHeader();
            lines = productionLines(header);
            break;
        }
        header.date = dateAt(done, budget);
        if (done + qint64(lines.size()) >= budget) {
            lines.resize(size_t(budget - done));
            header.date = options_.today;
            header.copies = 1;
        } else if (header.date.dayOfWeek() == Qt::Sunday) {
            header.date = header.date.addDays(-1);
        }
        if (kind == Kind::Order) {
            const qint64 age = header.date.daysTo(options_.today);
            for (Line& line : lines)
                line.pending = stillPending(line.original, age);
        }
        insert(header, lines);
        done += qint64(lines.size());
    }
}

// Documents follow the calendar in the order they are made: the first 85% of
// a kind's lines spread over the older months, the rest over the last month.
QDate DocumentWriter::dateAt(qint64 done, qint64 budget) const
{
    const QDate first = options_.today.addDays(-kHistoryDays);
    const qint64 olderLines = budget * (100 - kRecentShare) / 100;
    if (done < olderLines)
        return first.addDays(done * (kHistoryDays - kRecentDays) / olderLines);
    const qint64 recentLines = qMax<qint64>(1, budget - olderLines);
    return first.addDays(kHistoryDays - kRecentDays + 1 + (done - olderLines) * kRecentDays / recentLines);
}

DocumentWriter::Header DocumentWriter::orderHeader(const Party& customer)
{
    const bool online = random_.percent(8);
    const bool showroom = !online && random_.percent(15);
    const bool ownSalesman = random_.percent(90);
    return Header{.type = online ? QStringLiteral("ENCW") : QStringLiteral("ENC"),
                  .series = showroom ? QStringLiteral("B") : QStringLiteral("A"),
                  .party = customer.code,
                  .salesman = ownSalesman ? customer.salesman : random_.pick(catalogue_.salesmen).code,
                  .vatRegime = customer.vatRegime,
                  .area = 2, .partyType = 2, .accountNature = 0, .operation = 2, .sign = 1,
                  .copies = copies()};
}

DocumentWriter::Header DocumentWriter::saleHeader(const Party& customer)
{
    const bool credit = random_.percent(6);
    return Header{.type = credit ? QStringLiteral("NC") : QStringLiteral("FAC"),
                  .series = QStringLiteral("A"),
                  .party = customer.code,
                  .salesman = customer.salesman,
                  .vatRegime = customer.vatRegime,
                  .area = 4, .partyType = 2, .accountNature = 1, .operation = 2, .sign = credit ? 2 : 1,
                  .copies = copies()};
}

// Finished goods come into stock from the workshops (the suppliers that sew
// for the company); a return sends some back.
DocumentWriter::Header DocumentWriter::productionHeader()
{
    const bool entry = random_.percent(95);
    return Header{.type = entry ? QStringLiteral("EPF") : QStringLiteral("DPF"),
                  .series = QStringLiteral("A"),
                  .party = catalogue_.suppliers[size_t(random_.skewed(int(catalogue_.suppliers.size())))].code,
                  .vatRegime = QStringLiteral("1"),
                  .area = 4, .partyType = 3, .accountNature = 5, .operation = 1, .sign = entry ? 2 : 1,
                  .copies = copies()};
}

std::vector<DocumentWriter::Line> DocumentWriter::orderLines(const Party& customer)
{
    std::vector<Line> lines;
    const int references = 1 + random_.skewed(4);
    for (int r = 0; r < references; ++r) {
        const Reference& reference = someReference();
        const int colours = random_.between(1, qMin(3, int(reference.colours.size())));
        addArticleLines(lines, reference, colours, 80, 1, 6,
                        reference.priceCents * (100 - customer.discountPercent) / 100);
    }
    if (random_.percent(25)) {
        const int notes = random_.between(1, 2);
        for (int n = 0; n < notes; ++n) {
            Line note;
            note.text = QString::fromUtf8(random_.pick(vocabulary::orderNotes()));
            lines.push_back(note);
        }
    }
    return lines;
}

std::vector<DocumentWriter::Line> DocumentWriter::saleLines(const Header& header, const Party& customer)
{
    std::vector<Line> lines;
    const bool credit = header.sign == 2;
    const int references = credit ? 1 : 1 + random_.skewed(3);
    for (int r = 0; r < references; ++r) {
        const Reference& reference = someReference();
        const int colours = random_.between(1, qMin(2, int(reference.colours.size())));
        addArticleLines(lines, reference, colours, credit ? 40 : 60, 1, credit ? 2 : 4,
                        reference.priceCents * (100 - customer.discountPercent) / 100);
    }
    if (!credit && random_.percent(20)) {
        Line carriage;
        carriage.article = QStringLiteral("PORTES");
        carriage.text = QStringLiteral("Portes de envio");
        carriage.original = carriage.pending = 1;
        carriage.priceCents = random_.between(650, 1500);
        lines.push_back(carriage);
    }
    return lines;
}

std::vector<DocumentWriter::Line> DocumentWriter::productionLines(const Header& header)
{
    std::vector<Line> lines;
    const bool entry = header.sign == 2;
    const int references = entry ? 1 + random_.below(2) : 1;
    for (int r = 0; r < references; ++r) {
        const Reference& reference = someReference();
        const int colours = entry ? int(reference.colours.size()) : 1;
        addArticleLines(lines, reference, colours, entry ? 100 : 30, entry ? 3 : 1, entry ? 12 : 3,
                        reference.priceCents * 55 / 100);
    }
    return lines;
}

// A few customers and references account for much of the business.
const Party& DocumentWriter::someCustomer()
{
    return catalogue_.customers[size_t(random_.skewed(int(catalogue_.customers.size())))];
}

const Reference& DocumentWriter::someReference()
{
    return catalogue_.references[size_t(random_.skewed(int(catalogue_.references.size())))];
}

// Lines for some colours of a reference, each colour in some of its sizes
// (at least one), the middle sizes in larger quantities than the extremes.
void DocumentWriter::addArticleLines(std::vector<Line>& lines, const Reference& reference, int colours,
                                     int sizeChance, int fewest, int most, qint64 priceCents)
{
    const int sizes = int(reference.sizes.size());
    for (const int colour : random_.distinct(int(reference.colours.size()), colours)) {
        bool any = false;
        for (int size = 0; size < sizes; ++size) {
            if (!random_.percent(sizeChance) && (any || size < sizes - 1))
                continue;
            any = true;
            Line line;
            const int variant = reference.variantIndex(size_t(colour), size_t(size));
            line.article = reference.variantCodes[size_t(variant)];
            line.text = reference.variantNames[size_t(variant)];
            line.original = line.pending = qint64(random_.between(fewest, most)) * (1 + qMin(size, sizes - 1 - size));
            line.priceCents = priceCents;
            lines.push_back(line);
        }
    }
}

qint64 DocumentWriter::stillPending(qint64 ordered, qint64 ageInDays)
{
    const int draw = random_.below(100);
    const qint64 part = ordered > 1 ? random_.between(1, int(ordered - 1)) : ordered;
    if (ageInDays <= kRecentDays)
        return draw < 85 ? ordered : part;
    if (ageInDays <= 120)
        return draw < 40 ? ordered : draw < 80 ? part : 0;
    return draw < 80 ? 0 : draw < 95 ? part : ordered;
}

// How many copies were printed; -1 marks a cancelled document.
int DocumentWriter::copies()
{
    if (random_.percent(3))
        return -1;
    return random_.percent(15) ? 2 : 1;
}

void DocumentWriter::insert(const Header& header, const std::vector<Line>& lines)
{
    const int year = header.date.year();
    const int number = ++lastNumbers_[header.type + QLatin1Char('/') + header.series + QLatin1Char('/') +
                                      QString::number(year)];
    headers_.row(header.type, header.series, year, number,
                 header.date.toString(QStringLiteral("yyyy-MM-dd 00:00:00")), header.party, header.salesman,
                 header.vatRegime, header.area, header.partyType, header.accountNature, header.operation, header.sign,
                 header.copies);
    int lineNumber = 0;
    for (const Line& line : lines) {
        const qint64 valued = header.area == 2 ? line.original : line.pending;
        lines_.row(header.type, header.series, year, number, ++lineNumber, line.article, line.text, line.pending,
                   line.original, money(line.priceCents), money(valued * line.priceCents));
    }
    ++counts_.documents;
    counts_.lines += qint64(lines.size());
}

} // namespace demo
