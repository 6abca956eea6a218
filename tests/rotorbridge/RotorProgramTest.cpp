// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "FakeEasycomm.h"
#include "FakeRotctld.h"
#include "support/LinkWait.h"
#include "support/PrivateBus.h"
#include "support/RotorProgramRun.h"
#include "support/TakenPort.h"

#include "platform/DdeClientConversation.h"
#include "platform/DdeServer.h"
#include "rotor/RotorMacros.h"
#include "session/RotorState.h"
#include "rotorbridge/BridgeLog.h"
#include "rotorbridge/LoginThrottle.h"
#include "rotorbridge/RotorProgram.h"
#include "rotorbridge/WebCertificate.h"
#include "rotorbridge/WebPassword.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QNetworkInterface>
#include <QRegularExpression>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>
#include <QWebSocket>
#include <gtest/gtest.h>

#include <clocale>
#include <map>
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

    // The client ports of most tests: all of them off.
    static LinkOptions quietLinks()
    {
        LinkOptions links;
        links.pst.off = links.n1mm.off = true;
        return links;
    }

    // Starts the rotor program for the stand-in (or the device given) and greets it.
    void startRotor(const QString& device, const LinkOptions& links = quietLinks())
    {
        BridgeOptions options;
        options.model = 2;
        options.device = device;
        options.links = links;
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

// A client port that another program holds is logged with its holder and left out; one that
// other machines reach is logged with the warning.
TEST_F(RotorProgramTest, TheLogSaysWhichPortIsTakenAndWhichReachesTheNetwork)
{
    QTcpServer rotctldHolder;
    ASSERT_TRUE(rotctldHolder.listen(QHostAddress::LocalHost, 0));
    QUdpSocket pstHolder;
    ASSERT_TRUE(pstHolder.bind(QHostAddress::LocalHost, 0, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
    LinkOptions links;
    links.rotctld = Endpoint::local(rotctldHolder.serverPort());
    links.pst = Endpoint::local(pstHolder.localPort());
    links.n1mm = {QHostAddress(QHostAddress::AnyIPv4), 0, false};
    startRotor(rotctld.device(), links);
    const QString lines[] = {
        QStringLiteral("rotctld-Server auf 127.0.0.1:%1 nicht möglich (%2); ohne ihn weiter.")
            .arg(QString::number(rotctldHolder.serverPort()), takenByThisProcess(rotctldHolder.serverPort())),
        QStringLiteral("PstRotator-UDP auf 127.0.0.1:%1 nicht möglich (%2); ohne ihn weiter.")
            .arg(QString::number(pstHolder.localPort()), takenByThisProcess(pstHolder.localPort())),
        QStringLiteral("N1MM-UDP auf 0.0.0.0:0.\n"),
        QStringLiteral("Achtung: N1MM-UDP auf 0.0.0.0:0 empfangsbereit, auch aus dem Netz, ohne Anmeldung"),
    };
    const QString text = QString::fromStdString(log());
    for (const QString& line : lines)
        EXPECT_TRUE(text.contains(line)) << line.toStdString() << "\n" << text.toStdString();
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

// The rotor program speaks the language of the settings file Corvane registered: English with
// [Parameter] Sprache=English, German without the key, without a file and without a registered one;
// started by a Corvane run told its language with --lang, that one.
TEST(RotorProgramLanguageTest, SpeaksTheLanguageCorvanesSettingsChoose)
{
    struct Case {
        const char* name;
        const char* settings;  // Corvane.ini; null: none registered
        const char* help;      // a line of --help
        const char* refusal;   // the refusal of an unknown model
        const char* runLanguage = nullptr;  // CORVANE_LANGUAGE, as Corvane started with --lang passes it
    } const cases[] = {
        {"English chosen", "[Parameter]\r\nSprache=English\r\n", "Rotor control for Corvane",
         "Hamlib knows no rotator model 99999. Nothing registered."},
        {"German chosen", "[Parameter]\r\nSprache=Deutsch\r\n", "Rotorsteuerung für Corvane",
         "Hamlib kennt kein Rotormodell 99999. Nichts eingetragen."},
        {"no key", "[Parameter]\r\nKreise=5000\r\n", "Rotorsteuerung für Corvane",
         "Hamlib kennt kein Rotormodell 99999. Nichts eingetragen."},
        {"no settings registered", nullptr, "Rotorsteuerung für Corvane",
         "Hamlib kennt kein Rotormodell 99999. Nichts eingetragen."},
        {"English for Corvane's run over German chosen", "[Parameter]\r\nSprache=Deutsch\r\n", "Rotor control for Corvane",
         "Hamlib knows no rotator model 99999. Nothing registered.", "en"},
        {"German for Corvane's run over English chosen", "[Parameter]\r\nSprache=English\r\n",
         "Rotorsteuerung für Corvane", "Hamlib kennt kein Rotormodell 99999. Nichts eingetragen.", "de"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir home;
        QProcessEnvironment german = germanStation(home);
        if (c.runLanguage)
            german.insert(QStringLiteral("CORVANE_LANGUAGE"), QString::fromLatin1(c.runLanguage));
        if (c.settings) {
            const QString ini = home.filePath(QStringLiteral("Corvane.ini"));
            QFile file(ini);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.settings);
            file.close();
            ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("config"))));
            QFile registry(home.filePath(QStringLiteral("config/Corvane.conf")));
            ASSERT_TRUE(registry.open(QIODevice::WriteOnly));
            registry.write("[General]\nEinstellungsdatei=" + ini.toUtf8() + '\n');
        }
        const RotorProgramRun help = RotorProgramRun::of({"--help"}, german);
        EXPECT_TRUE(help.output.contains(QString::fromUtf8(c.help))) << help.output.toStdString();
        const RotorProgramRun refused = RotorProgramRun::of({"--check", "--model", "99999"}, german);
        EXPECT_EQ(refused.exitCode, 2);
        EXPECT_TRUE(refused.output.contains(QString::fromUtf8(c.refusal))) << refused.output.toStdString();
    }
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

// A port free now (TCP and UDP alike, for a moment).
quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// Every listener on an address beyond the loopback is warned of in the settings that "--check"
// (like "--register" and "--show") prints; the check goes on where such an address is not this
// machine's.
TEST(RotorBridgeOptionsTest, AListenerThatOtherMachinesReachIsWarnedOf)
{
    const QString port = QString::number(freePort());
    const struct {
        const char* option;
        const char* host;
        const char* name;  // as the settings name the port
        bool warned;
    } cases[] = {
        {"--serve-rotctld", "127.0.0.1", "rotctld-Server", false},
        {"--pst", "[::1]", "PstRotator-UDP", false},
        {"--n1mm", "127.0.0.2", "N1MM-UDP", false},
        {"--serve-rotctld", "0.0.0.0", "rotctld-Server", true},
        {"--pst", "[::]", "PstRotator-UDP", true},
        {"--n1mm", "0.0.0.0", "N1MM-UDP", true},
        {"--pst", "192.168.1.5", "PstRotator-UDP", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.option << " " << c.host);
        const QString endpoint = QString::fromLatin1(c.host) + u':' + port;
        QStringList arguments {"--check", "--model", "1", "--pst", "aus", "--n1mm", "aus"};
        arguments << QString::fromLatin1(c.option) << endpoint;
        const RotorProgramRun program = RotorProgramRun::of(arguments);
        EXPECT_EQ(program.exitCode, 0) << program.output.toStdString();
        EXPECT_TRUE(program.output.contains(QStringLiteral("%1: %2").arg(QLatin1String(c.name), endpoint)))
            << program.output.toStdString();
        EXPECT_EQ(program.output.contains(
                      QStringLiteral("Achtung: %1 auf %2 empfangsbereit, auch aus dem Netz, ohne Anmeldung")
                          .arg(QLatin1String(c.name), endpoint)),
                  c.warned)
            << program.output.toStdString();
        EXPECT_EQ(program.output.contains(QStringLiteral("auch aus dem Netz")), c.warned);
    }
}

// "--check" and "--register" try the ports they would serve: one another program holds is named
// with its holder (here this test), and the rotator is still checked and registered; "--show"
// warns as the check did.
TEST(RotorBridgeOptionsTest, TheCheckNamesATakenPortAndTheShowWarnsOfTheNetwork)
{
    QTemporaryDir config;
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QTcpServer rotctldHolder;
    ASSERT_TRUE(rotctldHolder.listen(QHostAddress::LocalHost, 0));
    QUdpSocket n1mmHolder;
    ASSERT_TRUE(n1mmHolder.bind(QHostAddress::AnyIPv4, 0, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
    const QString rotctldPort = QString::number(rotctldHolder.serverPort());
    const QString n1mmPort = QString::number(n1mmHolder.localPort());
    const QString pstPort = QString::number(freePort());
    const QStringList options {"--model", "1",      "--serve-rotctld", rotctldPort,
                               "--n1mm",  n1mmPort, "--pst",           "0.0.0.0:" + pstPort};
    const struct {
        const char* action;
        const char* verdict;
    } cases[] = {{"--check", "Prüfung gelungen. Nichts eingetragen."}, {"--register", "Eingetragen: "}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        const RotorProgramRun program = RotorProgramRun::of(QStringList {QString::fromLatin1(c.action)} + options);
        EXPECT_EQ(program.exitCode, 0) << program.output.toStdString();
        for (const QString& said :
             {QStringLiteral("rotctld-Server auf 127.0.0.1:%1 nicht möglich: %2")
                  .arg(rotctldPort, takenByThisProcess(rotctldHolder.serverPort())),
              QStringLiteral("N1MM-UDP auf 127.0.0.1:%1 nicht möglich: %2")
                  .arg(n1mmPort, takenByThisProcess(n1mmHolder.localPort())),
              QStringLiteral("Achtung: PstRotator-UDP auf 0.0.0.0:%1 empfangsbereit, auch aus dem Netz, "
                             "ohne Anmeldung")
                  .arg(pstPort),
              QString::fromUtf8(c.verdict)})
            EXPECT_TRUE(program.output.contains(said)) << said.toStdString() << "\n" << program.output.toStdString();
        EXPECT_FALSE(program.output.contains(QStringLiteral("PstRotator-UDP auf 0.0.0.0:%1 nicht").arg(pstPort)))
            << "its port is free";
    }
    const RotorProgramRun shown = RotorProgramRun::of({"--show"});
    EXPECT_TRUE(shown.output.contains(
        QStringLiteral("Achtung: PstRotator-UDP auf 0.0.0.0:%1 empfangsbereit, auch aus dem Netz").arg(pstPort)))
        << shown.output.toStdString();
    qputenv("XDG_CONFIG_HOME", savedConfig);
}

}  // namespace

namespace {

// One HTTP exchange on a fresh connection, as a browser or a script sends it: status, headers and
// body of the answer (status 0 when none came).
struct HttpAnswer {
    int status = 0;
    QByteArray headers, body;
};

// Over TLS when encrypted, taking the page's own certificate as a browser does once told to.
HttpAnswer exchange(quint16 port, const QByteArray& request, const QHostAddress& host = QHostAddress(QHostAddress::LocalHost),
                    bool encrypted = false)
{
    QSslSocket socket;
    if (encrypted) {
        socket.setPeerVerifyMode(QSslSocket::VerifyNone);
        socket.connectToHostEncrypted(host.toString(), port);
        // The page runs in this thread: its side of the handshake needs the events.
        if (!QTest::qWaitFor([&socket] { return socket.isEncrypted(); }, 5000))
            return {};
    } else {
        socket.connectToHost(host, port);
        if (!socket.waitForConnected(2000))
            return {};
    }
    socket.write(request);
    QByteArray received;
    // The answer is whole once its body is as long as its Content-Length says.
    const auto whole = [&received] {
        const int end = received.indexOf("\r\n\r\n");
        if (end < 0)
            return false;
        const QRegularExpressionMatch length =
            QRegularExpression(QStringLiteral("(?i)content-length: *(\\d+)")).match(QString::fromLatin1(received.left(end)));
        return !length.hasMatch() || received.size() - end - 4 >= length.captured(1).toInt();
    };
    // Waits for events rather than polling: a thousand exchanges take a second, not half a minute.
    QElapsedTimer clock;
    clock.start();
    bool ended = false;
    while (!ended && clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        received += socket.readAll();
        ended = whole() || socket.state() != QAbstractSocket::ConnectedState;
    }
    const int end = received.indexOf("\r\n\r\n");
    if (!ended || !received.startsWith("HTTP/1.1 ") || end < 0)
        return {};
    return {received.mid(9, 3).toInt(), received.left(end), received.mid(end + 4)};
}

QByteArray post(const QByteArray& path, const QByteArray& headers, const QByteArray& body, const QByteArray& host = "127.0.0.1")
{
    return "POST " + path + " HTTP/1.1\r\nHost: " + host + "\r\n" + headers + "Content-Length: " +
           QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

}  // namespace

// With a password set, the page turns the antenna only for a browser logged in on the page itself:
// every request without the session, its token or the page's own Origin is refused and turns
// nothing, and guessing the password is slowed down.
TEST_F(RotorProgramTest, TheWebPageTurnsOnlyForALoggedInBrowserOnThePageItself)
{
    const QByteArray savedData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    ASSERT_EQ(WebPassword::save(WebPassword::defaultPath(), QStringLiteral("Antenne-Nord")), QString());
    LinkOptions links = quietLinks();
    links.web = Endpoint::local(0);
    startRotor(rotctld.device(), links);
    const quint16 port = rotor->webPort();
    ASSERT_NE(port, 0);
    const auto turns = [this] {
        int count = 0;
        for (const FakeRotctld::Command& command : rotctld.commands())
            count += command.line.startsWith("P ");
        return count;
    };
    const QByteArray origin = "Origin: http://127.0.0.1\r\n";

    const HttpAnswer wrong = exchange(port, post("/login", origin, "password=Antenne-Sued"));
    EXPECT_EQ(wrong.status, 401);
    const HttpAnswer login = exchange(port, post("/login", origin, "password=Antenne-Nord"));
    ASSERT_EQ(login.status, 200) << login.body.toStdString();
    const QByteArray id = QRegularExpression(QStringLiteral("corvane_session=([0-9a-f]{32})"))
                              .match(QString::fromLatin1(login.headers)).captured(1).toLatin1();
    const QByteArray token = QJsonDocument::fromJson(login.body).object().value(QStringLiteral("token")).toString().toLatin1();
    ASSERT_EQ(id.size(), 32);
    EXPECT_TRUE(login.headers.contains("HttpOnly; SameSite=Strict"));
    EXPECT_TRUE(login.headers.contains("Content-Security-Policy: default-src 'none'"));
    const QByteArray cookie = "Cookie: corvane_session=" + id + "\r\n";
    const QByteArray withToken = "X-Corvane-Token: " + token + "\r\n";
    const QByteArray turn = R"({"target":"123"})";

    const struct {
        const char* what;
        QByteArray request;
        int status;
    } refused[] = {
        {"no cookie", post("/api/turn", origin + withToken, turn), 401},
        {"a stale cookie", post("/api/turn", "Cookie: corvane_session=" + QByteArray(32, '0') + "\r\n" + origin + withToken, turn), 401},
        {"no token", post("/api/turn", cookie + origin, turn), 403},
        {"a wrong token", post("/api/turn", cookie + origin + "X-Corvane-Token: " + QByteArray(32, 'f') + "\r\n", turn), 403},
        {"a foreign Origin", post("/api/turn", cookie + "Origin: http://evil.example\r\n" + withToken, turn), 403},
        {"no Origin", post("/api/turn", cookie + withToken, turn), 403},
        {"a form posted from another page", post("/api/turn", cookie + "Origin: null\r\nContent-Type: application/x-www-form-urlencoded\r\n", "target=123"), 403},
        {"a stop without token", post("/api/stop", cookie + origin, ""), 403},
        {"a rotctld command posted to the page", post("/", "Content-Type: text/plain\r\n", "P 123 0\n"), 404},
        {"a login from another page", post("/login", "Origin: http://evil.example\r\n", "password=Antenne-Nord"), 403},
        {"a state without session", "GET /api/state HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", 401},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.what);
        const HttpAnswer answer = exchange(port, c.request);
        EXPECT_EQ(answer.status, c.status) << answer.body.toStdString();
    }
    // A hostile client: a body of megabytes is cut at 1 MiB, and idle connections held open do not
    // keep the page from answering.
    QTcpSocket flood;
    flood.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(flood.waitForConnected(2000));
    flood.write(post("/login", origin, QByteArray(8 << 20, 'x')));
    EXPECT_TRUE(QTest::qWaitFor([&] { return flood.state() == QAbstractSocket::UnconnectedState; }, 10000));
    std::vector<std::unique_ptr<QTcpSocket>> idle;
    for (int i = 0; i < 40; ++i) {
        idle.push_back(std::make_unique<QTcpSocket>());
        idle.back()->connectToHost(QHostAddress::LocalHost, port);
    }
    EXPECT_EQ(exchange(port, "GET /api/state HTTP/1.1\r\nHost: 127.0.0.1\r\n" + cookie + "\r\n").status, 200);
    // A turn held back by the pacer would have gone out by the third reading from now.
    const size_t seen = statuses.size();
    EXPECT_TRUE(QTest::qWaitFor([&] { return statuses.size() >= seen + 3; }, 5000));
    EXPECT_EQ(turns(), 0) << "nothing turned";

    // The live readings: a WebSocket of the page itself gets the state at once and at every
    // reading; one opened from another page is closed without a word.
    const auto openLive = [port, &id](QWebSocket& socket, const QByteArray& from) {
        QNetworkRequest request(QUrl(QStringLiteral("ws://127.0.0.1:%1/live").arg(port)));
        request.setRawHeader("Cookie", "corvane_session=" + id);
        request.setRawHeader("Origin", from);
        socket.open(request);
    };
    QWebSocket live, stranger;
    QStringList received, toStranger;
    QObject::connect(&live, &QWebSocket::textMessageReceived, [&received](const QString& text) { received << text; });
    QObject::connect(&stranger, &QWebSocket::textMessageReceived, [&toStranger](const QString& text) { toStranger << text; });
    openLive(live, "http://127.0.0.1:" + QByteArray::number(port));
    openLive(stranger, "http://evil.example");
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.size() >= 3; }, 5000)) << "the state at once and at readings";
    EXPECT_TRUE(received.value(0).contains(QStringLiteral("\"azimuth\":"))) << received.value(0).toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return stranger.state() == QAbstractSocket::UnconnectedState; }, 5000));
    EXPECT_TRUE(toStranger.isEmpty());

    const HttpAnswer taken = exchange(port, post("/api/turn", cookie + origin + withToken, turn));
    EXPECT_EQ(taken.status, 204) << taken.body.toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return turns() == 1; }, 3000));
    const auto state = [&] {
        return exchange(port, "GET /api/state HTTP/1.1\r\nHost: 127.0.0.1\r\n" + cookie + "\r\n").body;
    };
    EXPECT_FALSE(state().contains("goalFrom")) << "the page's own target";
    ASSERT_TRUE(toRotor->executeAsync(QStringLiteral("2000\r\n0\r\n0\r\n")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return state().contains(R"("goal":200,"goalFrom":"Corvane")"); }, 3000))
        << "another program's target is named: " << state().toStdString();
    const auto stops = [this] {
        int count = 0;
        for (const FakeRotctld::Command& command : rotctld.commands())
            count += command.line == "S";
        return count;
    };
    EXPECT_EQ(exchange(port, post("/api/stop", cookie + origin + withToken, "")).status, 204);
    EXPECT_TRUE(QTest::qWaitFor([&] { return stops() == 1; }, 3000)) << "a stop reaches the rotator as S";
    EXPECT_EQ(exchange(port, post("/logout", cookie + origin + withToken, "")).status, 204);
    EXPECT_EQ(exchange(port, post("/api/turn", cookie + origin + withToken, turn)).status, 401) << "logged out";

    // A password is checked beside the page: meanwhile the page answers at once, a browser gone
    // before its answer costs nothing, and a login beyond the few waiting is told to wait.
    std::vector<std::unique_ptr<QTcpSocket>> logins;
    for (int i = 0; i < 4; ++i) {
        logins.push_back(std::make_unique<QTcpSocket>());
        logins.back()->connectToHost(QHostAddress::LocalHost, port);
        logins.back()->write(post("/login", origin, "password=Antenne-Nord"));
    }
    EXPECT_TRUE(QTest::qWaitFor([this] { return rotor->webLoginsWaiting() == 4; }, 5000));
    logins.front()->abort();
    EXPECT_EQ(exchange(port, post("/login", origin, "password=Antenne-Nord")).status, 429) << "a fifth waiting login";
    QElapsedTimer answered;
    answered.start();
    EXPECT_EQ(exchange(port, "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n").status, 200);
    EXPECT_LT(answered.elapsed(), 250) << "ms while passwords are checked";
    for (size_t i = 1; i < logins.size(); ++i)
        EXPECT_TRUE(QTest::qWaitFor([&] { return logins[i]->peek(16).startsWith("HTTP/1.1 200"); }, 20000)) << i;
    // A guesser trying 1,000 passwords: each is refused, after five wrong ones each try waits
    // (1 s, 2 s, ... run meanwhile: a few more are tried as each ends), and the right one too.
    std::map<int, int> statuses;  // HTTP status: how many
    for (int i = 0; i < 1000; ++i)
        ++statuses[exchange(port, post("/login", origin, "password=falsch" + QByteArray::number(i))).status];
    EXPECT_EQ(statuses[401] + statuses[429], 1000);
    EXPECT_GE(statuses[401], LoginThrottle::freeFailures);
    EXPECT_LE(statuses[401], LoginThrottle::freeFailures + 8);
    EXPECT_EQ(exchange(port, post("/login", origin, "password=Antenne-Nord")).status, 429);
    EXPECT_EQ(turns(), 2) << "the page's 123 and Corvane's 200, nothing since";
    qputenv("XDG_DATA_HOME", savedData);
}

