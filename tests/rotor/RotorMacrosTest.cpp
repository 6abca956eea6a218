// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/RotorMacros.h"
#include "base/AppError.h"
#include "platform/DdeNames.h"
#include "session/RotorState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <tuple>
#include <utility>

namespace {

TEST(RotorMacros, TargetTenthsRoundHalfToEvenWithinTheIntegerRange)
{
    const std::pair<double, const char*> cases[] = {
        {12.25, "122"}, {12.75, "128"},   {-12.3, "-123"}, {-12.25, "-122"}, {0.05, "0"},
        {0.15, "2"},    {359.95, "3600"}, {-180, "-1800"}, {540, "5400"},
    };
    for (const auto& [degrees, line] : cases)
        EXPECT_EQ(RotorMacros::targetLines(degrees, 0), (QStringList {line, "0", "0"})) << degrees;
    // Beyond the integer range there is no line to write.
    for (const double degrees :
         {1e12, -1e12, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
        EXPECT_THROW(RotorMacros::tenths(degrees), AppError) << degrees;
}

TEST(RotorMacros, LinesSplitAtEveryLineBreakAndStopAtNul)
{
    const std::pair<QString, QStringList> cases[] = {
        {QStringLiteral("1\r\n2\r\n"), {"1", "2"}},
        {QStringLiteral("1\r2\n3"), {"1", "2", "3"}},
        {QStringLiteral("1\r\n\r\n3\r\n"), {"1", "", "3"}},
        {QStringLiteral("1\n\n"), {"1", ""}},
        {QStringLiteral("1\r\n2\r\n") + QChar(0) + QStringLiteral("3\r\n"), {"1", "2"}},
        {QString(), {}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(RotorMacros::lines(text), lines) << text.toStdString();
}

TEST(RotorMacros, ApplicationTitleIsTheBaseNameWithLowerCaseTailAndBusNamesAreSanitised)
{
    // The program's path, its title, and the services it serves and is reached under.
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"/opt/corvane/Corvane", "Corvane", "Corvane", "Corvane"},
        {"/opt/corvane/CORVANE.EXE", "Corvane", "CORVANE", "CORVANE"},
        {"/opt/x/corvane_rotor_tests", "corvane_rotor_tests", "corvane_rotor_tests", "corvane_rotor_tests"},
        {"C:/Velt/Rotor.v2.exe", "Rotor", "Rotor", "Rotor.v2"},
        {"/opt/x/CorvaneRotor", "Corvanerotor", "CorvaneRotor", "CorvaneRotor"},
    };
    for (const auto& [path, title, ownService, programService] : cases) {
        EXPECT_EQ(RotorMacros::applicationTitle(path), QLatin1String(title)) << path;
        EXPECT_EQ(DdeNames::ownService(path), QLatin1String(ownService)) << path;
        EXPECT_EQ(DdeNames::programService(path), QLatin1String(programService)) << path;
    }
    const std::pair<const char*, const char*> buses[] = {
        {"Corvane", "dde.Corvane"},
        {"Rotor.v2", "dde.Rotor_v2"},
        {"3D-Rotor", "dde._3D_Rotor"},
        {"Größe", "dde.Gr__e"},
        {"", "dde._"},
    };
    for (const auto& [service, busName] : buses)
        EXPECT_EQ(DdeNames::busName(QString::fromUtf8(service)), QLatin1String(busName)) << service;
    EXPECT_EQ(DdeNames::objectPath(QStringLiteral("AntDaten")), QStringLiteral("/AntDaten"));
}

// A hello is "ZD" and the title, a target three lines of tenths of a degree; every line ends in CR LF.
TEST(RotorMacros, HelloTitleOnlyFromAZdLineAndTargetFromTenths)
{
    EXPECT_EQ(RotorMacros::text(RotorMacros::helloLines(QStringLiteral("Corvane"))), QStringLiteral("ZD Corvane\r\n"));
    EXPECT_EQ(RotorMacros::text(RotorMacros::targetLines(12.3, 5.5)), QStringLiteral("123\r\n55\r\n0\r\n"));
    EXPECT_EQ(RotorMacros::helloTitle({"ZD Corvane"}), QStringLiteral("Corvane"));
    EXPECT_FALSE(RotorMacros::helloTitle({"1234"}));
    EXPECT_FALSE(RotorMacros::helloTitle({}));
    const auto target = RotorMacros::parseTarget({"-123", "55", "0"});
    ASSERT_TRUE(target);
    EXPECT_DOUBLE_EQ(target->azimuth, -12.3);
    EXPECT_DOUBLE_EQ(target->elevation, 5.5);
    EXPECT_FALSE(RotorMacros::parseTarget({"12x", "0", "0"}));
    EXPECT_FALSE(RotorMacros::parseTarget({"12"}));
}

// Fields 1-9 of a status: azimuth and elevation in degrees, motion, fields 4 to 7, the travel ends.
using Fields = std::tuple<std::optional<double>, double, int, int, int, int, int, int, int>;

Fields fieldsOf(const RotorState& s)
{
    return {s.rotorAzimuth, s.rotorElevation, s.rotorMotion,     s.rotorStatus4,   s.rotorStatus5,
            s.rotorStatus6, s.rotorStatus7,   s.rotorMinAzimuth, s.rotorMaxAzimuth};
}

TEST(RotorMacros, StatusRoundTripsThroughItsLines)
{
    EXPECT_EQ(RotorMacros::statusLines({-100000, 0, 0, 0, 360})[5], QStringLiteral("0")) << "no reading, not ready";
    const QStringList lines = RotorMacros::statusLines({123.4, 5.5, 1, -180, 540, true});
    EXPECT_EQ(lines, QStringList({"1234", "55", "1", "0", "0", "1", "0", "-180", "540", "1"}));
    RotorState state;
    EXPECT_EQ(RotorMacros::parseStatus(lines, state), RotorMacros::StatusResult::Complete);
    EXPECT_EQ(fieldsOf(state), (Fields {123.4, 5.5, 1, 0, 0, 1, 0, -180, 540}));
    EXPECT_EQ(state.rotorGoalCount, 0) << "ten lines leave the goal unreported";
    RotorMacros::Status withGoal {123.4, 5.5, 1, -180, 540, true};
    withGoal.goalAzimuth = 85.5;
    withGoal.goalCount = 7;
    const QStringList goalLines = RotorMacros::statusLines(withGoal);
    EXPECT_EQ(goalLines.mid(10), QStringList({"855", "7"})) << "the goal follows the ten lines older readers know";
    EXPECT_EQ(RotorMacros::parseStatus(goalLines, state), RotorMacros::StatusResult::Complete);
    EXPECT_EQ(state.rotorGoalAzimuth, 85.5);
    EXPECT_EQ(state.rotorGoalCount, 7);
    withGoal.goalAzimuth.reset();
    EXPECT_EQ(RotorMacros::statusLines(withGoal).mid(10), QStringList({"-100000", "7"}))
        << "a goal given up after a stop";
    EXPECT_EQ(RotorMacros::parseStatus(RotorMacros::statusLines(withGoal), state), RotorMacros::StatusResult::Complete);
    EXPECT_EQ(state.rotorGoalAzimuth, std::nullopt);
}

TEST(RotorMacros, StatusStoresLineByLine)
{
    using R = RotorMacros::StatusResult;
    constexpr std::optional<double> none;
    const Fields nothing {none, 0, 0, 0, 0, 0, 0, 0, 0};
    const struct {
        const char* lines;  // comma-separated
        R result;
        Fields fields;
    } cases[] = {
        {"1234,55,1,0,0,0,0,-180,540,1", R::Complete, {123.4, 5.5, 1, 0, 0, 0, 0, -180, 540}},
        {"1234,55,1,0,0,0,0,-180,540,0", R::Complete, {123.4, 5.5, 1, 0, 0, 0, 0, -180, 540}},
        {"-5,-12,-1,4,5,6,7,8,9,1,extra", R::Complete, {-0.5, -1.2, -1, 4, 5, 6, 7, 8, 9}},
        {" 900 ,+10,0,0,0,2,0,0,360,1", R::Complete, {90, 1, 0, 0, 0, 2, 0, 0, 360}},
        // Seven to nine lines: the fields present are taken.
        {"900,0,0,1,2,3,4", R::Complete, {90, 0, 0, 1, 2, 3, 4, 0, 0}},
        // The rotor program's number for no reading is stored as none.
        {"-100000,0,0,0,0,0,0,0,360", R::Complete, {none, 0, 0, 0, 0, 0, 0, 0, 360}},
        {"900,0,0,1,2,3,4,-90", R::Complete, {90, 0, 0, 1, 2, 3, 4, -90, 0}},
        // Fewer than seven lines: nothing is stored.
        {"900,0,0,1,2,3", R::Ignored, nothing},
        {nullptr, R::Ignored, nothing},
        // A line that is no integer stops there; the lines before keep their values.
        {"900,0,x,1,2,3,4,5,6,1", R::Stopped, {90, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"12.5,0,0,0,0,0,0,0,0,1", R::Stopped, nothing},
        {"900,10,1,0,0,0,0,,360,1", R::Stopped, {90, 1, 1, 0, 0, 0, 0, 0, 0}},
        {"900,10,1,0,0,0,0,0,99999999999,1", R::Stopped, {90, 1, 1, 0, 0, 0, 0, 0, 0}},
        // Travel ends out of order: nothing is stored, also when the macro stops after the left end.
        {"900,10,1,0,0,0,0,540,-180,1", R::Ignored, nothing},
        {"900,10,1,0,0,0,0,2147483647,-2147483648,1", R::Ignored, nothing},
        {"900,10,1,0,0,0,0,500,x,1", R::Ignored, nothing},
        {"900,0,0,1,2,3,4,90", R::Ignored, nothing},
        // The extremes in order, and equal ends, are a travel like any other.
        {"900,10,1,0,0,0,0,-2147483648,2147483647,1", R::Complete, {90, 1, 1, 0, 0, 0, 0, -2147483647 - 1, 2147483647}},
        {"900,10,1,0,0,0,0,45,45,1", R::Complete, {90, 1, 1, 0, 0, 0, 0, 45, 45}},
        // Line 10 is not read as a number.
        {"900,10,1,0,0,0,0,0,360,ok", R::Complete, {90, 1, 1, 0, 0, 0, 0, 0, 360}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines ? c.lines : "no lines");
        RotorState state;
        EXPECT_EQ(RotorMacros::parseStatus(c.lines ? QString(c.lines).split(u',') : QStringList(), state), c.result);
        EXPECT_EQ(fieldsOf(state), c.fields);
    }
}

}  // namespace
