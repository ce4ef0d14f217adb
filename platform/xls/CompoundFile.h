#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace zav::xls {

// Writes a compound file (OLE2, 512-byte sectors) holding one stream. The
// stream goes out as it is, never copied; streams under 4096 bytes go into
// the mini stream, as the container requires. False when the device
// refuses any part.
bool writeCompoundFile(QIODevice& device, const QString& streamName, const QByteArray& stream);

} // namespace zav::xls
