// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "RotorProgramOnBus.h"

#include "support/LinkWait.h"
#include "support/PrivateBus.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowSession.h"

#include "logger/Logger32Link.h"
#include "platform/DdeClientConversation.h"
#include "platform/DdeNames.h"
#include "platform/DdeServer.h"
#include "platform/Registry.h"
#include "rotor/TF_Rotor.h"
#include "rotor/TForm6.h"
#include "session/Session.h"
#include "settings/ParameterSettings.h"
#include "support/RotorLinkProbe.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Connection attempts every 40 ms, a silent rotor program gone after 500 ms; 100 ms are two ticks.
const RotorLinkTiming fastLink {40, 30000, 500};
constexpr int twoTicksMs = 100;
const QString hello = QStringLiteral("ZD corvane_rotor_tests\r\n");
const QString statusMacro = QStringLiteral("1234\r\n55\r\n0\r\n0\r\n0\r\n1\r\n0\r\n-180\r\n540\r\n1\r\n");

// The rotor link alone with the rotor panel over it, as the program builds them, in a folder and
// registry of their own. The registry names a rotor program "FakeRotor.exe" with no file at that
// path: when no peer answers under its name, the start fails and nothing runs.
class TF_RotorLinkTest : public testing::Test {
protected:
    ScriptedDialogs dialogs;
    WindowSession world;
    Logger32Link logger32Link;
    ParameterSettings parameters;
    QStringList macros;  // received by the peer
    std::unique_ptr<DdeServer> peer;
    std::unique_ptr<TF_Rotor> link;
    std::unique_ptr<TForm6> panel;

    const RotorState& rotor() const { return world.session.rotorState(); }
    static QString ownService() { return DdeNames::ownService(QCoreApplication::applicationFilePath()); }

    // A scripted rotor program on the connection: it serves "RotServConv" under the service the
    // registry path names and records the macros it gets.
    void servePeer(const QDBusConnection& bus)
    {
        ASSERT_TRUE(Registry::writeString("Velt", "Program", world.folder.path() + "FakeRotor.exe"));
        peer =
            std::make_unique<DdeServer>(bus, "FakeRotor", "RotServConv", [this](const QString&, const QString& macro) {
                macros << macro;
                return true;
            });
        ASSERT_TRUE(peer->registerService());
    }

    void startLink(RotorLinkTiming timing = fastLink)
    {
        world.open();
        link = std::make_unique<TF_Rotor>(world.session, timing);
        panel = std::make_unique<TForm6>(world.session, nullptr, link.get(), parameters, logger32Link);
    }

    void TearDown() override
    {
        panel.reset();
        if (link)
            link->FormDestroy();
        link.reset();
        peer.reset();
    }
};

// The link against the scripted rotor program on its own connection, which also sends status
// macros to the link's "AntDaten".
class TF_RotorTest : public TF_RotorLinkTest {
protected:
    QDBusConnection peerBus = QDBusConnection::connectToBus(PrivateBus::address(), QStringLiteral("rotor-peer"));
    std::unique_ptr<DdeClientConversation> statusLink;

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(servePeer(peerBus));
        startLink();
        statusLink = std::make_unique<DdeClientConversation>(peerBus);
        ASSERT_TRUE(statusLink->connectTo(ownService(), TF_Rotor::serverTopic));
    }

    void TearDown() override
    {
        statusLink.reset();
        TF_RotorLinkTest::TearDown();
        QDBusConnection::disconnectFromBus(QStringLiteral("rotor-peer"));
    }

    void sendStatus(const QString& macro) { ASSERT_TRUE(statusLink->executeAsync(macro)); }
};

