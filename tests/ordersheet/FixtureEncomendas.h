#pragma once

#include "platform/data/zavCoreDataAccess2016.h"

#include <QTemporaryDir>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& texto, std::ostream* saida)
{
    *saida << '"' << texto.toStdString() << '"';
}

namespace ordersheet {

// A company database with the order documents the order-sheet tests read,
// of type ENC (Entidade 2, Areag 2), year 2025 unless said otherwise:
//  - series A, number 1: customer C1 (every detail filled), salesman V1, dated
//    14-03-2025; R1 (sizes LETRAS: S 1, M 2, L 3, XL and XXL both at 4; group
//    G1/FA/SA) in Branco (BR: S 5, M 3) and Preto (PR: S 2, XL 4, XXL 6);
//    R2 (sizes NUMEROS: 36 1, 38 2, 40 3; group G2/FB/SB) in Azul (AZ: 36 7,
//    40 1) and in LG, whose description fills its 30 characters (38 8);
//    two text lines;
//  - series A, number 2: customer CX, who has no Clientes row, salesman V2;
//    R2 AZ 38 9; no text lines;
//  - series A, number 3: text lines only;
//  - series A, number 4: cancelled (nvias -1);
//  - series A'B, number 5: customer C2, R1 BR M 11;
//  - series A, number 6: R1 BR S 1 and two lines of R5, whose sizes (type
//    FORA) print at position 0;
//  - series A, number 7: one line of R1-BR-Q, whose size Q is not in MedTamCo;
//  - series A, number 8: R1 and R3 (sizes LETRAS too) in Branco, R1 S 5 and
//    M 3, R3 S 7 and M 2, the lines of the two references interleaved;
//  - series A, number 9: R1 BR S 1 and LinhasDeTexto text lines (linhaDeTexto);
//  - series A, number 10: R3 in Branco S 7, L 4 (colour code "br") and XL 2
//    (parent "r3", colour "Br  ");
//  - number 1 of type FAT, of type ENC in 2024, and of series B: customer
//    C2, salesman V2, R1 BR S 1000 and a text line.
class FixtureEncomendas {
public:
    FixtureEncomendas();

    zav::zavCoreDataAccess2016& bd() { return *bd_; }

    static inline const QString CorComprida = QStringLiteral("Verde Garrafa Escuro Mesclado.");
    static constexpr int LinhasDeTexto = 20;
    static QString linhaDeTexto(int n) { return QStringLiteral("Nota %1 do documento").arg(n, 2, 10, QLatin1Char('0')); }

private:
    QTemporaryDir pasta_;
    std::unique_ptr<zav::zavCoreDataAccess2016> bd_;
};

} // namespace ordersheet
