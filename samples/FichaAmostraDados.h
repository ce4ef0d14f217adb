#pragma once

#include <QString>
#include <QStringList>

namespace zav {
class Field;
class zavCoreDataAccess2016;
}

// What the sample cards read besides the matrix: the statements of the
// reference field, the card's own row and the supplier, the photo's file and
// the stored dates as the card shows them.
namespace FichaAmostraDados {

// The reference pick list: parent references with a size and a colour type.
QString sqlListaReferencias();
// Finds a typed code only when it is such a parent reference.
QString sqlValidaReferencia(const QString& codigo);
// "Select * from zav_FichaAmostra where Codigo='<codigo>' "
QString sqlFichaAmostra(const QString& codigo);
// "Select * from Fornec where Codigo='<codigo>' "
QString sqlFornecedor(const QString& codigo);

// "<codigo>-<Nome>", or "" when the code is empty or names no supplier.
QString textoFornecedor(zav::zavCoreDataAccess2016& bd, const QString& codigo);

// The photo of a reference, the ".jpg" before the ".gif", looked for first
// where the images folder, the prefix and "_ARTG\" joined as they stand point
// (the folder or the prefix carries any separator); only when neither file is
// there and the folder does not end with a separator, also with one after the
// folder, as a folder set without its separator means. Either is found
// whatever the case of the reference's letters, as the database finds the
// reference; "" when there is none. The path found is the local file's, with
// "/" for "\" where the system separates folders with "/". The reference is
// taken as a name, never as a pattern: "*" or "?" in it find no other
// reference's photo.
QString procuraFoto(const QString& pasta, const QString& prefixo, const QString& referencia);
// What the card says as it opens when neither folder of the photos exists:
// that the images folder, named as it was set, does not exist, or that it
// has no folder "<prefixo>_ARTG"; "" when one of them exists, or when no
// images folder is set.
QString avisoPastaDasFotos(const QString& pasta, const QString& prefixo);

// A stored date "dd-mm-yyyy", or "" for Null.
QString textoData(const zav::Field& data);

// The folder the retired card takes its photos from.
inline const QString PastaImagensAntiga = QStringLiteral("C:\\ERP Data\\Imagens\\");

} // namespace FichaAmostraDados
