// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "FakeEasycomm.h"
#include "FakeRotctld.h"
#include "support/LinkWait.h"
#include "support/PrivateBus.h"
#include "support/RotorProgramRun.h"

#include "platform/DdeClientConversation.h"
#include "platform/DdeServer.h"
#include "rotor/RotorMacros.h"
#include "rotor/RotorState.h"
#include "rotorbridge/BridgeLog.h"
#include "rotorbridge/RotorProgram.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace {

// The rotor program runs five times faster than in life: a status every 100 ms, the reopening
// pauses a fifth as long. The motion rules count readings, so the stand-in's rotator turns five
// times as fast where motion is checked: each reading then sees the same degrees as in life.
constexpr int speedUp = 5;
const RotorBridgeTiming fast {500 / speedUp, {1000 / speedUp, 2000 / speedUp, 5000 / speedUp}};  // ms

// One status as the rotor program sent it, with where the stand-in's rotator stood when it came.
struct Received {
    RotorState status;
    double trueAzimuth;  // degrees
};

// The rotor program's parts, wired as the program runs them, against a stand-in rotctld, watched
// by a probe that takes Corvane's place: the probe serves "AntDaten" under the service "Probe" and
// greets the rotor program with "ZD Probe", so the statuses come to it.
class RotorProgramTest : public testing::Test {
protected:
    QTemporaryDir home;
    QDBusConnection probeBus = QDBusConnection::connectToBus(PrivateBus::address(), QStringLiteral("probe"));
    FakeRotctld rotctld;
    std::vector<Received> statuses;
    std::unique_ptr<DdeServer> probe;
    std::unique_ptr<DdeClientConversation> toRotor;
    BridgeLog bridgeLog {home.path() + QStringLiteral("/CorvaneRotor.log")};
    std::unique_ptr<HamlibRotator> rotator;
    std::unique_ptr<RotorProgram> rotor;

    void SetUp() override
    {
        probe = std::make_unique<DdeServer>(probeBus, QStringLiteral("Probe"), QStringLiteral("AntDaten"),
                                            [this](const QString&, const QString& macro) {
                                                RotorState state;
                                                RotorMacros::parseStatus(RotorMacros::lines(macro), state);
                                                statuses.push_back({state, rotctld.azimuth()});
                                                return true;
                                            });
        ASSERT_TRUE(probe->registerService());
        toRotor = std::make_unique<DdeClientConversation>(probeBus);
    }

    void TearDown() override
    {
        toRotor.reset();
        probe.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("probe"));
    }

    // Starts the rotor program for the stand-in (or the device given) and greets it.
    void startRotor(const QString& device)
    {
        BridgeOptions options;
        options.model = 2;
        options.device = device;
        options.links.pst.off = options.links.n1mm.off = true;
        rotator = std::make_unique<HamlibRotator>(HamlibRotator::Setup {options.model, device, {}});
        rotor = std::make_unique<RotorProgram>(QDBusConnection::sessionBus(), QStringLiteral("CorvaneRotor"), *rotator,
                                               options, bridgeLog, fast);
        ASSERT_EQ(rotor->start(), RotorBridge::StartResult::Started);
        ASSERT_TRUE(toRotor->connectTo(QStringLiteral("CorvaneRotor"), QStringLiteral("RotServConv")));
        ASSERT_TRUE(toRotor->executeAsync(QStringLiteral("ZD Probe\r\n")));
        ASSERT_TRUE(waitFor([&] { return !statuses.empty(); }, 5000));
    }

    // Waits for that many further statuses; returns them.
    std::vector<Received> collect(size_t count)
    {
        const size_t first = statuses.size();
        waitFor([&] { return statuses.size() >= first + count; }, int(count) * 1000 / speedUp + 5000);
        return {statuses.begin() + std::ptrdiff_t(first), statuses.end()};
    }

    struct BusReply {
        bool ok;
        QString output;  // the reply, or the error text
    };
    // A method of the shell interface, called as an operator would with busctl ("--": negative
    // numbers are no options). The event loop runs meanwhile, so the rotor program answers.
    static BusReply call(const QStringList& arguments)
    {
        QProcess process;
        process.start("busctl",
                      QStringList {"--user", "call", "--", "dde.CorvaneRotor", "/Rotor", "corvane.Rotor"} + arguments);
        const bool finished = QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000);
        const bool ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        return {ok, QString::fromUtf8(ok ? process.readAllStandardOutput() : process.readAllStandardError()).trimmed()};
    }

    std::string log() const
    {
        QFile file(bridgeLog.path());
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }
};

