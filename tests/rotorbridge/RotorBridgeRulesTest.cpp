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

#include <climits>
#include <optional>
#include <tuple>
#include <vector>

namespace {

TEST(MotionDetector, FollowsTheReadings)
{
    const std::optional<double> none;
    const struct {
        const char* what;
        std::vector<std::optional<double>> readings;  // degrees, one per status
        std::vector<int> expected;
    } cases[] = {
        {"a standing rotator wobbling by half a degree",
         {100, 100.5, 99.5, 100.5, 99.5, 100, 99.5, 100.5},
         {0, 0, 0, 0, 0, 0, 0, 0}},
        {"turning right: from the second reading on", {10, 13, 16, 19, 22, 22, 22}, {0, 1, 1, 1, 1, 0, 0}},
        {"turning left", {50, 47, 44.5, 41}, {0, -1, -1, -1}},
        {"slowing to a stop keeps it only while steps exceed the wobble", {0, 3, 6, 7.2, 7.9, 8.0}, {0, 1, 1, 1, 0, 0}},
        {"a step of 1.5 degrees does not start motion", {0, 1.5}, {0, 0}},
        // 1 °/s, half a degree a step, with the worst wobble: its direction within 3 s, held.
        {"turning slowly right",
         {100.5, 100, 101.5, 101, 102.5, 102, 102.5, 103, 104.5, 104},
         {0, 0, 0, 0, 1, 1, 1, 1, 1, 1}},
        {"turning slowly left", {99.5, 100, 98.5, 99, 97.5, 98, 96.5, 97}, {0, 0, 0, 0, -1, -1, -1, -1}},
        {"a slow rotator stopping",
         {0, 0.5, 1, 1.5, 2, 2.5, 3, 3, 3, 3, 3, 3, 3},
         {0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0}},
        {"reversing at once", {0, 3, 6, 3, 0}, {0, 1, 1, -1, -1}},
        {"an unread position forgets the readings", {0, 3, none, 6, 9}, {0, 1, 0, 0, 1}},
    };
    for (const auto& c : cases) {
        MotionDetector detector;
        std::vector<int> motions;
        for (const auto& reading : c.readings)
            motions.push_back(detector.update(reading));
        EXPECT_EQ(motions, c.expected) << c.what;
    }
}

TEST(TravelRange, CutsToWhatTheRotatorAccepts)
{
    using Range = HamlibRotator::Range;
    const Range wide {-180.0, 450.0};  // degrees
    const struct {
        const char* what;
        std::optional<int> wantedMinimum, wantedMaximum;
        std::optional<Range> accepted;
        int minimum, maximum;
        bool cut;
    } cases[] = {
        {"registered beyond the rotator: cut", -180, 540, wide, -180, 450, true},
        {"registered inside: kept", 0, 360, wide, 0, 360, false},
        {"nothing registered: the rotator's", {}, {}, wide, -180, 450, false},
        {"fractional rotator ends: whole degrees inside", {}, {}, Range {-179.5, 449.5}, -179, 449, false},
        {"a rotator without a range: as registered", -90, 500, {}, -90, 500, false},
        {"neither says: a plain turn", {}, {}, {}, 0, 360, false},
        {"left end beyond the right one: crossed, no range", 500, {}, wide, 500, 450, false},
        {"huge rotator ends do not overflow", {}, {}, Range {-1e12, 1e12}, INT_MIN, INT_MAX, false},
    };
    for (const auto& c : cases) {
        const TravelRange range = TravelRange::effective(c.wantedMinimum, c.wantedMaximum, c.accepted);
        EXPECT_EQ(std::tie(range.minimum, range.maximum, range.cut), std::tie(c.minimum, c.maximum, c.cut)) << c.what;
    }
}

TEST(RotatorKeeper, ReopeningPausesGrowToFiveSeconds)
{
    for (const auto& [failures, pauseMs] : {std::pair {1, 1000}, {2, 2000}, {3, 5000}, {4, 5000}, {100, 5000}})
        EXPECT_EQ(RotatorKeeper::reopenPause(failures), pauseMs) << failures;
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
    QString error;  // of the last parse
    void SetUp() override { qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path())); }

    std::optional<BridgeOptions> parse(const QStringList& arguments)
    {
        error.clear();
        return BridgeOptions::parse(QStringList {"CorvaneRotor"} + arguments, &error);
    }
};

