#include "logger/Logger32Link.h"

#include "app/ErrorBox.h"
#include "app/TFormA.h"
#include "platform/MessageWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QThread>

int Logger32Link::replyTimeout = 3000;
std::function<void(int)> Logger32Link::bearingReceiver;
qint64 Logger32Link::logger32Window = 0;
QString Logger32Link::logger32MessageId;
std::unique_ptr<MessageWindow> Logger32Link::window_;
bool Logger32Link::handshakeRunning_ = false;

namespace {

void setCaption(const QString& caption)
{
    if (FormA)
        FormA->Logger32->setText(caption);
}

void pause(int ms)
{
    QThread::msleep(ulong(ms));
}

// Clears the handshake flag however the handshake ends.
struct HandshakeScope {
    bool& flag;
    explicit HandshakeScope(bool& f) : flag(f) { flag = true; }
    ~HandshakeScope() { flag = false; }
};

} // namespace

MessageWindow& Logger32Link::mainWindow()
{
    if (!window_) {
        window_ = std::make_unique<MessageWindow>(ErrorBox::programTitle, QCoreApplication::applicationPid());
        QObject::connect(window_.get(), &MessageWindow::posted, [] {
            if (!handshakeRunning_)
                ApplicationEvents1Message();
        });
    }
    return *window_;
}

void Logger32Link::release()
{
    window_.reset();
    logger32Window = 0;
    logger32MessageId.clear();
}

void Logger32Link::send(qint64 wParam, qint64 lParam)
{
    MessageWindow::sendMessage(logger32Window, logger32MessageId, wParam, lParam);
}

void Logger32Link::ConnectLogger32()
{
    // A menu click while a handshake waits for Logger32 must not start a second one inside it.
    if (handshakeRunning_)
        return;
    mainWindow();
    logger32Window = MessageWindow::findWindow(QStringLiteral("Logger32"));
    if (logger32Window == 0) {
        setCaption(QStringLiteral("Logger32 NOT found"));
        return;
    }
    const HandshakeScope scope(handshakeRunning_);
    for (int attempt = 1; attempt <= 5; ++attempt) {
        if (tryAttempt(attempt)) {
            completeHandshake();
            return;
        }
    }
    // No acknowledgement in five attempts: the caption stays as it was.
}

bool Logger32Link::tryAttempt(int attempt)
{
    logger32MessageId = QStringLiteral("Logger32 %1").arg(attempt);
    pause(logger32Pause);
    send(1, mainWindow().handle());
    pause(logger32Pause);
    MessageWindow::Message reply;
    return mainWindow().takePosted(reply, replyTimeout) && reply.wParam == 0 && reply.lParam == 1;
}

void Logger32Link::completeHandshake()
{
    send(2, 0);
    pause(logger32Pause);
    send(3, 0);
    pause(logger32Pause);
    bool up = false;
    MessageWindow::Message reply;
    for (int counted = 0; counted < 10;) {
        if (!mainWindow().takePosted(reply, replyTimeout))
            break;
        if (reply.wParam == 100) {
            if (up)
                break;
            send(2, 0);  // before reply 3: ask again, and this reply does not count
            pause(logger32Pause);
            continue;
        }
        ++counted;
        if (reply.wParam == 3) {
            up = true;
            pause(logger32Pause);
        }
    }
    if (up) {
        setCaption(QStringLiteral("Logger32 connected"));
    } else {
        setCaption(QStringLiteral("Logger32 NOT connected"));
        send(4, 0);
    }
}

void Logger32Link::DisconnectLogger32()
{
    if (handshakeRunning_)
        return;
    if (logger32Window != 0) {
        send(4, 0);
        pause(logger32Pause);
        mainWindow().dropPosted();
    }
    setCaption(QStringLiteral("Logger32 NOT connected"));
    pause(disconnectPause);
}

void Logger32Link::ApplicationEvents1Message()
{
    MessageWindow::Message message;
    while (window_ && window_->takePosted(message, 0)) {
        if (logger32MessageId.isEmpty() || message.name != logger32MessageId || message.wParam != 101)
            continue;
        if (message.lParam < 0 || message.lParam > 360)
            continue;
        if (bearingReceiver)
            ErrorBox::guard([&] { bearingReceiver(int(message.lParam)); });
    }
}
