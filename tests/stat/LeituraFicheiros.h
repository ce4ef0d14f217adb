#pragma once

#include <QJsonArray>
#include <QString>

// What a printed page and an exported workbook hold, read by outside tools.
namespace leitura {

// The text of a PDF as pdftotext lays it out.
QString TextoPdf(const QString& caminho);
// The first sheet of a workbook as /usr/bin/python3 with xlrd reads it: one
// array per row, each cell an array [kind, value] with kind "t" (text),
// "n" (number) or "" (empty).
QJsonArray LinhasLivro(const QString& caminho);

} // namespace leitura
