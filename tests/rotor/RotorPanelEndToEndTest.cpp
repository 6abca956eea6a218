// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "../rotorbridge/FakeRotctld.h"
#include "RotorProgramOnBus.h"

#include "support/Controls.h"
#include "support/LinkWait.h"
#include "support/ProgramFolder.h"
#include "support/RotorProgramRun.h"
#include "support/ScriptedDialogs.h"

#include "app/TFormA.h"
#include "mercator/TForm1.h"
#include "rotor/TF_Rotor.h"
#include "rotor/TForm6.h"
#include "rotor/TForm7.h"
#include "session/Session.h"
#include "settings/ParameterSettings.h"

#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QLineEdit>
#include <QUdpSocket>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

// The whole road from the rotor panel to a rotator: the started program links to the real rotor
// program, which drives Hamlib's dummy rotator; a locator typed into the panel turns it.
class RotorPanelEndToEndTest : public testing::Test {
protected:
    ScriptedDialogs dialogs;
    ProgramFolder folder;

    void TearDown() override
    {
        RotorProgramOnBus::stop();  // the link started it
        folder.stop();
    }
};

// A typed locator turns the rotator; a target another client sends over PstRotator UDP shows in
// the panel until that client stops the rotor.
TEST_F(RotorPanelEndToEndTest, ATypedLocatorTurnsTheDummyRotator)
{
    ASSERT_TRUE(folder.copyBuiltKarten());
    // Own station at Berlin, 13.4 degrees east, 52.5 degrees north.
    folder.writeFile(QStringLiteral("Corvane.ini"), "[Locator]\r\nU_L\xe4nge=13,4\r\nU_Breite=52,5\r\n");
    QUdpSocket probe;  // for a port free now
    ASSERT_TRUE(probe.bind(QHostAddress::LocalHost, 0));
    const quint16 pstPort = probe.localPort();
    probe.close();
    const RotorProgramRun registration = RotorProgramRun::of(
        {"--register", "--model", "1", "--pst", QStringLiteral("127.0.0.1:%1").arg(pstPort), "--n1mm", "aus"});
    ASSERT_EQ(registration.exitCode, 0) << registration.output.toStdString();
    folder.timing.rotorLink.connectInterval = 200;  // ms: a tenth of the program's
    folder.start();
    ASSERT_TRUE(waitFor([] { return !form6()->isHidden(); })) << "the panel did not come up";
    parameters()->setRotorStartImmediately(true);
    QLineEdit* field = control<QLineEdit>(form6(), "Edit_Azimut");
    QLabel* foreign = control<QLabel>(form6(), "ForeignGoalLabel");
    QTest::keyClicks(field, QStringLiteral("jo99bh"));  // Stockholm, about 20 degrees
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join(u'\n').toStdString();
    EXPECT_NEAR(session()->target().bearing, 20, 5);
    const double goal = rotorLink()->targetAzimuth();
    EXPECT_NEAR(std::fmod(goal + 720, 360), session()->target().bearing, 1e-9);
    ASSERT_TRUE(waitFor([&] { return std::abs(session()->rotorState().rotorAzimuth.value_or(NAN) - goal) < 1; }))
        << "rotor at " << session()->rotorState().rotorAzimuth.value_or(NAN) << ", goal " << goal;
    ASSERT_TRUE(waitFor([&] {
        return field->text().trimmed().toInt() == std::lround(session()->rotorState().rotorAzimuth.value_or(NAN));
    }));
    EXPECT_TRUE(form1()->drawState().mercatorLineDrawn);
    EXPECT_NEAR(form1()->drawState().mercatorLineDirection.value_or(0), goal, 1.5);
    EXPECT_TRUE(foreign->isHidden()) << "the panel's own target is no foreign one";

    QUdpSocket pstClient;
    const auto pst = [&](const char* datagram) {
        pstClient.writeDatagram(QByteArray(datagram), QHostAddress::LocalHost, pstPort);
    };
    pst("<PST><AZIMUTH>85</AZIMUTH></PST>");
    ASSERT_TRUE(waitFor([&] { return foreign->text() == QStringLiteral("Fremdziel 85°"); }));
    EXPECT_FALSE(foreign->isHidden());
    ASSERT_TRUE(waitFor([&] { return field->text().trimmed().toInt() > std::lround(goal) + 2; }))
        << "the antenna is shown on its way";
    pst("<PST><STOP>1</STOP></PST>");
    EXPECT_TRUE(waitFor([&] { return foreign->isHidden(); })) << "a stop gives the goal up";
    // The Extras menu's rotor keys reach the panel.
    mainControl("longPathItem")->trigger();
    EXPECT_NEAR(std::fmod(rotorLink()->targetAzimuth() + 720, 360), std::fmod(session()->target().bearing + 180, 360),
                1e-9);
    mainControl("rotorStopItem")->trigger();
    EXPECT_EQ(rotorLink()->targetAzimuth(), session()->rotorState().rotorAzimuth);
}

