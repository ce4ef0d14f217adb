#include "ReadBack.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <gtest/gtest.h>

namespace {
QString readerScript()
{
    return QFileInfo(QString::fromUtf8(__FILE__)).dir().filePath(QStringLiteral("read_xls.py"));
}
} // namespace

QString ReadBack::text(int row, int column) const
{
    const Cell& cell = at(row, column);
    EXPECT_TRUE(cell.isText) << "row " << row << " column " << column;
    return cell.value.toString();
}

double ReadBack::number(int row, int column) const
{
    const Cell& cell = at(row, column);
    EXPECT_FALSE(cell.isText) << "row " << row << " column " << column;
    return cell.value.toDouble();
}

QStringList ReadBack::problems() const
{
    QStringList list;
    for (const QJsonValue& problem : json.value("problems").toArray())
        list << problem.toString();
    return list;
}

ReadBack readBack(const QString& path, ReadMode mode)
{
    QProcess python;
    QStringList arguments{readerScript(), path};
    if (mode == ReadMode::CellsAndFormatting)
        arguments << QStringLiteral("--formatting");
    else if (mode == ReadMode::ContainerOnly)
        arguments << QStringLiteral("--container");
    python.start(QStringLiteral("/usr/bin/python3"), arguments);
    python.waitForFinished(180000);
    const QByteArray output = python.readAllStandardOutput();
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();

    ReadBack result;
    result.json = QJsonDocument::fromJson(output).object();
    for (const QJsonValue& entry : result.json.value("cells").toArray()) {
        const QJsonArray fields = entry.toArray();
        ReadBack::Cell cell;
        cell.isText = fields.at(2).toString() == QLatin1String("t");
        cell.value = fields.at(3).toVariant();
        cell.bold = fields.at(4).toBool();
        cell.format = fields.at(5).toString();
        cell.wrapped = fields.at(6).toBool();
        result.cells[{fields.at(0).toInt(), fields.at(1).toInt()}] = cell;
    }
    return result;
}
