#pragma once

#include <QDate>
#include <QtGlobal>

namespace demo {

// What a demo company is made from. The same three values give the same data,
// row for row.
struct DemoOptions {
    qint64 scale = 20000;            // document lines, all documents together
    quint64 seed = 1;
    QDate today = QDate::currentDate(); // the documents lead up to this day
};

} // namespace demo
