// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/BridgeLog.h"
#include "rotorbridge/BridgeOptions.h"
#include "rotorbridge/MotionDetector.h"
#include "rotorbridge/RotatorKeeper.h"
#include "rotorbridge/TravelRange.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <vector>

namespace {

struct MotionCase {
    const char* what;
    std::vector<std::optional<double>> readings;  // degrees, one per status
    std::vector<int> expected;
};

void PrintTo(const MotionCase& c, std::ostream* os) { *os << c.what; }

class MotionDetectorTest : public testing::TestWithParam<MotionCase> {};

TEST_P(MotionDetectorTest, FollowsTheReadings)
{
    MotionDetector detector;
    std::vector<int> motions;
    for (const auto& reading : GetParam().readings)
        motions.push_back(detector.update(reading));
    EXPECT_EQ(motions, GetParam().expected);
}

const std::optional<double> none;

INSTANTIATE_TEST_SUITE_P(Table, MotionDetectorTest, testing::Values(
    MotionCase{"a standing rotator wobbling by half a degree", {100, 100.5, 99.5, 100.5, 99.5, 100, 99.5, 100.5},
               {0, 0, 0, 0, 0, 0, 0, 0}},
    MotionCase{"turning right: from the second reading on", {10, 13, 16, 19, 22, 22, 22}, {0, 1, 1, 1, 1, 0, 0}},
    MotionCase{"turning left", {50, 47, 44.5, 41}, {0, -1, -1, -1}},
    MotionCase{"slowing to a stop keeps it only while steps exceed the wobble", {0, 3, 6, 7.2, 7.9, 8.0}, {0, 1, 1, 1, 0, 0}},
    MotionCase{"a step of 1.5 degrees does not start motion", {0, 1.5}, {0, 0}},
    // 1 °/s, half a degree a step, with the worst wobble: its direction within 3 s, held.
    MotionCase{"turning slowly right", {100.5, 100, 101.5, 101, 102.5, 102, 102.5, 103, 104.5, 104},
               {0, 0, 0, 0, 1, 1, 1, 1, 1, 1}},
    MotionCase{"turning slowly left", {99.5, 100, 98.5, 99, 97.5, 98, 96.5, 97}, {0, 0, 0, 0, -1, -1, -1, -1}},
    MotionCase{"a slow rotator stopping", {0, 0.5, 1, 1.5, 2, 2.5, 3, 3, 3, 3, 3, 3, 3},
               {0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0}},
    MotionCase{"reversing at once", {0, 3, 6, 3, 0}, {0, 1, 1, -1, -1}},
    MotionCase{"an unread position forgets the readings", {0, 3, none, 6, 9}, {0, 1, 0, 0, 1}}));

struct TravelCase {
    const char* what;
    std::optional<int> wantedMinimum, wantedMaximum;
    std::optional<HamlibRotator::Range> accepted;
    int minimum, maximum;
    bool cut;
};

void PrintTo(const TravelCase& c, std::ostream* os) { *os << c.what; }

class TravelRangeTest : public testing::TestWithParam<TravelCase> {};

TEST_P(TravelRangeTest, CutsToWhatTheRotatorAccepts)
{
    const TravelCase& c = GetParam();
    const TravelRange range = TravelRange::effective(c.wantedMinimum, c.wantedMaximum, c.accepted);
    EXPECT_EQ(range.minimum, c.minimum);
    EXPECT_EQ(range.maximum, c.maximum);
    EXPECT_EQ(range.cut, c.cut);
}

INSTANTIATE_TEST_SUITE_P(Table, TravelRangeTest, testing::Values(
    TravelCase{"registered beyond the rotator: cut", -180, 540, HamlibRotator::Range{-180.0, 450.0}, -180, 450, true},
    TravelCase{"registered inside: kept", 0, 360, HamlibRotator::Range{-180.0, 450.0}, 0, 360, false},
    TravelCase{"nothing registered: the rotator's", {}, {}, HamlibRotator::Range{-180.0, 450.0}, -180, 450, false},
    TravelCase{"fractional rotator ends: whole degrees inside", {}, {}, HamlibRotator::Range{-179.5, 449.5}, -179, 449, false},
    TravelCase{"a rotator without a range: as registered", -90, 500, {}, -90, 500, false},
    TravelCase{"neither says: a plain turn", {}, {}, {}, 0, 360, false},
    TravelCase{"left end beyond the right one: crossed, no range", 500, {}, HamlibRotator::Range{-180.0, 450.0}, 500, 450, false},
    TravelCase{"huge rotator ends do not overflow", {}, {}, HamlibRotator::Range{-1e12, 1e12}, INT_MIN, INT_MAX, false}));

TEST(RotatorKeeper, ReopeningPausesGrowToFiveSeconds)
{
    const std::vector<qint64> pauses{RotatorKeeper::reopenPause(1), RotatorKeeper::reopenPause(2), RotatorKeeper::reopenPause(3),
                                     RotatorKeeper::reopenPause(4), RotatorKeeper::reopenPause(100)};
    EXPECT_EQ(pauses, (std::vector<qint64>{1000, 2000, 5000, 5000, 5000}));
}

TEST(BridgeLog, RotatesWhenTheFileGrowsAndKeepsOneOlderGeneration)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/sub/CorvaneRotor.log");
    BridgeLog log(path);
    log.write(QStringLiteral("erste Zeile"));
    ASSERT_TRUE(QFile::exists(path)) << "the folder is made as needed";
    const QString line(200, u'x');
    while (QFile(path + QStringLiteral(".1")).size() == 0)
        log.write(line);
    log.write(QStringLiteral("letzte Zeile"));
    EXPECT_LT(QFile(path).size(), BridgeLog::rotateBytes);
    EXPECT_LT(QFile(path + QStringLiteral(".1")).size(), BridgeLog::rotateBytes + 300);
    QFile current(path);
    ASSERT_TRUE(current.open(QIODevice::ReadOnly));
    EXPECT_TRUE(current.readAll().trimmed().endsWith("letzte Zeile"));
}

