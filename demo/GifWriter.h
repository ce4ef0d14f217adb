#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace demo {

// Writes GIF pictures, which Qt reads but does not write: one frame, a global
// table of up to 256 colours (the image reduced to them), LZW-compressed.
class GifWriter {
public:
    static QByteArray encode(const QImage& image);
    // Throws std::runtime_error when the file cannot be written.
    static void save(const QImage& image, const QString& path);
};

} // namespace demo
