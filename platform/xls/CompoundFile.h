#pragma once

#include <QByteArray>
#include <QString>

namespace zav::xls {

// The compound file (OLE2, 512-byte sectors) around one stream. The stream
// is not copied: the file is `header`, the stream itself, `padding` zero
// bytes to fill its last sector, then `trailer`. Streams under 4096 bytes go
// into the mini stream, as the container requires.
struct CompoundFileLayout {
    QByteArray header;
    qsizetype padding = 0;
    QByteArray trailer;
};

CompoundFileLayout layoutCompoundFile(const QString& streamName, qsizetype streamSize);

} // namespace zav::xls
