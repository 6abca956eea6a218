// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "geo/CallsignTable.h"
#include "mercator/MercatorProjection.h"
#include "spots/LabelPlacer.h"
#include "spots/SpotFilter.h"
#include "spots/SpotLayer.h"
#include "spots/SpotService.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

using Side = LabelPlacer::Side;

const CallsignTable& calls()
{
    static const CallsignTable table = CallsignTable::fromText(QStringLiteral(
        "Australien;VK;-23.70;132.33;VK;150\r\nJapan;JA;36.40;138.38;JA;339\r\nDeutschland;DL;51.00;10.00;DL;230\r\n"));
    return table;
}

constexpr qint64 noon = 1796904000;  // 2026-12-10 12:00 UTC
const MapView world {90, -90, 180, -180};
constexpr int markerSize = SpotLayer::markerSize;

// Labels placed one after the other on a 200 x 100 picture: each lands on the first free side of
// the four, in the order right, left, above, below, or nowhere; a reserved part of the picture
// takes none.
TEST(LabelPlacer, FirstFreeSideInsideThePictureOrNone)
{
    const QRect picture(0, 0, 200, 100);
    const QSize call(40, 10);
    struct Label { QPoint marker; std::optional<Side> side; };
    const struct {
        const char* name;
        std::vector<Label> labels;
        QRect reserved = {};  // kept free of labels, such as another marker's square
    } cases[] = {
        {"alone: right", {{{100, 50}, Side::right}}},
        {"five at one place: the fifth loses its call", {{{100, 50}, Side::right}, {{100, 50}, Side::left},
             {{100, 50}, Side::above}, {{100, 50}, Side::below}, {{100, 50}, std::nullopt}}},
        {"the first given takes the place both want", {{{100, 50}, Side::right}, {{102, 50}, Side::left}}},
        {"the other first", {{{102, 50}, Side::right}, {{100, 50}, Side::left}}},
        {"at the right edge: left", {{{180, 50}, Side::left}}},
        {"in the top right corner: left", {{{195, 6}, Side::left}}},
        {"at the top edge: below", {{{100, 2}, Side::below}}},
        {"at the bottom edge: above", {{{100, 97}, Side::above}}},
        {"in a corner: none", {{{2, 2}, std::nullopt}}},
        {"a marker beside: left", {{{100, 50}, Side::left}}, {138, 48, 5, 5}},
        {"a marker farther off: right", {{{100, 50}, Side::right}}, {145, 48, 5, 5}},
        {"a marker over it: below", {{{100, 50}, Side::below}, {{100, 50}, std::nullopt}}, {40, 42, 120, 5}},
        {"labels touching edge to edge", {{{100, 50}, Side::right}, {{100 + 40, 50}, Side::right}}},
        {"one pixel over: the next side", {{{100, 50}, Side::right}, {{100 + 39, 50}, Side::above}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LabelPlacer placer(picture, markerSize);
        placer.reserve(c.reserved);
        for (const Label& label : c.labels) {
            const auto placed = placer.place(label.marker, call);
            ASSERT_EQ(placed.has_value(), label.side.has_value()) << &label - c.labels.data();
            if (placed) {
                EXPECT_EQ(*placed, placer.at(*label.side, label.marker, call)) << &label - c.labels.data();
            }
        }
    }
    // The spacing from the marker's square (98 to 102 each way): the labels beside it centred on
    // it, those over and under it also clear of those beside it.
    const LabelPlacer placer(picture, markerSize);
    const QPoint marker(100, 50);
    EXPECT_EQ(placer.at(Side::right, marker, call), QRect(105, 45, 40, 10));
    EXPECT_EQ(placer.at(Side::left, marker, call), QRect(56, 45, 40, 10));
    EXPECT_EQ(placer.at(Side::above, marker, call), QRect(80, 35, 40, 10));
    EXPECT_EQ(placer.at(Side::below, marker, call), QRect(80, 55, 40, 10));
    EXPECT_EQ(placer.at(Side::above, marker, {40, 3}), QRect(80, 43, 40, 3));
    EXPECT_EQ(placer.at(Side::below, marker, {40, 3}), QRect(80, 55, 40, 3));
}

// Two thousand labels crowded over two spots of a Mercator picture, placed by the grid of cells,
// land exactly where trying every label placed before would put them: none overlaps another, none
// reaches outside, and a label left out had no free side.
TEST(LabelPlacer, AThousandsStrongCrowdMatchesTheSlowWay)
{
    const QRect picture(0, 0, 1280, 720);
    QRandomGenerator random(7);
    LabelPlacer placer(picture, markerSize);
    std::vector<QRect> placed;
    int left = 0;
    for (int i = 0; i < 2000; ++i) {
        const QPoint centre = i % 3 ? QPoint(660, 170) : QPoint(380, 240);  // Europe, the US east coast
        const QPoint marker = centre + QPoint(random.bounded(-120, 121), random.bounded(-60, 61));
        const QSize size(random.bounded(25, 70), 11);
        std::optional<QRect> expected;
        for (const Side side : {Side::right, Side::left, Side::above, Side::below}) {
            const QRect rect = placer.at(side, marker, size);
            if (picture.contains(rect) &&
                std::none_of(placed.begin(), placed.end(), [&](const QRect& p) { return p.intersects(rect); })) {
                expected = rect;
                break;
            }
        }
        const auto got = placer.place(marker, size);
        ASSERT_EQ(got, expected) << i;
        if (got)
            placed.push_back(*got);
        else
            ++left;
    }
    EXPECT_GT(placed.size(), 100u);
    EXPECT_GT(left, 100) << "a crowd to place";
}

// The maps' filter: one band or all, and an age limit; a decode whose dial is not known lies on
// no band.
TEST(SpotFilter, BandAndAgeDecide)
{
    const struct { const char* band; int minutes; double khz; qint64 age /* seconds */; bool passes; } cases[] = {
        {"", 0, 14074, 14 * 60, true},  {"20m", 0, 14074, 0, true},   {"20m", 0, 7074, 0, false},
        {"20M", 0, 14000, 0, true},     {" 20m ", 0, 14350, 0, true}, {"20m", 0, 14350.5, 0, false},
        {"20m", 0, 0, 0, false},        {"", 0, 0, 0, true},          {"99m", 0, 7074, 0, true},
        {"", 5, 7074, 5 * 60 - 1, true}, {"", 5, 7074, 5 * 60, false}, {"", 15, 7074, 10 * 60, true},
        {"", 5, 7074, -60, true},       {"40m", 5, 7074, 6 * 60, false}, {"", -5, 7074, 10 * 60, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.band) + " " + std::to_string(c.minutes) + " min, " + std::to_string(c.khz) +
                     " kHz, " + std::to_string(c.age) + " s");
        Spot spot;
        spot.frequencyKhz = c.khz;
        spot.heardAt = noon - c.age;
        EXPECT_EQ(SpotFilter(QString::fromLatin1(c.band), c.minutes).passes(spot, noon), c.passes);
    }
    EXPECT_TRUE(SpotFilter().passes(Spot(), noon));
}

QImage drawnBy(const SpotLayer& layer, const MercatorProjection& projection, QColor ground = Qt::black)
{
    QImage image(720, 360, QImage::Format_RGB32);
    image.fill(ground);
    QPainter painter(&image);
    layer.draw(painter, projection);
    return image;
}

// With a filter set the layer draws and answers for the spots that pass it, and for none other:
// cluster spots by their frequency, decodes by the dial their WSJT-X instance reported.
TEST(SpotLayer, DrawsOnlyTheSpotsTheFilterPasses)
{
    qint64 now = noon - 10 * 60;
    SpotService service(calls, [&] { return now; }, 10);
    const auto cluster = [&](const char* call, double khz, const char* grid) {
        const int minute = int(now % 86400 / 60);
        service.takeClusterSpot({{}, khz, QString::fromLatin1(call), {}, QString::fromLatin1(grid), minute},
                                QStringLiteral("dxc.example"));
    };
    cluster("VK3OLD", 14030, "OF78");  // 10 minutes before noon
    now = noon - 2 * 60;
    cluster("VK2ABC", 14025, "QF56");
    cluster("JA1XYZ", 7074, "PM95");
    now = noon;
    service.takeTuning(QStringLiteral("WSJT-X"), 14074);
    service.takeDecode(QStringLiteral("WSJT-X"), QStringLiteral("CQ DL1ABC JO31"));
    service.takeDecode(QStringLiteral("JTDX"), QStringLiteral("CQ DL2XYZ KM72"));  // its dial not known
    const struct { const char* call; GeoPosition place; } spots[] = {
        {"VK3OLD", {115, -31.5}}, {"VK2ABC", {151, -33.5}}, {"JA1XYZ", {139, 35.5}},
        {"DL1ABC", {7, 51.5}},    {"DL2XYZ", {35, 32.5}}};
    const struct { const char* band; int minutes; QStringList shown; } cases[] = {
        {"", 0, {"VK3OLD", "VK2ABC", "JA1XYZ", "DL1ABC", "DL2XYZ"}},
        {"20m", 0, {"VK3OLD", "VK2ABC", "DL1ABC"}},
        {"", 5, {"VK2ABC", "JA1XYZ", "DL1ABC", "DL2XYZ"}},
        {"20m", 5, {"VK2ABC", "DL1ABC"}},
        {"40m", 15, {"JA1XYZ"}},
        {"6m", 0, {}},
    };
    const MercatorProjection projection(world, {720, 360});
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.band) + " " + std::to_string(c.minutes) + " min");
        const SpotFilter filter(QString::fromLatin1(c.band), c.minutes);
        QStringList picked;
        const SpotLayer layer(service, [&picked](const QString& partner) { picked << partner; },
                              [&filter] { return filter; });
        const QImage image = drawnBy(layer, projection);
        for (const auto& spot : spots) {
            const QPoint at = projection.pixelOf(spot.place);
            const bool shown = c.shown.contains(QLatin1String(spot.call));
            EXPECT_EQ(image.pixel(at) != qRgb(0, 0, 0), shown) << spot.call;
            EXPECT_EQ(layer.takeClick(at, projection), shown) << spot.call;
        }
        EXPECT_EQ(picked.size(), c.shown.size());
    }
}