TEST_F(BridgeOptionsTest, RegisterTakesOnlyWhatItIsGivenAndARunFillsTheRestFromTheStore)
{
    const auto first = parse({"--register", "--model", "2", "--device", "host:4533", "--min-az", "-90", "--max-az",
                              "400", "--set-conf", "timeout=500", "--set-conf", "retry=1"});
    ASSERT_TRUE(first) << error.toStdString();
    EXPECT_EQ(first->action, BridgeOptions::Action::Register);
    ASSERT_TRUE(first->save(QStringLiteral("/opt/rotor/CorvaneRotor")));
    const auto run = parse({"--max-az", "360"});
    ASSERT_TRUE(run);
    EXPECT_EQ(run->action, BridgeOptions::Action::Run);
    EXPECT_EQ(run->model, 2);
    EXPECT_EQ(run->device, QStringLiteral("host:4533"));
    EXPECT_EQ(run->conf, (QStringList {"timeout=500", "retry=1"}));
    EXPECT_EQ(run->minAzimuth, -90);
    EXPECT_EQ(run->maxAzimuth, 360);
    const auto second = parse({"--register", "--model", "1"});
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
    EXPECT_EQ(stored.describe(),
              (QStringList {"Rotormodell: 1 (Hamlib Dummy)", "Gerät: Vorgabe des Modells",
                            "Hamlib-Einstellungen: keine", "Drehbereich: wie der Rotor ihn angibt"}));
    EXPECT_EQ(BridgeOptions::storedProgram(), QStringLiteral("/opt/rotor/CorvaneRotor"));
}

TEST_F(BridgeOptionsTest, ClientPortsAndMotionRulesAreRegisteredAndReadBack)
{
    const auto defaults = parse({"--register"});
    ASSERT_TRUE(defaults) << error.toStdString();
    EXPECT_EQ(defaults->links.describe(),
              (QStringList {"rotctld-Server: aus", "PstRotator-UDP: 127.0.0.1:12000",
                            "N1MM-UDP: 127.0.0.1:12040, Meldungen an 127.0.0.1:13010", "Parkposition: die des Rotors",
                            "Totzone: 2°, Mindestabstand der Befehle: 1000 ms"}));
    const auto registered =
        parse({"--register", "--serve-rotctld", "0.0.0.0:4533", "--pst", "aus", "--n1mm", "12041", "--park-az", "180",
               "--park-el", "5", "--dead-band", "1,5", "--least-interval", "2000"});
    ASSERT_TRUE(registered) << error.toStdString();
    ASSERT_TRUE(registered->save(QStringLiteral("/opt/rotor/CorvaneRotor")));
    const auto run = parse({"--n1mm", "aus"});
    ASSERT_TRUE(run) << error.toStdString();
    EXPECT_EQ(run->links.describe(),
              (QStringList {"rotctld-Server: 0.0.0.0:4533", "PstRotator-UDP: aus",
                            "N1MM-UDP: aus, Meldungen an 127.0.0.1:13010", "Parkposition: Azimut 180°, Elevation 5°",
                            "Totzone: 1.5°, Mindestabstand der Befehle: 2000 ms",
                            "Achtung: rotctld-Server auf 0.0.0.0:4533 empfangsbereit, auch aus dem Netz, ohne "
                            "Anmeldung (andere Rechner besser über einen SSH-Tunnel)"}));
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
        EXPECT_FALSE(parse(arguments)) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(error.isEmpty()) << arguments.join(u' ').toStdString();
    }
}

}  // namespace
