// Qt's own texts and the locale, as the program sets them at start-up.

#include "shell/LinguaPortuguesa.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QLocale>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

QString qt(const char* contexto, const char* texto)
{
    return QCoreApplication::translate(contexto, texto);
}

} // namespace

TEST(LinguaPortuguesa, QtSpeaksEuropeanPortugueseWhateverTheMachine)
{
    // As a machine in another language starts: Qt's English and that machine's locale.
    for (QTranslator* traducao : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(traducao);
        delete traducao;
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ASSERT_EQ(qt("QFileDialog", "Save As"), "Save As");

    LinguaPortuguesa::Aplica(*qApp);

    // European where Qt's European translation has the text...
    EXPECT_EQ(qt("QFileDialog", "Save As"), "Gravar Como");
    EXPECT_EQ(qt("QFileDialog", "%1 already exists.\nDo you want to replace it?"),
              QString::fromUtf8("%1 já existe.\nDeseja substituir?"));
    EXPECT_EQ(qt("QFileDialog", "File &name:"), "&Nome do Ficheiro:");
    // ... the Brazilian one for the rest, never English.
    EXPECT_EQ(qt("QPlatformTheme", "Cancel"), "Cancelar");
    EXPECT_EQ(qt("QPrintPreviewDialog", "Print Preview"), QString::fromUtf8("Visualizar impressão"));

    EXPECT_EQ(QLocale().name(), "pt_PT");
    QDateEdit data;
    data.setCalendarPopup(true);
    EXPECT_EQ(data.calendarWidget()->locale().name(), "pt_PT");
    EXPECT_EQ(data.calendarWidget()->locale().monthName(3), QString::fromUtf8("março"));
    EXPECT_EQ(data.calendarWidget()->locale().dayName(1, QLocale::ShortFormat), "segunda");
}
