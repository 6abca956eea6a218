// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "platform/DdeServer.h"

#include "platform/DdeNames.h"

#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>

DdeServer::DdeServer(QDBusConnection bus, QString service, QString topic, ExecuteHandler handler, QObject* parent)
    : QObject(parent),
      bus_(std::move(bus)),
      busName_(DdeNames::busName(service)),
      path_(DdeNames::objectPath(topic)),
      handler_(std::move(handler)),
      partners_(new QDBusServiceWatcher(QString(), bus_, QDBusServiceWatcher::WatchForUnregistration, this))
{
    connect(partners_, &QDBusServiceWatcher::serviceUnregistered, this, [this](const QString& sender) {
        partners_->removeWatchedService(sender);
        emit conversationClosed(sender);
    });
}

DdeServer::~DdeServer()
{
    unregisterService();
}

bool DdeServer::registerService()
{
    if (registered_)
        return true;
    if (!bus_.isConnected() || !bus_.interface())
        return false;
    // The object first, so that a client that sees the name can call it at once.
    if (!bus_.registerObject(path_, this, QDBusConnection::ExportScriptableSlots))
        return false;
    const auto reply = bus_.interface()->registerService(busName_, QDBusConnectionInterface::DontQueueService,
                                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        bus_.unregisterObject(path_);
        return false;
    }
    registered_ = true;
    return true;
}

void DdeServer::unregisterService()
{
    if (!registered_)
        return;
    registered_ = false;
    bus_.unregisterService(busName_);
    bus_.unregisterObject(path_);
}

void DdeServer::Execute(const QString& macro)
{
    const QString sender = message().service();
    const bool newPartner = !sender.isEmpty() && !partners_->watchedServices().contains(sender);
    if (newPartner)
        partners_->addWatchedService(sender);
    if (!handler_(sender, macro))
        sendErrorReply(QStringLiteral("dde.Error.NotProcessed"), QStringLiteral("execute transaction not processed"));
    // A sender that left before it was watched has ended its conversation all the same.
    if (newPartner && !bus_.interface()->isServiceRegistered(sender)) {
        partners_->removeWatchedService(sender);
        emit conversationClosed(sender);
    }
}
