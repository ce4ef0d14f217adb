#pragma once

#include "demo/DemoCatalogue.h"

struct sqlite3;

namespace demo {

class SqliteInsert;

// Writes the company's master data: the code tables every ERP carries and the
// catalogue (salesmen, suppliers, customers and their shops, references with
// their variants, classes, translations and compositions).
class CatalogueWriter {
public:
    CatalogueWriter(sqlite3* db, DemoRandom& random) : db_(db), random_(random) {}

    // Returns the number of articles written.
    qint64 write(const Catalogue& catalogue);

private:
    void writeCodeTables(const Catalogue& catalogue);
    void writeMeasures();
    void writeParties(const Catalogue& catalogue);
    void writeShops(const Party& customer, SqliteInsert& addresses);
    qint64 writeArticles(const Catalogue& catalogue);
    void writeComposition(const Reference& reference, SqliteInsert& factors, SqliteInsert& operations);

    sqlite3* db_;
    DemoRandom& random_;
};

} // namespace demo
