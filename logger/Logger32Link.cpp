#include "logger/Logger32Link.h"

#include "app/TFormA.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusConnectionInterface>

namespace {

void setCaption(const QString& caption)
{
    if (FormA)
        FormA->Logger32->setText(caption);
}

bool logger32WindowExists()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface()->isServiceRegistered(QStringLiteral("wm.Logger32")).value();
}

} // namespace

void Logger32Link::ConnectLogger32()
{
    if (!logger32WindowExists())
        setCaption(QStringLiteral("Logger32 NOT found"));
}

void Logger32Link::DisconnectLogger32()
{
    setCaption(QStringLiteral("Logger32 NOT connected"));
}