// Beyond the loopback the page is not served without a password, and with one only over HTTPS:
// its certificate made at first use is the one --show names, its cookie is Secure, an Origin of
// plain HTTP is foreign, and a plain request gets no page. The directions list is its presets. A
// port another program holds is not served, its holder named.
TEST_F(RotorProgramTest, TheWebPageBeyondTheLoopbackIsEncryptedAndAsksForAPassword)
{
    QHostAddress outside;
    for (const QHostAddress& address : QNetworkInterface::allAddresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            outside = address;
    if (outside.isNull())
        GTEST_SKIP() << "this machine has no address beyond the loopback";
    const QByteArray savedData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    LinkOptions links = quietLinks();
    links.web = Endpoint {outside, 0, false};
    startRotor(rotctld.device(), links);
    EXPECT_EQ(rotor->webPort(), 0) << "no password, no page";
    QFile log(home.path() + QStringLiteral("/CorvaneRotor.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(log.readAll()).contains(QStringLiteral("ohne Passwort")));
    rotor.reset();
    // A second program on the port: the page is not served, and the log names who holds it.
    QTcpServer holder;
    ASSERT_TRUE(holder.listen(QHostAddress::LocalHost));
    LinkOptions taken = quietLinks();
    taken.web = Endpoint::local(holder.serverPort());
    startRotor(rotctld.device(), taken);
    EXPECT_EQ(rotor->webPort(), 0);
    EXPECT_TRUE(QString::fromUtf8(log.readAll()).contains(takenByThisProcess(holder.serverPort()))) << "the holder named";
    rotor.reset();

    ASSERT_EQ(WebPassword::save(WebPassword::defaultPath(), QStringLiteral("Antenne-Nord")), QString());
    // The list beside the rotor program, as in a portable folder: here the tests' own.
    QFile directions(QCoreApplication::applicationDirPath() + QStringLiteral("/Data.txt"));
    const std::unique_ptr<QFile, bool (*)(QFile*)> removed(&directions, [](QFile* file) { return file->remove(); });
    ASSERT_TRUE(directions.open(QIODevice::WriteOnly));
    directions.write("DL NORD\t15\t0\r\nW1AW\t292,5\t0\r\n");
    directions.close();
    startRotor(rotctld.device(), links);
    const quint16 port = rotor->webPort();
    ASSERT_NE(port, 0);
    const QByteArray host = outside.toString().toLatin1() + ":" + QByteArray::number(port);
    QString error;
    const auto pair = WebCertificate::obtain({}, {}, outside, &error);
    ASSERT_TRUE(pair) << error.toStdString();
    EXPECT_TRUE(QFile::permissions(WebCertificate::defaultKeyPath()) ==
                (QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser));
    QSslSocket probeTls;
    probeTls.setPeerVerifyMode(QSslSocket::VerifyNone);
    probeTls.connectToHostEncrypted(outside.toString(), port);
    ASSERT_TRUE(QTest::qWaitFor([&probeTls] { return probeTls.isEncrypted(); }, 5000));
    EXPECT_EQ(probeTls.peerCertificate(), pair->certificate) << "the certificate --show names";
    probeTls.abort();

    const auto over = [&](const QByteArray& request) { return exchange(port, request, outside, true); };
    EXPECT_EQ(exchange(port, "GET / HTTP/1.1\r\nHost: " + host + "\r\n\r\n", outside).status, 0) << "plain HTTP";
    EXPECT_EQ(over("GET / HTTP/1.1\r\nHost: " + host + "\r\n\r\n").status, 200);
    EXPECT_EQ(over(post("/login", "Origin: http://" + host + "\r\n", "password=Antenne-Nord", host)).status, 403);
    const HttpAnswer login = over(post("/login", "Origin: https://" + host + "\r\n", "password=Antenne-Nord", host));
    ASSERT_EQ(login.status, 200) << login.body.toStdString();
    EXPECT_TRUE(login.headers.contains("HttpOnly; SameSite=Strict; Secure"));
    const QByteArray id = QRegularExpression(QStringLiteral("corvane_session=([0-9a-f]{32})"))
                              .match(QString::fromLatin1(login.headers)).captured(1).toLatin1();
    const QByteArray token = QJsonDocument::fromJson(login.body).object().value(QStringLiteral("token")).toString().toLatin1();
    const QByteArray session = "Cookie: corvane_session=" + id + "\r\nX-Corvane-Token: " + token + "\r\n";

    const HttpAnswer presets = over("GET /api/presets HTTP/1.1\r\nHost: " + host + "\r\nCookie: corvane_session=" + id + "\r\n\r\n");
    EXPECT_EQ(presets.body.toStdString(),
              R"([{"azimuth":"15","elevation":"0","name":"DL NORD"},{"azimuth":"292,5","elevation":"0","name":"W1AW"}])");
    EXPECT_EQ(over(post("/api/preset", "Origin: http://" + host + "\r\n" + session, R"({"index":1})", host)).status, 403);
    EXPECT_EQ(over(post("/api/preset", "Origin: https://" + host + "\r\n" + session, R"({"index":1})", host)).status, 204);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        for (const FakeRotctld::Command& command : rotctld.commands())
            if (command.line.startsWith("P "))
                return command.line.startsWith("P 292.5") || command.line.startsWith("P -67.5");
        return false;
    }, 3000)) << "the preset's bearing, with a decimal comma as the list keeps it: " << rotctld.commands().back().line.toStdString();
    qputenv("XDG_DATA_HOME", savedData);
}

