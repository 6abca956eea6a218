// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "support/LinkWait.h"
#include "support/PrivateBus.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"

#include "platform/DdeClientConversation.h"
#include "platform/DdeNames.h"
#include "platform/DdeServer.h"
#include "platform/NamedMutex.h"
#include "platform/Registry.h"
#include "rotor/TF_Rotor.h"
#include "rotor/TForm6.h"
#include "session/Session.h"
#include "settings/ParameterSettings.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QDBusConnection>
#include <QFile>
#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Connection attempts every 40 ms, a silent rotor program gone after 500 ms; 100 ms are two ticks.
const RotorLinkTiming fastLink{40, 30000, 500};
constexpr int twoTicksMs = 100;

// The link window of a started program against a scripted rotor program on its own connection:
// the peer serves "RotServConv" under the service the registry path names, records the macros
// it gets and sends status macros to the program's "AntDaten".
class TF_RotorTest : public testing::Test {
protected:
    ScriptedDialogs dialogs;
    ProgramFolder folder;
    QDBusConnection peerBus = QDBusConnection::connectToBus(PrivateBus::address(), QStringLiteral("rotor-peer"));
    QStringList macros;  // received by the peer
    std::unique_ptr<DdeServer> peer;
    std::unique_ptr<DdeClientConversation> statusLink;

    void SetUp() override
    {
        folder.writeReferenceData();
        // No file at that path: when the peer does not answer, the start fails and nothing runs.
        ASSERT_TRUE(Registry::writeString(QStringLiteral("Velt"), QStringLiteral("Program"), folder.path() + QStringLiteral("FakeRotor.exe")));
        peer = std::make_unique<DdeServer>(peerBus, QStringLiteral("FakeRotor"), QStringLiteral("RotServConv"),
                                           [this](const QString&, const QString& macro) {
                                               macros << macro;
                                               return true;
                                           });
        ASSERT_TRUE(peer->registerService());
        folder.timing.rotorLink = fastLink;
        folder.start();
        statusLink = std::make_unique<DdeClientConversation>(peerBus);
        ASSERT_TRUE(statusLink->connectTo(DdeNames::ownService(QCoreApplication::applicationFilePath()), QStringLiteral("AntDaten")));
    }

    void TearDown() override
    {
        statusLink.reset();
        peer.reset();
        folder.stop();
        QDBusConnection::disconnectFromBus(QStringLiteral("rotor-peer"));
    }
};

bool mutexFree()
{
    NamedMutex probe(TF_Rotor::mutexName);
    return probe.tryLock();
}

TEST_F(TF_RotorTest, HelloThenTargetsOnlyAsRepliesToStatusesThenLossReleasesTheMutex)
{
    ASSERT_TRUE(waitFor([] { return session()->rotorState().rotorConnected; }));
    ASSERT_TRUE(waitFor([&] { return !macros.isEmpty(); }));
    EXPECT_EQ(macros.takeFirst(), QStringLiteral("ZD corvane_rotor_tests\r\n"));
    EXPECT_EQ(session()->rotorState().rotorProgramFolder, folder.path());
    EXPECT_FALSE(mutexFree());

    ASSERT_TRUE(statusLink->executeAsync(QStringLiteral("1234\r\n55\r\n1\r\n0\r\n0\r\n0\r\n0\r\n-180\r\n540\r\n1\r\n")));
    ASSERT_TRUE(waitFor([] { return session()->rotorState().rotorAzimuth == 123.4; }));
    EXPECT_EQ(session()->rotorState().rotorMinAzimuth, -180);
    EXPECT_EQ(session()->rotorState().rotorMaxAzimuth, 540);

    // A target waits for the next status. The rotor panel sets the elevation on every status,
    // here to the parameter window's basic setting.
    parameters()->setElevationAtStart(true);
    parameters()->setElevationText(QLocale().toString(12.75));
    rotorLink()->turnTo(12.25);
    QTest::qWait(twoTicksMs);
    EXPECT_TRUE(macros.isEmpty());

    // A status with a line that is no integer is not answered.
    ASSERT_TRUE(statusLink->executeAsync(QStringLiteral("1000\r\n55\r\nx\r\n0\r\n0\r\n0\r\n0\r\n-180\r\n540\r\n1\r\n")));
    ASSERT_TRUE(waitFor([] { return session()->rotorState().rotorAzimuth == 100; }));
    EXPECT_TRUE(rotorLink()->sendPending());
    EXPECT_EQ(session()->rotorState().rotorMotion, 1);

    // Seven lines are a status; the reply carries the target.
    ASSERT_TRUE(statusLink->executeAsync(QStringLiteral("1100\r\n55\r\n0\r\n0\r\n0\r\n0\r\n0\r\n")));
    ASSERT_TRUE(waitFor([&] { return !macros.isEmpty(); }));
    EXPECT_EQ(macros.takeFirst(), QStringLiteral("122\r\n128\r\n0\r\n"));
    EXPECT_FALSE(rotorLink()->sendPending());
    EXPECT_EQ(session()->rotorState().rotorAzimuth, 110);

    // A target that cannot be written as a number is dropped without a box.
    rotorLink()->turnTo(1e300);
    ASSERT_TRUE(statusLink->executeAsync(QStringLiteral("1200\r\n55\r\n0\r\n0\r\n0\r\n0\r\n0\r\n")));
    ASSERT_TRUE(waitFor([] { return !rotorLink()->sendPending(); }));
    QTest::qWait(twoTicksMs);
    EXPECT_TRUE(macros.isEmpty());
    EXPECT_TRUE(dialogs.shown.isEmpty());

    // The rotor program goes: the link is lost and the mutex released for the next attempt.
    peer.reset();
    ASSERT_TRUE(waitFor([] { return !session()->rotorState().rotorConnected; }));
    // A new attempt may hold it for the moment it takes; it must not keep it.
    EXPECT_TRUE(waitFor(mutexFree));
}

