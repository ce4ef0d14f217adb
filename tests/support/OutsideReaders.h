#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <map>
#include <utility>

// What printed pages and saved workbooks hold, read by tools outside the
// program so that a test never checks a file with the code that wrote it.
// A tool that is missing, fails or prints nothing readable throws, which
// fails the test with the tool's own message.
namespace zav::test {

// The text of a PDF as pdftotext -layout lays it out.
QString pdfText(const QString& path);

// A saved workbook as /usr/bin/python3 with xlrd reads it, plus the problems
// read_xls.py found in the layout of its Workbook stream.
struct ReadBack {
    struct Cell {
        bool isText = false;
        QVariant value;
        bool bold = false;
        QString format;
        bool wrapped = false;
    };

    QJsonObject json;
    // The cells xlrd does not report as empty.
    std::map<std::pair<int, int>, Cell> cells;

    int rows() const { return json.value("nrows").toInt(); }
    int columns() const { return json.value("ncols").toInt(); }
    QString text(int row, int column) const;
    double number(int row, int column) const;
    const Cell& at(int row, int column) const { return cells.at({row, column}); }
    // Every column of the row, null where the sheet has no cell.
    QList<const Cell*> row(int row) const;
    QStringList problems() const;
    int container(const char* field) const { return json.value("container").toObject().value(field).toInt(); }
};

enum class ReadMode { Cells, CellsAndFormatting, ContainerOnly };

// With formatting, xlrd also reports fonts, number formats, column widths and
// the rows of their own height (slower); the container alone gives the
// Workbook stream's size and MD5.
ReadBack readBack(const QString& path, ReadMode mode = ReadMode::Cells);

} // namespace zav::test
