#pragma once

#include <QtGlobal>

// Run-time error numbers the workbook writer raises, as users know them.
namespace zav::xlsErrors {
constexpr quint32 SubscriptOutOfRange = 9;   // a cell beyond 65,536 rows x 256 columns
constexpr quint32 PermissionDenied = 70;
constexpr quint32 PathFileAccess = 75;
constexpr quint32 PathNotFound = 76;
} // namespace zav::xlsErrors
