#include "demo/DemoGenerator.h"

#include "demo/CatalogueWriter.h"
#include "demo/DocumentWriter.h"
#include "demo/SampleCardWriter.h"
#include "demo/SqliteConnection.h"
#include "demo/SqliteInsert.h"

namespace demo {

DemoSummary DemoGenerator::fill(const QSqlDatabase& db) const
{
    sqlite3* handle = sqliteHandle(db);
    DemoRandom random(options_.seed);
    const Catalogue catalogue = CatalogueBuilder(options_, random).build();

    sqliteExecute(handle, QStringLiteral("BEGIN"));
    try {
        DemoSummary summary;
        summary.articles = CatalogueWriter(handle, random).write(catalogue);
        const DocumentCounts documents = DocumentWriter(handle, catalogue, options_, random).write();
        summary.sampleCards = SampleCardWriter(handle, catalogue, options_, random).write();
        sqliteExecute(handle, QStringLiteral("COMMIT"));
        summary.references = qint64(catalogue.references.size());
        summary.customers = qint64(catalogue.customers.size());
        summary.documents = documents.documents;
        summary.documentLines = documents.lines;
        return summary;
    } catch (...) {
        sqliteExecute(handle, QStringLiteral("ROLLBACK"));
        throw;
    }
}

} // namespace demo
