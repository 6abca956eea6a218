// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/WindowTimer.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int intervalMs = 5;

// The timer ticks exactly while it is started and its window shown; a start or stop while the
// window is hidden is taken up when it is shown again; hiding a ticking window ticks once more.
TEST(WindowTimerTest, TicksOnlyWhileStartedAndShown)
{
    QWidget window;
    WindowTimer timer(&window, intervalMs);
    QSignalSpy ticks(&timer, &WindowTimer::timeout);
    const struct {
        const char* step;
        std::function<void()> act;
        bool ticking;
        int lastTicks;  // after the step, when it stops the ticking
    } steps[] = {
        {"started while hidden", [&] { timer.start(); }, false, 0},
        {"shown", [&] { window.show(); }, true, 0},
        {"hidden", [&] { window.hide(); }, false, 1},
        {"stopped while hidden", [&] { timer.stop(); }, false, 0},
        {"shown, stopped", [&] { window.show(); }, false, 0},
        {"started while shown", [&] { timer.start(); }, true, 0},
        {"hidden again", [&] { window.hide(); }, false, 1},
        {"shown again", [&] { window.show(); }, true, 0},
    };
    for (const auto& s : steps) {
        ticks.clear();
        s.act();
        EXPECT_EQ(timer.isTicking(), s.ticking) << s.step;
        if (s.ticking) {
            EXPECT_TRUE(ticks.wait(1000)) << s.step;
        } else {
            QTest::qWait(10 * intervalMs);
            EXPECT_EQ(ticks.count(), s.lastTicks) << s.step;
        }
    }
    EXPECT_TRUE(timer.isStarted());
}

} // namespace
