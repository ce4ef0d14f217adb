#pragma once

#include <vector>

// The words the demo company is made of: a clothing maker in the north of
// Portugal, its sizes and colours, product lines, places, people and suppliers.
namespace demo::vocabulary {

struct Code {
    const char* code;
    const char* description;
};

struct Measure {
    const char* code;
    const char* description;
};

struct MeasureType {
    const char* code;
    const char* description;
    std::vector<Measure> measures; // in print order: PosImp 1, 2, ...
};

struct ProductClass {
    const char* code; // the statistical return's product code
    const char* name;
    const char* unit;
};

struct Material {
    const char* name;
    const char* composition; // TabLiv03 key
    const char* factor;      // raw-material article used by the composition
    const char* english;
};

struct ProductLine {
    const char* prefix;      // two letters of the reference codes
    const char* name;
    const char* english;
    const char* spanish;
    const char* french;
    const char* type;        // TabLiv02 key
    const char* category;    // TabLiv01 key
    const char* sizeType;    // for adults; children always wear the children's sizes
    const char* productClass;
    const char* unit;
    bool knitted;
    int priceCents;          // wholesale price of a typical article
    std::vector<const char*> groups;
    std::vector<const char*> styles;
    std::vector<Material> materials;
};

struct Place {
    const char* postalCode;
    const char* locality;
    const char* country;
    const char* gps;
};

struct VatRegime {
    const char* code;
    const char* description;
    int market; // 1 national, 2 intra-community, 3 other markets
};

struct RawMaterial {
    const char* code;
    const char* name;
    const char* unit;
    int costCents;
};

struct DocumentType {
    const char* code;
    const char* description;
    int entity; // 1 supplier, 2 customer, 3 production
    int area;   // 2 orders, 4 invoicing and production
};

const Code& company(); // name and tax number
const std::vector<Code>& languages();
const std::vector<Code>& categories();      // TabLiv01
const std::vector<Code>& types();           // TabLiv02
const std::vector<Code>& compositions();    // TabLiv03
const std::vector<Code>& classifications(); // TabLiv04
const std::vector<MeasureType>& sizeTypes();
const std::vector<MeasureType>& colourTypes();
const std::vector<ProductClass>& productClasses();
const std::vector<ProductLine>& productLines();
const std::vector<Code>& groups();
const std::vector<Code>& collections();     // families within every clothing group
const std::vector<Code>& countries();
const std::vector<Place>& places();
const std::vector<VatRegime>& vatRegimes();
const std::vector<Code>& addressTypes();
const std::vector<DocumentType>& documentTypes();
const std::vector<RawMaterial>& rawMaterials();
const std::vector<Code>& operations();      // production operations, in the order they run

const std::vector<const char*>& firstNames();
const std::vector<const char*>& surnames();
const std::vector<const char*>& streets();
const std::vector<const char*>& shopNamePatterns(); // %1 a first name, %2 a surname
const std::vector<const char*>& supplierNames();
const std::vector<const char*>& articleNotes();
const std::vector<const char*>& orderNotes();

} // namespace demo::vocabulary
