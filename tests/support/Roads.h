#pragma once

#include "support/TempDatabase.h"

#include <gtest/gtest.h>
#include <string>

namespace zav::test {

// The two roads to the same company file: the embedded provider and ODBC
// (Debian's SQLite3 ODBC driver), for tests that must hold on both.
enum class Road { Sqlite, Odbc };

inline QString connectionStringFor(const TempDatabase& file, Road road)
{
    return road == Road::Odbc ? file.odbcConnectionString() : file.connectionString();
}

inline std::string roadName(const ::testing::TestParamInfo<Road>& info)
{
    return info.param == Road::Odbc ? "Odbc" : "Sqlite";
}

} // namespace zav::test
