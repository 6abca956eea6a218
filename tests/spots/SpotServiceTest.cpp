// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/SpotService.h"
#include "mercator/MercatorProjection.h"
#include "geo/CallsignTable.h"
#include "spots/AdifWatcher.h"
#include "spots/DxSpotsWindow.h"
#include "spots/HamBand.h"
#include "spots/SpotLayer.h"
#include "settings/ParameterSettings.h"
#include "support/Controls.h"
#include "support/StallMeter.h"

#include <QComboBox>
#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

const CallsignTable& calls()
{
    static const CallsignTable table = CallsignTable::fromText(QStringLiteral(
        "Australien;VK;-23.70;132.33;VK;150\r\nJapan;JA;36.40;138.38;JA;339\r\nDeutschland;DL;51.00;10.00;DL;230\r\n"
        "Vereinigte Staaten;K;37.53;-91.67;K N W AA;291;1922\r\n"));
    return table;
}

constexpr qint64 noon = 1796904000;  // 2026-12-10 12:00 UTC
const MapView world {90, -90, 180, -180};

// A log that holds Japan (DXCC 339) only.
AdifLog::Worked japanWorked()
{
    AdifLog::Worked worked;
    worked.dxcc = {339};
    worked.records = 1;
    return worked;
}

TEST(SpotService, DecodesAndSpotsBecomeMarkersAnnouncedOncePerInterval)
{
    qint64 now = noon;
    SpotService service(calls, [&] { return now; }, 20);
    QSignalSpy changed(&service, &SpotService::changed);
    service.takeDecode(QStringLiteral("WSJT-X"), QStringLiteral("CQ VK2ABC QF56"));
    service.takeDecode(QStringLiteral("WSJT-X"), QStringLiteral("DL1ABC JA1XYZ -12"));  // names no place
    service.takeDecode(QStringLiteral("WSJT-X"), QStringLiteral("CQ ZZ9ZZZ"));          // unknown, no grid
    ClusterLine line;
    line.call = QStringLiteral("JA1XYZ");
    line.frequencyKhz = 14025;
    line.minuteOfDay = 12 * 60 + 30;  // later than now: yesterday's spot
    for (int i = 0; i < 1000; ++i)
        service.takeClusterSpot(line, QStringLiteral("dxc.example"));
    ASSERT_TRUE(changed.wait(1000));
    QTest::qWait(60);
    EXPECT_EQ(changed.size(), 1);
    const auto& markers = service.spots().markers();
    ASSERT_EQ(markers.size(), 2u);
    EXPECT_EQ(markers[0].call, QStringLiteral("VK2ABC"));
    EXPECT_TRUE(markers[0].placedByGrid);
    EXPECT_EQ(markers[0].heardAt, noon);
    EXPECT_EQ(markers[1].heardAt, noon - 86400 + 1800);
    EXPECT_EQ(service.spots().clusterSpots().size(), 200u);

    // Without a log nothing is new; with one, what it lacks is.
    EXPECT_FALSE(service.isNew(markers[0]));
    service.setWorked(japanWorked());
    EXPECT_TRUE(service.isNew(markers[0]));
    EXPECT_FALSE(service.isNew(markers[1]));
    service.takeClear(QStringLiteral("WSJT-X"));
    EXPECT_EQ(service.spots().markers().size(), 1u);

    // A decode lies on the dial its instance reported last; another instance's is not known.
    service.takeTuning(QStringLiteral("WSJT-X"), 14074);
    service.takeTuning(QStringLiteral("WSJT-X"), 7074);
    service.takeDecode(QStringLiteral("WSJT-X"), QStringLiteral("CQ VK2ABC QF56"));
    service.takeDecode(QStringLiteral("JTDX"), QStringLiteral("CQ DL1ABC JO31"));
    ASSERT_EQ(markers.size(), 3u);
    EXPECT_DOUBLE_EQ(markers[1].frequencyKhz, 7074);
    EXPECT_DOUBLE_EQ(markers[2].frequencyKhz, 0);
}