TEST(BridgeLog, StateFolderFollowsXdgStateHome)
{
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", "/var/tmp/zustand");
    EXPECT_EQ(BridgeLog::defaultPath(), QStringLiteral("/var/tmp/zustand/Corvane/CorvaneRotor.log"));
    qputenv("XDG_STATE_HOME", "relativ");
    EXPECT_TRUE(BridgeLog::defaultPath().endsWith(QStringLiteral("/.local/state/Corvane/CorvaneRotor.log")));
    qputenv("XDG_STATE_HOME", saved);
}

// Options on the command line, with the stored ones in a registry of the test's own.
class BridgeOptionsTest : public testing::Test {
protected:
    QTemporaryDir config;
    void SetUp() override { qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path())); }

    static std::optional<BridgeOptions> parse(QStringList arguments, QString* error)
    {
        arguments.prepend(QStringLiteral("CorvaneRotor"));
        return BridgeOptions::parse(arguments, error);
    }
};

TEST_F(BridgeOptionsTest, RegisterTakesOnlyWhatItIsGivenAndARunFillsTheRestFromTheStore)
{
    QString error;
    const auto first = parse({"--register", "--model", "2", "--device", "host:4533", "--min-az", "-90", "--max-az", "400",
                              "--set-conf", "timeout=500", "--set-conf", "retry=1"}, &error);
    ASSERT_TRUE(first) << error.toStdString();
    EXPECT_EQ(first->action, BridgeOptions::Action::Register);
    ASSERT_TRUE(first->save(QStringLiteral("/opt/rotor/CorvaneRotor")));

    const auto run = parse({"--max-az", "360"}, &error);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->action, BridgeOptions::Action::Run);
    EXPECT_EQ(run->model, 2);
    EXPECT_EQ(run->device, QStringLiteral("host:4533"));
    EXPECT_EQ(run->conf, (QStringList{"timeout=500", "retry=1"}));
    EXPECT_EQ(run->minAzimuth, -90);
    EXPECT_EQ(run->maxAzimuth, 360);

    const auto second = parse({"--register", "--model", "1"}, &error);
    ASSERT_TRUE(second);
    EXPECT_TRUE(second->device.isEmpty());
    EXPECT_TRUE(second->conf.isEmpty());
    EXPECT_FALSE(second->minAzimuth);
    EXPECT_FALSE(second->maxAzimuth);
    ASSERT_TRUE(second->save(QStringLiteral("/opt/rotor/CorvaneRotor")));
    const BridgeOptions stored = BridgeOptions::stored(&error);
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(stored.model, 1);
    EXPECT_TRUE(stored.device.isEmpty());
    EXPECT_EQ(stored.describe(), (QStringList{"Rotormodell: 1 (Hamlib Dummy)", "Gerät: Vorgabe des Modells",
                                              "Hamlib-Einstellungen: keine", "Drehbereich: wie der Rotor ihn angibt"}));
    EXPECT_EQ(BridgeOptions::storedProgram(), QStringLiteral("/opt/rotor/CorvaneRotor"));
}

