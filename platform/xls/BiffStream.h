#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <initializer_list>

namespace zav::xls {

// The Workbook stream under construction: BIFF8 records appended to one
// buffer. Positions are stream offsets, which is what the records that point
// back into the stream (BOUNDSHEET, INDEX, DBCELL, EXTSST) store.
class BiffStream {
public:
    // Excel refuses records whose data is longer than this; longer data
    // goes on in CONTINUE records.
    static constexpr qsizetype MaxRecordData = 8224;

    void reserve(qsizetype bytes) { data_.reserve(bytes); }
    qsizetype position() const { return data_.size(); }

    void beginRecord(quint16 type);
    void endRecord();
    // A whole record of 16-bit fields, the shape of most settings records.
    void record(quint16 type, std::initializer_list<quint16> fields);

    qsizetype currentRecordStart() const { return recordStart_; }
    qsizetype spaceLeftInRecord() const { return MaxRecordData - (position() - recordStart_ - 4); }

    void u8(quint8 value) { data_.append(char(value)); }
    void u16(quint16 value) { put(value); }
    void u32(quint32 value) { put(value); }
    void f64(double value) { put(value); }
    void bytes(const char* source, qsizetype count) { data_.append(source, count); }
    void fill(qsizetype count, char byte = '\0') { data_.append(count, byte); }

    // Characters of a string, one byte each when every one fits in Latin-1
    // (compressed), else UTF-16LE.
    static bool fitsCompressed(const QString& text);
    void characters(const QString& text, qsizetype from, qsizetype count, bool compressed);
    // ShortXLUnicodeString (8-bit length) and XLUnicodeString (16-bit length).
    void shortUnicodeString(const QString& text);
    void unicodeString(const QString& text);

    void patchU16(qsizetype at, quint16 value) { qToLittleEndian(value, data_.data() + at); }
    void patchU32(qsizetype at, quint32 value) { qToLittleEndian(value, data_.data() + at); }

    const QByteArray& data() const { return data_; }

private:
    template <typename T>
    void put(T value)
    {
        char raw[sizeof(T)];
        qToLittleEndian(value, raw);
        data_.append(raw, sizeof(T));
    }

    QByteArray data_;
    qsizetype recordStart_ = -1;
};

} // namespace zav::xls
