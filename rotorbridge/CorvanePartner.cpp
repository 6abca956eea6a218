// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/CorvanePartner.h"

#include "rotorbridge/BridgeLog.h"
#include "rotorbridge/RotorCommands.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

// Corvane's partner interface on the session bus.
const QString corvaneService = QStringLiteral("de.corvane.Corvane");
const QString partnerPath = QStringLiteral("/Partner");
const QString partnerInterface = QStringLiteral("de.corvane.Partner");
constexpr int answerTimeoutMs = 5000;

}  // namespace

CorvanePartner::CorvanePartner(QDBusConnection bus, RotorCommands& commands, BridgeLog& log, QObject* parent)
    : QObject(parent), bus_(bus), commands_(commands), log_(log)
{
}

void CorvanePartner::request(const QString& locator, const QString& client)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(corvaneService, partnerPath, partnerInterface, QStringLiteral("SetPartner"));
    call << locator;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, answerTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, locator, client](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        const QDBusPendingReply<double, double> reply = *done;
        if (reply.isError()) {
            log_.write(QCoreApplication::translate("CorvanePartner",
                                                   "Locator %1 von %2 abgelehnt: Corvane nimmt ihn nicht an (%3).")
                           .arg(locator, client, reply.error().message()));
            return;
        }
        log_.write(
            QCoreApplication::translate("CorvanePartner", "Locator %1 von %2 ist Corvanes Partner, Richtung %3°.")
                .arg(locator, client)
                .arg(reply.argumentAt<0>()));
        commands_.turnToBearing(reply.argumentAt<0>(), std::nullopt, client);
    });
}