TEST_F(BridgeOptionsTest, ClientPortsAndMotionRulesAreRegisteredAndReadBack)
{
    QString error;
    const auto defaults = parse({"--register"}, &error);
    ASSERT_TRUE(defaults) << error.toStdString();
    EXPECT_EQ(defaults->links.describe(),
              (QStringList{"rotctld-Server: aus", "PstRotator-UDP: 127.0.0.1:12000", "N1MM-UDP: 127.0.0.1:12040, Meldungen an 127.0.0.1:13010",
                           "Parkposition: die des Rotors", "Totzone: 2°, Mindestabstand der Befehle: 1000 ms"}));
    const auto registered = parse({"--register", "--serve-rotctld", "0.0.0.0:4533", "--pst", "aus", "--n1mm", "12041",
                                   "--park-az", "180", "--park-el", "5", "--dead-band", "1,5", "--least-interval", "2000"}, &error);
    ASSERT_TRUE(registered) << error.toStdString();
    ASSERT_TRUE(registered->save(QStringLiteral("/opt/rotor/CorvaneRotor")));
    const auto run = parse({"--n1mm", "aus"}, &error);
    ASSERT_TRUE(run) << error.toStdString();
    EXPECT_EQ(run->links.describe(),
              (QStringList{"rotctld-Server: 0.0.0.0:4533", "PstRotator-UDP: aus", "N1MM-UDP: aus, Meldungen an 127.0.0.1:13010",
                           "Parkposition: Azimut 180°, Elevation 5°", "Totzone: 1.5°, Mindestabstand der Befehle: 2000 ms"}));
    EXPECT_EQ(BridgeOptions::stored(&error).links.n1mm.port, 12041) << "a run's options are not stored";
}

TEST_F(BridgeOptionsTest, BadOptionsAreRefusedWithAMessage)
{
    const QStringList cases[] = {
        {"--model", "0"},
        {"--model", "zwei"},
        {"--set-conf", "ohne_gleichheitszeichen"},
        {"--set-conf", "=wert"},
        {"--min-az", "10", "--max-az", "10"},
        {"--min-az", "links"},
        {"--register", "--show"},
        {"überzählig"},
        {"--serve-rotctld", "70000"},
        {"--pst", "rechner:12000"},
        {"--dead-band", "-1"},
        {"--least-interval", "nan"},
        {"--park-az", "1e400"},
    };
    for (const QStringList& arguments : cases) {
        QString error;
        EXPECT_FALSE(parse(arguments, &error)) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(error.isEmpty()) << arguments.join(u' ').toStdString();
    }
}

} // namespace
