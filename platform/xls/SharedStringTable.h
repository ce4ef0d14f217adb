#pragma once

#include <QHash>
#include <QString>
#include <vector>

namespace zav::xls {

class BiffStream;

// The workbook's shared strings: every distinct text is stored once and the
// cells refer to it by index. Written as SST (with CONTINUE records once it
// passes the record size limit) followed by the EXTSST lookup table.
class SharedStringTable {
public:
    quint32 add(const QString& text);
    qsizetype uniqueCount() const { return qsizetype(strings_.size()); }

    void write(BiffStream& out, quint32 referenceCount) const;

private:
    struct Bucket {
        quint32 streamPosition;
        quint16 offsetInRecord;
    };

    void writeString(BiffStream& out, const QString& text) const;
    static qsizetype characterBytes(const QString& text, qsizetype from, bool compressed);
    quint16 stringsPerBucket() const;

    QHash<QString, quint32> indexByText_;
    std::vector<QString> strings_;
};

} // namespace zav::xls
