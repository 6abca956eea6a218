// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "session/Session.h"

#include "geo/TargetPoint.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

const GeoPosition berlin{13.40, 52.52};  // degrees east, north
const GeoPosition dortmund{7.47, 51.51};
const QString germany = QStringLiteral("Deutschland");
const QString germanPrefix = QStringLiteral("DL");

void expectTarget(const TargetInfo& actual, const TargetInfo& expected)
{
    EXPECT_EQ(actual.longitude, expected.longitude);
    EXPECT_EQ(actual.latitude, expected.latitude);
    EXPECT_EQ(actual.bearing, expected.bearing);
    EXPECT_EQ(actual.distance, expected.distance);
}

// A moved own station takes a set target along, with the bearing and distance from the new
// place; no target stays none. Either way only the own station's signal tells of it.
TEST(SessionTest, ATargetFollowsTheOwnStationAndNoTargetStaysNone)
{
    for (const bool targetSet : {false, true}) {
        SCOPED_TRACE(targetSet ? "target set" : "no target");
        Session shared;
        if (targetSet)
            shared.setTarget(dortmund.longitude, dortmund.latitude, germany, germanPrefix);
        const QSignalSpy ownChanged(&shared, &Session::ownPositionChanged);
        const QSignalSpy targetChanged(&shared, &Session::targetChanged);
        shared.setOwnPosition(berlin);
        EXPECT_EQ(ownChanged.count(), 1);
        EXPECT_EQ(targetChanged.count(), 0);
        if (targetSet) {
            EXPECT_EQ(shared.target().longitude, dortmund.longitude);
            EXPECT_EQ(shared.target().latitude, dortmund.latitude);
            EXPECT_NEAR(shared.target().bearing, 256.8823, 1e-3);  // degrees, independent haversine/atan2 value
            EXPECT_NEAR(shared.target().distance, 421.409, 1e-2);  // km
        } else {
            EXPECT_FALSE(shared.target().isSet());
        }
        EXPECT_TRUE(shared.targetCountry().isEmpty()) << "the raster names a target seen anew";
    }
}

// Every way of setting the target tells once; a callsign's names go with the next target.
TEST(SessionTest, EachTargetReplacesTheNamesOfTheOneBefore)
{
    Session shared;
    shared.setOwnPosition(berlin);
    const QSignalSpy targetChanged(&shared, &Session::targetChanged);
    shared.setTarget(dortmund.longitude, dortmund.latitude, germany, germanPrefix);
    expectTarget(shared.target(), TargetPoint::seenFrom(berlin, dortmund.longitude, dortmund.latitude));
    EXPECT_EQ(shared.targetPrefix(), germanPrefix);
    const TargetInfo measured{151.21, -33.87, 90, 10009};  // bearing (degrees) and distance (km) read off a picture
    shared.setTarget(measured);
    expectTarget(shared.target(), measured);
    EXPECT_TRUE(shared.targetCountry().isEmpty() && shared.targetPrefix().isEmpty());
    shared.setTarget(dortmund.longitude, dortmund.latitude, germany, germanPrefix);
    shared.clearTarget();
    EXPECT_FALSE(shared.target().isSet());
    EXPECT_TRUE(shared.targetCountry().isEmpty() && shared.targetPrefix().isEmpty());
    EXPECT_EQ(targetChanged.count(), 4);
}

// Each setter tells through its own signal and through no other.
TEST(SessionTest, EachSetterTellsOnlyItsOwnSignal)
{
    using Signal = void (Session::*)();
    const struct {
        const char* what;
        std::function<void(Session&)> set;
        Signal signal;
    } cases[] = {
        {"crosshair colour", [](Session& s) { s.setCrosshairColor(0xFF); }, &Session::crosshairColorChanged},
        {"map name", [](Session& s) { s.setCurrentMapName(QStringLiteral("Welt")); }, &Session::currentMapNameChanged},
        {"partner", [](Session& s) { s.setPartnerPosition(dortmund); }, &Session::partnerPositionChanged},
    };
    const Signal all[] = {&Session::ownPositionChanged,   &Session::partnerPositionChanged,
                          &Session::targetChanged,        &Session::rotorStatusChanged,
                          &Session::rotorLinkLost,        &Session::crosshairColorChanged,
                          &Session::currentMapNameChanged};
    for (const auto& c : cases) {
        Session shared;
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const Signal signal : all)
            spies.push_back(std::make_unique<QSignalSpy>(&shared, signal));
        c.set(shared);
        for (size_t i = 0; i < spies.size(); ++i)
            EXPECT_EQ(spies[i]->count(), all[i] == c.signal ? 1 : 0) << c.what << ", signal " << i;
    }
}

} // namespace