// A six-metre spot names the spotter's square first: the spotted station lands at the second.
// A square in a comment that lies far outside the call's entity leaves the spot at the entity.
TEST(SpotService, ClusterSpotsLandAtTheSpottedStation)
{
    const struct { const char* line; bool byGrid; double longitude, latitude; } cases[] = {
        {"DX de SP9XYZ:    50313.0  K1ABC        JO90KE<ES>FN42HN            0304Z", true, -71.375, 42.5625},
        {"DX de SP9XYZ:    50313.0  K1ABC        hrd in JO90KE               0304Z", false, -91.67, 37.53},
        {"DX de SP9XYZ:    50313.0  K1ABC        hrd in FN42HN               0304Z", true, -71.375, 42.5625},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        SpotService service(calls, [] { return noon; }, 10);
        const auto line = ClusterLine::parse(c.line);
        ASSERT_TRUE(line);
        service.takeClusterSpot(*line, QStringLiteral("dxc.example"));
        ASSERT_EQ(service.spots().clusterSpots().size(), 1u);
        const Spot& spot = service.spots().clusterSpots().front();
        EXPECT_EQ(spot.country, QStringLiteral("Vereinigte Staaten"));
        EXPECT_EQ(spot.placedByGrid, c.byGrid);
        EXPECT_NEAR(spot.place.longitude, c.longitude, 1e-9);
        EXPECT_NEAR(spot.place.latitude, c.latitude, 1e-9);
    }
}

TEST(AdifWatcher, ReadsOnAWorkerAndAgainWhenTheLoggerReplacesTheFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("log.adi"));
    const auto write = [&](const QByteArray& content) {
        QSaveFile file(path);  // a new file renamed over the old one, as loggers save
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        ASSERT_TRUE(file.commit());
    };
    // About 50 MB: the window's loop must keep turning while it is read.
    QByteArray big;
    const QByteArray qso("<CALL:6>JA1XYZ <BAND:3>20m <MODE:3>FT8 <COMMENT:20>a long comment field. <EOR>\n");
    big.reserve(50'000'000);
    while (big.size() < 50'000'000)
        big += qso;
    write(big);
    AdifWatcher watcher(calls());
    QSignalSpy changed(&watcher, &AdifWatcher::workedChanged);
    StallMeter stalls;
    watcher.watch(path);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !changed.isEmpty(); }, 20000));  // no nested loop: the meter sees it
    EXPECT_LT(stalls.longestGapMs(), 100);
    EXPECT_EQ(watcher.worked().dxcc, QSet<int>{339});
    write("<CALL:6>VK2ABC<EOR><CALL:6>DL1ABC<EOR>");
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.worked().dxcc == QSet<int>({150, 230}); }, 5000));
    QSignalSpy failed(&watcher, &AdifWatcher::readFailed);
    watcher.watch(folder.filePath(QStringLiteral("missing.adi")));
    ASSERT_TRUE(failed.wait(5000));
    EXPECT_TRUE(failed[0][0].toString().startsWith(QStringLiteral("Das Logbuch"))) << failed[0][0].toString().toStdString();
    EXPECT_TRUE(watcher.worked().dxcc.isEmpty());
}

