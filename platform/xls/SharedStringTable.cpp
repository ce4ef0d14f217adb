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
        const qsizetype firstCharBytes = text.isEmpty() ? 0 : (BiffStream::fitsCompressed(text) ? 1 : 2);
        if (out.spaceLeftInRecord() < 3 + firstCharBytes) {
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

// A string's characters run on into the next CONTINUE record, which then
// starts with its own one-byte compression flag.
void SharedStringTable::writeString(BiffStream& out, const QString& text) const
{
    const bool compressed = BiffStream::fitsCompressed(text);
    const quint8 flag = compressed ? 0 : 1;
    const qsizetype charBytes = compressed ? 1 : 2;
    out.u16(quint16(text.size()));
    out.u8(flag);
    qsizetype written = 0;
    while (written < text.size()) {
        const qsizetype fit = out.spaceLeftInRecord() / charBytes;
        if (fit == 0) {
            out.endRecord();
            out.beginRecord(record::Continue);
            out.u8(flag);
            continue;
        }
        const qsizetype count = std::min(fit, text.size() - written);
        out.characters(text, written, count, compressed);
        written += count;
    }
}

} // namespace zav::xls