TEST_F(TF_RotorTest, StatusIsTakenWhileNotConnected)
{
    peer.reset();
    ASSERT_TRUE(statusLink->executeAsync(QStringLiteral("-100000\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n360\r\n1\r\n")));
    ASSERT_TRUE(waitFor([] { return session()->rotorState().rotorMaxAzimuth == 360; }));
    EXPECT_FALSE(session()->rotorState().rotorAzimuth);
    EXPECT_FALSE(session()->rotorState().rotorConnected);
}

} // namespace

namespace {

// A rotor program that cannot open its rotator ends at once; the link starts it again only
// after a pause, not at every tick.
TEST(TF_RotorRestartTest, AFailingRotorProgramIsNotStartedAtEveryTick)
{
    ASSERT_FALSE(PrivateBus::address().isEmpty());
    ScriptedDialogs dialogs;
    ProgramFolder folder;
    folder.writeReferenceData();
    const QString starts = folder.path() + QStringLiteral("starts.txt");
    const QString program = folder.path() + QStringLiteral("BrokenRotor");
    folder.writeFile(QStringLiteral("BrokenRotor"), QStringLiteral("#!/bin/sh\necho start >> '%1'\nexit 1\n").arg(starts).toUtf8());
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(Registry::writeString(QStringLiteral("Velt"), QStringLiteral("Program"), program));
    folder.start();
    for (int tick = 0; tick < 3; ++tick)
        rotorLink()->Timer1Timer();
    ASSERT_TRUE(waitFor([&] { return QFile::exists(starts); }));
    QTest::qWait(twoTicksMs);
    EXPECT_EQ(folder.readFile(QStringLiteral("starts.txt")), QByteArray("start\n"));
    EXPECT_FALSE(session()->rotorState().rotorConnected);
}

} // namespace

