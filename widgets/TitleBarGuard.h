// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QObject>

class QWidget;

// Keeps a top-level window's title bar on a screen that exists now. A place saved on a larger,
// another or a scaled screen can put the client area at the screen's top edge, with the window
// manager's title bar above it, or into a gap between screens. The frame is known once the
// window has been painted after it was shown: then the window moves as little as needed
// (WindowGeometry::titleBarShift). A place that keeps the title bar on a screen stays exactly.
class TitleBarGuard : public QObject {
    Q_OBJECT
public:
    // Guards the window at every showing and at once when it is shown now; the guard belongs to
    // the window, and a window is guarded once however often this is called.
    static void watch(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TitleBarGuard(QWidget* window);
    // Moves the window when its title bar is off the screens.
    void keepOnScreen();

    QWidget* window_;
    bool shownUnchecked_ = false;  // shown, and not painted since
};
