// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/AzimuthalProjection.h"
#include "beam/BeamProjection.h"
#include "mercator/MercatorProjection.h"
#include "sun/GreylineBearings.h"
#include "sun/GreylineLayer.h"
#include "sun/GreylineSpokes.h"
#include "sun/MinuteTicker.h"
#include "geo/SwitchedLayer.h"
#include "sun/SolarPosition.h"
#include "sun/SunEvents.h"
#include "sun/TwilightShade.h"

#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTextStream>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <vector>

namespace {

const MapView world {90, -90, 180, -180};

// Seconds since the epoch of a UTC date and time.
double utc(int year, int month, int day, int hour, int minute)
{
    return double(QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC).toSecsSinceEpoch());
}

// The layer drawn over a picture filled with one colour.
QImage drawn(const MapLayer& layer, const MapProjection& projection, QSize size, const QColor& fill)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    QPainter painter(&image);
    layer.draw(painter, projection);
    painter.end();
    return image;
}

// reference.csv is written by tools/sun-reference.py from PyEphem (VSOP87), an ephemeris
// independent of these formulas: subsolar points from 1950 to 2100, and sunrise/sunset at
// random places within 65 degrees of the equator.
TEST(SunReference, SubsolarPointWithinOneHundredthDegreeAndEventsWithinAMinute)
{
    QFile file(QStringLiteral(CORVANE_SUN_REFERENCE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    int points = 0, days = 0;
    for (QTextStream in(&file); !in.atEnd();) {
        const QStringList f = in.readLine().split(u',');
        if (f[0] == QLatin1String("subsolar")) {
            const GeoPosition sun = SolarPosition::at(f[1].toDouble()).subsolarPoint();
            const double east = std::remainder(sun.longitude - f[2].toDouble(), 360.0);
            EXPECT_LT(std::abs(east), 0.01) << f.join(u',').toStdString();
            EXPECT_LT(std::abs(sun.latitude - f[3].toDouble()), 0.01) << f.join(u',').toStdString();
            ++points;
        } else if (f[0] == QLatin1String("events")) {
            const SunEvents events = SunEvents::on(QDate::fromString(f[1], Qt::ISODate), {f[2].toDouble(), f[3].toDouble()});
            const std::optional<double>* found[] = {&events.rise(), &events.set()};
            for (int i = 0; i < 2; ++i) {
                ASSERT_EQ(found[i]->has_value(), !f[4 + i].isEmpty()) << f.join(u',').toStdString();
                if (found[i]->has_value()) {
                    EXPECT_LT(std::abs(**found[i] - f[4 + i].toDouble()), 60) << f.join(u',').toStdString();
                }
            }
            ++days;
        }
    }
    EXPECT_EQ(points, 60);
    EXPECT_EQ(days, 400);
}

// Times from PyEphem (centre of the sun at -0.833 degrees, no atmosphere model), as the
// reference file; the polar cases as PyEphem's AlwaysUp / NeverUp. Around the first and last
// days of a polar day the sun grazes the horizon and a minute is the honest tolerance.
TEST(SunEvents, PolarDaysNightsTheirFirstDaysAndTheDateLine)
{
    const struct {
        const char* date;
        double longitude, latitude;
        const char *rise, *set;  // "HH:MM:SS" UTC or the word shown
    } cases[] = {
        {"2026-06-21", 18.956, 69.6496, "Polartag", "Polartag"},      // Tromsø, midsummer
        {"2026-12-21", 18.956, 69.6496, "Polarnacht", "Polarnacht"},  // Tromsø, midwinter
        {"2026-06-21", 166.67, -77.85, "Polarnacht", "Polarnacht"},   // McMurdo
        {"2026-05-17", 18.956, 69.6496, "22:52:07", "22:28:11"},       // a short dip before the polar day
        {"2026-05-18", 18.956, 69.6496, "Polartag", "Polartag"},
        {"2026-11-27", 18.956, 69.6496, "10:21:25", "10:41:24"},       // the last short day
        {"2026-11-28", 18.956, 69.6496, "Polarnacht", "Polarnacht"},
        {"2026-03-20", 178.44, -18.14, "18:10:11", "06:17:26"},  // Suva: the set belongs to the local day before
        {"2026-03-20", -171.76, -13.83, "17:31:02", "05:38:07"}, // Apia, east of the date line
        {"2026-03-20", 0.0, 51.4769, "06:02:54", "18:12:59"},    // Greenwich, equinox
        {"2026-12-08", 13.4, 52.52, "07:03:36", "14:52:41"},     // Berlin
    };
    for (const auto& c : cases) {
        const QDate date = QDate::fromString(QLatin1String(c.date), Qt::ISODate);
        const SunEvents events = SunEvents::on(date, {c.longitude, c.latitude});
        const std::pair<const char*, const std::optional<double>*> expected[] = {{c.rise, &events.rise()}, {c.set, &events.set()}};
        const QString texts[] = {events.riseText(), events.setText()};
        for (int i = 0; i < 2; ++i) {
            const QTime time = QTime::fromString(QLatin1String(expected[i].first), QStringLiteral("HH:mm:ss"));
            if (!time.isValid()) {
                EXPECT_EQ(texts[i], QLatin1String(expected[i].first)) << c.date << " " << c.latitude;
                continue;
            }
            ASSERT_TRUE(expected[i].second->has_value()) << c.date << " " << c.latitude << " " << i;
            const double seconds = double(QDateTime(date, time, Qt::UTC).toSecsSinceEpoch());
            EXPECT_NEAR(**expected[i].second, seconds, 60) << c.date << " " << c.latitude << " " << i;
        }
    }
    // Shown to the nearest minute.
    const SunEvents berlin = SunEvents::on(QDate(2026, 12, 8), {13.4, 52.52});
    EXPECT_EQ(berlin.riseText(), QLatin1String("07:04"));
    EXPECT_EQ(berlin.setText(), QLatin1String("14:53"));
}

// A sun azimuth against the ephemeris' (PyEphem, Berlin 2026-12-08 12:00 UTC: 194.620 degrees).
TEST(SolarPosition, AzimuthSeenFromAPlace)
{
    EXPECT_NEAR(SolarPosition::at(utc(2026, 12, 8, 12, 0)).azimuthAt({13.4, 52.52}), 194.620, 0.01);
}

constexpr std::uint32_t grey = 0xFF808080u;

int keptOf(std::uint32_t pixel)  // brightness kept, 256ths, read back from a grey pixel
{
    return int(pixel & 0xFF) * 256 / 0x80;
}

// The shading at every pixel must be the band of the sun's altitude at that pixel's place,
// computed the long way; only pixels within a pixel's angular size of a band edge may differ.
bool nearEdge(double sinAltitude, double toleranceDegrees)
{
    const double altitude = std::asin(sinAltitude) * 180 / M_PI;
    for (double edge : {-0.833, -6.0, -12.0, -18.0})
        if (std::abs(altitude - edge) <= toleranceDegrees)
            return true;
    return false;
}

TEST(TwilightShade, EveryMapPixelTakesTheBandOfItsOwnPlace)
{
    // At the solstice, the equinox and midwinter.
    for (double instant : {utc(2026, 6, 21, 8, 24), utc(2026, 3, 20, 14, 46), utc(2026, 12, 21, 20, 50)}) {
        const SolarPosition sun = SolarPosition::at(instant);
        const TwilightShade shade(sun);

        // A 1-degree grid map.
        constexpr int width = 360, height = 180;
        std::vector<std::uint32_t> grid(width * height, grey);
        std::vector<double> longitudes(width), latitudes(height);
        for (int x = 0; x < width; ++x)
            longitudes[x] = -179.5 + x;
        for (int y = 0; y < height; ++y)
            latitudes[y] = 89.5 - y;
        shade.shadeGrid(grid.data(), width, height, width, longitudes.data(), latitudes.data());
        int gridMismatches = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const double s = sun.sinAltitudeAt({longitudes[x], latitudes[y]});
                if (!nearEdge(s, 0.01) && keptOf(grid[y * width + x]) != TwilightShade::brightness(s))
                    ++gridMismatches;
            }
        EXPECT_EQ(gridMismatches, 0);

        // Beam discs around a station in the north, one near the south pole and one on the date line.
        for (const GeoPosition centre : {GeoPosition{7.0, 51.5}, GeoPosition{0.0, -89.0}, GeoPosition{179.9, -17.0}}) {
            constexpr int size = 301;
            constexpr double radius = 150, middle = 150;
            std::vector<std::uint32_t> disc(size * size, grey);
            shade.shadeDisc(disc.data(), size, size, size, centre, middle, middle, radius);
            const AzimuthalProjection projection(centre);
            int checked = 0, mismatches = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) {
                    const double dx = x - middle, dy = middle - y, r = std::hypot(dx, dy);
                    if (r > radius) {
                        EXPECT_EQ(disc[y * size + x], grey) << "rim";
                        continue;
                    }
                    if (r > radius - 2)
                        continue;  // beside the antipode a pixel spans many degrees
                    const auto point = projection.pointAt(AzimuthalProjection::screenBearing(dx, dy),
                                                          r / radius * AzimuthalProjection::antipodeKm);
                    const double s = sun.sinAltitudeAt({double(point.longitude), double(point.latitude)});
                    // A pixel's angular size, grown towards the antipode where circles stretch.
                    const double d = M_PI * r / radius;
                    const double pixelDegrees = 180 / radius * (d < 1e-9 ? 1 : d / std::sin(d));
                    ++checked;
                    if (!nearEdge(s, pixelDegrees) && keptOf(disc[y * size + x]) != TwilightShade::brightness(s))
                        ++mismatches;
                }
            EXPECT_GT(checked, 60000);
            EXPECT_EQ(mismatches, 0) << centre.longitude << " " << centre.latitude;
        }
    }
}

