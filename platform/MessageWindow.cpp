// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "platform/MessageWindow.h"

#include "platform/DdeNames.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString interfaceName = QStringLiteral("org.corvane.WindowMessages");

QDBusConnection bus()
{
    return QDBusConnection::sessionBus();
}

QDBusMessage call(const QString& busName, const QString& method, const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(busName, QStringLiteral("/"), interfaceName, method);
    message.setArguments(arguments);
    return message;
}

// Sends a call and hands its answer to `done` when it comes; the watcher dies with `context`.
void callAsync(const QDBusMessage& message, int timeoutMs, QObject* context, const MessageWindow::Answer& done)
{
    auto* watcher = new QDBusPendingCallWatcher(bus().asyncCall(message, timeoutMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, done] {
        const QDBusPendingReply<qint64> reply = *watcher;
        watcher->deleteLater();
        done(reply.isValid() ? reply.value() : 0);
    });
}

} // namespace

MessageWindow::MessageWindow(const QString& windowName, qint64 handle, QObject* parent)
    : QObject(parent), handle_(handle), nameBus_(busName(windowName)), handleBus_(handleBusName(handle))
{
    QDBusConnection connection = bus();
    if (!connection.isConnected())
        return;
    // The object goes on the bus before the names, so no caller finds a name without its object.
    if (!connection.registerObject(QStringLiteral("/"), this, QDBusConnection::ExportAllSlots))
        return;
    const bool byHandle = connection.registerService(handleBus_);
    const bool byName = connection.registerService(nameBus_);
    registered_ = byHandle && byName;
}

MessageWindow::~MessageWindow()
{
    QDBusConnection connection = bus();
    if (!connection.isConnected())
        return;
    connection.unregisterService(nameBus_);
    connection.unregisterService(handleBus_);
    connection.unregisterObject(QStringLiteral("/"));
}

QString MessageWindow::busName(const QString& windowName)
{
    return QStringLiteral("wm.") + DdeNames::busElement(windowName);
}

QString MessageWindow::handleBusName(qint64 handle)
{
    return QStringLiteral("wm.h%1").arg(handle);
}

bool MessageWindow::windowExists(const QString& windowName)
{
    QDBusConnection connection = bus();
    return connection.isConnected() && connection.interface()->isServiceRegistered(busName(windowName)).value();
}

void MessageWindow::askHandle(const QString& windowName, int timeoutMs, QObject* context, Answer done)
{
    callAsync(call(busName(windowName), QStringLiteral("Handle"), {}), timeoutMs, context, done);
}

void MessageWindow::sendMessage(qint64 handle, const QString& name, qint64 wParam, qint64 lParam, int timeoutMs,
                                QObject* context, Answer done)
{
    callAsync(call(handleBusName(handle), QStringLiteral("SendMessage"), {name, wParam, lParam}), timeoutMs, context, done);
}

void MessageWindow::postMessage(qint64 handle, const QString& name, qint64 wParam, qint64 lParam)
{
    bus().send(call(handleBusName(handle), QStringLiteral("PostMessage"), {name, wParam, lParam}));
}

qint64 MessageWindow::Handle() const
{
    return handle_;
}

qint64 MessageWindow::SendMessage(const QString& name, qint64 wParam, qint64 lParam)
{
    return onSent ? onSent(Message{name, wParam, lParam}) : 0;
}

void MessageWindow::PostMessage(const QString& name, qint64 wParam, qint64 lParam)
{
    queue_.push_back(Message{name, wParam, lParam});
    emit posted();
}

bool MessageWindow::takePosted(Message& message)
{
    if (queue_.empty())
        return false;
    message = queue_.front();
    queue_.pop_front();
    return true;
}

bool MessageWindow::dropPosted()
{
    if (queue_.empty())
        return false;
    queue_.pop_front();
    return true;
}
