#include "platform/xls/CompoundFile.h"

#include <QIODevice>
#include <QtEndian>
#include <vector>

namespace zav::xls {

namespace {

constexpr quint32 FreeSector = 0xFFFFFFFF;
constexpr quint32 EndOfChain = 0xFFFFFFFE;
constexpr quint32 FatSector = 0xFFFFFFFD;
constexpr quint32 DifatSector = 0xFFFFFFFC;
constexpr quint32 NoStream = 0xFFFFFFFF;

constexpr qsizetype SectorSize = 512;
constexpr qsizetype MiniSectorSize = 64;
constexpr qsizetype MiniStreamCutoff = 4096;
constexpr quint32 IdsPerSector = SectorSize / 4;
constexpr quint32 FatSectorsInHeader = 109;
constexpr quint32 FatSectorsPerDifatSector = IdsPerSector - 1;
constexpr qsizetype DirectoryEntrySize = 128;

constexpr quint32 sectorsFor(qsizetype bytes, qsizetype unit) { return quint32((bytes + unit - 1) / unit); }

// Where each part of the file lives, in sectors after the header.
struct SectorMap {
    bool mini = false;
    quint32 miniSectors = 0;
    quint32 payloadSectors = 0;
    quint32 miniFatSectors = 0;
    quint32 directorySector = 0;
    quint32 fatSectors = 0;
    quint32 difatSectors = 0;

