#pragma once

#include "FixtureMapas.h"

#include "platform/grid/GridPages.h"
#include "platform/grid/Visualizador.h"
#include "platform/widgets/CommonDialog.h"
#include "reports/frmMapas.h"
#include "support/AberturaEcra.h"
#include "support/OutsideReaders.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace maps {

// The order maps' screen on the company `Empresa`, opened as the main window
// opens it, its messages answered and recorded.
template <class Empresa>
class EcraMapasTeste : public ::testing::Test {
protected:
    frmMapas& abre(int modo, zav::test::Ativacao ativacao = zav::test::Ativacao::AntesDosEventos)
    {
        ecra = std::make_unique<frmMapas>(dialogo);
        ecra->bd = &fixture.bd();
        ecra->iOpcao = modo;
        zav::test::abreEcra(*ecra, ativacao);
        return *ecra;
    }

    // The pages of the preview shown, printed to a PDF and read back as text.
    QString textoImpresso()
    {
        if (!ecra->Visualizador->pages())
            return {};
        QTemporaryDir pasta;
        const QString pdf = pasta.filePath(QStringLiteral("mapa.pdf"));
        QPrinter impressora(QPrinter::HighResolution);
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(pdf);
        ecra->Visualizador->pages()->print(impressora);
        return zav::test::pdfText(pdf);
    }

    Empresa fixture;
    zav::CommonDialog dialogo;
    MensagensRespondidas respostas;
    QStringList& mensagens = respostas.textos;
    std::unique_ptr<frmMapas> ecra;
};

} // namespace maps
