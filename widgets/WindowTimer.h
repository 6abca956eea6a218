// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QObject>

class QTimer;
class QWidget;

// A timer that serves one window: it ticks only while the window is shown, so that an idle
// program with its tool windows closed does not wake for them. Started or stopped while the
// window is hidden, it takes that state up when the window is shown again. Hiding the window
// gives one last tick, from the event loop.
class WindowTimer : public QObject {
    Q_OBJECT
public:
    WindowTimer(QWidget* window, int intervalMs);

    void start();
    void stop();
    // Started and not stopped since, whether or not the window is shown.
    bool isStarted() const { return started_; }
    // Really counting down now: started and the window shown.
    bool isTicking() const;
    void setInterval(int ms);

signals:
    void timeout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Ticks exactly while started and shown.
    void follow(bool shown);

    QWidget* window_;
    QTimer* timer_;
    bool started_ = false;
};
