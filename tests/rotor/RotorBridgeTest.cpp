// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "RotorProgramOnBus.h"

#include "support/LinkWait.h"
#include "support/ProgramFolder.h"
#include "support/RotorProgramRun.h"
#include "support/ScriptedDialogs.h"

#include "platform/NamedMutex.h"
#include "rotor/TF_Rotor.h"
#include "rotor/TForm6.h"
#include "session/Session.h"
#include "support/RotorLinkProbe.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <tuple>

namespace {

// Asks a rotctld for its position: command "p", answered by azimuth and elevation lines.
double rotctldAzimuth(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket.waitForConnected(2000))
        return NAN;
    socket.write("p\n");
    while (!socket.canReadLine() && socket.waitForReadyRead(2000)) { }
    return socket.readLine().trimmed().toDouble();
}

// The started program's link window with the real rotor program, which the link itself starts
// from the registered path, driving a Hamlib rotator.
class RotorBridgeTest : public testing::Test {
protected:
    ScriptedDialogs dialogs;
    ProgramFolder folder;
    QProcess rotctld;

    void SetUp() override
    {
        folder.writeReferenceData();
        folder.timing.rotorLink.connectInterval = 200;  // ms: a tenth of the program's
    }

    void TearDown() override
    {
        RotorProgramOnBus::stop();
        folder.stop();
        if (rotctld.state() != QProcess::NotRunning) {
            rotctld.terminate();
            rotctld.waitForFinished(5000);
        }
    }

    // The rotor program enters its path and rotator options in the registry, as a user does once.
    void registerRotorProgram(const QStringList& options)
    {
        const RotorProgramRun registration = RotorProgramRun::of(QStringList {"--register"} + options);
        ASSERT_EQ(registration.exitCode, 0) << registration.output.toStdString();
    }

    // Starts the program with connection attempts every 40 ms; after two of them no rotor program
    // runs and none is linked.
    void expectNoLinkAfterTwoAttempts()
    {
        folder.timing.rotorLink.connectInterval = 40;  // ms
        folder.start();
        const QSignalSpy ticks(&RotorLinkProbe::timer(*rotorLink()), &QTimer::timeout);
        ASSERT_TRUE(waitFor([&] { return ticks.count() >= 2; }));
        EXPECT_FALSE(session()->rotorState().rotorConnected);
        EXPECT_FALSE(RotorProgramOnBus::running());
        EXPECT_TRUE(session()->rotorState().rotorProgramFolder.isEmpty());
    }

    // Starts rotctld with the dummy rotator on a free port and waits until it answers; the port.
    quint16 startRotctld()
    {
        QTcpServer probe;
        EXPECT_TRUE(probe.listen(QHostAddress::LocalHost));
        const quint16 port = probe.serverPort();
        probe.close();
        rotctld.start("rotctld", {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(port)});
        EXPECT_TRUE(rotctld.waitForStarted(5000)) << "rotctld not found";
        EXPECT_TRUE(waitFor([&] { return !std::isnan(rotctldAzimuth(port)); }, 10000));
        return port;
    }

    // What the rotor program has written to its log (in the folder's state home).
    QByteArray rotorProgramLog() const { return folder.readFile(QStringLiteral("state/Corvane/CorvaneRotor.log")); }

    // Connects, receives statuses, turns the rotor to a target, and loses the link with the
    // rotor program. rotatorAzimuth reads the rotator's own azimuth, degrees.
    void runLink(const std::function<double()>& rotatorAzimuth)
    {
        folder.start();
        const RotorState& rotor = session()->rotorState();
        ASSERT_TRUE(waitFor([&] { return rotor.rotorConnected && rotor.rotorAzimuth; }));
        EXPECT_FALSE(RotorProgramOnBus::linkMutexFree());
        EXPECT_LT(rotor.rotorMinAzimuth, rotor.rotorMaxAzimuth);

        const double step = *rotor.rotorAzimuth + 10 < rotor.rotorMaxAzimuth ? 10 : -10;  // degrees
        const double goal = *rotor.rotorAzimuth + step;
        rotorLink()->setTargetElevation(10);
        rotorLink()->turnTo(goal);
        ASSERT_TRUE(waitFor([] { return !rotorLink()->sendPending(); }));
        ASSERT_TRUE(waitFor([&] { return std::abs(rotatorAzimuth() - goal) < 1; }))
            << "rotator at " << rotatorAzimuth() << ", reported " << rotor.rotorAzimuth.value_or(NAN);
        ASSERT_TRUE(waitFor([&] { return std::abs(rotor.rotorAzimuth.value_or(NAN) - goal) < 1; }));

        RotorProgramOnBus::stop();
        ASSERT_TRUE(waitFor([&] { return !rotor.rotorConnected; }));
        EXPECT_TRUE(RotorProgramOnBus::linkMutexFree());
    }
};

TEST_F(RotorBridgeTest, DummyRotatorFollowsTheTarget)
{
    registerRotorProgram({"--model", "1"});
    runLink([] { return session()->rotorState().rotorAzimuth.value_or(NAN); });
}

TEST_F(RotorBridgeTest, RotctldRotatorFollowsTheTarget)
{
    const quint16 port = startRotctld();
    registerRotorProgram(
        {"--model", "2", "--device", QStringLiteral("127.0.0.1:%1").arg(port)});  // Hamlib's network model
    runLink([port] { return rotctldAzimuth(port); });
}

