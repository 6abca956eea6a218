// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "support/PrivateBus.h"
#include "support/ProgramFolder.h"

#include "app/SettingsFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>

namespace {

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

    // The registry value is written during the main window's creation; the handler for SIGTERM
    // comes once every window exists, just before the message loop.
    void waitUntilRunning(const QProcess& process)
    {
        const QString registry = folder.path() + QStringLiteral("config/Corvane.conf");
        QElapsedTimer clock;
        clock.start();
        while (!(QFile::exists(registry) && catchesSigterm(process.processId())) && clock.elapsed() < 20000)
            QThread::msleep(20);
        ASSERT_TRUE(QFile::exists(registry));
        ASSERT_TRUE(catchesSigterm(process.processId()));
    }

    // The process reaches its message loop instead of ending as a second instance.
    static bool comesUp(QProcess& process)
    {
        QElapsedTimer clock;
        clock.start();
        while (process.state() == QProcess::Running && !catchesSigterm(process.processId()) && clock.elapsed() < 20000)
            process.waitForFinished(20);
        return process.state() == QProcess::Running && catchesSigterm(process.processId());
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
    waitUntilRunning(first);

    QProcess second;
    launch(second);
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(folder.iniPath())) << "the second instance writes nothing";
    EXPECT_EQ(first.state(), QProcess::Running);

    ::kill(pid_t(first.processId()), SIGTERM);
    ASSERT_TRUE(first.waitForFinished(20000));
    EXPECT_EQ(first.exitCode(), 0);
    SettingsFile ini(folder.iniPath());
    EXPECT_EQ(ini.readInteger(QStringLiteral("Main"), QStringLiteral("Breit"), 0), 600);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Hilfe"), QStringLiteral("Höhe"), 0), 600);

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
        QElapsedTimer clock;
        clock.start();
        while (!heard.contains(what) && clock.elapsed() < 20000) {
            logger32.waitForReadyRead(100);
            heard += logger32.readAll();
        }
        return heard.contains(what);
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
    ASSERT_TRUE(first.waitForFinished(20000));
    EXPECT_EQ(first.exitCode(), 0);
    ::kill(pid_t(next.processId()), SIGTERM);
    ASSERT_TRUE(next.waitForFinished(20000));
    logger32.terminate();
    logger32.waitForFinished(5000);
}

TEST_F(ProgramRunTest, LockOfACrashedInstanceIsReleased)
{
    QProcess crashed;
    launch(crashed);
    waitUntilRunning(crashed);
    crashed.kill();
    ASSERT_TRUE(crashed.waitForFinished(10000));

    QProcess next;
    launch(next);
    EXPECT_TRUE(comesUp(next)) << "starts normally instead of exiting as a second instance";
    ::kill(pid_t(next.processId()), SIGTERM);
    ASSERT_TRUE(next.waitForFinished(20000));
    EXPECT_EQ(next.exitCode(), 0);
    EXPECT_TRUE(QFile::exists(folder.iniPath()));
}

} // namespace
