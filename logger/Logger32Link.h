#pragma once

#include <QString>

#include <functional>
#include <memory>

class MessageWindow;

// The link to the logging program Logger32 over window messages: a handshake announces this
// program, and Logger32 then posts antenna bearings. The link state lives only in the caption of
// the main window's "Logger32" menu item.
class Logger32Link {
public:
    static constexpr int logger32Pause = 100;  // ms after each message sent
    // Bound on one wait for a posted reply, ms; without it a silent Logger32 would freeze the
    // program. Tests shorten it.
    static int replyTimeout;
    static constexpr int disconnectPause = 2000;  // ms after the leave message

    static void ConnectLogger32();
    static void DisconnectLogger32();

    // Where bearings from Logger32 go (the rotor panel's direction field takes them as typed
    // and confirmed). Degrees, 0 to 360.
    static std::function<void(int)> bearingReceiver;

    // Handle of Logger32's window, 0 while not found; the name of the registered message.
    static qint64 logger32Window;
    static QString logger32MessageId;

    // The main window as Logger32 sees it; created on first use, released at shut-down.
    static MessageWindow& mainWindow();
    static void release();

private:
    static bool tryAttempt(int attempt);
    static void completeHandshake();
    // The application-wide hook: sees every posted message outside a handshake.
    static void ApplicationEvents1Message();
    static void send(qint64 wParam, qint64 lParam);

    static std::unique_ptr<MessageWindow> window_;
    static bool handshakeRunning_;
};
