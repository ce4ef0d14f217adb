#pragma once

#include <QString>

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

// The photo of a reference: in the folder (joined with one separator, as
// the setting may end with one or not), the prefix, "_ARTG\", the reference
// and the extension. The ".jpg" is preferred to the ".gif"; either is found
// whatever the case of the reference's letters, as the database finds the
// reference; "" when neither file exists. The path found is the local
// file's, with "/" for "\" where the system separates folders with "/". The
// reference is taken as a name, never as a pattern: "*" or "?" in it find no
// other reference's photo.
QString caminhoFoto(const QString& pasta, const QString& prefixo, const QString& referencia,
                    const QString& extensao);
QString procuraFoto(const QString& pasta, const QString& prefixo, const QString& referencia);
// Whether the images folder, as the configuration file writes it, is a folder here.
bool existePasta(const QString& pasta);

// A stored date "dd-mm-yyyy", or "" for Null.
QString textoData(const zav::Field& data);

// The folder the retired card takes its photos from.
inline const QString PastaImagensAntiga = QStringLiteral("C:\\ERP Data\\Imagens\\");

} // namespace FichaAmostraDados
