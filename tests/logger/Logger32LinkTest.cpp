// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/TFormA.h"
#include "logger/Logger32Link.h"
#include "support/PrivateBus.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "support/StallMeter.h"
#include "widgets/MenuCaption.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include <iostream>

namespace {

class Logger32LinkTest : public testing::Test {
protected:
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    QProcess logger32;
    std::unique_ptr<Logger32Link> alone;  // the link built without the program's windows
    QList<int> bearings;

    void SetUp() override
    {
        ASSERT_FALSE(PrivateBus::address().isEmpty());
        folder.writeReferenceData();
        folder.timing.logger32Link = {300, 300, 50, 10};  // ms: reply, send, after the leave, after each message
    }
    void TearDown() override { endRun(); }

    void startLogger32(const QStringList& arguments)
    {
        logger32.start(QStringLiteral(FAKE_LOGGER32), arguments);
        ASSERT_TRUE(logger32.waitForStarted(5000));
        ASSERT_TRUE(logger32.waitForReadyRead(5000));
        ASSERT_EQ(logger32.readLine().trimmed(), QByteArray("ready"));
    }
    void stopLogger32()
    {
        logger32.kill();
        logger32.waitForFinished(2000);
    }

    // The program's windows, with the bearings recorded as they reach the rotor panel.
    void startProgram()
    {
        folder.start();
        QObject::connect(&link(), &Logger32Link::bearingReceived, [this](int bearing) { bearings << bearing; });
    }
    // The link alone, connecting as the main window makes it at its start.
    void connectAlone()
    {
        alone = std::make_unique<Logger32Link>(folder.timing.logger32Link);
        QObject::connect(alone.get(), &Logger32Link::bearingReceived, [this](int bearing) { bearings << bearing; });
        alone->ConnectLogger32();
    }
    void endRun()
    {
        alone.reset();
        folder.stop();
        stopLogger32();
    }

    Logger32Link& link() const { return alone ? *alone : RunningProgram::get()->logger32Link(); }

    // Runs the event loop until the link has finished what it does; false when it never did.
    bool waitForLink(int limitMs = 20000)
    {
        return QTest::qWaitFor([this] { return !link().inProgress(); }, limitMs);
    }

    // What Logger32 was sent since the last call, with our own window handle written as "h". Logger32
    // prints each message before it answers, so once the link is idle all of them are on their
    // way; this runs the event loop until at least the expected number has come through the pipe.
    QStringList received(qsizetype expected)
    {
        const QString handle = QString::number(QCoreApplication::applicationPid());
        QStringList lines;
        QElapsedTimer clock;
        clock.start();
        do {
            while (logger32.canReadLine())
                lines << QString::fromUtf8(logger32.readLine().trimmed()).replace(QStringLiteral("|") + handle, QStringLiteral("|h"));
        } while (lines.size() < expected && clock.elapsed() < 5000
                 && (QTest::qWaitFor([this] { return logger32.canReadLine(); }, 50) || true));
        return lines;
    }

