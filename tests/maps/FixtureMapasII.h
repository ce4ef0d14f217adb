#pragma once

#include "FixtureMapas.h"

namespace maps {

// A company for the maps over a range of references and the grouped maps:
//  - size types LETRAS (" Small " 1, "Medium" 2, "Large" 3, "Extra" 4), NUM
//    ("36" 1, "38" 2, "00" at position 0), GRANDE ("XXL" 9), VAZIO (no
//    sizes); colours CORES (BR "Branco" 1, PR "Preto" 2);
//  - R1 (LETRAS, name of 33 characters, supplier F1, variants in G1/FA/SA),
//    R2 (NUM, supplier F2, variants in G2/FB/SB, one variant R2-BR-XXL of
//    size type GRANDE), R3 (VAZIO), R5 without a colour type;
//  - M1 (LETRAS, supplier F1) for the per-customer and per-supplier maps;
//    M2 (VAZIO, no supplier), M3 (VAZIO, supplier F9 that does not exist),
//    M4 (VAZIO, supplier F1), M5 (LETRAS, supplier NULL);
//  - the customers, salesmen, suppliers and groups of cadastros(); C9
//    orders but has no Clientes row.
//
// Orders in the window (ordered / still open):
//   C1 V1: R1-BR-S 10/6, R1-BR-M 5/5, R1-PR-S 3/1, R2-BR-36 8/8, M1-BR-S 10/6
//   C2 V2: R2-PR-38 4/2, R2-BR-00 7/7, R2-BR-XXL 2/2, M1-BR-M 2/0
//   C1 V2: M1-BR-S 4/4, M1-PR-S 3/0
//   C9 V1: M1-BR-M 9/9
// and one order of R1-BR-S 50/50 two months before the window.
class FixtureMapasII : public EmpresaComEncomendas {
public:
    FixtureMapasII();
};

} // namespace maps
