// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/FreePlace.h"

#include <gtest/gtest.h>

namespace {

// A window without a place goes beside the main window on the first side where it covers no
// other window and not the map's centre, inside the screen; with no such side, where it covers
// least, and never over the centre while a side keeps it clear.
TEST(FreePlaceTest, BesideTheMainWindowClearOfTheOthersAndTheCentre)
{
    const QRect main(36, 116, 602, 377);  // the main window's frame at its first start
    const QSize crosshair(323, 470);
    const QPoint centre(337, 324);
    const QRect entry(5, 330, 328, 215);  // the entry window's frame at 5,350
    const struct {
        const char* name;
        QRect screen;
        QList<QRect> others;
        QPoint expected;
    } cases[] = {
        {"right of the main window", {0, 0, 1600, 1000}, {entry}, {646, 116}},
        {"left when the right is taken", {-400, 0, 2000, 1000}, {{646, 100, 400, 600}}, {-295, 116}},
        {"left when the screen ends on the right", {-400, 0, 1100, 1000}, {}, {-295, 116}},
        {"below when neither side has room", {36, 0, 700, 1200}, {}, {36, 501}},
        {"above when the rest is taken", {36, -500, 700, 1700}, {{0, 493, 800, 800}}, {36, -362}},
        {"a small screen: over the main window where it covers least", {0, 0, 800, 600}, {entry}, {477, 116}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QPoint corner = FreePlace::beside(main, crosshair, c.others, centre, c.screen);
        EXPECT_EQ(corner, c.expected);
        const QRect frame(corner, crosshair);
        EXPECT_FALSE(frame.contains(centre));
        for (const QRect& other : c.others)
            EXPECT_FALSE(frame.intersects(other));
    }
}

}  // namespace
