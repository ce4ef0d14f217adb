#include "platform/xls/SharedStringTable.h"

#include "platform/xls/BiffStream.h"
#include "platform/xls/RecordTypes.h"

#include <algorithm>

namespace zav::xls {

quint32 SharedStringTable::add(const QString& text)
{
    if (const auto known = indexByText_.constFind(text); known != indexByText_.cend())
        return *known;
    const auto index = quint32(strings_.size());
    indexByText_.insert(text, index);
    strings_.push_back(text);
    return index;
}

// Excel keeps at most 128 buckets and never fewer than 8 strings in one.
quint16 SharedStringTable::stringsPerBucket() const
{
    const qsizetype perBucket = (uniqueCount() + 127) / 128;
    return quint16(std::max<qsizetype>(8, perBucket));
}

void SharedStringTable::write(BiffStream& out, quint32 referenceCount) const
{
    const quint16 perBucket = stringsPerBucket();
    std::vector<Bucket> buckets;
    buckets.reserve(strings_.size() / perBucket + 1);

    out.beginRecord(record::Sst);
    out.u32(referenceCount);
    out.u32(quint32(strings_.size()));
    for (std::size_t i = 0; i < strings_.size(); ++i) {
        const QString& text = strings_[i];
        // The string's header and its first character never straddle records.
        if (out.spaceLeftInRecord() < 3 + characterBytes(text, 0, BiffStream::fitsCompressed(text))) {
            out.endRecord();
            out.beginRecord(record::Continue);
        }
        if (i % perBucket == 0)
            buckets.push_back({quint32(out.position()), quint16(out.position() - out.currentRecordStart())});
        writeString(out, text);
    }
    out.endRecord();

    out.beginRecord(record::ExtSst);
    out.u16(perBucket);
    for (const Bucket& bucket : buckets) {
        out.u32(bucket.streamPosition);
        out.u16(bucket.offsetInRecord);
        out.u16(0);
    }
    out.endRecord();
}

// The bytes of the character at `from`: none past the end, two UTF-16 units
// for a character outside the Basic Multilingual Plane.
qsizetype SharedStringTable::characterBytes(const QString& text, qsizetype from, bool compressed)
{
    if (from >= text.size())
        return 0;
    if (compressed)
        return 1;
    const bool pair = text.at(from).isHighSurrogate() && from + 1 < text.size() && text.at(from + 1).isLowSurrogate();
    return pair ? 4 : 2;
}

// A string's characters run on into the next CONTINUE record, which then
// starts with its own one-byte compression flag. A surrogate pair stays in
// one record: readers decode each record's part of the string on its own.
void SharedStringTable::writeString(BiffStream& out, const QString& text) const
{
    const bool compressed = BiffStream::fitsCompressed(text);
    const quint8 flag = compressed ? 0 : 1;
    const qsizetype charBytes = compressed ? 1 : 2;
    out.u16(quint16(text.size()));
    out.u8(flag);
    qsizetype written = 0;
    while (written < text.size()) {
        qsizetype count = std::min(out.spaceLeftInRecord() / charBytes, text.size() - written);
        if (!compressed && count > 0 && written + count < text.size() && text.at(written + count - 1).isHighSurrogate())
            --count;
        if (count == 0) {
            out.endRecord();
            out.beginRecord(record::Continue);
            out.u8(flag);
            continue;
        }
        out.characters(text, written, count, compressed);
        written += count;
    }
}

} // namespace zav::xls
