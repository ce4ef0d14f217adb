#pragma once

#include "platform/data/zavCoreDataAccess2016.h"

#include <QDateTime>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& texto, std::ostream* saida)
{
    *saida << '"' << texto.toStdString() << '"';
}

namespace samplestest {

// A company for the sample cards, with the add-on's zav_FichaAmostra created
// as the program creates it, a configuration file naming an images folder,
// and photos in it:
//  - R1 "Camisa d'Oxford" (sizes S, M, L; colours BR Branco, PR Preto), supplier
//    F'1 "Malhas d'Ave", notes, a sample-card row, a .jpg and a .gif photo.
//    Orders in the window (ordered / still open): R1-BR-S 10/6, R1-BR-M 5/5,
//    R1-PR-L 4/1, and R1-PR-S 2/5 (more open than ordered); one before it.
//  - R2: orders (R2-BR-S 3/3), supplier F'1, notes, no sample-card row, a .gif only.
//  - R3: orders (R3-BR-M 7/7), supplier F9 that is no supplier, no photo.
//  - R4: orders (R4-PR-M 2/2), no supplier at all.
//  - R5: a sample-card row and a photo, but its only order is two months old.
//  - R30: thirty colours (Cor 01 .. Cor 30), an order in each; R12 the same
//    with twelve.
//  - R6: a retired-card row with no order date and a delivery date.
class FixtureFicha {
public:
    FixtureFicha();

    zav::zavCoreDataAccess2016& bd() { return *bd_; }
    QString caminhoConfiguracao() const { return pasta_.filePath(QStringLiteral("Tarvelo.zav")); }
    // The images folder named in the configuration file, ending with "/".
    QString pastaImagens() const { return pasta_.filePath(QStringLiteral("Imagens")) + QLatin1Char('/'); }
    // The data-access object's images prefix: the database's name.
    static QString prefixoImagens() { return QStringLiteral("empresa"); }
    // Where the photos are: the folder, the prefix and "_ARTG/".
    QString pastaFotos() const { return pastaImagens() + prefixoImagens() + QStringLiteral("_ARTG/"); }
    QString caminho() const { return pasta_.filePath(prefixoImagens() + QStringLiteral(".db")); }
    // The configuration file, naming that images folder.
    void escreveConfiguracao(const QString& pastaImagens) const;
    // Writes a photo of that colour there.
    static void fotografia(const QString& ficheiro, Qt::GlobalColor cor);

private:
    QTemporaryDir pasta_;
    std::unique_ptr<zav::zavCoreDataAccess2016> bd_;
};

} // namespace samplestest
