#include "geo/MapTransforms.h"

#include <gtest/gtest.h>

namespace {

// 2 pixels per degree on both axes, so quarter degrees fall on exact half pixels.
const MapView view{32.0L, 0.0L, 64.0L, 0.0L};  // top, bottom, right, left
constexpr int width = 128;
constexpr int height = 64;

TEST(MapTransforms, RoundHalfToEvenOnBothAxes)
{
    const struct {
        long double degrees;
        int x;  // column for that longitude
        int y;  // row for latitude 32 minus that value
    } cases[] = {
        {0.0L, 0, 0}, {0.25L, 0, 0}, {0.75L, 2, 2}, {1.25L, 2, 2}, {1.75L, 4, 4},
        {-0.25L, 0, 0}, {-0.75L, -2, -2}, {64.0L, 128, 128}, {70.0L, 140, 140},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(double(c.degrees));
        EXPECT_EQ(lonToViewX(view, width, c.degrees), c.x);
        EXPECT_EQ(latToViewY(view, height, 32.0L - c.degrees), c.y);
        EXPECT_EQ(lonToMapBitmapX(view, width, c.degrees), c.x);
        EXPECT_EQ(latToMapBitmapY(view, height, 32.0L - c.degrees), c.y);
    }
}

TEST(MapTransforms, PixelsToDegreesAndBackOnZoomedView)
{
    const MapView zoomed{55.3L, 47.1L, 15.2L, 5.8L};
    for (int x = 0; x <= 713; ++x)
        ASSERT_EQ(lonToViewX(zoomed, 713, viewXToLon(zoomed, 713, x)), x);
    for (int y = 0; y <= 517; ++y)
        ASSERT_EQ(latToViewY(zoomed, 517, viewYToLat(zoomed, 517, y)), y);

    EXPECT_EQ(viewXToLon(zoomed, 713, 0), 5.8L);
    EXPECT_EQ(viewYToLat(zoomed, 517, 0), 55.3L);
    EXPECT_NEAR(double(viewXToLon(zoomed, 713, 713)), 15.2, 1e-15);
    EXPECT_NEAR(double(viewYToLat(zoomed, 517, 517)), 47.1, 1e-15);
}

} // namespace
