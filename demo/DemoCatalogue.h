#pragma once

#include "demo/DemoOptions.h"
#include "demo/DemoRandom.h"
#include "demo/DemoVocabulary.h"

#include <QString>
#include <vector>

namespace demo {

struct Salesman {
    QString code;
    QString name;
};

// A customer or a supplier.
struct Party {
    QString code;
    QString name;
    QString street;
    const vocabulary::Place* place = nullptr;
    QString taxNumber;
    QString phone;
    QString email;
    QString contact;
    QString site;
    QString salesman;   // customers only
    QString vatRegime;  // customers only
    int discountPercent = 0;
    QString slug;       // the name as it appears in e-mail and web addresses
};

// A parent reference and its colour × size variants.
struct Reference {
    QString code;
    QString name;
    const vocabulary::ProductLine* line = nullptr;
    const vocabulary::Material* material = nullptr;
    const vocabulary::MeasureType* sizeType = nullptr;
    const vocabulary::MeasureType* colourType = nullptr;
    std::vector<int> colours; // positions in colourType->measures, ascending
    std::vector<int> sizes;   // positions in sizeType->measures, ascending
    QString group;
    QString family;
    QString season;
    QString supplier;
    QString classification;
    QString notes;
    int priceCents = 0;
    bool inactive = false;
    bool hasComposition = false;

    // Variant codes and names, colour by colour, each colour's sizes in order.
    std::vector<QString> variantCodes;
    std::vector<QString> variantNames;
    int variantIndex(size_t colour, size_t size) const { return int(colour * sizes.size() + size); }
};

struct Season {
    QString code;
    QString description;
};

// Everything the documents refer to, built in memory before anything is written.
struct Catalogue {
    std::vector<Salesman> salesmen;
    std::vector<Party> suppliers;
    std::vector<Party> customers;
    std::vector<Reference> references;
    std::vector<Season> seasons;
};

// Builds the catalogue for a scale: more document lines, more customers,
// suppliers and references, within believable bounds.
class CatalogueBuilder {
public:
    CatalogueBuilder(const DemoOptions& options, DemoRandom& random) : options_(options), random_(random) {}
    Catalogue build();

private:
    int countFor(int minimum, qint64 linesEach, int maximum) const;
    std::vector<Season> seasons() const;
    std::vector<Salesman> salesmen(int count);
    std::vector<Party> suppliers(int count);
    std::vector<Party> customers(int count, const std::vector<Salesman>& salesmen);
    std::vector<Reference> references(int count, const Catalogue& catalogue);
    void addVariants(Reference& reference) const;
    QString personName();
    QString taxNumber(const QString& country);
    QString phone(const QString& country);

    const DemoOptions& options_;
    DemoRandom& random_;
};

// Portuguese text reduced to lower-case ASCII letters and digits, for addresses.
QString slugOf(const QString& text);

} // namespace demo
