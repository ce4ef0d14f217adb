#pragma once

#include "demo/DemoOptions.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace demo {

struct DemoCommand {
    QString databasePath;
    QString configPath;   // empty: no configuration file
    QString imagesFolder;
    DemoOptions options;

    // The images folder given, or, when a configuration file is written
    // without one, "Imagens/" beside the database.
    QString imagesFolderOrDefault() const;
};

// tarvelo_demo_db --out <file.db> [--scale N] [--seed S] [--config <file>]
//                 [--images <folder>] [--today yyyy-mm-dd]
class DemoCommandLine {
public:
    // `arguments` as QCoreApplication::arguments() gives them, program name first.
    // Returns nothing and sets `error` when they cannot be used.
    static std::optional<DemoCommand> parse(const QStringList& arguments, QString* error);
    static QString usage();
};

} // namespace demo
