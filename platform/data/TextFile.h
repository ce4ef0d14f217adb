#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zav {

// Text files a user may have written on Windows: UTF-8 or UTF-16 with a byte
// order mark, UTF-8 without one, and otherwise Windows-1252 (the ANSI code
// page of Windows in western Europe), which is what bytes that are not valid
// UTF-8 almost always are.
class TextFile {
public:
    static QString decode(const QByteArray& bytes);
    // The file's lines without their line ends; empty when it cannot be read.
    static QStringList readLines(const QString& path);
};

} // namespace zav