// A file without a QSO says so in German, with where reading stopped, and no entity is kept.
TEST(AdifWatcher, ALogWithoutQsosSaysSoAndWhereReadingStopped)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QRandomGenerator random(1231);
    QByteArray noise(4096, '\0');
    for (char& b : noise)
        b = char(random.bounded(256));
    const struct { const char* name; QByteArray content; const char* where; } cases[] = {
        {"random bytes", noise, "(gelesen bis Byte 4.096 von 4.096)"},
        {"first tag claims two billion", "<CALL:2000000000>DL1ABC <EOR>\n",
         "(gelesen bis Byte 0 von 30: dort beginnt ein Feld, das über das Dateiende hinausreicht)"},
        {"header only", "<ADIF_VER:5>3.1.4 <EOH>\n", "(gelesen bis Byte 24 von 24)"},
        {"empty", "", "(gelesen bis Byte 0 von 0)"},
    };
    QTemporaryDir folder;
    AdifWatcher watcher(calls());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.filePath(QString::fromLatin1(c.name) + QStringLiteral(".adi"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(c.content), c.content.size());
        file.close();
        QSignalSpy failed(&watcher, &AdifWatcher::readFailed);
        QSignalSpy changed(&watcher, &AdifWatcher::workedChanged);
        watcher.watch(path);
        ASSERT_TRUE(changed.wait(5000));
        ASSERT_EQ(failed.size(), 1);
        EXPECT_EQ(failed[0][0].toString(),
                  QStringLiteral("Das Logbuch %1 enthält kein QSO %2").arg(path, QString::fromUtf8(c.where)));
        EXPECT_EQ(watcher.worked().records, 0);
        EXPECT_TRUE(watcher.worked().dxcc.isEmpty());
    }
}