TEST(TwilightShade, BandsDarkenStepwiseAndKeepAlpha)
{
    const struct { double altitude; int kept; } cases[] = {
        {10, 256}, {-0.8, 256}, {-0.9, 200}, {-5.9, 200}, {-6.1, 160}, {-12.1, 128}, {-18.1, 100}, {-90, 100},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TwilightShade::brightness(std::sin(c.altitude * M_PI / 180)), c.kept) << c.altitude;

    // The sun in the zenith of (0, 0): the antipode is deep night.
    const TwilightShade shade(SolarPosition::at(utc(2026, 3, 20, 12, 7)));
    std::uint32_t pixels[2] = {0x80C0A060u, 0x80C0A060u};
    const double longitudes[2] = {0, 180}, latitude = 0;
    shade.shadeGrid(pixels, 2, 1, 2, longitudes, &latitude);
    EXPECT_EQ(pixels[0], 0x80C0A060u);
    EXPECT_EQ(pixels[1], 0x804B3E25u);  // each colour * 100 / 256, alpha kept
}

// The layer finds the pixels' places through each map's projection: a zoomed Mercator view and a
// magnified beam map, each pixel in the band of the place the projection names for it.
TEST(GreylineLayer, ShadesBothMapsWherePixelsShowTheirPlaces)
{
    const double instant = utc(2026, 6, 21, 18, 0);
    const SolarPosition sun = SolarPosition::at(instant);
    const GreylineLayer layer([instant] { return instant; });
    // pixelDegrees: how far a pixel's place may lie from its centre, in the sun's altitude.
    const auto check = [&](const MapProjection& projection, QSize size,
                           const std::function<double(QPoint)>& pixelDegrees) {
        const QImage image = drawn(layer, projection, size, QColor(0x80, 0x80, 0x80));
        int mismatches = 0, shown = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const auto place = projection.positionAt({x, y});
                if (!place)
                    continue;
                ++shown;
                const double s = sun.sinAltitudeAt(*place);
                if (!nearEdge(s, pixelDegrees({x, y})) && keptOf(image.pixel(x, y)) != TwilightShade::brightness(s))
                    ++mismatches;
            }
        EXPECT_GT(shown, size.width() * size.height() / 20);
        EXPECT_EQ(mismatches, 0);
    };
    check(MercatorProjection(MapView {75, 25, 60, -30}, {450, 250}), {450, 250}, [](QPoint) { return 0.3; });

    // 2500 px cut by 250 on each side: the antipode 250 px from the centre of a 400 px image.
    const AzimuthalProjection around({7.0, 51.5});
    const BeamProjection beam(BeamView(400, 2500, 250), around);
    check(beam, {400, 400}, [&](QPoint pixel) {
        const double d = double(beam.measuredAt(pixel)->distanceKm / AzimuthalProjection::antipodeKm) * M_PI;
        return 180.0 / 250 * (d < 1e-9 ? 1 : d / std::sin(d));  // circles stretch towards the antipode
    });
}

