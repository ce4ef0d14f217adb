#include "tds/TdsStandIn.h"

#include <QFile>
#include <QJsonDocument>
#include <stdexcept>

namespace zav::test {

namespace {

constexpr int StartMilliseconds = 10000;

QString logPath(const QTemporaryDir& dir)
{
    return dir.filePath(QStringLiteral("requests.jsonl"));
}

} // namespace

TdsStandIn::TdsStandIn(const QJsonArray& replies)
{
    const QString repliesPath = dir_.filePath(QStringLiteral("replies.json"));
    QFile file(repliesPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(replies).toJson()) < 0)
        throw std::runtime_error("cannot write the stand-in's replies");
    file.close();

    process_.start(QStringLiteral("python3"), {QStringLiteral(TARVELO_TDS_STANDIN), logPath(dir_), repliesPath});
    if (process_.waitForStarted(StartMilliseconds)) {
        while (!process_.canReadLine() && process_.waitForReadyRead(StartMilliseconds)) {
        }
        port_ = process_.readLine().trimmed().toUShort();
    }
    if (port_ == 0) {
        process_.kill();
        process_.waitForFinished();
        throw std::runtime_error("the stand-in SQL Server did not start: " + process_.readAllStandardError().toStdString());
    }
}

TdsStandIn::~TdsStandIn()
{
    process_.closeWriteChannel(); // its cue to end
    if (!process_.waitForFinished(StartMilliseconds)) {
        process_.kill();
        process_.waitForFinished();
    }
}

QString TdsStandIn::servidor() const
{
    return QStringLiteral("127.0.0.1,%1").arg(port_);
}

QList<QJsonObject> TdsStandIn::requests(const QString& kind) const
{
    QFile log(logPath(dir_));
    QList<QJsonObject> found;
    if (!log.open(QIODevice::ReadOnly))
        return found;
    for (const QByteArray& line : log.readAll().split('\n')) {
        const QJsonObject request = QJsonDocument::fromJson(line).object();
        if (!request.isEmpty() && (kind.isEmpty() || request.value(QLatin1StringView("kind")).toString() == kind))
            found.append(request);
    }
    return found;
}

} // namespace zav::test
