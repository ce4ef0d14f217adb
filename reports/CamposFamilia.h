#pragma once

#include "shell/CampoValidado.h"

#include <QList>
#include <QString>
#include <functional>

namespace zav {
class zav_input;
}

// The article group, family and sub-family fields that the order maps and the
// order sheet both offer, each screen on its own field indexes. A family is
// looked for within the group field as it stands, a sub-family within the
// group and family fields; the descriptions found are kept for the printed
// header in the screen's own members.
namespace CamposFamilia {

// A field with a pick list only: title, SELECT (built when the list opens),
// window width and the widths of list columns 1 and 2.
DefinicaoCampo lista(const QString& titulo, std::function<QString()> sql, int largura,
                     const QList<DefinicaoCampo::Coluna>& colunas);

// The groups' list, without a check (the ends of a group range).
DefinicaoCampo listaGrupos();
// The groups' list and the check "Grupo não existente!".
DefinicaoCampo grupo();
// The families of the group in `campoGrupo`; a found family's `Descr` goes to
// `descFamilia`, which every check empties first.
DefinicaoCampo familia(const zav::zav_input& campoGrupo, QString& descFamilia);
// The sub-families of the group and family fields, likewise into `descSubFamilia`.
DefinicaoCampo subFamilia(const zav::zav_input& campoGrupo, const zav::zav_input& campoFamilia,
                          QString& descSubFamilia);

} // namespace CamposFamilia