// The greyline's bearings at Berlin on 2026-12-08, the sun's azimuth and altitude from PyEphem:
// 15:30 UTC in civil twilight (239.14 degrees, -5.51), noon in daylight, 22:00 in full night.
TEST(GreylineBearings, OnlyInTwilightAtRightAnglesToTheSun)
{
    const GeoPosition berlin{13.4, 52.52};
    const auto at = [](int hour, int minute) { return SolarPosition::at(utc(2026, 12, 8, hour, minute)); };
    const auto twilight = GreylineBearings::at(at(15, 30), berlin);
    ASSERT_TRUE(twilight);
    EXPECT_NEAR(twilight->first, 149.14, 0.02);
    EXPECT_NEAR(twilight->second, 329.14, 0.02);
    EXPECT_FALSE(GreylineBearings::at(at(12, 0), berlin));
    EXPECT_FALSE(GreylineBearings::at(at(22, 0), berlin));

    // Drawn as spokes on the beam map only.
    const GreylineSpokes spokes([] { return utc(2026, 12, 8, 15, 30); });
    const BeamProjection beam(BeamView(401, 2500, 0), AzimuthalProjection(berlin));
    const QImage image = drawn(spokes, beam, {401, 401}, Qt::black);
    for (double bearing : {149.14, 329.14}) {
        const double angle = bearing * M_PI / 180;
        const QPoint along(int(std::lround(200 + std::sin(angle) * 120)), int(std::lround(200 - std::cos(angle) * 120)));
        EXPECT_NE(image.pixel(along), qRgb(0, 0, 0)) << bearing;
    }
    EXPECT_EQ(image.pixel(200, 80), qRgb(0, 0, 0));  // due north: no spoke
    QImage black(360, 180, QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(drawn(spokes, MercatorProjection(world, {360, 180}), {360, 180}, Qt::black), black);
}

// The ticks fall on the clock's full minutes, not a minute after the start; they go on until
// stopped (a 40 ms "minute" in the running case).
TEST(MinuteTicker, TicksOnFullMinutesOfTheClockUntilStopped)
{
    const struct { qint64 now; int delay; } cases[] = {
        {1797840000000, 60000}, {1797840000001, 59999}, {1797840015000, 45000}, {1797840059999, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MinuteTicker::delayToNext(c.now, 60000), c.delay) << c.now;
    MinuteTicker ticker([] { return QDateTime::currentMSecsSinceEpoch(); }, 40);
    QSignalSpy ticks(&ticker, &MinuteTicker::tick);
    ticker.setRunning(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.size() >= 3; }, 2000));
    ticker.setRunning(false);
    const auto count = ticks.size();
    QTest::qWait(100);
    EXPECT_EQ(ticks.size(), count);
}

TEST(SwitchedLayer, DrawsOnlyWhileOn)
{
    bool on = false;
    const GreylineLayer greyline([] { return 1797840000.0; });
    const SwitchedLayer switched(greyline, [&on] { return on; });
    const MercatorProjection projection(world, {360, 180});
    QImage plain(360, 180, QImage::Format_RGB32);
    plain.fill(QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(drawn(switched, projection, {360, 180}, QColor(0x80, 0x80, 0x80)), plain);
    on = true;
    EXPECT_NE(drawn(switched, projection, {360, 180}, QColor(0x80, 0x80, 0x80)), plain);
}

} // namespace