    quint32 miniFatStart() const { return payloadSectors; }
    quint32 fatStart() const { return directorySector + 1; }
    quint32 difatStart() const { return fatStart() + fatSectors; }
    quint32 total() const { return difatStart() + difatSectors; }
};

SectorMap mapSectors(qsizetype streamSize)
{
    SectorMap map;
    map.mini = streamSize < MiniStreamCutoff;
    map.miniSectors = map.mini ? sectorsFor(streamSize, MiniSectorSize) : 0;
    map.payloadSectors = map.mini ? sectorsFor(map.miniSectors * MiniSectorSize, SectorSize)
                                  : sectorsFor(streamSize, SectorSize);
    map.miniFatSectors = sectorsFor(map.miniSectors, IdsPerSector);
    map.directorySector = map.payloadSectors + map.miniFatSectors;
    // The FAT has to describe its own sectors and the DIFAT's: grow both until they cover everything.
    for (;;) {
        const quint32 fat = sectorsFor(map.total(), IdsPerSector);
        const quint32 difat = fat > FatSectorsInHeader ? sectorsFor(fat - FatSectorsInHeader, FatSectorsPerDifatSector) : 0;
        if (fat == map.fatSectors && difat == map.difatSectors)
            return map;
        map.fatSectors = fat;
        map.difatSectors = difat;
    }
}

void put32(QByteArray& bytes, qsizetype at, quint32 value) { qToLittleEndian(value, bytes.data() + at); }
void put16(QByteArray& bytes, qsizetype at, quint16 value) { qToLittleEndian(value, bytes.data() + at); }

QByteArray idSectors(const std::vector<quint32>& ids)
{
    QByteArray bytes(qsizetype(ids.size()) * 4, '\0');
    for (std::size_t i = 0; i < ids.size(); ++i)
        put32(bytes, qsizetype(i) * 4, ids[i]);
    return bytes;
}

void chain(std::vector<quint32>& table, quint32 first, quint32 count)
{
    for (quint32 i = 0; i < count; ++i)
        table[first + i] = i + 1 < count ? first + i + 1 : EndOfChain;
}

QByteArray fatSectors(const SectorMap& map)
{
    std::vector<quint32> fat(std::size_t(map.fatSectors) * IdsPerSector, FreeSector);
    chain(fat, 0, map.payloadSectors);
    chain(fat, map.miniFatStart(), map.miniFatSectors);
    fat[map.directorySector] = EndOfChain;
    for (quint32 i = 0; i < map.fatSectors; ++i)
        fat[map.fatStart() + i] = FatSector;
    for (quint32 i = 0; i < map.difatSectors; ++i)
        fat[map.difatStart() + i] = DifatSector;
    return idSectors(fat);
}

QByteArray miniFatSectors(const SectorMap& map)
{
    std::vector<quint32> miniFat(std::size_t(map.miniFatSectors) * IdsPerSector, FreeSector);
    chain(miniFat, 0, map.miniSectors);
    return idSectors(miniFat);
}

// FAT sector numbers beyond the 109 the header holds, 127 to a sector, each
// sector ending with the number of the next.
QByteArray difatSectors(const SectorMap& map)
{
    std::vector<quint32> difat(std::size_t(map.difatSectors) * IdsPerSector, FreeSector);
    for (quint32 fatIndex = FatSectorsInHeader; fatIndex < map.fatSectors; ++fatIndex) {
        const quint32 slot = fatIndex - FatSectorsInHeader;
        difat[(slot / FatSectorsPerDifatSector) * IdsPerSector + slot % FatSectorsPerDifatSector] = map.fatStart() + fatIndex;
    }
    for (quint32 i = 0; i < map.difatSectors; ++i)
        difat[i * IdsPerSector + FatSectorsPerDifatSector] = i + 1 < map.difatSectors ? map.difatStart() + i + 1 : EndOfChain;
    return idSectors(difat);
}

struct DirectoryEntry {
    QString name;
    quint8 type;
    quint32 child;
    QByteArray classId;
    quint32 startSector;
    quint64 size;
};

void writeDirectoryEntry(QByteArray& sector, int index, const DirectoryEntry& entry)
{
    const qsizetype at = index * DirectoryEntrySize;
    for (qsizetype i = 0; i < entry.name.size(); ++i)
        put16(sector, at + i * 2, entry.name.at(i).unicode());
    put16(sector, at + 0x40, quint16((entry.name.size() + 1) * 2));
    sector[at + 0x42] = char(entry.type);
    sector[at + 0x43] = 1; // black: a one-node tree is trivially balanced
    put32(sector, at + 0x44, NoStream);
    put32(sector, at + 0x48, NoStream);
    put32(sector, at + 0x4C, entry.child);
    sector.replace(at + 0x50, entry.classId.size(), entry.classId);
    put32(sector, at + 0x74, entry.startSector);
    qToLittleEndian(entry.size, sector.data() + at + 0x78);
}

QByteArray directorySector(const SectorMap& map, const QString& streamName, qsizetype streamSize)
{
    constexpr quint8 StreamObject = 2;
    constexpr quint8 RootStorage = 5;
    // Excel workbook class id {00020820-0000-0000-C000-000000000046}.
    static const QByteArray ExcelClassId = QByteArray::fromHex("2008020000000000c000000000000046");

    QByteArray sector(SectorSize, '\0');
    for (int unused = 2; unused < 4; ++unused) {
        const qsizetype at = unused * DirectoryEntrySize;
        put32(sector, at + 0x44, NoStream);
        put32(sector, at + 0x48, NoStream);
        put32(sector, at + 0x4C, NoStream);
    }
    const quint64 miniStreamSize = quint64(map.miniSectors) * MiniSectorSize;
    writeDirectoryEntry(sector, 0,
                        {QStringLiteral("Root Entry"), RootStorage, 1, ExcelClassId,
                         map.mini ? 0 : EndOfChain, miniStreamSize});
    writeDirectoryEntry(sector, 1,
                        {streamName, StreamObject, NoStream, QByteArray(16, '\0'), 0, quint64(streamSize)});
    return sector;
}

QByteArray headerSector(const SectorMap& map)
{
    QByteArray header(SectorSize, '\0');
    header.replace(0, 8, QByteArray::fromHex("d0cf11e0a1b11ae1"));
    put16(header, 0x18, 0x003E); // minor version
    put16(header, 0x1A, 0x0003); // major version 3: 512-byte sectors
    put16(header, 0x1C, 0xFFFE); // little-endian
    put16(header, 0x1E, 9);      // sector size 2^9
    put16(header, 0x20, 6);      // mini sector size 2^6
    put32(header, 0x2C, map.fatSectors);
    put32(header, 0x30, map.directorySector);
    put32(header, 0x38, quint32(MiniStreamCutoff));
    put32(header, 0x3C, map.miniFatSectors ? map.miniFatStart() : EndOfChain);
    put32(header, 0x40, map.miniFatSectors);
    put32(header, 0x44, map.difatSectors ? map.difatStart() : EndOfChain);
    put32(header, 0x48, map.difatSectors);
    for (quint32 i = 0; i < FatSectorsInHeader; ++i)
        put32(header, 0x4C + i * 4, i < map.fatSectors ? map.fatStart() + i : FreeSector);
    return header;
}

bool writeAll(QIODevice& device, const QByteArray& bytes)
{
    return device.write(bytes) == bytes.size();
}

} // namespace

// The file is the header, the stream (or the mini stream that holds it)
// filled out to whole sectors, then the mini FAT, directory, FAT and DIFAT.
bool writeCompoundFile(QIODevice& device, const QString& streamName, const QByteArray& stream)
{
    Q_ASSERT(streamName.size() < 32);
    const SectorMap map = mapSectors(stream.size());
    const QByteArray padding(map.payloadSectors * SectorSize - stream.size(), '\0');
    return writeAll(device, headerSector(map)) && writeAll(device, stream) && writeAll(device, padding)
           && writeAll(device, miniFatSectors(map)) && writeAll(device, directorySector(map, streamName, stream.size()))
           && writeAll(device, fatSectors(map)) && writeAll(device, difatSectors(map));
}

} // namespace zav::xls
