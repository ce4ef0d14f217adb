#pragma once

#include "demo/DemoCatalogue.h"

struct sqlite3;

namespace demo {

// The sample-card data the company has entered for its best-selling
// references: the add-on's table zav_FichaAmostra, created here by the
// program's own statement, with one row for each of the first references of
// the catalogue (those the orders favour), some dates left empty.
class SampleCardWriter {
public:
    static constexpr int Cards = 24;

    SampleCardWriter(sqlite3* db, const Catalogue& catalogue, const DemoOptions& options, DemoRandom& random)
        : db_(db), catalogue_(catalogue), options_(options), random_(random)
    {
    }

    // Returns the number of rows written.
    int write();

private:
    sqlite3* db_;
    const Catalogue& catalogue_;
    const DemoOptions& options_;
    DemoRandom& random_;
};

} // namespace demo
