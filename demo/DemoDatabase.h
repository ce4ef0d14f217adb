#pragma once

#include "demo/DemoGenerator.h"

#include <QString>

namespace demo {

// The demo company as a database file beside the program.
class DemoDatabase {
public:
    // Builds the file afresh (an existing one is replaced): tables, data,
    // then indexes and planner statistics. Journal and syncing are off while
    // it builds: a half-built file is removed and is worth nothing anyway.
    static DemoSummary create(const QString& path, const DemoOptions& options);
};

// The configuration file the program reads at start-up, pointing at a demo
// database with the absolute path of the file.
class DemoConfigFile {
public:
    static void write(const QString& configPath, const QString& databasePath, const QString& imagesFolder);
};

} // namespace demo
