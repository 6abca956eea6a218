// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "entry/PositionForms.h"

#include "base/AppError.h"

#include <QLocale>
#include <cmath>
#include <limits>
#include <gtest/gtest.h>

namespace {

class PositionFormsTest : public testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    // Confirms a field of the station over the fixture's texts and positions.
    PositionForms::Outcome confirm(int tag, PositionForms::Station station)
    {
        return PositionForms::confirm(tag, station, ownTexts, own, partnerTexts, partner);
    }

    PositionTexts ownTexts, partnerTexts;
    GeoPosition own, partner;
};

TEST_F(PositionFormsTest, DecimalPartnerIsFoldedIntoRangeAndRewrittenInAllForms)
{
    const struct {
        const char *longitude, *latitude;                                                       // typed
        const char *longitudeDecimal, *latitudeDecimal, *longitudeDms, *latitudeDms, *locator;  // shown
    } cases[] = {
        {"190", "0", "-170,0000", "0,0000", "-170°00'00\"", "00°00'00\"", "AJ50AA"},
        {"0", "-90", "0,0000", "90,0000", "00°00'00\"", "90°00'00\"", "JS00AA"},
        {"-180", "91", "180,0000", "-89,0000", "180°00'00\"", "-89°00'00\"", "SA01AA"},
        {"540,5", "270", "-179,5000", "90,0000", "-179°30'00\"", "90°00'00\"", "AS00GA"},
        {"7.0417", "51,5208", "7,0417", "51,5208", "07°02'30\"", "51°31'14\"", "JO31MM"},
        {"0", "0", "0,0000", "0,0000", "00°00'00\"", "00°00'00\"", ""},
        {"abc", "", "0,0000", "0,0000", "00°00'00\"", "00°00'00\"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.longitude) + " / " + c.latitude);
        partnerTexts.longitudeDecimal = QString::fromUtf8(c.longitude);
        partnerTexts.latitudeDecimal = QString::fromUtf8(c.latitude);
        EXPECT_EQ(confirm(PositionForms::decimalTag, PositionForms::Station::partner), PositionForms::Outcome::rewritten);
        EXPECT_EQ(partnerTexts.longitudeDecimal, QString::fromUtf8(c.longitudeDecimal));
        EXPECT_EQ(partnerTexts.latitudeDecimal, QString::fromUtf8(c.latitudeDecimal));
        EXPECT_EQ(partnerTexts.longitudeDms, QString::fromUtf8(c.longitudeDms));
        EXPECT_EQ(partnerTexts.latitudeDms, QString::fromUtf8(c.latitudeDms));
        EXPECT_EQ(partnerTexts.locator, QString::fromUtf8(c.locator));
    }
}

// Only the confirmed station is read back from its texts; the other keeps its exact position,
// however often partner fields are confirmed in any form.
TEST_F(PositionFormsTest, OnlyTheConfirmedStationIsReadBack)
{
    using S = PositionForms::Station;
    const GeoPosition exact{7.0416667, 51.5208333};
    const struct {
        int tag;
        S station;
        bool ownReadBack;
    } cases[] = {
        {PositionForms::decimalTag, S::partner, false},
        {PositionForms::dmsTag, S::partner, false},
        {PositionForms::partnerLocatorTag, S::partner, false},
        {PositionForms::decimalTag, S::own, true},
        {PositionForms::dmsTag, S::own, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tag);
        own = exact;
        PositionForms::rewrite(own, ownTexts);
        partner = {13.4, 52.5};
        PositionForms::rewrite(partner, partnerTexts);
        for (int confirmation = 0; confirmation < 3; ++confirmation)
            confirm(c.tag, c.station);
        if (c.ownReadBack) {
            // What the shown texts hold: 4 decimals, or the position cut to whole seconds.
            EXPECT_NE(own.latitude, exact.latitude);
            EXPECT_NEAR(own.latitude, exact.latitude, 3.0 / 3600);
        } else {
            EXPECT_EQ(own.longitude, exact.longitude);
            EXPECT_EQ(own.latitude, exact.latitude);
            EXPECT_EQ(ownTexts.latitudeDecimal, QStringLiteral("51,5208"));
        }
    }
}

// A degree-minute-second text typed as whole seconds stays as typed however often it is confirmed.
TEST_F(PositionFormsTest, WholeSecondTextsStayAsTypedAtEveryConfirmation)
{
    const struct {
        const char *longitude, *latitude;
    } cases[] = {
        {"02°21'08\"", "48°51'24\""},  {"-179°59'59\"", "-89°59'59\""}, {"180°00'00\"", "90°00'00\""},
        {"-00°00'01\"", "00°00'01\""}, {"13°24'36\"", "52°31'12\""},    {"-74°00'22\"", "40°42'46\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.longitude) + " / " + c.latitude);
        partnerTexts.longitudeDms = QString::fromUtf8(c.longitude);
        partnerTexts.latitudeDms = QString::fromUtf8(c.latitude);
        for (int confirmation = 1; confirmation <= 5; ++confirmation) {
            SCOPED_TRACE(confirmation);
            confirm(PositionForms::dmsTag, PositionForms::Station::partner);
            EXPECT_EQ(partnerTexts.longitudeDms.toStdString(), c.longitude);
            EXPECT_EQ(partnerTexts.latitudeDms.toStdString(), c.latitude);
        }
    }
}

TEST_F(PositionFormsTest, DecimalConfirmOfTheOwnFieldsKeepsOnlyTheShownDecimals)
{
    own = {7.0416667, 51.5208333};
    ownTexts.longitudeDecimal = QStringLiteral("7,0417");
    ownTexts.latitudeDecimal = QStringLiteral("51,5208");
    partner = {13.4, 52.5};
    confirm(PositionForms::decimalTag, PositionForms::Station::own);
    EXPECT_DOUBLE_EQ(own.longitude, 7.0417);
    EXPECT_DOUBLE_EQ(own.latitude, 51.5208);
    EXPECT_EQ(partnerTexts.locator, QStringLiteral("JO62QM"));
}

TEST_F(PositionFormsTest, LocatorsConvertToTheSubsquareCentreOrLeaveThePositionUnchanged)
{
    using O = PositionForms::Outcome;
    const struct {
        int tag;
        const char* typed;
        PositionForms::Outcome outcome;
        double longitude, latitude;  // degrees east and north of the station whose locator was typed
        const char* locatorShown;
    } cases[] = {
        {PositionForms::ownLocatorTag, "JO31MM", O::rewritten, 7.0416667, 51.5208333, "JO31MM"},
        {PositionForms::partnerLocatorTag, "jo31mm", O::rewritten, 7.0416667, 51.5208333, "JO31MM"},
        {PositionForms::partnerLocatorTag, "AA00AA", O::rewritten, -179.9583333, -89.9791667, "AA00AA"},
        // Letters beyond the valid fields convert arithmetically and fold back into range.
        {PositionForms::partnerLocatorTag, "ZZ99ZZ", O::rewritten, -19.875, -9.9375, "II00BB"},
        {PositionForms::ownLocatorTag, "JO31M", O::invalidLocator, 13.4, 52.5, "JO62QM"},
        {PositionForms::partnerLocatorTag, "JO31MMX", O::invalidLocator, 13.4, 52.5, "JO62QM"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        own = partner = {13.4, 52.5};
        const bool ownTyped = c.tag == PositionForms::ownLocatorTag;
        (ownTyped ? ownTexts : partnerTexts).locator = QString::fromUtf8(c.typed);
        const auto station = ownTyped ? PositionForms::Station::own : PositionForms::Station::partner;
        EXPECT_EQ(confirm(c.tag, station), c.outcome);
        const GeoPosition& typed = ownTyped ? own : partner;
        EXPECT_NEAR(typed.longitude, c.longitude, 1e-6);
        EXPECT_NEAR(typed.latitude, c.latitude, 1e-6);
        EXPECT_EQ((ownTyped ? ownTexts : partnerTexts).locator, QString::fromUtf8(c.locatorShown));
        // The other station keeps its position.
        const GeoPosition& other = ownTyped ? partner : own;
        EXPECT_DOUBLE_EQ(other.longitude, 13.4);
        EXPECT_DOUBLE_EQ(other.latitude, 52.5);
    }
}

TEST_F(PositionFormsTest, NonDigitInLocatorPositionThreeChangesNothing)
{
    own = {13.4, 52.5};
    ownTexts.locator = QStringLiteral("JOA1MM");
    ownTexts.longitudeDecimal = QStringLiteral("unchanged");
    EXPECT_THROW(confirm(PositionForms::ownLocatorTag, PositionForms::Station::own), AppError);
    EXPECT_DOUBLE_EQ(own.longitude, 13.4);
    EXPECT_DOUBLE_EQ(own.latitude, 52.5);
    EXPECT_EQ(ownTexts.locator, QStringLiteral("JOA1MM"));
    EXPECT_EQ(ownTexts.longitudeDecimal, QStringLiteral("unchanged"));
}

TEST_F(PositionFormsTest, FoldingKeepsTheHalfOpenRangesAndCopesWithExtremeValues)
{
    const struct {
        double in, longitude, latitude;
    } cases[] = {
        {180, 180, 0},      {-180, 180, 0},  {90, 90, 90},          {-90, -90, 90},       {-89.5, -89.5, -89.5},
        {720, 0, 0},        {361, 1, 1},     {1e300, 0, 0},  {1e12 + 90, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        const double longitude = PositionForms::normalizedLongitude(c.in);
        const double latitude = PositionForms::normalizedLatitude(c.in);
        EXPECT_GT(longitude, -180.0);
        EXPECT_LE(longitude, 180.0);
        EXPECT_GT(latitude, -90.0);
        EXPECT_LE(latitude, 90.0);
        if (std::fabs(c.in) < 1e6) {
            EXPECT_DOUBLE_EQ(longitude, c.longitude);
            EXPECT_DOUBLE_EQ(latitude, c.latitude);
        }
    }
    EXPECT_EQ(PositionForms::normalizedLongitude(std::numeric_limits<double>::infinity()), 0.0);
    EXPECT_EQ(PositionForms::normalizedLatitude(std::numeric_limits<double>::quiet_NaN()), 0.0);

    // A typed overflow reads as infinity.
    partnerTexts.longitudeDecimal = QStringLiteral("1e400");
    confirm(PositionForms::decimalTag, PositionForms::Station::partner);
    EXPECT_EQ(partnerTexts.longitudeDecimal, QStringLiteral("0,0000"));
}

} // namespace
