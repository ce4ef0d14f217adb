#pragma once

#include <QJsonObject>
#include <QString>
#include <QVariant>
#include <map>
#include <utility>

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
    std::map<std::pair<int, int>, Cell> cells;

    int rows() const { return json.value("nrows").toInt(); }
    int columns() const { return json.value("ncols").toInt(); }
    QString text(int row, int column) const;
    double number(int row, int column) const;
    const Cell& at(int row, int column) const { return cells.at({row, column}); }
    QStringList problems() const;
    int container(const char* field) const { return json.value("container").toObject().value(field).toInt(); }
};

enum class ReadMode { Cells, CellsAndFormatting, ContainerOnly };

// With formatting, xlrd also reports fonts, number formats and column widths
// (slower); the container alone gives the Workbook stream's size and MD5.
ReadBack readBack(const QString& path, ReadMode mode = ReadMode::Cells);
