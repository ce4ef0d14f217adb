#include "shell/LinguaPortuguesa.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace LinguaPortuguesa {

void Aplica(QCoreApplication& aplicacao)
{
    const QString pasta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Qt looks in the last translation installed first: the European one goes last.
    for (const char* ficheiro : {"qt_pt_BR", "qt_pt_PT"}) {
        auto* traducao = new QTranslator(&aplicacao);
        if (traducao->load(QLatin1String(ficheiro), pasta))
            aplicacao.installTranslator(traducao);
        else
            delete traducao;
    }
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
}

} // namespace LinguaPortuguesa