// Every stop of Corvane reaches the rotator as its own stop ("S" to a rotctld) at once, outside
// the pace of the targets, and no target follows it that would turn the antenna back a little.
TEST_F(RotorPanelEndToEndTest, EveryStopReachesTheRotatorAtOnce)
{
    using namespace std::chrono;
    FakeRotctld rotctld;
    rotctld.degreesPerSecond = 20;
    const RotorProgramRun registration = RotorProgramRun::of(
        {"--register", "--model", "2", "--device", rotctld.device(), "--pst", "aus", "--n1mm", "aus",
         "--least-interval", "100"});
    ASSERT_EQ(registration.exitCode, 0) << registration.output.toStdString();
    folder.timing.rotorLink.connectInterval = 200;  // ms: a tenth of the program's
    folder.start();
    ASSERT_TRUE(waitFor([] { return session()->rotorState().rotorConnected && session()->rotorState().rotorAzimuth; }));
    const std::pair<const char*, QAction*> stops[] = {
        {"Extras menu (Ctrl+Alt+J)", mainControl("rotorStopItem")},
        {"rotor panel", control<QAction>(form6(), "stopCommand")},
        {"directions list", control<QAction>(form7(), "RotorSTOP1")},
    };
    for (const auto& [where, stop] : stops) {
        SCOPED_TRACE(where);
        const size_t before = rotctld.commands().size();
        rotorLink()->turnTo(rotctld.azimuth() + 100);
        ASSERT_TRUE(waitFor([&] { return rotctld.commands().size() > before; }, 5000));
        ASSERT_TRUE(rotctld.commands().back().line.startsWith("P "));
        const double from = rotctld.azimuth();
        ASSERT_TRUE(waitFor([&] { return rotctld.azimuth() > from + 2; }, 5000)) << "on its way";
        const auto pressed = steady_clock::now();
        stop->trigger();
        ASSERT_TRUE(waitFor([&] { return rotctld.commands().back().line == "S"; }, 5000));
        const auto latency = duration_cast<microseconds>(rotctld.commands().back().at - pressed).count();
        std::printf("%s: stop at the rotator %.1f ms after the key\n", where, double(latency) / 1000);
        EXPECT_LT(latency, 100000);
        // A target after the stop would go with the reply to the next status and reach the rotator
        // within the least interval (100 ms), before the status after it (500 ms).
        QSignalSpy statuses(session(), &Session::rotorStatusChanged);
        ASSERT_TRUE(waitFor([&] { return statuses.count() >= 3; }, 5000));
        EXPECT_EQ(rotctld.commands().back().line, "S") << "a target after the stop";
    }
    QFile log(folder.path() + QStringLiteral("state/Corvane/CorvaneRotor.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll().count("Stopp von Corvane."), 3);
}

}  // namespace
