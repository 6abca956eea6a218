// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/AfterFirstPaint.h"

#include <QEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Counts the paints of the widget it watches.
class PaintCount : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// The task runs once, after the window's first paint and not in it; never for a window that goes
// unpainted, nor for one that is only created or only shown without an event loop.
TEST(AfterFirstPaintTest, RunsOnceAfterTheFirstPaint)
{
    const struct {
        const char* name;
        bool shown, deletedBeforeLoop;
        int runs;
    } cases[] = {
        {"shown and painted", true, false, 1},
        {"never shown", false, false, 0},
        {"gone before its paint", true, true, 0},
    };
    for (const auto& c : cases) {
        auto window = std::make_unique<QWidget>();
        window->resize(80, 60);
        PaintCount count;
        window->installEventFilter(&count);
        int runs = 0;
        int paintsBefore = 0;
        AfterFirstPaint::run(window.get(), [&] {
            ++runs;
            paintsBefore = count.paints;
        });
        if (c.shown)
            window->show();
        EXPECT_EQ(runs, 0) << c.name << ": ran before the event loop";
        if (c.deletedBeforeLoop)
            window.reset();
        // A task that is due runs well within 50 ms; the others are given that long.
        EXPECT_EQ(QTest::qWaitFor([&] { return runs > 0; }, 50), c.runs > 0) << c.name;
        if (window && c.shown) {
            window->update();  // a second paint runs nothing more
            QTest::qWait(20);
        }
        EXPECT_EQ(runs, c.runs) << c.name;
        EXPECT_EQ(paintsBefore > 0, c.runs > 0) << c.name << ": ran before the paint";
    }
}

}  // namespace