TEST_F(RotorBridgeTest, NoAttemptWhileAnotherProgramHoldsTheLinkMutex)
{
    registerRotorProgram({"--model", "1"});
    auto other = std::make_unique<NamedMutex>(TF_Rotor::mutexName);
    ASSERT_TRUE(other->tryLock());
    ASSERT_NO_FATAL_FAILURE(expectNoLinkAfterTwoAttempts());
    other.reset();
    ASSERT_TRUE(waitFor([] { return session()->rotorState().rotorConnected; }));
}

TEST_F(RotorBridgeTest, WithoutRegistryEntryTheProgramRunsWithoutRotor)
{
    ASSERT_NO_FATAL_FAILURE(expectNoLinkAfterTwoAttempts());
    EXPECT_FALSE(session()->rotorState().rotorAzimuth);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

// rotctld is killed and started again on the same port: the rotor program reopens the rotator by
// itself and the program reads real azimuths again within 10 s, without a new rotor program.
TEST_F(RotorBridgeTest, ARestartedRotctldIsReadAgainWithinTenSeconds)
{
    registerRotorProgram({"--model", "2", "--device", QStringLiteral("127.0.0.1:%1").arg(startRotctld())});
    folder.start();
    ASSERT_TRUE(
        waitFor([] { return session()->rotorState().rotorConnected && session()->rotorState().rotorStatus6 == 1; }));
    const auto rotorPid = QDBusConnection::sessionBus().interface()->servicePid(RotorProgramOnBus::busName()).value();
    const qint64 logBefore = rotorProgramLog().size();
    rotctld.kill();
    rotctld.waitForFinished(5000);
    ASSERT_TRUE(waitFor([] { return !session()->rotorState().rotorAzimuth; }, 10000));
    // The rotor program has tried to reopen the rotator in vain before rotctld comes back.
    ASSERT_TRUE(waitFor([&] { return rotorProgramLog().mid(logBefore).contains("neuer Versuch folgt"); }, 10000));
    rotctld.start();  // on the same port
    ASSERT_TRUE(rotctld.waitForStarted(5000));
    QElapsedTimer back;
    back.start();
    const RotorState& rotor = session()->rotorState();
    ASSERT_TRUE(waitFor([&] { return rotor.rotorAzimuth && rotor.rotorStatus6 == 1; }, 10000));
    std::printf("real azimuth again %lld ms after rotctld came back\n", static_cast<long long>(back.elapsed()));
    EXPECT_EQ(QDBusConnection::sessionBus().interface()->servicePid(RotorProgramOnBus::busName()).value(), rotorPid);
    EXPECT_TRUE(session()->rotorState().rotorConnected);
    ASSERT_TRUE(waitFor([] { return !form6()->isHidden(); }));
}

// What the registration prints and stores, and what it refuses; a refused registration leaves
// the one before in place.
TEST_F(RotorBridgeTest, RegistrationStoresWhatItIsGivenAndRefusesWhatCannotWork)
{
    const auto run = [](const QStringList& arguments) { return RotorProgramRun::of(arguments); };
    const RotorProgramRun first =
        run({"--register", "--model", "1", "--min-az", "-180", "--max-az", "540", "--set-conf", "min_el=0"});
    ASSERT_EQ(first.exitCode, 0) << first.output.toStdString();
    for (const char* says :
         {"Der Rotor nimmt nur -180° bis 450° an", "Drehbereich für Corvane: -180° bis 450°", "Position: Azimut 0°"})
        EXPECT_TRUE(first.output.contains(QString::fromUtf8(says))) << first.output.toStdString();
    const QString shown = run({"--show"}).output;
    EXPECT_TRUE(shown.contains(QStringLiteral("Drehbereich: -180° bis 540°"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Hamlib-Einstellungen: min_el=0")));

    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const QString nobody = QStringLiteral("127.0.0.1:%1").arg(closed.serverPort());
    closed.close();
    // Arguments, exit code, and what the output says.
    const std::tuple<QStringList, int, QString> refusals[] = {
        {{"--register", "--model", "999999"}, 2, "Hamlib kennt kein Rotormodell 999999"},
        {{"--register", "--model", "2", "--device", nobody}, 1, "lässt sich nicht öffnen"},
        {{"--register", "--model", "1", "--set-conf", "gibtsnicht=1"}, 2, "Einstellung 'gibtsnicht=1' nicht möglich"},
        {{"--register", "--model", "1", "--min-az", "460"}, 2, "ist leer"},
    };
    for (const auto& [arguments, exitCode, says] : refusals) {
        const RotorProgramRun result = run(arguments);
        EXPECT_EQ(result.exitCode, exitCode) << result.output.toStdString();
        EXPECT_TRUE(result.output.contains(says)) << result.output.toStdString();
        EXPECT_TRUE(result.output.contains(QStringLiteral("Nichts eingetragen."))) << result.output.toStdString();
        EXPECT_EQ(run({"--show"}).output, shown) << "changed by " << arguments.join(u' ').toStdString();
    }
    // The cut range is what the running rotor program reports.
    folder.start();
    ASSERT_TRUE(
        waitFor([] { return session()->rotorState().rotorConnected && session()->rotorState().rotorMaxAzimuth != 0; }));
    EXPECT_EQ(session()->rotorState().rotorMinAzimuth, -180);
    EXPECT_EQ(session()->rotorState().rotorMaxAzimuth, 450);
}

}  // namespace
