#pragma once

#include <QtGlobal>

namespace zav {

enum class XlsNumberFormat : quint8 {
    General,
    Integer,     // digit groups, no decimals: "#,##0"
    TwoDecimals, // digit groups, two decimals: "#,##0.00"
};

struct XlsCellStyle {
    bool bold = false;
    XlsNumberFormat format = XlsNumberFormat::General;
    bool wrap = false; // line breaks in the text show as lines
};

} // namespace zav
