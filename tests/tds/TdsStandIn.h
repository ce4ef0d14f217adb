#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QTemporaryDir>

namespace zav::test {

// The stand-in SQL Server (standin.py) in a process of its own, on a port of
// the system's choosing on 127.0.0.1: it answers with the replies it is given
// and logs every request it receives. The process ends with the object.
class TdsStandIn {
public:
    explicit TdsStandIn(const QJsonArray& replies);
    ~TdsStandIn();
    TdsStandIn(const TdsStandIn&) = delete;
    TdsStandIn& operator=(const TdsStandIn&) = delete;

    // "127.0.0.1,<port>": the server as a site names it.
    QString servidor() const;
    // The requests received so far, decoded, in their order; only those of
    // one kind ("prelogin", "login", "batch", "rpc", "tm", "failure") when given.
    QList<QJsonObject> requests(const QString& kind = {}) const;

private:
    QTemporaryDir dir_;
    QProcess process_;
    quint16 port_ = 0;
};

} // namespace zav::test
