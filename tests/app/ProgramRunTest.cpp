// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "support/PrivateBus.h"
#include "support/ProgramFolder.h"

#include "settings/SettingsFile.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>

namespace {

constexpr int deadlineMs = 20000;  // for a start or an end; a passing test waits only as long as it takes

// Runs the real executable, copied into a throw-away program folder.
class ProgramRunTest : public testing::Test {
protected:
    ProgramFolder folder;
    QString executable = folder.path() + QStringLiteral("Corvane");

    void SetUp() override
    {
        folder.writeReferenceData();
        ASSERT_TRUE(QFile::copy(qEnvironmentVariable("CORVANE_PROGRAM_DIR") + QStringLiteral("/Corvane"), executable));
    }
    void launch(QProcess& process)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(executable, {});
        ASSERT_TRUE(process.waitForStarted());
    }
    // The process reaches its message loop instead of ending as a second instance: the handler for
    // SIGTERM comes once every window exists, just before the loop (the registry value is written
    // before, during the main window's creation).
    static bool comesUp(QProcess& process)
    {
        const auto up = [&] { return process.state() == QProcess::Running && catchesSigterm(process.processId()); };
        return QTest::qWaitFor([&] { return up() || process.state() != QProcess::Running; }, deadlineMs) && up();
    }
    // Ends the process as a desktop session does; it exits normally.
    static void terminate(QProcess& process)
    {
        ::kill(pid_t(process.processId()), SIGTERM);
        ASSERT_TRUE(process.waitForFinished(deadlineMs));
        EXPECT_EQ(process.exitCode(), 0);
    }
    // The process's mask of caught signals, from /proc, has the bit of SIGTERM.
    static bool catchesSigterm(qint64 pid)
    {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (!status.open(QIODevice::ReadOnly))
            return false;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("SigCgt:"))
                return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
        return false;
    }
};

TEST_F(ProgramRunTest, SecondInstanceExitsAtOnceAndFirstSavesOnTermination)
{
    QProcess first;
    launch(first);
    ASSERT_TRUE(comesUp(first));
    QProcess second;
    launch(second);
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(folder.iniPath())) << "the second instance writes nothing";
    EXPECT_EQ(first.state(), QProcess::Running);
    terminate(first);
    EXPECT_EQ(SettingsFile(folder.iniPath()).readInteger("Main", "Breit", 0), 600);
    const QSettings registry(folder.path() + QStringLiteral("config/Corvane.conf"), QSettings::IniFormat);
    EXPECT_EQ(registry.value(QStringLiteral("Pfad")).toString(), folder.path());
}

// Closing while Logger32 is linked: the leave takes seconds (a 2 s pause, more with a slow
// Logger32), but a start right after the close opens its window instead of ending as a second
// instance.
TEST_F(ProgramRunTest, AStartRightAfterClosingOpensItsWindow)
{
    ASSERT_FALSE(PrivateBus::address().isEmpty());
    QProcess logger32;
    logger32.start(QStringLiteral(FAKE_LOGGER32), {});
    ASSERT_TRUE(logger32.waitForStarted(5000));
    QByteArray heard;
    const auto hear = [&](const QByteArray& what) {
        return QTest::qWaitFor([&] { return (heard += logger32.readAll()).contains(what); }, deadlineMs);
    };
    ASSERT_TRUE(hear("ready"));
    QProcess first;
    launch(first);
    ASSERT_TRUE(hear("|3|0")) << "the link to Logger32 comes up: " << heard.toStdString();
    ::kill(pid_t(first.processId()), SIGTERM);  // as closing the main window
    ASSERT_TRUE(hear("|4|0")) << "the leave begins: " << heard.toStdString();
    EXPECT_EQ(first.state(), QProcess::Running) << "still in its leave";
    QProcess next;
    launch(next);
    EXPECT_TRUE(comesUp(next)) << "starts normally instead of exiting as a second instance";
    ASSERT_TRUE(first.waitForFinished(deadlineMs));
    EXPECT_EQ(first.exitCode(), 0);
    terminate(next);
    logger32.terminate();
    logger32.waitForFinished(5000);
}

TEST_F(ProgramRunTest, LockOfACrashedInstanceIsReleased)
{
    QProcess crashed;
    launch(crashed);
    ASSERT_TRUE(comesUp(crashed));
    crashed.kill();
    ASSERT_TRUE(crashed.waitForFinished(10000));
    QProcess next;
    launch(next);
    EXPECT_TRUE(comesUp(next)) << "starts normally instead of exiting as a second instance";
    terminate(next);
    EXPECT_TRUE(QFile::exists(folder.iniPath()));
}

}  // namespace