    QString caption() const { return MenuCaption::shown(mainControl("Logger32")->text()); }
};

const QStringList fiveAnnouncements{"Logger32 1|1|h", "Logger32 2|1|h", "Logger32 3|1|h", "Logger32 4|1|h", "Logger32 5|1|h"};
// A handshake under the first name up to the question for reply 3, and the leave.
const QStringList handshake{"Logger32 1|1|h", "Logger32 1|2|0", "Logger32 1|3|0"};
const QStringList leave{"Logger32 1|4|0"};

// The link alone; the main window's caption for each state is checked where the window is the
// subject (its menu captions, the menu click, a silent Logger32).
TEST_F(Logger32LinkTest, WithoutLogger32TheLinkIsNotFound)
{
    connectAlone();
    EXPECT_EQ(link().state(), Logger32Link::State::NotFound);
    EXPECT_FALSE(link().inProgress());
}

TEST_F(Logger32LinkTest, HandshakeOutcomes)
{
    using S = Logger32Link::State;
    const struct { QStringList arguments; S state; QStringList sent; } cases[] = {
        {{"--ack", "1", "--replies", "3,100"}, S::Connected, handshake},
        {{"--ack", "3", "--replies", "3,100"}, S::Connected,
         {"Logger32 1|1|h", "Logger32 2|1|h", "Logger32 3|1|h", "Logger32 3|2|0", "Logger32 3|3|0"}},
        // A reply 100 before reply 3 asks again and is not counted.
        {{"--ack", "1", "--replies", "100,100,3,100"}, S::Connected, handshake + QStringList(2, "Logger32 1|2|0")},
        // Ten replies 100 before reply 3 ask again ten times; the eleventh ends the attempt as
        // failed, and Logger32 is told to leave.
        {{"--ack", "1", "--replies", "100,100,100,100,100,100,100,100,100,100,3,100"}, S::Connected,
         handshake + QStringList(10, "Logger32 1|2|0")},
        {{"--ack", "1", "--replies", "100,100,100,100,100,100,100,100,100,100,100,3,100"}, S::NotConnected,
         handshake + QStringList(10, "Logger32 1|2|0") + leave},
        // Ten counted replies without reply 3: not connected, and Logger32 is told to leave.
        {{"--ack", "1", "--replies", "7,7,7,7,7,7,7,7,7,7,3"}, S::NotConnected, handshake + leave},
        // Garbage, a bearing among it, counts like any other reply.
        {{"--ack", "1", "--replies", "0:1,-1,101:90,65536,2,4,5,6,7,8,3"}, S::NotConnected, handshake + leave},
        // Acknowledged but silent afterwards: the wait for reply 3 ends by its bound.
        {{"--ack", "1", "--replies", ""}, S::NotConnected, handshake + leave},
        // No acknowledgement in five attempts: the state stays as it was (silent: see the stall test).
        {{"--ack", "2", "--ack-reply", "1:0"}, S::Start, fiveAnnouncements},
    };
    for (const auto& c : cases) {
        const std::string name = c.arguments.join(u' ').toStdString();
        startLogger32(c.arguments);
        connectAlone();
        ASSERT_TRUE(waitForLink()) << name;
        EXPECT_EQ(link().state(), c.state) << name;
        EXPECT_EQ(received(c.sent.size()), c.sent) << name;
        EXPECT_TRUE(bearings.isEmpty()) << name;
        endRun();
    }
}

// The main window appears within a second and its event loop never stalls.
TEST_F(Logger32LinkTest, SilentOrHungLogger32NeverStallsTheWindow)
{
    const struct { QStringList arguments; QStringList sent; } cases[] = {
        {{"--ack", "0"}, fiveAnnouncements},
        // Hung at the first message: every later one waits in vain for its answer.
        {{"--hang"}, {"Logger32 1|1|h"}},
    };
    for (const auto& c : cases) {
        const std::string name = c.arguments.join(u' ').toStdString();
        startLogger32(c.arguments);
        QElapsedTimer clock;
        clock.start();
        startProgram();
        formA()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(formA()));
        const qint64 shownMs = clock.elapsed();
        EXPECT_LE(shownMs, 1000) << name << ": the main window comes up while the handshake runs";
        EXPECT_TRUE(link().inProgress()) << name;
        StallMeter meter;
        // A click meanwhile starts no second handshake.
        QTest::qWait(100);
        mainControl("Logger32")->trigger();
        ASSERT_TRUE(waitForLink(60000)) << name;
        const qint64 handshakeMs = clock.elapsed();
        EXPECT_EQ(caption(), QStringLiteral("Logger32")) << name;
        EXPECT_EQ(received(c.sent.size()), c.sent) << name;
        EXPECT_LE(meter.longestGapMs(), 50) << name;
        std::cout << name << ": main window shown after " << shownMs << " ms, handshake " << handshakeMs
                  << " ms, longest event-loop stall " << meter.longestGapMs() << " ms\n";
        endRun();
    }
}

TEST_F(Logger32LinkTest, BearingsInRangeAreTaken)
{
    startLogger32({"--ack", "1", "--replies", "3,100", "--bearings", "90,361,-1,360,0"});
    connectAlone();
    ASSERT_TRUE(waitForLink());
    ASSERT_EQ(link().state(), Logger32Link::State::Connected);
    ASSERT_TRUE(QTest::qWaitFor([this] { return bearings.size() >= 3; }, 5000));
    EXPECT_EQ(bearings, (QList<int>{90, 360, 0}));
}