// Markers where the projection puts the places, magenta for an entity the log lacks, fading with age.
TEST(SpotLayer, MarkersAtTheirPlacesInTheirColoursAndFading)
{
    qint64 now = noon;
    SpotService service(calls, [&] { return now; }, 10);
    service.takeDecode(QStringLiteral("WSJT-X"), QStringLiteral("CQ VK2ABC QF56"));  // (151, -33.5)
    service.takeDecode(QStringLiteral("WSJT-X"), QStringLiteral("CQ JA1XYZ PM95"));  // (139, 35.5)
    service.setWorked(japanWorked());
    const SpotLayer layer(service);
    const MercatorProjection projection(world, {720, 360});
    const auto drawn = [&] {
        QImage image(720, 360, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        layer.draw(painter, projection);
        painter.end();
        return image;
    };
    QImage image = drawn();
    EXPECT_EQ(image.pixel(projection.pixelOf({151, -33.5})), qRgb(255, 64, 255));
    EXPECT_EQ(image.pixel(projection.pixelOf({139, 35.5})), qRgb(255, 255, 0));
    EXPECT_EQ(image.pixel(projection.pixelOf({0, 0})), qRgb(0, 0, 0));

    // Without a taker clicks go to the map; with one, a click beside a marker names its partner.
    EXPECT_FALSE(layer.takeClick(projection.pixelOf({151, -33.5}), projection));
    QStringList picked;
    const SpotLayer clickable(service, [&picked](const QString& partner) { picked << partner; });
    EXPECT_TRUE(clickable.takeClick(projection.pixelOf({151, -33.5}) + QPoint(2, -1), projection));
    EXPECT_TRUE(clickable.takeClick(projection.pixelOf({139, 35.5}), projection));
    EXPECT_FALSE(clickable.takeClick(projection.pixelOf({0, 0}), projection));
    EXPECT_EQ(picked, (QStringList{"QF56", "PM95"}));
    now += 10 * 60;  // two thirds of the lifetime gone: a third of the colour left
    image = drawn();
    EXPECT_NEAR(qRed(image.pixel(projection.pixelOf({139, 35.5}))), 255 * 3 / 8, 2);
}

// A call is drawn whole wherever its marker lies: beside the right or top edge it moves inside.
TEST(SpotLayer, ACallAtAnEdgeOfThePictureIsDrawnWhole)
{
    const MercatorProjection projection(world, {720, 360});
    const auto callPixels = [&](const char* grid) {
        SpotService service(calls, [] { return noon; }, 10);
        service.takeDecode(QStringLiteral("WSJT-X"), QStringLiteral("CQ K1ABC %1").arg(QLatin1String(grid)));
        QImage image(720, 360, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QPainter painter(&image);
        SpotLayer(service).draw(painter, projection);
        painter.end();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) != qRgb(0, 0, 255) && image.pixel(x, y) != qRgb(255, 255, 0);  // not the marker's
        return count;
    };
    const int whole = callPixels("JJ00");  // the middle of the map
    ASSERT_GT(whole, 20);
    for (const char* grid : {"RL99", "AL09", "JR09"})  // beside the right, left and top edges
        EXPECT_EQ(callPixels(grid), whole) << grid;
}

// The ADIF band table: every band with its edges, whatever region the spot comes from.
TEST(HamBand, FrequenciesToBands)
{
    const struct { double khz; const char* band; } cases[] = {
        {135.7, "2190m"}, {137.9, ""},        {475, "630m"},         {502, "560m"},          {1840, "160m"},
        {1999, "160m"},   {3573, "80m"},      {3850, "80m"},         {4000, "80m"},          {4000.1, ""},
        {5060, "60m"},    {5357, "60m"},      {7074, "40m"},         {7250, "40m"},          {7300, "40m"},
        {7300.1, ""},     {10136, "30m"},     {14025, "20m"},        {14350, "20m"},         {14351, ""},
        {18100, "17m"},   {21074, "15m"},     {24915, "12m"},        {28074, "10m"},         {40680, "8m"},
        {50313, "6m"},    {54000, "6m"},      {54000.1, "5m"},       {69900, "5m"},          {70200, "4m"},
        {144174, "2m"},   {147000, "2m"},     {223500, "1.25m"},     {432100, "70cm"},       {903000, "33cm"},
        {1296200, "23cm"}, {2320000, "13cm"}, {3400100, "9cm"},      {5760100, "6cm"},       {10368100, "3cm"},
        {24048100, "1.25cm"}, {47088100, "6mm"}, {76032100, "4mm"},  {122250000, "2.5mm"},   {134928000, "2mm"},
        {241920000, "1mm"}, {300000000, "submm"}, {7500000001.0, ""}, {100, ""},             {2500, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HamBand::of(c.khz), QLatin1String(c.band)) << c.khz;
    const QStringList names = HamBand::names();
    EXPECT_EQ(names.size(), 33);
    EXPECT_EQ(names.front(), QStringLiteral("2190m"));
    EXPECT_EQ(names.back(), QStringLiteral("submm"));
}

// The list shows the cluster's spots newest first with the way from the own station, filters by
// band, marks what the log lacks and hands on the square (else the call) of a double-clicked row.
TEST(DxSpotsWindow, ListsFiltersMarksAndHandsOnThePartner)
{
    qint64 now = noon;
    SpotService service(calls, [&] { return now; }, 10);
    const auto spot = [&](const char* call, double khz, const char* grid, int minute) {
        ClusterLine line;
        line.call = QString::fromLatin1(call);
        line.frequencyKhz = khz;
        line.grid = QString::fromLatin1(grid);
        line.minuteOfDay = minute;
        service.takeClusterSpot(line, QStringLiteral("dxc.example"));
    };
    spot("JA1XYZ", 14025, "", 11 * 60 + 58);
    spot("VK2ABC", 7074, "QF56", 11 * 60 + 59);
    service.setWorked(japanWorked());
    ParameterSettings parameters;
    DxSpotsWindow window(service, parameters, [] { return GeoPosition{13.4, 52.5}; });
    window.show();
    auto* table = control<QTableWidget>(&window, "Spots");
    ASSERT_TRUE(table);
    ASSERT_EQ(table->rowCount(), 2);
    const QStringList first = {table->item(0, 0)->text(), table->item(0, 2)->text(), table->item(0, 3)->text(),
                               table->item(0, 6)->text()};
    EXPECT_EQ(first, QStringList({"11:59", "VK2ABC", "Australien", "neu"}));
    EXPECT_EQ(table->item(1, 6)->text(), QString());  // Japan is in the log
    EXPECT_TRUE(table->item(1, 5)->text().endsWith(QLatin1String(" km")));
    QSignalSpy chosen(&window, &DxSpotsWindow::partnerChosen);
    emit table->cellDoubleClicked(0, 2);
    emit table->cellDoubleClicked(1, 2);
    ASSERT_EQ(chosen.size(), 2);
    EXPECT_EQ(chosen[0][0].toString(), QStringLiteral("QF56"));
    EXPECT_EQ(chosen[1][0].toString(), QStringLiteral("JA1XYZ"));

    // By keyboard: the list has the focus, the arrow keys choose, Enter takes; a new spot pushes
    // the chosen row down without losing it.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_TRUE(table->hasFocus());
    QTest::keyClick(table, Qt::Key_Down);
    QSignalSpy changed(&service, &SpotService::changed);
    spot("W1AW", 14074, "FN31", 12 * 60);
    ASSERT_TRUE(changed.wait(1000));
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->item(table->currentRow(), 2)->text(), QStringLiteral("JA1XYZ"));
    QTest::keyClick(table, Qt::Key_Return);
    ASSERT_EQ(chosen.size(), 3);
    EXPECT_EQ(chosen[2][0].toString(), QStringLiteral("JA1XYZ"));
    control<QComboBox>(&window, "Band")->setCurrentText(QStringLiteral("20m"));
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(1, 2)->text(), QStringLiteral("JA1XYZ"));
}

