#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// A session bus of the test's own, so that parallel tests never share bus names. Must exist
// before the process first touches QDBusConnection::sessionBus().
class PrivateBus {
public:
    PrivateBus()
    {
        daemon_.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (daemon_.waitForStarted(5000) && daemon_.waitForReadyRead(5000))
            address_ = daemon_.readLine().trimmed();
        if (!address_.isEmpty())
            qputenv("DBUS_SESSION_BUS_ADDRESS", address_);
    }
    ~PrivateBus()
    {
        daemon_.kill();
        daemon_.waitForFinished(2000);
    }

    bool isRunning() const { return !address_.isEmpty(); }
    const QByteArray& address() const { return address_; }

private:
    QProcess daemon_;
    QByteArray address_;
};