// A standing rotator that wobbles reports no motion; a turning one its direction until it stops.
TEST_F(RotorProgramTest, TheMotionFollowsTheRotatorAndNotItsWobble)
{
    rotctld.setAzimuth(100);
    rotctld.jitter = 0.5;
    rotctld.degreesPerSecond = 6 * speedUp;
    startRotor(rotctld.device());
    const std::vector<Received> standing = collect(16);
    ASSERT_GE(standing.size(), 16u);
    for (const Received& r : standing) {
        EXPECT_EQ(r.status.rotorStatus6, 1);
        EXPECT_NEAR(r.status.rotorAzimuth.value_or(NAN), 100, 0.6);
        EXPECT_EQ(r.status.rotorMotion, 0) << "at " << r.status.rotorAzimuth.value_or(NAN);
    }
    for (const double goal : {130.0, 100.0}) {
        const int direction = goal > rotctld.azimuth() ? 1 : -1;
        const double from = rotctld.azimuth();
        statuses.clear();
        ASSERT_TRUE(toRotor->executeAsync(QString::number(int(goal * 10)) + QStringLiteral("\r\n0\r\n0\r\n")));
        ASSERT_TRUE(waitFor([&] { return rotctld.azimuth() == goal; }, 15000));
        const std::vector<Received> after = collect(6);
        // The statuses while it turned: its direction from the second on.
        std::vector<int> turning;
        for (const Received& r : statuses)
            if (r.trueAzimuth != from && r.trueAzimuth != goal)
                turning.push_back(r.status.rotorMotion);
        ASSERT_GE(turning.size(), 6u);
        for (size_t i = 1; i < turning.size(); ++i)
            EXPECT_EQ(turning[i], direction) << "status " << i << " of the turn to " << goal;
        // Standing again: 0 from the third status after the stop on.
        for (size_t i = 2; i < after.size(); ++i)
            EXPECT_EQ(after[i].status.rotorMotion, 0) << "status " << i << " after the stop at " << goal;
    }
}

TEST_F(RotorProgramTest, ARotatorThatCannotBeOpenedIsRetriedUntilItAnswers)
{
    QTcpServer closed;  // for a port of the loopback where nothing listens
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    startRotor(QStringLiteral("127.0.0.1:%1").arg(port));
    const std::vector<Received> down = collect(8);
    ASSERT_FALSE(down.empty());
    for (const Received& r : down) {
        EXPECT_FALSE(r.status.rotorAzimuth);
        EXPECT_EQ(r.status.rotorStatus6, 0);
    }
    EXPECT_TRUE(probeBus.interface()->isServiceRegistered(QStringLiteral("dde.CorvaneRotor")).value());
    const BusReply stop = call({"Stop"});  // a stop without an open rotator is an error
    EXPECT_FALSE(stop.ok);
    EXPECT_TRUE(stop.output.contains(QStringLiteral("Rotor nicht geöffnet"))) << stop.output.toStdString();

    FakeRotctld late(port);
    ASSERT_TRUE(late.isListening());
    late.setAzimuth(42);
    QElapsedTimer back;
    back.start();
    ASSERT_TRUE(waitFor([&] { return statuses.back().status.rotorAzimuth == 42; }, 10000)) << log();
    EXPECT_LT(back.elapsed(), 10000);
    EXPECT_NE(log().find("Rotor geöffnet."), std::string::npos) << log();
}

TEST_F(RotorProgramTest, AStrangersHelloDoesNotTakeTheStatuses)
{
    startRotor(rotctld.device());
    QDBusConnection strangerBus = QDBusConnection::connectToBus(PrivateBus::address(), QStringLiteral("stranger"));
    {
        QDBusMessage call =
            QDBusMessage::createMethodCall(QStringLiteral("dde.CorvaneRotor"), QStringLiteral("/RotServConv"),
                                           QStringLiteral("dde.Conversation"), QStringLiteral("Execute"));
        call << QStringLiteral("ZD Nobody\r\n");
        const QDBusMessage reply = strangerBus.call(call, QDBus::BlockWithGui, 5000);
        EXPECT_EQ(reply.type(), QDBusMessage::ErrorMessage);
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("stranger"));
    EXPECT_GE(collect(4).size(), 4u);
}

// The commands of the README's section on steering from the shell, as printed there.
TEST_F(RotorProgramTest, TheShellCommandsTurnAndReadTheRotor)
{
    rotctld.setAzimuth(10);
    rotctld.degreesPerSecond = 60;
    startRotor(rotctld.device());
    const auto busctl = [](const QStringList& arguments) { return call(arguments).output; };
    ASSERT_EQ(busctl({"Azimuth"}), QStringLiteral("d 10"));
    busctl({"TurnTo", "dd", "45", "0"});
    ASSERT_TRUE(waitFor([&] { return rotctld.azimuth() == 45; }, 5000));
    ASSERT_TRUE(waitFor([&] { return busctl({"Azimuth"}) == QStringLiteral("d 45"); }, 5000));
    EXPECT_EQ(busctl({"MaxAzimuth"}), QStringLiteral("i 450"));
}

