#pragma once

#include "demo/DemoOptions.h"

#include <QSqlDatabase>

namespace demo {

struct DemoSummary {
    qint64 articles = 0;
    qint64 references = 0;
    qint64 customers = 0;
    qint64 documents = 0;
    qint64 documentLines = 0;
    qint64 sampleCards = 0;
};

// Fills the ERP tables of an empty company database (CompanySchema's tables)
// with a believable clothing company: a deterministic function of the options,
// so the same options give the same rows in the same order. Everything goes in
// one transaction through prepared statements.
class DemoGenerator {
public:
    explicit DemoGenerator(const DemoOptions& options) : options_(options) {}

    DemoSummary fill(const QSqlDatabase& db) const;

private:
    DemoOptions options_;
};

} // namespace demo