// The maps' filter beside the list's: its boxes show what the parameters hold and set it; a band
// the boxes do not know shows as "alle" and stays stored until another is chosen.
TEST(DxSpotsWindow, TheMapsFilterShowsAndSetsTheParameters)
{
    SpotService service(calls, [] { return noon; }, 10);
    ParameterSettings parameters;
    parameters.setMapAgeMinutes(30);
    DxSpotsWindow window(service, parameters, [] { return GeoPosition {}; });
    auto* band = control<QComboBox>(&window, "Kartenband");
    auto* age = control<QComboBox>(&window, "Kartenalter");
    ASSERT_EQ(band->count(), 1 + HamBand::names().size());
    EXPECT_EQ(band->itemText(0), QStringLiteral("alle"));
    EXPECT_EQ(age->count(), 5);
    EXPECT_EQ(age->itemText(0) + u'|' + age->itemText(4), QStringLiteral("alle|60 min"));
    const struct { const char* name; std::function<void()> change; const char *bandShown, *ageShown, *bandStored;
                   int ageStored; } cases[] = {
        {"as stored", [] {}, "alle", "30 min", "", 30},
        {"a band chosen", [&] { band->setCurrentText(QStringLiteral("20m")); }, "20m", "30 min", "20m", 30},
        {"no age limit chosen", [&] { age->setCurrentIndex(0); }, "20m", "alle", "20m", 0},
        {"set elsewhere", [&] { parameters.setMapBand(QStringLiteral("40M")); }, "40m", "alle", "40M", 0},
        {"an unknown band", [&] { parameters.setMapBand(QStringLiteral("7m")); }, "alle", "alle", "7m", 0},
        {"an age chosen", [&] { age->setCurrentText(QStringLiteral("5 min")); }, "alle", "5 min", "7m", 5},
        {"all bands chosen", [&] { band->setCurrentText(QStringLiteral("6m")); band->setCurrentIndex(0); },
         "alle", "5 min", "", 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.change();
        EXPECT_EQ(band->currentText(), QString::fromUtf8(c.bandShown));
        EXPECT_EQ(age->currentText(), QString::fromUtf8(c.ageShown));
        EXPECT_EQ(parameters.mapBand(), QString::fromUtf8(c.bandStored));
        EXPECT_EQ(parameters.mapAgeMinutes(), c.ageStored);
    }
}

} // namespace
