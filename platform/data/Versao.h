#pragma once

#include <QString>

namespace zav {

// Turns "24.5.2" into the version text shown to the user.
class Versao {
public:
    QString Numero;
    // Each part as a plain decimal number, missing parts as 0: "24.05" -> "24.5.0".
    // Run-time error 13 when a part is not a number.
    QString Texto() const;
};

} // namespace zav