// An open page shows no azimuth while the rotator cannot be read (rotctld stopped), and the
// readings again once it is back.
TEST_F(RotorProgramTest, TheWebPageShowsNoStaleAzimuthWhileTheRotatorIsGone)
{
    const QByteArray savedData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));  // no password: the loopback page is open
    auto away = std::make_unique<FakeRotctld>();
    const quint16 rotatorPort = away->port();
    LinkOptions links = quietLinks();
    links.web = Endpoint::local(0);
    startRotor(away->device(), links);
    const quint16 port = rotor->webPort();
    const HttpAnswer session = exchange(port, "GET /api/session HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    const QByteArray id = QRegularExpression(QStringLiteral("corvane_session=([0-9a-f]{32})"))
                              .match(QString::fromLatin1(session.headers)).captured(1).toLatin1();
    QWebSocket live;
    QStringList received;
    QObject::connect(&live, &QWebSocket::textMessageReceived, [&received](const QString& text) { received << text; });
    QNetworkRequest request(QUrl(QStringLiteral("ws://127.0.0.1:%1/live").arg(port)));
    request.setRawHeader("Cookie", "corvane_session=" + id);
    request.setRawHeader("Origin", "http://127.0.0.1:" + QByteArray::number(port));
    live.open(request);
    const auto lastHasAzimuth = [&received] {
        return !received.isEmpty() && received.last().contains(QStringLiteral("\"azimuth\":"));
    };
    EXPECT_TRUE(QTest::qWaitFor(lastHasAzimuth, 5000));
    away.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !received.isEmpty() && !lastHasAzimuth(); }, 5000))
        << "the page is told the reading is gone";
    FakeRotctld back(rotatorPort);
    EXPECT_TRUE(QTest::qWaitFor(lastHasAzimuth, 10000)) << "and gets readings again";
    qputenv("XDG_DATA_HOME", savedData);
}