TEST_F(TF_RotorTest, HelloThenTargetsOnlyAsRepliesToStatusesThenLossReleasesTheMutex)
{
    ASSERT_TRUE(waitFor([this] { return rotor().rotorConnected; }));
    ASSERT_TRUE(waitFor([&] { return !macros.isEmpty(); }));
    EXPECT_EQ(macros.takeFirst(), hello);
    EXPECT_EQ(rotor().rotorProgramFolder, world.folder.path());
    EXPECT_FALSE(RotorProgramOnBus::linkMutexFree());
    sendStatus(QStringLiteral("1234\r\n55\r\n1\r\n0\r\n0\r\n0\r\n0\r\n-180\r\n540\r\n1\r\n"));
    ASSERT_TRUE(waitFor([this] { return rotor().rotorAzimuth == 123.4; }));
    // A target waits for the next status. A subscriber to the statuses sets the elevation, as the
    // parameter window does with its basic setting, and the reply carries it.
    QObject::connect(&world.session, &Session::rotorStatusChanged, [this] { link->setTargetElevation(12.75); });
    link->turnTo(12.25);
    QTest::qWait(twoTicksMs);
    EXPECT_TRUE(macros.isEmpty());
    // A status with a line that is no integer is not answered.
    sendStatus(QStringLiteral("1000\r\n55\r\nx\r\n0\r\n0\r\n0\r\n0\r\n-180\r\n540\r\n1\r\n"));
    ASSERT_TRUE(waitFor([this] { return rotor().rotorAzimuth == 100; }));
    EXPECT_TRUE(link->sendPending());
    // Seven lines are a status; the reply carries the target.
    sendStatus(QStringLiteral("1100\r\n55\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
    ASSERT_TRUE(waitFor([&] { return !macros.isEmpty(); }));
    EXPECT_EQ(macros.takeFirst(), QStringLiteral("122\r\n128\r\n0\r\n"));
    EXPECT_FALSE(link->sendPending());
    // A target that cannot be written as a number is dropped without a box.
    link->turnTo(1e300);
    sendStatus(QStringLiteral("1200\r\n55\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
    ASSERT_TRUE(waitFor([this] { return !link->sendPending(); }));
    QTest::qWait(twoTicksMs);
    EXPECT_TRUE(macros.isEmpty());
    EXPECT_TRUE(dialogs.shown.isEmpty());
    // The rotor program goes: the link is lost and the mutex released for the next attempt.
    peer.reset();
    ASSERT_TRUE(waitFor([this] { return !rotor().rotorConnected; }));
    // A new attempt may hold it for the moment it takes; it must not keep it.
    EXPECT_TRUE(waitFor(RotorProgramOnBus::linkMutexFree));
}

TEST_F(TF_RotorTest, StatusIsTakenWhileNotConnected)
{
    peer.reset();
    sendStatus(QStringLiteral("-100000\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n360\r\n1\r\n"));
    ASSERT_TRUE(waitFor([this] { return rotor().rotorMaxAzimuth == 360; }));
    EXPECT_FALSE(rotor().rotorConnected);
}

// A program that calls AntDaten once (as dbus-send does) and leaves the bus again is no rotor
// program: the link stays, no second hello goes out, and a target still reaches the rotor.
TEST_F(TF_RotorTest, AForeignCallerThatLeavesDoesNotCloseTheLink)
{
    ASSERT_TRUE(waitFor([this] { return rotor().rotorConnected; }));
    ASSERT_TRUE(waitFor([&] { return macros.size() == 1; }));
    {
        QDBusConnection foreign = QDBusConnection::connectToBus(PrivateBus::address(), QStringLiteral("foreign"));
        DdeClientConversation call(foreign);
        ASSERT_TRUE(call.connectTo(ownService(), TF_Rotor::serverTopic));
        ASSERT_TRUE(call.executeAsync(QStringLiteral("hallo\r\n")));
        QTest::qWait(twoTicksMs);
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("foreign"));
    QTest::qWait(twoTicksMs);  // past the next connection tick
    EXPECT_TRUE(rotor().rotorConnected);
    EXPECT_EQ(macros.size(), 1);
    EXPECT_FALSE(RotorProgramOnBus::linkMutexFree());
    sendStatus(statusMacro);  // the first status takes over its azimuth
    ASSERT_TRUE(waitFor([this] { return rotor().rotorAzimuth == 123.4; }));
    link->turnTo(90);
    sendStatus(statusMacro);
    ASSERT_TRUE(waitFor([&] { return macros.size() == 2; }));
    EXPECT_TRUE(macros.last().startsWith(QStringLiteral("900\r\n"))) << macros.last().toStdString();
}

// A rotor program that keeps its name but sends nothing for the silence limit: the link counts as
// lost, the panel goes, and the attempts start again (a new hello).
TEST_F(TF_RotorTest, ASilentRotorProgramIsTakenForGoneAfterTheSilenceLimit)
{
    ASSERT_TRUE(waitFor([this] { return rotor().rotorConnected; }));
    sendStatus(statusMacro);
    ASSERT_TRUE(waitFor([this] { return !panel->isHidden(); }));
    QElapsedTimer silence;
    silence.start();
    ASSERT_TRUE(waitFor([this] { return !rotor().rotorConnected || panel->isHidden(); }, 15000));
    EXPECT_GE(silence.elapsed(), fastLink.silenceLimit - 100);
    EXPECT_TRUE(panel->isHidden());
    ASSERT_TRUE(waitFor([&] { return macros.count(hello) == 2; }, 5000));
    // Statuses again: the panel comes back.
    sendStatus(statusMacro);
    ASSERT_TRUE(waitFor([this] { return !panel->isHidden(); }));
}

// A rotor program that cannot open its rotator ends at once; the link starts it again only
// after a pause, not at every tick (the ticks are driven here, at the program's own interval).
TEST_F(TF_RotorLinkTest, AFailingRotorProgramIsNotStartedAtEveryTick)
{
    const QString starts = world.folder.path() + QStringLiteral("starts.txt");
    const QString program = world.folder.path() + QStringLiteral("BrokenRotor");
    world.folder.writeFile(QStringLiteral("BrokenRotor"),
                           QStringLiteral("#!/bin/sh\necho start >> '%1'\nexit 1\n").arg(starts).toUtf8());
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(Registry::writeString(QStringLiteral("Velt"), QStringLiteral("Program"), program));
    startLink(RotorLinkTiming {});
    for (int tick = 0; tick < 3; ++tick)
        RotorLinkProbe::tick(*link);
    ASSERT_TRUE(waitFor([&] { return QFile::exists(starts); }));
    QTest::qWait(twoTicksMs);
    EXPECT_EQ(world.folder.readFile(QStringLiteral("starts.txt")), QByteArray("start\n"));
    EXPECT_FALSE(rotor().rotorConnected);
}

// Another program owns the program's own service at start: every connection attempt tries to
// register it again, and once it is free the link comes up.
TEST_F(TF_RotorLinkTest, ATakenOwnServiceIsRegisteredAtALaterAttempt)
{
    ASSERT_FALSE(PrivateBus::address().isEmpty());
    QDBusConnection other = QDBusConnection::connectToBus(PrivateBus::address(), QStringLiteral("name-taker"));
    DdeServer squatter(other, ownService(), TF_Rotor::serverTopic, [](const QString&, const QString&) { return true; });
    ASSERT_TRUE(squatter.registerService());
    ASSERT_NO_FATAL_FAILURE(servePeer(other));
    startLink();
    QTest::qWait(twoTicksMs);
    EXPECT_FALSE(RotorLinkProbe::serviceRegistered(*link));
    EXPECT_TRUE(macros.isEmpty()) << "no hello while statuses would reach the other program";

    squatter.unregisterService();
    ASSERT_TRUE(waitFor([&] { return RotorLinkProbe::serviceRegistered(*link) && !macros.isEmpty(); }));
    EXPECT_EQ(macros, QStringList {hello});
    peer.reset();
    QDBusConnection::disconnectFromBus(QStringLiteral("name-taker"));
}

}  // namespace
