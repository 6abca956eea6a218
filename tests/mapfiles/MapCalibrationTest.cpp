// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mapfiles/MapCalibration.h"

#include "base/AppError.h"
#include "geo/CoordinateText.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(MapCalibrationTest, CornerLineGivesLatitudeAndLongitude)
{
    // Line, latitude and longitude in degrees. Hundredths are cut to whole minutes (45.33N); lower case and a
    // one-digit minute are read (52.05n); degree signs, colons and blanks are dropped.
    const std::tuple<const char*, double, double> cases[] = {
        {"52.30N 7.25E", 52.3, 7.25},     {"7.25E 52.30N", 52.3, 7.25},
        {"10,50S; 20,00W", -10.5, -20.0}, {"45.33N 0.00E", 45.0 + 19.0 / 60.0, 0.0},
        {"72.00N 25.50W", 72.0, -25.5},   {"90.00S 180.00E", -90.0, 180.0},
        {"52.05n 13.95e", 52.05, 13.95},  {"50.00°N : 8.40°E", 50.0, 8.4},
    };
    for (const auto& [line, expectedLatitude, expectedLongitude] : cases) {
        QString longitude, latitude;
        MapCalibration::ParseCornerLine(QString::fromUtf8(line), longitude, latitude);
        EXPECT_NEAR(dmsTextToDegrees(latitude), expectedLatitude, 1e-12) << line;
        EXPECT_NEAR(dmsTextToDegrees(longitude), expectedLongitude, 1e-12) << line;
    }
}

TEST(MapCalibrationTest, MalformedCornerLineIsRejected)
{
    const char* const lines[] = {
        "52.30N",        // one hemisphere letter
        "",              // none
        "52.3N 7.25E",   // one decimal
        "52N 7.25E",     // no decimals
        "52.30N 7.25N",  // two latitudes
        "7.25E 8.25W",   // two longitudes
        "52.30O 7.25N",  // "O" is not east
    };
    for (const char* line : lines) {
        QString longitude, latitude;
        EXPECT_THROW(MapCalibration::ParseCornerLine(QString::fromUtf8(line), longitude, latitude), AppError) << line;
    }
}

// A file without its second line is refused by the map catalogue's test; a missing one here.
TEST(MapCalibrationTest, FileGivesNorthWestThenSouthEastCornerWithAnyLineEnd)
{
    QTemporaryDir dir;
    EXPECT_THROW(MapCalibration::readFile(dir.filePath("none.inf")), AppError);
    for (const char* end : {"\r\n", "\r", "\n"}) {
        SCOPED_TRACE(QByteArray(end).toHex().toStdString());
        QFile file(dir.filePath("Europa.inf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("72.00N 25.00W") + end + "34.00N 45.00E" + end + "ignored" + end);
        file.close();
        const MapView view = MapCalibration::readFile(file.fileName());
        EXPECT_EQ(std::tuple(view.top, view.left, view.bottom, view.right), std::tuple(72.0L, -25.0L, 34.0L, 45.0L));
    }
}

}  // namespace
