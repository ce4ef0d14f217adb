#include "demo/GifWriter.h"

#include <QHash>
#include <QSaveFile>
#include <stdexcept>

namespace demo {

namespace {

constexpr int MinimumCodeSize = 8;  // a full 256-colour table
constexpr int ClearCode = 1 << MinimumCodeSize;
constexpr int EndCode = ClearCode + 1;
constexpr int LargestCode = 4095;

void putWord(QByteArray& out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

// Codes packed least significant bit first, cut into sub-blocks of at most 255 bytes.
class CodeStream {
public:
    void put(int code, int size)
    {
        bits_ |= quint32(code) << count_;
        count_ += size;
        while (count_ >= 8) {
            bytes_.append(char(bits_ & 0xFF));
            bits_ >>= 8;
            count_ -= 8;
        }
    }

    void finishInto(QByteArray& out)
    {
        if (count_ > 0)
            bytes_.append(char(bits_ & 0xFF));
        for (qsizetype at = 0; at < bytes_.size(); at += 255) {
            const QByteArray block = bytes_.mid(at, 255);
            out.append(char(block.size()));
            out.append(block);
        }
        out.append(char(0));
    }

private:
    QByteArray bytes_;
    quint32 bits_ = 0;
    int count_ = 0;
};

void compress(const QImage& indexed, QByteArray& out)
{
    CodeStream codes;
    QHash<quint32, int> table;  // (prefix code << 8 | next index) -> code
    int codeSize = MinimumCodeSize + 1;
    int lastCode = EndCode;
    codes.put(ClearCode, codeSize);
    int current = -1;
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar* line = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            const int index = line[x];
            if (current < 0) {
                current = index;
                continue;
            }
            const quint32 key = (quint32(current) << 8) | quint32(index);
            const auto known = table.constFind(key);
            if (known != table.constEnd()) {
                current = known.value();
                continue;
            }
            codes.put(current, codeSize);
            table.insert(key, ++lastCode);
            if (lastCode >= (1 << codeSize))
                ++codeSize;
            if (lastCode == LargestCode) {
                codes.put(ClearCode, codeSize);
                table.clear();
                codeSize = MinimumCodeSize + 1;
                lastCode = EndCode;
            }
            current = index;
        }
    }
    codes.put(current, codeSize);
    codes.put(ClearCode, codeSize);
    codes.put(EndCode, MinimumCodeSize + 1);
    out.append(char(MinimumCodeSize));
    codes.finishInto(out);
}

} // namespace

QByteArray GifWriter::encode(const QImage& image)
{
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    QList<QRgb> colours = indexed.colorTable();
    colours.resize(256, qRgb(0, 0, 0));

    QByteArray out("GIF89a");
    putWord(out, indexed.width());
    putWord(out, indexed.height());
    out.append(char(0xF7));  // a global table of 2^8 colours, 8 bits each
    out.append(char(0));     // background colour
    out.append(char(0));     // square pixels
    for (QRgb colour : colours) {
        out.append(char(qRed(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qBlue(colour)));
    }
    out.append(char(0x2C));  // the one image, at the origin, whole
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, indexed.width());
    putWord(out, indexed.height());
    out.append(char(0));
    compress(indexed, out);
    out.append(char(0x3B));
    return out;
}

void GifWriter::save(const QImage& image, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encode(image)) < 0 || !file.commit())
        throw std::runtime_error(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()).toStdString());
}

} // namespace demo
