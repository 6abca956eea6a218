#include "entry/TargetPoint.h"

#include <gtest/gtest.h>

namespace {

// Expected values from an independent haversine / atan2 computation on the same sphere.
TEST(TargetPointTest, BearingAndDistanceAreSeenFromTheOwnStation)
{
    const struct {
        GeoPosition own;
        double longitude, latitude;
        double bearing;   // degrees
        double distance;  // km
    } cases[] = {
        {{7.0, 51.5}, 2.35, 48.85, 230.1407, 443.6073},
        {{13.4, 52.5}, 7.0416667, 51.5208333, 258.4741, 448.9316},
        {{90.0, 0.0}, 7.47, 51.51, 321.7477, 9502.1237},
        {{7.0, 50.0}, 7.0, 60.0, 360.0, 1113.1963},
        {{7.0, 50.0}, 7.0, 50.0, 0.0, 0.0},
    };
    for (const auto& c : cases) {
        const TargetInfo target = TargetPoint::seenFrom(c.own, c.longitude, c.latitude);
        EXPECT_EQ(target.longitude, c.longitude);
        EXPECT_EQ(target.latitude, c.latitude);
        EXPECT_NEAR(target.bearing, c.bearing, 1e-3);
        EXPECT_NEAR(target.distance, c.distance, 1e-3);
    }
}

} // namespace
