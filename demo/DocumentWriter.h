#pragma once

#include "demo/DemoCatalogue.h"
#include "demo/SqliteInsert.h"

#include <QDate>
#include <QHash>

namespace demo {

struct DocumentCounts {
    qint64 documents = 0;
    qint64 lines = 0;
};

// Writes the company's documents over the ~18 months before `today`:
// customer orders (45% of the lines), sales invoices and credit notes (40%)
// and production entries and returns (15%). Each kind's last document is
// dated `today`, and the last month is busier than the ones before, so every
// report has something to show for the current month. Orders older than a
// few months are mostly delivered; recent ones mostly still pending.
class DocumentWriter {
public:
    DocumentWriter(sqlite3* db, const Catalogue& catalogue, const DemoOptions& options, DemoRandom& random);
    DocumentCounts write();

private:
    enum class Kind { Order, Sale, Production };

    struct Header {
        QString type;
        QString series;
        QDate date;
        QString party;
        QString salesman;
        QString vatRegime;
        int area = 0;
        int partyType = 0;
        int accountNature = 0;
        int operation = 0;
        int sign = 0;
        int copies = 1;
    };

    struct Line {
        QString article;
        QString text;
        qint64 original = 0;
        qint64 pending = 0;
        qint64 priceCents = 0;
    };

    void writeKind(Kind kind, qint64 budget);
    QDate dateAt(qint64 done, qint64 budget) const;
    Header orderHeader(const Party& customer);
    Header saleHeader(const Party& customer);
    Header productionHeader();
    std::vector<Line> orderLines(const Party& customer);
    std::vector<Line> saleLines(const Header& header, const Party& customer);
    std::vector<Line> productionLines(const Header& header);
    const Party& someCustomer();
    const Reference& someReference();
    void addArticleLines(std::vector<Line>& lines, const Reference& reference, int colours, int sizeChance,
                         int fewest, int most, qint64 priceCents);
    qint64 stillPending(qint64 ordered, qint64 ageInDays);
    int copies();
    void insert(const Header& header, const std::vector<Line>& lines);

    const Catalogue& catalogue_;
    const DemoOptions& options_;
    DemoRandom& random_;
    SqliteInsert headers_;
    SqliteInsert lines_;
    QHash<QString, int> lastNumbers_; // per type, series and year
    DocumentCounts counts_;
};

} // namespace demo