TEST_F(Logger32LinkTest, BearingsPostedRightAfterTheLastReplyAreTakenAtOnce)
{
    const struct { QString replies; QList<int> bearings; } cases[] = {
        {"3,100,101:45", {45}},
        {"3,100,101:361,101:-1,101:360,101:0", {360, 0}},
        // Other leftovers go the same way and change nothing.
        {"3,100,0:1,101:45,100", {45}},
    };
    for (const auto& c : cases) {
        startLogger32({"--ack", "1", "--replies", c.replies});
        QElapsedTimer sinceConnected;
        QList<qint64> delays;
        connectAlone();
        QObject::connect(alone.get(), &Logger32Link::changed, [&] {
            if (link().state() == Logger32Link::State::Connected && !sinceConnected.isValid())
                sinceConnected.start();
        });
        QObject::connect(alone.get(), &Logger32Link::bearingReceived, [&] { delays << sinceConnected.elapsed(); });
        ASSERT_TRUE(waitForLink()) << c.replies.toStdString();
        EXPECT_EQ(link().state(), Logger32Link::State::Connected);
        EXPECT_EQ(bearings, c.bearings) << c.replies.toStdString();
        for (const qint64 delay : delays)
            EXPECT_LE(delay, 100) << c.replies.toStdString();
        bearings.clear();
        endRun();
    }
}

TEST_F(Logger32LinkTest, MenuClickDisconnectsAndConnectsAgainFromTheFirstName)
{
    startLogger32({"--ack", "1", "--replies", "3,100"});
    startProgram();
    ASSERT_TRUE(waitForLink());
    ASSERT_EQ(caption(), QStringLiteral("Logger32 connected"));
    received(3);
    for (const auto& [shown, sent] : {std::pair {"Logger32 NOT connected", leave}, {"Logger32 connected", handshake}}) {
        mainControl("Logger32")->trigger();
        ASSERT_TRUE(waitForLink());
        EXPECT_EQ(caption(), QLatin1String(shown));
        EXPECT_EQ(received(sent.size()), sent);
    }
}

TEST_F(Logger32LinkTest, RepliesLeftOverFromAnEarlierHandshakeDoNotCountForTheNext)
{
    // Seven replies 100 too many: one goes with the leave, the rest would answer five announcements.
    startLogger32({"--ack", "1", "--replies", "3,100,100,100,100,100,100,100,100"});
    connectAlone();
    ASSERT_TRUE(waitForLink());
    ASSERT_EQ(link().state(), Logger32Link::State::Connected);
    link().DisconnectLogger32();
    ASSERT_TRUE(waitForLink());
    EXPECT_EQ(link().state(), Logger32Link::State::NotConnected);
    link().ConnectLogger32();
    ASSERT_TRUE(waitForLink());
    EXPECT_EQ(link().state(), Logger32Link::State::Connected);
}

TEST_F(Logger32LinkTest, ClosingTheProgramDuringAHandshakeCancelsItAndLeaves)
{
    const struct {
        QStringList arguments;
        int closeAfter;  // messages: then the handshake waits for a reply (or, hung, for an answer)
        QStringList sent;
        qint64 limitMs;  // for the shut-down
    } cases[] = {
        {{"--ack", "0"}, 1, QStringList{"Logger32 1|1|h"} + leave, 1000},
        {{"--ack", "1", "--replies", ""}, 3, handshake + leave, 1000},
        // The leave waits for its answer as long as any message does.
        {{"--hang"}, 1, {"Logger32 1|1|h"}, 1500},
    };
    for (const auto& c : cases) {
        const std::string name = c.arguments.join(u' ').toStdString();
        startLogger32(c.arguments);
        startProgram();
        QStringList sent = received(c.closeAfter);
        ASSERT_TRUE(link().inProgress()) << name;
        QElapsedTimer clock;
        clock.start();
        folder.stop();
        EXPECT_LE(clock.elapsed(), c.limitMs) << name;
        // Late answers from the bus find nothing left to run.
        QTest::qWait(100);
        sent += received(c.sent.size() - sent.size());
        EXPECT_EQ(sent, c.sent) << name;
        stopLogger32();
    }
}

} // namespace