// Three hundred calls crowded over Europe, seen 20 pixels to the degree: no call covers a marker,
// each marker's square shows whole in one colour, and no call runs off the picture.
TEST(SpotLayer, NoCallCoversAMarker)
{
    qint64 now = noon;
    SpotService service(calls, [&] { return now; }, 10);
    QRandomGenerator random(3);
    for (int i = 0; i < 300; ++i) {
        // Degrees: a square's south-west corner.
        const int longitude = -10 + 2 * random.bounded(20), latitude = 36 + random.bounded(24);
        const QString grid = QStringLiteral("%1%2%3%4")
                                 .arg(QChar('A' + (longitude + 180) / 20), QChar('A' + (latitude + 90) / 10))
                                 .arg((longitude + 180) / 2 % 10)
                                 .arg((latitude + 90) % 10);
        now = noon - random.bounded(14 * 60);
        service.takeDecode(QStringLiteral("WSJT-X"), QStringLiteral("CQ DL%1ABC %2").arg(i).arg(grid));
    }
    now = noon;
    const MapView europe {60, 36, 30, -10};
    const MercatorProjection projection(europe, {800, 480});
    QImage image(800, 480, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    SpotLayer(service).draw(painter, projection);
    painter.end();
    const auto whole = [&](QPoint at) {
        for (int y = at.y() - 2; y <= at.y() + 2; ++y)
            for (int x = at.x() - 2; x <= at.x() + 2; ++x)
                if (image.pixel(x, y) != image.pixel(at))
                    return false;
        return true;
    };
    for (const Spot& spot : service.spots().markers())
        EXPECT_TRUE(whole(projection.pixelOf(spot.place))) << spot.call.toStdString();
    // On a surface larger than the picture, the calls keep to the part the painter may paint:
    // the picture is the one drawn on a surface of its own size, none cut at its edge.
    const QRect shown(0, 0, 600, 480);
    QImage larger(1000, 600, QImage::Format_RGB32);
    larger.fill(Qt::black);
    QPainter clipped(&larger);
    clipped.setClipRect(shown);
    SpotLayer(service).draw(clipped, projection);
    clipped.end();
    QImage own(shown.size(), QImage::Format_RGB32);
    own.fill(Qt::black);
    QPainter whole600(&own);
    SpotLayer(service).draw(whole600, projection);
    whole600.end();
    EXPECT_EQ(larger.copy(shown), own);
}

// Five calls at one place: the entity the log lacks wins the right side although heard first, then
// the freshest of the others take left, above and below; the oldest keeps its marker only.
TEST(SpotLayer, CallsAtOnePlaceTakeTheFourSidesByPrecedence)
{
    qint64 now = noon;
    SpotService service(calls, [&] { return now; }, 10);
    const struct { const char* call; qint64 age /* seconds */; } heard[] = {
        {"VK2ABC", 600}, {"JA1DDD", 450}, {"JA1CCC", 300}, {"JA1BBB", 150}, {"JA1AAA", 0}};
    for (const auto& h : heard) {
        now = noon - h.age;
        service.takeDecode(QStringLiteral("WSJT-X"), QStringLiteral("CQ %1 PM95").arg(QLatin1String(h.call)));
    }
    now = noon;
    AdifLog::Worked japan;
    japan.dxcc = {339};
    japan.records = 1;
    service.setWorked(japan);
    const MercatorProjection projection(world, {720, 360});
    const QImage image = drawnBy(SpotLayer(service), projection);
    const QPoint at = projection.pixelOf({139, 35.5});
    // The brightest red and blue where each side's call lies and no other's does (a J reaches
    // below the line: a call beside the marker may be up to 14 pixels high).
    const auto brightest = [&](int left, int right, int top, int bottom) {
        int red = 0, blue = 0;
        for (int y = at.y() + top; y <= at.y() + bottom; ++y)
            for (int x = at.x() + left; x <= at.x() + right; ++x) {
                red = std::max(red, qRed(image.pixel(x, y)));
                blue = std::max(blue, qBlue(image.pixel(x, y)));
            }
        return std::pair {red, blue};
    };
    // Expected: an opacity step of 3 for VK2ABC, 8, 7 and 6 for the others.
    const struct { const char* side; std::pair<int, int> found; int red, blue; } cases[] = {
        {"right: VK2ABC in magenta", brightest(5, 80, -2, 2), 255 * 3 / 8, 255 * 3 / 8},
        {"left: JA1AAA", brightest(-80, -5, -2, 2), 255, 0},
        {"above: JA1BBB", brightest(-40, 40, -30, -10), 255 * 7 / 8, 0},
        {"below: JA1CCC", brightest(-40, 40, 10, 30), 255 * 6 / 8, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.side);
        EXPECT_NEAR(c.found.first, c.red, 4);
        EXPECT_NEAR(c.found.second, c.blue, 4);
    }
    EXPECT_EQ(image.pixel(at), qRgb(255, 255, 0)) << "the freshest marker on top";
}

// A call reads on a light map too: a dark halo lies on every side of its letters, not a shadow on
// one side only.
TEST(SpotLayer, ACallHasADarkHaloOnEverySide)
{
    SpotService service(calls, [] { return noon; }, 10);
    service.takeDecode(QStringLiteral("WSJT-X"), QStringLiteral("CQ JA1AAA PM95"));
    const MercatorProjection projection(world, {720, 360});
    const QImage image = drawnBy(SpotLayer(service), projection, Qt::white);
    const QPoint at = projection.pixelOf({139, 35.5});
    const auto yellow = [](QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) < 100; };
    const auto dark = [](QRgb pixel) { return qGray(pixel) < 64; };
    int letters = 0, haloed = 0;
    for (int y = at.y() - 20; y <= at.y() + 20; ++y)
        for (int x = at.x() + 4; x <= at.x() + 80; ++x) {
            if (!yellow(image.pixel(x, y)) || !yellow(image.pixel(x + 1, y)))
                continue;
            ++letters;
            // The pixel left of a letter's stroke and the one above it, where no shadow falls.
            haloed += !yellow(image.pixel(x - 1, y)) && dark(image.pixel(x - 1, y));
        }
    ASSERT_GT(letters, 10) << "the call is drawn right of its marker";
    EXPECT_GT(haloed, 3);
}

// Markers are kept an hour: a map shows the last 15 minutes by default, and all of that hour when
// asked for 30, 60 minutes or every age, each fading over the time it shows.
TEST(SpotLayer, TheAgeLimitDecidesHowLongAMarkerShows)
{
    qint64 now = noon - 40 * 60;
    SpotService service(calls, [&] { return now; }, 10);
    service.takeDecode(QStringLiteral("WSJT-X"), QStringLiteral("CQ JA1AAA PM95"));
    now = noon;
    const MercatorProjection projection(world, {720, 360});
    const QPoint at = projection.pixelOf({139, 35.5});
    const struct { int minutes; bool drawn; } cases[] = {{-1, false}, {15, false}, {30, false}, {60, true}, {0, true}};
    for (const auto& c : cases) {
        const SpotLayer layer = c.minutes < 0 ? SpotLayer(service)
                                              : SpotLayer(service, {}, [&c] { return SpotFilter(QString(), c.minutes); });
        EXPECT_EQ(drawnBy(layer, projection).pixel(at) != qRgb(0, 0, 0), c.drawn) << c.minutes;
    }
}

}  // namespace