// Angles that are no finite number never reach the rotator, from the bus or anywhere else; a
// huge finite one is held within the travel ends.
TEST_F(RotorProgramTest, OnlyFiniteTargetsReachTheRotator)
{
    rotctld.setAzimuth(100);
    rotctld.degreesPerSecond = 1000;
    startRotor(rotctld.device());
    const std::tuple<const char*, const char*, bool> cases[] = {
        // azimuth, elevation (degrees), refused
        {"nan", "0", true},   {"inf", "0", true},    {"-inf", "0", true},    {"45", "nan", true},
        {"45", "-inf", true}, {"1e308", "0", false}, {"-1e308", "0", false},
    };
    for (const auto& [azimuth, elevation, refused] : cases) {
        const BusReply reply = call({"TurnTo", "dd", azimuth, elevation});
        EXPECT_EQ(reply.ok, !refused) << azimuth << " " << elevation << ": " << reply.output.toStdString();
        if (refused) {
            EXPECT_TRUE(reply.output.contains(QStringLiteral("keine endliche Zahl"))) << reply.output.toStdString();
        }
        QTest::qWait(50);
        EXPECT_TRUE(rotctld.azimuth() >= 0 && rotctld.azimuth() <= 450) << azimuth << " led to " << rotctld.azimuth();
    }
    EXPECT_NE(log().find("keine endliche Zahl"), std::string::npos) << log();
    // The log names what went to the rotator, not what was asked.
    EXPECT_NE(log().find("Azimut 450°"), std::string::npos) << log();
    EXPECT_EQ(log().find("Azimut 1e+308°"), std::string::npos) << log();
}

// A target the rotator no longer heads for is sent again: after rotctld was restarted (its rotator
// back at rest) and after a stop on the rotator's front panel, which the program does not see.
TEST_F(RotorProgramTest, ARepeatedTargetTurnsTheRotatorOnceItNoLongerHeadsThere)
{
    auto first = std::make_unique<FakeRotctld>();
    first->degreesPerSecond = 1000;
    const quint16 port = first->port();
    startRotor(first->device());
    const QStringList target {"TurnTo", "dd", "200.5", "20.5"};
    ASSERT_TRUE(call(target).ok);
    ASSERT_TRUE(waitFor([&] { return first->azimuth() == 200.5; }, 5000));
    first.reset();
    FakeRotctld restarted(port);
    restarted.degreesPerSecond = 1000;
    ASSERT_TRUE(waitFor([&] { return statuses.back().status.rotorAzimuth == 0; }, 10000)) << log();
    ASSERT_TRUE(call(target).ok);
    ASSERT_TRUE(waitFor([&] { return restarted.azimuth() == 200.5; }, 5000)) << "the restarted rotator stays at rest";

    restarted.setAzimuth(200.5);  // its speed changes from here on
    restarted.degreesPerSecond = 10 * speedUp;
    ASSERT_TRUE(call({"TurnTo", "dd", "100", "20.5"}).ok);
    ASSERT_TRUE(waitFor([&] { return restarted.azimuth() < 190; }, 5000));
    restarted.setAzimuth(restarted.azimuth());  // stopped on its front panel
    const double stoppedAt = restarted.azimuth();
    collect(CommandPacer::startReadings + 2);
    ASSERT_TRUE(call({"TurnTo", "dd", "100", "20.5"}).ok);
    EXPECT_TRUE(waitFor([&] { return restarted.azimuth() < stoppedAt - 5; }, 5000)) << "it stays at " << stoppedAt;
}

// Travel ranges the rotor program refuses with exit code 2 and a message.
TEST(RotorBridgeOptionsTest, ATravelRangeThatIsNoRangeIsRefused)
{
    const QStringList cases[] = {
        {"--model", "1", "--min-az", "500"},  // above the dummy rotator's own right end
        {"--model", "1", "--min-az", "90", "--max-az", "90"},
        {"--model", "1", "--max-az", "-300"},
    };
    for (const QStringList& options : cases) {
        const RotorProgramRun program = RotorProgramRun::of(options);
        EXPECT_EQ(program.exitCode, 2) << options.join(u' ').toStdString();
        EXPECT_FALSE(program.output.isEmpty());
    }
}

