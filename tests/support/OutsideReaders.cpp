#include "support/OutsideReaders.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <gtest/gtest.h>
#include <stdexcept>

namespace zav::test {

namespace {

// The biggest workbooks take xlrd well over a minute on a loaded machine.
constexpr int ToolTimeoutMs = 300000;

[[noreturn]] void toolFailed(const QString& program, const QString& why)
{
    throw std::runtime_error((program + QStringLiteral(": ") + why).toStdString());
}

// The standard output of a tool that ran to the end and said it succeeded.
QByteArray run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        toolFailed(program, QStringLiteral("could not be started (%1)").arg(process.errorString()));
    if (!process.waitForFinished(ToolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        toolFailed(program, QStringLiteral("did not finish within %1 s").arg(ToolTimeoutMs / 1000));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        toolFailed(program, QStringLiteral("failed with exit code %1: %2")
                                .arg(process.exitCode())
                                .arg(QString::fromUtf8(process.readAllStandardError())));
    return process.readAllStandardOutput();
}

QString readerScript()
{
    const QString script = QStringLiteral(TARVELO_TEST_SUPPORT_DIR "/read_xls.py");
    if (!QFileInfo::exists(script))
        toolFailed(script, QStringLiteral("not found"));
    return script;
}

QJsonObject jsonObject(const QByteArray& output, const QString& producer)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(output, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        toolFailed(producer, QStringLiteral("printed no JSON object (%1): %2")
                                 .arg(error.errorString(), QString::fromUtf8(output.left(200))));
    return document.object();
}

} // namespace

QString pdfText(const QString& path)
{
    return QString::fromUtf8(run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")}));
}

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

QList<const ReadBack::Cell*> ReadBack::row(int row) const
{
    QList<const Cell*> list;
    for (int column = 0; column < columns(); ++column) {
        const auto cell = cells.find({row, column});
        list << (cell == cells.end() ? nullptr : &cell->second);
    }
    return list;
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
    const QString script = readerScript();
    QStringList arguments{script, path};
    if (mode == ReadMode::CellsAndFormatting)
        arguments << QStringLiteral("--formatting");
    else if (mode == ReadMode::ContainerOnly)
        arguments << QStringLiteral("--container");

    ReadBack result;
    result.json = jsonObject(run(QStringLiteral("/usr/bin/python3"), arguments), script);
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

} // namespace zav::test
