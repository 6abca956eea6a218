// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "platform/DdeClientConversation.h"

#include "platform/DdeNames.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>

DdeClientConversation::DdeClientConversation(QDBusConnection bus, QObject* parent)
    : QObject(parent),
      bus_(std::move(bus)),
      watcher_(new QDBusServiceWatcher(QString(), bus_, QDBusServiceWatcher::WatchForUnregistration, this))
{
    connect(watcher_, &QDBusServiceWatcher::serviceUnregistered, this, [this](const QString& name) {
        if (name != busName_)
            return;
        disconnectFromServer();
        emit closed();
    });
}

QString DdeClientConversation::ownedBusName(const QString& service) const
{
    const QString wanted = DdeNames::busName(service);
    QDBusConnectionInterface* names = bus_.interface();
    if (names->isServiceRegistered(wanted))
        return wanted;
    const QStringList all = names->registeredServiceNames().value();
    for (const QString& name : all) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    }
    return QString();
}

bool DdeClientConversation::connectTo(const QString& service, const QString& topic)
{
    if (service.isEmpty() || !bus_.isConnected() || !bus_.interface())
        return false;
    const QString name = ownedBusName(service);
    if (name.isEmpty())
        return false;
    // Watch before the final check, so that a server leaving in between is not missed.
    const QStringList watchedBefore = watcher_->watchedServices();
    watcher_->setWatchedServices({name});
    const QString owner = bus_.interface()->serviceOwner(name).value();
    if (owner.isEmpty()) {
        watcher_->setWatchedServices(watchedBefore);
        return false;
    }
    busName_ = name;
    serverConnection_ = owner;
    path_ = DdeNames::objectPath(topic);
    return true;
}

void DdeClientConversation::disconnectFromServer()
{
    watcher_->setWatchedServices({});
    busName_.clear();
    serverConnection_.clear();
    path_.clear();
}

bool DdeClientConversation::executeAsync(const QString& macro)
{
    if (!isConnected() || !bus_.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(busName_, path_, DdeNames::interfaceName, DdeNames::executeMethod);
    call << macro;
    bus_.asyncCall(call);
    return true;
}
