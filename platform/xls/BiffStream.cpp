#include "platform/xls/BiffStream.h"

#include <algorithm>

namespace zav::xls {

void BiffStream::beginRecord(quint16 type)
{
    Q_ASSERT(recordStart_ < 0);
    recordStart_ = position();
    u16(type);
    u16(0);
}

void BiffStream::endRecord()
{
    Q_ASSERT(recordStart_ >= 0);
    const qsizetype length = position() - recordStart_ - 4;
    Q_ASSERT(length <= MaxRecordData);
    patchU16(recordStart_ + 2, quint16(length));
    recordStart_ = -1;
}

void BiffStream::record(quint16 type, std::initializer_list<quint16> fields)
{
    beginRecord(type);
    for (quint16 field : fields)
        u16(field);
    endRecord();
}

bool BiffStream::fitsCompressed(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
}

void BiffStream::characters(const QString& text, qsizetype from, qsizetype count, bool compressed)
{
    const QChar* source = text.constData() + from;
    if (compressed) {
        const qsizetype start = data_.size();
        data_.resize(start + count);
        char* target = data_.data() + start;
        for (qsizetype i = 0; i < count; ++i)
            target[i] = char(source[i].unicode());
        return;
    }
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    data_.append(reinterpret_cast<const char*>(source), count * 2);
#else
    for (qsizetype i = 0; i < count; ++i)
        u16(source[i].unicode());
#endif
}

void BiffStream::shortUnicodeString(const QString& text)
{
    Q_ASSERT(text.size() <= 0xFF);
    const bool compressed = fitsCompressed(text);
    u8(quint8(text.size()));
    u8(compressed ? 0 : 1);
    characters(text, 0, text.size(), compressed);
}

void BiffStream::unicodeString(const QString& text)
{
    Q_ASSERT(text.size() <= 0xFFFF);
    const bool compressed = fitsCompressed(text);
    u16(quint16(text.size()));
    u8(compressed ? 0 : 1);
    characters(text, 0, text.size(), compressed);
}

} // namespace zav::xls
