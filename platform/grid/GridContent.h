#pragma once

#include "platform/grid/GridColumn.h"

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace zav {

// What a grid shows, taken apart from the widget: the visible columns and every
// line, groups expanded. The print engine and the workbook export read this.
struct GridContent {
    struct Column {
        QString heading;       // lines separated by CR LF
        int widthTwips = 0;
        ValueKind kind = ValueKind::Text;
        Qt::Alignment alignment = Qt::AlignLeft;
        QString format;        // the display format of its cells
    };
    struct Line {
        bool isGroupHeading = false;
        QString groupHeading;
        QStringList texts;     // one per visible column, as displayed
        QList<QVariant> values; // one per visible column, as stored
    };

    QList<Column> columns;
    QList<Line> lines;
    QFont font;
    QFont headingFont;
    int rowHeightTwips = 255;
};

} // namespace zav
