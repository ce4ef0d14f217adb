#include "platform/xls/CompoundFile.h"
#include "support/OutsideReaders.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using zav::test::readBack;
using zav::test::ReadBack;
using zav::test::ReadMode;

QByteArray patternOf(qsizetype size)
{
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 131 + i / 512) & 0xFF);
    return bytes;
}

// Sizes on both sides of the mini stream cutoff, of a sector, of the 109 FAT
// sectors the header lists, and one that needs a second DIFAT sector.
TEST(CompoundFileTest, StreamsOfEverySizeComeBackWhole)
{
    QTemporaryDir folder;
    const qsizetype oneDifatSectorLimit = qsizetype(109 + 127) * 128 * 512;
    for (const qsizetype size : {qsizetype(1), qsizetype(64), qsizetype(4095), qsizetype(4096), qsizetype(4097),
                                 qsizetype(109) * 128 * 512 - 4096, qsizetype(109) * 128 * 512,
                                 oneDifatSectorLimit + 4096}) {
        const QByteArray stream = patternOf(size);
        const QString path = folder.filePath(QStringLiteral("%1.cfb").arg(size));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(zav::xls::writeCompoundFile(file, QStringLiteral("Workbook"), stream));
        file.close();

        EXPECT_EQ(QFile(path).size() % 512, 0) << size;
        const ReadBack container = readBack(path, ReadMode::ContainerOnly);
        EXPECT_EQ(container.json.value("size").toInteger(), size);
        EXPECT_EQ(container.json.value("md5").toString(),
                  QCryptographicHash::hash(stream, QCryptographicHash::Md5).toHex())
            << size;
        if (size > oneDifatSectorLimit)
            EXPECT_EQ(container.json.value("difatSectors").toInt(), 2);
    }
}

} // namespace
