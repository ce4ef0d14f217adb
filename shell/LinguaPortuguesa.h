#pragma once

class QCoreApplication;

// Qt's own windows (file and print dialogs, the calendar, the standard buttons)
// in European Portuguese whatever the machine's language: Qt's translations,
// European where they have the text and Brazilian for the rest, and Portugal's
// locale for month and day names. The formats the screens build themselves
// never depend on the locale.
namespace LinguaPortuguesa {

// Once, at start-up. Translations that are not installed leave Qt's English.
void Aplica(QCoreApplication& aplicacao);

} // namespace LinguaPortuguesa