// What the rotor set-up window relies on: a check opens the rotator as a registration would and
// stores nothing, whatever its outcome; the model list is Hamlib's, by number.
TEST(RotorBridgeOptionsTest, ACheckStoresNothingAndTheModelsAreListed)
{
    const QString shown = RotorProgramRun::of({"--show"}).output;
    const struct {
        QStringList arguments;
        int exitCode;
        const char* says;
    } cases[] = {
        {{"--check", "--model", "1"}, 0, "Prüfung gelungen. Nichts eingetragen."},
        {{"--check", "--model", "2", "--device", "unbekannt.invalid:4533"}, 1, "lässt sich nicht öffnen"},
        {{"--check", "--model", "999999"}, 2, "Hamlib kennt kein Rotormodell 999999"},
        {{"--check", "--show"}, 2, "schließen einander aus"},
    };
    for (const auto& c : cases) {
        const RotorProgramRun program = RotorProgramRun::of(c.arguments);
        EXPECT_EQ(program.exitCode, c.exitCode) << program.output.toStdString();
        EXPECT_TRUE(program.output.contains(QString::fromUtf8(c.says))) << program.output.toStdString();
        EXPECT_EQ(RotorProgramRun::of({"--show"}).output, shown) << c.arguments.join(u' ').toStdString();
    }

    const RotorProgramRun list = RotorProgramRun::of({"--list-models"});
    ASSERT_EQ(list.exitCode, 0);
    const QStringList lines = list.output.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.contains(QStringLiteral("1;Hamlib;Dummy")));
    EXPECT_TRUE(lines.contains(QStringLiteral("2;Hamlib;NET rotctl")));
    int previous = 0;
    for (const QString& line : lines) {
        const int number = line.section(u';', 0, 0).toInt();
        EXPECT_GT(number, previous) << line.toStdString();
        EXPECT_EQ(line.count(u';'), 2) << line.toStdString();
        previous = number;
    }
}

// The environment of a German station, with a registry of the test's own.
QProcessEnvironment germanStation(const QTemporaryDir& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANG", "LC_ALL"})
        environment.insert(QString::fromLatin1(name), QStringLiteral("de_DE.UTF-8"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), home.path() + QStringLiteral("/state"));
    return environment;
}

// Hamlib writes and reads every rotator's numbers with the C library's locale: under a German one
// the rotor program still reads a rotctld to the hundredth, registers an Easycomm II rotator on a
// serial line and sends it its target with a decimal point.
TEST(RotorProgramLocaleTest, NumbersCrossWithADecimalPointUnderAGermanLocale)
{
    const std::string numeric = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr) << "de_DE.UTF-8 missing: tools/install-deps.sh makes it";
    std::setlocale(LC_NUMERIC, numeric.c_str());
    QTemporaryDir home;
    const QProcessEnvironment german = germanStation(home);

    FakeRotctld rotctld;
    rotctld.setAzimuth(180.02);
    rotctld.elevation = 32.73;
    const RotorProgramRun check = RotorProgramRun::of({"--check", "--model", "2", "--device", rotctld.device()}, german);
    EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
    EXPECT_TRUE(check.output.contains(QStringLiteral("Azimut 180.02°, Elevation 32.73°"))) << check.output.toStdString();

    FakeEasycomm easycomm;
    ASSERT_TRUE(easycomm.isOpen());
    easycomm.azimuth = 180.02;
    easycomm.elevation = 32.73;
    const RotorProgramRun registered =
        RotorProgramRun::of({"--register", "--model", "202", "--device", easycomm.device()}, german);
    ASSERT_EQ(registered.exitCode, 0) << registered.output.toStdString();
    EXPECT_TRUE(registered.output.contains(QStringLiteral("Azimut 180.02°, Elevation 32.73°")))
        << registered.output.toStdString();

    QProcess running;
    running.setProcessEnvironment(german);
    running.setProcessChannelMode(QProcess::ForwardedChannels);
    running.start(rotorProgramPath(), {});
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    ASSERT_TRUE(waitFor([&] { return bus->isServiceRegistered(QStringLiteral("dde.CorvaneRotor")).value(); }, 10000));
    QDBusMessage turn = QDBusMessage::createMethodCall(QStringLiteral("dde.CorvaneRotor"), QStringLiteral("/Rotor"),
                                                       QStringLiteral("corvane.Rotor"), QStringLiteral("TurnTo"));
    turn << 123.4 << 10.5;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(turn, QDBus::Block, 5000);
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_TRUE(waitFor([&] { return easycomm.received().contains("AZ123.4 EL10.5"); }, 5000))
        << easycomm.received().join(" | ").toStdString();
    running.terminate();
    EXPECT_TRUE(running.waitForFinished(5000));
    for (const QByteArray& line : easycomm.received())
        EXPECT_FALSE(line.contains(',')) << line.toStdString();
}

}  // namespace
