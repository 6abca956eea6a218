// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Runs a task once a window has been painted for the first time, in the next turn of the event
// loop: work the first picture does not need waits until the user sees the window. The task never
// runs when the window goes before its first paint.
class AfterFirstPaint : public QObject {
public:
    static void run(QWidget* window, std::function<void()> task);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AfterFirstPaint(QWidget* window, std::function<void()> task);

    std::function<void()> task_;
};
