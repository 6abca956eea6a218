// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <deque>
#include <functional>

// A top-level window as other programs see it for window messages, carried over the session bus:
// the window named W owns "wm.W" and "wm.h<handle>", answers Handle(), takes SendMessage (the
// caller waits for the result) and PostMessage (queued here, no reply). A registered message is
// identified by its name.
class MessageWindow : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.corvane.WindowMessages")
public:
    struct Message {
        QString name;     // the registered message's name
        qint64 wParam = 0;
        qint64 lParam = 0;
    };

    MessageWindow(const QString& windowName, qint64 handle, QObject* parent = nullptr);
    ~MessageWindow() override;

    bool isRegistered() const { return registered_; }
    qint64 handle() const { return handle_; }

    // Takes the oldest posted message; false when none waits. Never waits itself: callers wait
    // for posted() so that the event loop keeps running.
    bool takePosted(Message& message);
    // Removes one posted message if there is one, without waiting.
    bool dropPosted();

    // Answers messages sent to this window; without one they return 0.
    std::function<qint64(const Message&)> onSent;

    // Bus-name form of a window name or handle.
    static QString busName(const QString& windowName);
    static QString handleBusName(qint64 handle);
    // Whether a window of that name is on the bus; asks only the bus, never the window itself.
    static bool windowExists(const QString& windowName);
    // The calls below never block: `done` gets the answer (0 when none came within timeoutMs or
    // the call failed) from the event loop, and is dropped unheard when `context` goes first.
    using Answer = std::function<void(qint64)>;
    // The handle of the window with that name.
    static void askHandle(const QString& windowName, int timeoutMs, QObject* context, Answer done);
    static void sendMessage(qint64 handle, const QString& name, qint64 wParam, qint64 lParam, int timeoutMs,
                            QObject* context, Answer done);
    static void postMessage(qint64 handle, const QString& name, qint64 wParam, qint64 lParam);

public slots:
    qint64 Handle() const;
    qint64 SendMessage(const QString& name, qint64 wParam, qint64 lParam);
    void PostMessage(const QString& name, qint64 wParam, qint64 lParam);

signals:
    // A message was posted; handlers that do not take it leave it queued.
    void posted();

private:
    qint64 handle_;
    QString nameBus_, handleBus_;
    bool registered_ = false;
    std::deque<Message> queue_;
};
