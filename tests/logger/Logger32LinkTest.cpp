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
#include <QDBusConnection>
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
    QList<int> bearings;

    void SetUp() override
    {
        ASSERT_FALSE(PrivateBus::address().isEmpty());
        folder.writeReferenceData();
        folder.timing.logger32Link = {300, 300, 50, 10};  // ms: reply, send, after the leave, after each message
    }
    void TearDown() override
    {
        folder.stop();
        stopLogger32();
    }

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

    Logger32Link& link() const { return RunningProgram::get()->logger32Link(); }

    // Runs the event loop until the link has finished what it does; false when it never did.
    bool waitForLink(int limitMs = 20000)
    {
        QElapsedTimer clock;
        clock.start();
        while (link().inProgress() && clock.elapsed() < limitMs)
            QTest::qWait(10);
        return !link().inProgress();
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

TEST_F(Logger32LinkTest, WithoutLogger32TheCaptionSaysNotFound)
{
    folder.start();
    EXPECT_EQ(caption(), QStringLiteral("Logger32 NOT found"));
    EXPECT_EQ(link().state(), Logger32Link::State::NotFound);
    EXPECT_FALSE(link().inProgress());
}

TEST_F(Logger32LinkTest, HandshakeOutcomes)
{
    const struct {
        QStringList arguments;
        QString caption;
        QStringList sent;
    } cases[] = {
        {{"--ack", "1", "--replies", "3,100"}, "Logger32 connected",
         {"Logger32 1|1|h", "Logger32 1|2|0", "Logger32 1|3|0"}},
        {{"--ack", "3", "--replies", "3,100"}, "Logger32 connected",
         {"Logger32 1|1|h", "Logger32 2|1|h", "Logger32 3|1|h", "Logger32 3|2|0", "Logger32 3|3|0"}},
        // A reply 100 before reply 3 asks again and is not counted.
        {{"--ack", "1", "--replies", "100,100,3,100"}, "Logger32 connected",
         {"Logger32 1|1|h", "Logger32 1|2|0", "Logger32 1|3|0", "Logger32 1|2|0", "Logger32 1|2|0"}},
        // Ten replies 100 before reply 3 ask again ten times; the eleventh ends the attempt as
        // failed, and Logger32 is told to leave.
        {{"--ack", "1", "--replies", "100,100,100,100,100,100,100,100,100,100,3,100"}, "Logger32 connected",
         QStringList{"Logger32 1|1|h", "Logger32 1|2|0", "Logger32 1|3|0"} + QStringList(10, "Logger32 1|2|0")},
        {{"--ack", "1", "--replies", "100,100,100,100,100,100,100,100,100,100,100,3,100"}, "Logger32 NOT connected",
         QStringList{"Logger32 1|1|h", "Logger32 1|2|0", "Logger32 1|3|0"} + QStringList(10, "Logger32 1|2|0") +
             QStringList{"Logger32 1|4|0"}},
        // Ten counted replies without reply 3: not connected, and Logger32 is told to leave.
        {{"--ack", "1", "--replies", "7,7,7,7,7,7,7,7,7,7,3"}, "Logger32 NOT connected",
         {"Logger32 1|1|h", "Logger32 1|2|0", "Logger32 1|3|0", "Logger32 1|4|0"}},
        // Garbage, a bearing among it, counts like any other reply.
        {{"--ack", "1", "--replies", "0:1,-1,101:90,65536,2,4,5,6,7,8,3"}, "Logger32 NOT connected",
         {"Logger32 1|1|h", "Logger32 1|2|0", "Logger32 1|3|0", "Logger32 1|4|0"}},
        // Acknowledged but silent afterwards: the wait for reply 3 ends by its bound.
        {{"--ack", "1", "--replies", ""}, "Logger32 NOT connected",
         {"Logger32 1|1|h", "Logger32 1|2|0", "Logger32 1|3|0", "Logger32 1|4|0"}},
        // No acknowledgement in five attempts, silent or garbled: the caption stays as it was.
        {{"--ack", "0"}, "Logger32", fiveAnnouncements},
        {{"--ack", "2", "--ack-reply", "1:0"}, "Logger32", fiveAnnouncements},
    };
    for (const auto& c : cases) {
        const std::string name = c.arguments.join(u' ').toStdString();
        startLogger32(c.arguments);
        startProgram();
        ASSERT_TRUE(waitForLink()) << name;
        EXPECT_EQ(caption(), c.caption) << name;
        EXPECT_EQ(received(c.sent.size()), c.sent) << name;
        EXPECT_TRUE(bearings.isEmpty()) << name;
        folder.stop();
        stopLogger32();
    }
}

TEST_F(Logger32LinkTest, SilentOrHungLogger32NeverStallsTheWindow)
{
    const struct {
        QStringList arguments;
        QStringList sent;
    } cases[] = {
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
        StallMeter meter;
        // A click meanwhile starts no second handshake.
        QTest::qWait(100);
        mainControl("Logger32")->trigger();
        ASSERT_TRUE(waitForLink(60000)) << name;
        const qint64 handshakeMs = clock.elapsed();
        EXPECT_EQ(caption(), QStringLiteral("Logger32")) << name;
        EXPECT_EQ(received(c.sent.size()), c.sent) << name;
        EXPECT_LE(meter.longestGapMs(), 50) << name;
        std::cout << name << ": handshake " << handshakeMs << " ms, longest event-loop stall " << meter.longestGapMs()
                  << " ms\n";
        folder.stop();
        stopLogger32();
    }
}

TEST_F(Logger32LinkTest, BearingsInRangeReachTheRotorPanel)
{
    startLogger32({"--ack", "1", "--replies", "3,100", "--bearings", "90,361,-1,360,0"});
    startProgram();
    ASSERT_TRUE(waitForLink());
    ASSERT_EQ(caption(), QStringLiteral("Logger32 connected"));
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return bearings.size() >= 3; }, 5000));
    EXPECT_EQ(bearings, (QList<int>{90, 360, 0}));
}

