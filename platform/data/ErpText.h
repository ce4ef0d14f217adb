#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Texts as the company database compares them (zav::ErpCollation), for what
// the program holds in memory.
namespace zav::erptext {

// Below, equal to or above zero as `a` sorts before, with or after `b`.
int compare(QStringView a, QStringView b);
bool equal(QStringView a, QStringView b);
// A key that two texts share exactly when they are equal: for what the
// program holds in memory by code, as the database would find it.
QByteArray key(QStringView text);

// The key to write for a code typed or loaded: each character in upper case
// where its upper case is one character that the database holds equal to it,
// so that the key written names the same record as the one typed ('ação'
// gives 'AÇÃO'). The others stay as they are: 'ı', whose upper case 'I' is
// another letter, and 'ß', 'ŉ' or 'ﬁ', which have no upper case of one character.
QString upperKey(QStringView typed);

} // namespace zav::erptext
