// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "tools/mapgen/AntimeridianRing.h"

#include <gtest/gtest.h>

namespace {

TEST(AntimeridianRingTest, ClosedRingIsContinuousAndCentred)
{
    const struct {
        const char* what;
        QPolygonF input, expected;  // (longitude, latitude), degrees
    } cases[] = {
        {"ordinary ring stays", QPolygonF({{10, 50}, {20, 50}, {20, 40}, {10, 50}}),
         QPolygonF({{10, 50}, {20, 50}, {20, 40}, {10, 50}})},
        {"island across 180 degrees, centred on it", QPolygonF({{179, -16}, {-179, -16}, {-179, -18}, {179, -16}}),
         QPolygonF({{-181, -16}, {-179, -16}, {-179, -18}, {-181, -16}})},
        {"ring starting east of 180 is moved back", QPolygonF({{-179, 66}, {-170, 66}, {-170, 70}, {-179, 66}}),
         QPolygonF({{-179, 66}, {-170, 66}, {-170, 70}, {-179, 66}})},
        {"mostly west of 180 is centred there", QPolygonF({{-175, 60}, {170, 60}, {170, 70}, {-175, 60}}),
         QPolygonF({{185, 60}, {170, 60}, {170, 70}, {185, 60}})},
        {"polar cap is closed along the south pole", QPolygonF({{-180, -80}, {-60, -70}, {60, -70}, {180, -80}}),
         QPolygonF({{-180, -80}, {-60, -70}, {60, -70}, {180, -80}, {180, -90}, {-180, -90}})},
        {"arctic ring is closed along the north pole",
         QPolygonF({{170, 80}, {-100, 85}, {10, 85}, {100, 80}, {170, 80}}),
         QPolygonF({{170, 80}, {260, 85}, {370, 85}, {460, 80}, {530, 80}, {530, 90}, {170, 90}}).translated(-360, 0)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AntimeridianRing::closedRing(c.input), c.expected) << c.what;
}

TEST(AntimeridianRingTest, ContinuousLineNeverStepsMoreThanHalfATurn)
{
    const QPolygonF line = AntimeridianRing::continuous({{170, 0}, {-170, 1}, {175, 2}, {-175, 3}, {-160, 4}});
    EXPECT_EQ(line, QPolygonF({{170, 0}, {190, 1}, {175, 2}, {185, 3}, {200, 4}}));
}

} // namespace
