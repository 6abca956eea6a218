#include "platform/MessageWindow.h"

#include "platform/DdeNames.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QEventLoop>
#include <QTimer>

namespace {

const QString interfaceName = QStringLiteral("org.corvane.WindowMessages");

QDBusConnection bus()
{
    return QDBusConnection::sessionBus();
}

QDBusMessage call(qint64 handle, const QString& method, const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(MessageWindow::handleBusName(handle), QStringLiteral("/"), interfaceName, method);
    message.setArguments(arguments);
    return message;
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

qint64 MessageWindow::findWindow(const QString& windowName)
{
    QDBusConnection connection = bus();
    if (!connection.isConnected() || !connection.interface()->isServiceRegistered(busName(windowName)).value())
        return 0;
    QDBusMessage message = QDBusMessage::createMethodCall(busName(windowName), QStringLiteral("/"), interfaceName, QStringLiteral("Handle"));
    const QDBusReply<qint64> reply = connection.call(message, QDBus::Block, 2000);
    return reply.isValid() ? reply.value() : 0;
}

qint64 MessageWindow::sendMessage(qint64 handle, const QString& name, qint64 wParam, qint64 lParam)
{
    // The caller waits for the answer; its own bus traffic is served meanwhile.
    const QDBusReply<qint64> reply = bus().call(call(handle, QStringLiteral("SendMessage"), {name, wParam, lParam}), QDBus::BlockWithGui, 5000);
    return reply.isValid() ? reply.value() : 0;
}

void MessageWindow::postMessage(qint64 handle, const QString& name, qint64 wParam, qint64 lParam)
{
    bus().send(call(handle, QStringLiteral("PostMessage"), {name, wParam, lParam}));
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

bool MessageWindow::takePosted(Message& message, int timeoutMs)
{
    if (queue_.empty() && timeoutMs > 0) {
        QEventLoop loop;
        QTimer timeout;
        timeout.setSingleShot(true);
        connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
        connect(this, &MessageWindow::posted, &loop, &QEventLoop::quit);
        timeout.start(timeoutMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
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