namespace {

const QString statusMacro = QStringLiteral("1234\r\n55\r\n0\r\n0\r\n0\r\n1\r\n0\r\n-180\r\n540\r\n1\r\n");

// A program that calls AntDaten once (as dbus-send does) and leaves the bus again is no rotor
// program: the link stays, no second hello goes out, and a target still reaches the rotor.
TEST_F(TF_RotorTest, AForeignCallerThatLeavesDoesNotCloseTheLink)
{
    ASSERT_TRUE(waitFor([] { return session()->rotorState().rotorConnected; }));
    ASSERT_TRUE(waitFor([&] { return macros.size() == 1; }));
    {
        QDBusConnection foreign = QDBusConnection::connectToBus(PrivateBus::address(), QStringLiteral("foreign"));
        DdeClientConversation call(foreign);
        ASSERT_TRUE(call.connectTo(DdeNames::ownService(QCoreApplication::applicationFilePath()), QStringLiteral("AntDaten")));
        ASSERT_TRUE(call.executeAsync(QStringLiteral("hallo\r\n")));
        QTest::qWait(twoTicksMs);
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("foreign"));
    QTest::qWait(twoTicksMs);  // past the next connection tick
    EXPECT_TRUE(session()->rotorState().rotorConnected);
    EXPECT_EQ(macros.size(), 1);
    EXPECT_FALSE(mutexFree());

    ASSERT_TRUE(statusLink->executeAsync(statusMacro));  // the first status takes over its azimuth
    ASSERT_TRUE(waitFor([] { return session()->rotorState().rotorAzimuth == 123.4; }));
    rotorLink()->turnTo(90);
    ASSERT_TRUE(statusLink->executeAsync(statusMacro));
    ASSERT_TRUE(waitFor([&] { return macros.size() == 2; }));
    EXPECT_TRUE(macros.last().startsWith(QStringLiteral("900\r\n"))) << macros.last().toStdString();
}

// A rotor program that keeps its name but sends nothing for the silence limit: the link counts as
// lost, the panel goes, and the attempts start again (a new hello).
TEST_F(TF_RotorTest, ASilentRotorProgramIsTakenForGoneAfterTheSilenceLimit)
{
    ASSERT_TRUE(waitFor([] { return session()->rotorState().rotorConnected; }));
    ASSERT_TRUE(statusLink->executeAsync(statusMacro));
    ASSERT_TRUE(waitFor([] { return !form6()->isHidden(); }));
    QElapsedTimer silence;
    silence.start();
    ASSERT_TRUE(waitFor([] { return !session()->rotorState().rotorConnected || form6()->isHidden(); }, 15000));
    EXPECT_GE(silence.elapsed(), fastLink.silenceLimit - 100);
    EXPECT_TRUE(form6()->isHidden());
    ASSERT_TRUE(waitFor([&] { return macros.count(QStringLiteral("ZD corvane_rotor_tests\r\n")) == 2; }, 5000));

    // Statuses again: the panel comes back.
    ASSERT_TRUE(statusLink->executeAsync(statusMacro));
    ASSERT_TRUE(waitFor([] { return !form6()->isHidden(); }));
}

} // namespace

namespace {

// Another program owns the program's own service at start: every connection attempt tries to
// register it again, and once it is free the link comes up.
TEST(TF_RotorServiceTest, ATakenOwnServiceIsRegisteredAtALaterAttempt)
{
    ASSERT_FALSE(PrivateBus::address().isEmpty());
    ScriptedDialogs dialogs;
    ProgramFolder folder;
    folder.writeReferenceData();
    QDBusConnection other = QDBusConnection::connectToBus(PrivateBus::address(), QStringLiteral("name-taker"));
    DdeServer squatter(other, DdeNames::ownService(QCoreApplication::applicationFilePath()), QStringLiteral("AntDaten"),
                       [](const QString&, const QString&) { return true; });
    ASSERT_TRUE(squatter.registerService());
    QStringList macros;
    DdeServer peer(other, QStringLiteral("FakeRotor"), QStringLiteral("RotServConv"), [&](const QString&, const QString& macro) {
        macros << macro;
        return true;
    });
    ASSERT_TRUE(peer.registerService());
    ASSERT_TRUE(Registry::writeString(QStringLiteral("Velt"), QStringLiteral("Program"), folder.path() + QStringLiteral("FakeRotor.exe")));
    folder.timing.rotorLink = fastLink;
    folder.start();
    QTest::qWait(twoTicksMs);
    EXPECT_FALSE(rotorLink()->AntDaten->isRegistered());
    EXPECT_TRUE(macros.isEmpty()) << "no hello while statuses would reach the other program";

    squatter.unregisterService();
    ASSERT_TRUE(waitFor([&] { return rotorLink()->AntDaten->isRegistered() && !macros.isEmpty(); }));
    EXPECT_EQ(macros, QStringList{QStringLiteral("ZD corvane_rotor_tests\r\n")});
    folder.stop();
    QDBusConnection::disconnectFromBus(QStringLiteral("name-taker"));
}

} // namespace