TEST_F(Logger32LinkTest, BearingsPostedRightAfterTheLastReplyAreTakenAtOnce)
{
    const struct {
        QString replies;
        QList<int> bearings;
    } cases[] = {
        {"3,100,101:45", {45}},
        {"3,100,101:361,101:-1,101:360,101:0", {360, 0}},
        // Other leftovers go the same way and change nothing.
        {"3,100,0:1,101:45,100", {45}},
    };
    for (const auto& c : cases) {
        startLogger32({"--ack", "1", "--replies", c.replies});
        folder.start();
        QElapsedTimer sinceConnected;
        QList<qint64> delays;
        QObject::connect(&link(), &Logger32Link::changed, [&] {
            if (link().state() == Logger32Link::State::Connected && !sinceConnected.isValid())
                sinceConnected.start();
        });
        QObject::connect(&link(), &Logger32Link::bearingReceived, [&](int bearing) {
            bearings << bearing;
            delays << sinceConnected.elapsed();
        });
        ASSERT_TRUE(waitForLink()) << c.replies.toStdString();
        EXPECT_EQ(caption(), QStringLiteral("Logger32 connected"));
        EXPECT_EQ(bearings, c.bearings) << c.replies.toStdString();
        for (const qint64 delay : delays)
            EXPECT_LE(delay, 100) << c.replies.toStdString();
        bearings.clear();
        folder.stop();
        stopLogger32();
    }
}

TEST_F(Logger32LinkTest, MenuClickDisconnectsAndConnectsAgainFromTheFirstName)
{
    startLogger32({"--ack", "1", "--replies", "3,100"});
    startProgram();
    ASSERT_TRUE(waitForLink());
    ASSERT_EQ(caption(), QStringLiteral("Logger32 connected"));
    received(3);
    mainControl("Logger32")->trigger();
    ASSERT_TRUE(waitForLink());
    EXPECT_EQ(caption(), QStringLiteral("Logger32 NOT connected"));
    EXPECT_EQ(received(1), QStringList{"Logger32 1|4|0"});
    mainControl("Logger32")->trigger();
    ASSERT_TRUE(waitForLink());
    EXPECT_EQ(caption(), QStringLiteral("Logger32 connected"));
    EXPECT_EQ(received(3), (QStringList{"Logger32 1|1|h", "Logger32 1|2|0", "Logger32 1|3|0"}));
}

TEST_F(Logger32LinkTest, RepliesLeftOverFromAnEarlierHandshakeDoNotCountForTheNext)
{
    // Seven replies 100 too many: one goes with the leave, the rest would answer five announcements.
    startLogger32({"--ack", "1", "--replies", "3,100,100,100,100,100,100,100,100"});
    startProgram();
    ASSERT_TRUE(waitForLink());
    ASSERT_EQ(caption(), QStringLiteral("Logger32 connected"));
    for (const char* expected : {"Logger32 NOT connected", "Logger32 connected"}) {
        mainControl("Logger32")->trigger();
        ASSERT_TRUE(waitForLink());
        EXPECT_EQ(caption(), QString::fromLatin1(expected));
    }
}

TEST_F(Logger32LinkTest, ClosingTheProgramDuringAHandshakeCancelsItAndLeaves)
{
    const struct {
        QStringList arguments;
        int closeAfter;  // messages: then the handshake waits for a reply (or, hung, for an answer)
        QStringList sent;
        qint64 limitMs;  // for the shut-down
    } cases[] = {
        {{"--ack", "0"}, 1, {"Logger32 1|1|h", "Logger32 1|4|0"}, 1000},
        {{"--ack", "1", "--replies", ""}, 3, {"Logger32 1|1|h", "Logger32 1|2|0", "Logger32 1|3|0", "Logger32 1|4|0"}, 1000},
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

TEST_F(Logger32LinkTest, WithASilentLogger32TheMainWindowAppearsWithinASecond)
{
    startLogger32({"--ack", "0"});
    QElapsedTimer clock;
    clock.start();
    startProgram();
    formA()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(formA()));
    const qint64 shownMs = clock.elapsed();
    std::cout << "main window shown after " << shownMs << " ms\n";
    EXPECT_LE(shownMs, 1000);
    EXPECT_TRUE(link().inProgress());
    EXPECT_EQ(caption(), QStringLiteral("Logger32"));
}

} // namespace
