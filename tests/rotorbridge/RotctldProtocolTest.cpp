// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "ClientStation.h"
#include "FakeRotctld.h"

#include "rotorbridge/RotctldSession.h"

#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <optional>
#include <string>

namespace {

// Sends a line to a server that speaks rotctld and returns its answer: all that comes before the
// answer to a marker sent behind it, "*_", whose extended answer has '*' between its lines, a
// separator no line of these tests uses.
QByteArray ask(QTcpSocket& socket, const QByteArray& line)
{
    static const QRegularExpression marker(QStringLiteral("get_info:\\*Info: [^*\\n]*\\*RPRT 0\\n$"));
    socket.write(line + "\n*_\n");
    QByteArray answer;
    QRegularExpressionMatch match;
    const bool complete = QTest::qWaitFor(
        [&] {
            answer += socket.readAll();
            match = marker.match(QString::fromLatin1(answer));
            return match.hasMatch();
        },
        3000);
    return complete ? answer.left(match.capturedStart()) : "incomplete: " + answer;
}

// Starts Hamlib's rotctld over its dummy rotator on a free loopback port; returns the port, 0
// when it does not start. The port is found free by binding it first; should another program
// take it before rotctld does, rotctld ends and the next free port is tried.
quint16 startRotctld(QProcess& process)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0))
            return 0;
        const quint16 port = probe.serverPort();
        probe.close();
        process.start(QStringLiteral("rotctld"),
                      {QStringLiteral("-m"), QStringLiteral("1"), QStringLiteral("-T"), QStringLiteral("127.0.0.1"),
                       QStringLiteral("-t"), QString::number(port)});
        if (!process.waitForStarted(3000))
            return 0;
        const bool listening = QTest::qWaitFor(
            [&] {
                QTcpSocket client;
                client.connectToHost(QHostAddress::LocalHost, port);
                return process.state() != QProcess::Running || client.waitForConnected(200);
            },
            5000);
        if (listening && process.state() == QProcess::Running)
            return port;
        process.kill();
        process.waitForFinished(3000);
    }
    return 0;
}

// Where an answer of this server may differ from rotctld's.
enum Allowance {
    Same = 0,
    Positions = 1,  // each dummy turns at its own pace, and this server answers from its last reading
    Info = 2,       // get_info names this program, rotctld its rotator
};

QByteArray comparable(QByteArray answer, int allowance)
{
    if (allowance & Positions)
        answer = QString::fromLatin1(answer)
                     .replace(QRegularExpression(QStringLiteral("-?\\d+\\.\\d\\d(?!\\d)")), QStringLiteral("#"))
                     .toLatin1();
    if (allowance & Info)
        answer.replace("Corvane Test", "<info>").replace("Dummy rotator", "<info>");
    // Hamlib 4.5 names every status flag twice (its loop runs over 64 bits of a 32-bit value);
    // each flag once is what it means.
    QByteArrayList lines = answer.split('\n');
    for (QByteArray& line : lines) {
        if (!line.startsWith("Status flags: "))
            continue;
        QByteArrayList flags;
        for (const QByteArray& flag : line.mid(int(qstrlen("Status flags: "))).split(' '))
            if (!flags.contains(flag))
                flags << flag;
        line = "Status flags: " + flags.join(' ');
    }
    return lines.join('\n');
}

// The same lines to a real rotctld over Hamlib's dummy rotator and to this program's server over
// its own dummy; every answer must read the same, line by line.
TEST(RotctldServer, AnswersLineByLineAsHamlibsRotctld)
{
    if (QStandardPaths::findExecutable(QStringLiteral("rotctld")).isEmpty())
        GTEST_SKIP() << "rotctld (libhamlib-utils) is not installed";
    QProcess hamlib;
    const quint16 hamlibPort = startRotctld(hamlib);
    ASSERT_NE(hamlibPort, 0) << "rotctld does not start";
    QTcpSocket theirs;
    theirs.connectToHost(QHostAddress::LocalHost, hamlibPort);
    ASSERT_TRUE(theirs.waitForConnected(3000));
    // Numbers go out with a point whatever the C locale says.
    const QByteArray locale = std::setlocale(LC_NUMERIC, nullptr);
    const auto restoreLocale = qScopeGuard([&] { std::setlocale(LC_NUMERIC, locale.constData()); });
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    ClientStation station;
    ASSERT_TRUE(station.positionKnown());
    QTcpSocket ours;
    ASSERT_TRUE(station.connectToRotctld(ours));

    const std::pair<QByteArray, int> lines[] = {
        {"p", Positions},
        {"+p", Positions},
        {"\\get_pos", Positions},
        {";p", Positions},
        {"|\\get_pos", Positions},
        {"p;p", Positions},
        {"p|p;p", Positions},
        {"+;p", Positions},
        {",p", Positions},
        {"\\get_pos|p", Positions},  // rotctld takes the character after a long name with it
        {"p;;p", Positions},
        {";;p", Positions},
        {"p #comment", Positions},
        {"\\dump_state", Same},
        {"+\\dump_state", Same},
        {"|\\dump_state", Same},
        {"\\dump_state;\\dump_state", Same},
        {"_", Info},
        {"+\\get_info", Info},
        {"|_;_", Info},
        {"1", Same},
        {"+\\dump_caps", Same},
        {"|1", Same},
        {"P 10 20", Same},
        {"+P 10,5 20", Same},
        {";P 85.000000.2 20", Same},
        {"|\\set_pos 20 10", Same},
        {"P 500 0", Same},
        {"P 10 91", Same},
        {"+P abc 0", Same},
        {"P 1e300 0", Same},
        {"P inf 0", Same},
        {"M 8 50", Same},
        {"+M CW 50", Same},
        {"|\\move UP 5", Same},
        {"M 0 50", Same},
        {"M left 50", Same},
        {";M x 50", Same},
        {"S", Same},
        {"+S", Same},
        {"S;S|\\stop", Same},
        {"s", Same},
        {"+\\get_status", Same},
        {"|s;s", Same},
        {"R 1", Same},
        {"+\\reset 1", Same},
        {"+R x", Same},
        {"K", Same},
        {"+K;K", Same},
        {"S", Same},
        {";", Same},
        {"|", Same},
        {"+", Same},
        {"#p", Same},
        {"", Same},
    };
    for (const auto& [line, allowance] : lines) {
        SCOPED_TRACE(line.toStdString());
        EXPECT_EQ(comparable(ask(ours, line), allowance).toStdString(),
                  comparable(ask(theirs, line), allowance).toStdString());
    }

    // Where this server answers otherwise on purpose.
    const struct {
        const char* line;
        const char* ours;
        const char* theirs;
        const char* why;
    } deviations[] = {
        {"Z", "RPRT -1\n", "", "rotctld leaves an unknown command unanswered, and its client waiting"},
        {"\\no_such_command", "RPRT -1\n", "", "the same for a long name"},
        {"P 10 20 30", "RPRT -1\n", "RPRT 0\n", "a third number makes the command malformed: no turn"},
        {"KINO", "RPRT -1\n", "RPRT 0\n", "rotctld parks on the K and skips the rest"},
        {"P 10 20;S", "RPRT 0\nstop:;RPRT 0\n", "RPRT 0\n", "rotctld reads \"20;S\" as the elevation"},
        {"M 8 500", "RPRT -1\n", "RPRT 0\n", "Hamlib's speeds are 1 to 100, or -1 for no change"},
        {"M 8 5.5", "RPRT -1\n", "RPRT 0\n", "a speed is a whole number; rotctld reads 5"},
        {"P nan 0", "RPRT -1\n", "RPRT 0\n", "rotctld turns its rotator to no number"},
    };
    for (const auto& d : deviations) {
        SCOPED_TRACE(std::string(d.line) + ": " + d.why);
        EXPECT_EQ(ask(ours, d.line).toStdString(), d.ours);
        EXPECT_EQ(ask(theirs, d.line).toStdString(), d.theirs);
    }
    hamlib.kill();
    hamlib.waitForFinished(3000);
}

// A position beyond 0 to 360 degrees is a wrap the client chose; a bearing takes Corvane's path.
// A move goes on to the travel end in its direction; a reset and the status go to the rotator.
// The stand-in rotator reports -180 to 450 degrees as its own range.
TEST(RotctldServer, ExplicitWrapsAndMovesKeepToTheTravel)
{
    const std::optional<int> own;  // no registered end: the rotator's own
    const std::optional<double> none;
    const struct {
        double at;                            // degrees, where the antenna stands
        std::optional<int> minimum, maximum;  // degrees, the registered travel ends
        QByteArray line;
        QByteArray reply;
        std::optional<double> sent;  // degrees, the azimuth sent to the rotator
        const char* logged;          // in the log, with the client; nullptr: nothing to log
    } cases[] = {
        {200, own, own, "P -100 0", "RPRT 0\n", -100.0, "Azimut -100°"},
        {200, own, own, "P 260 0", "RPRT 0\n", 260.0, "Azimut 260°"},
        {10, own, own, "P 370 0", "RPRT 0\n", 370.0, "Azimut 370°"},
        {100, own, own, "P 450 0", "RPRT 0\n", 450.0, "Azimut 450°"},
        {350, own, own, "P 10 0", "RPRT 0\n", 370.0, "Azimut 370°"},
        {100, own, own, "P 360 0", "RPRT 0\n", 0.0, "Azimut 0°"},
        {200, 0, 360, "P -100 0", "RPRT -1\n", none, "Befehl abgelehnt"},
        {200, -90, 400, "P 390 0", "RPRT 0\n", 390.0, "Azimut 390°"},
        {200, own, own, "M CCW 50", "RPRT 0\n", -180.0, "(Bewegung): Azimut -180°"},
        {200, own, own, "M 16 -1", "RPRT 0\n", 450.0, "(Bewegung): Azimut 450°"},
        {200, 0, 360, "M LEFT 5", "RPRT 0\n", 0.0, "(Bewegung): Azimut 0°"},
        {200, own, own, "+M CW 50;S", "move: CW 50\nRPRT 0\nstop:;RPRT 0\n", none, "Stopp von rotctld"},
        {200, own, own, "R 1", "RPRT 0\n", none, "Zurücksetzen (Art 1) von rotctld"},
        {200, own, own, "s", "RPRT -11\n", none, nullptr},  // Hamlib's network rotator tells no status
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString() + " at " + std::to_string(c.at));
        FakeRotctld standIn;
        standIn.setAzimuth(c.at);
        ClientStation station({0, 0, ClientStation::parkAzimuth, 0}, {2, standIn.device(), {}}, c.minimum, c.maximum);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                const auto position = station.commands.position();
                return position && std::abs(position->azimuth - c.at) < 0.01;
            },
            3000));
        QTcpSocket client;
        ASSERT_TRUE(station.connectToRotctld(client));
        EXPECT_EQ(ask(client, c.line), c.reply);
        EXPECT_EQ(station.commands.goalAzimuth(), c.sent);
        if (c.logged) {
            EXPECT_TRUE(station.logText().contains(c.logged)) << station.logText().toStdString();
        }
    }
}

// Malformed and hostile lines: each has its answer, none turns the antenna.
TEST(RotctldSession, HostileLinesNeverTurnTheAntenna)
{
    ClientStation station;
    ASSERT_TRUE(station.positionKnown());
    RotctldSession session(station.commands, 1, QStringLiteral("Corvane Test"), QStringLiteral("Test"));
    QByteArray manyInfos = "Corvane Test\n";
    for (int i = 1; i < RotctldSession::maxCommands; ++i)
        manyInfos += "get_info:;Info: Corvane Test;RPRT 0\n";
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"P 1e300 0", "RPRT -1\n"},
        {"P -inf 0", "RPRT -1\n"},
        {"+P nan nan", "set_pos: nan nan\nRPRT -1\n"},
        {"P 10 20x", "RPRT -1\n"},
        {"P10 20", "RPRT -1\n"},
        {"P 10", "RPRT -1\n"},
        {"P 10;20", "RPRT -1\nRPRT -1\n"},
        {"\\set_pos-100 0", "RPRT -1\n"},
        {"P " + QByteArray(10240, '1') + " 0", "RPRT -1\n"},
        {"M 16 1e300", "RPRT -1\n"},
        {"M nan 5", "RPRT -1\n"},
        {"M 99999999999999999999 5", "RPRT -1\n"},
        {"M 16", "RPRT -1\n"},
        {"M UP", "RPRT -1\n"},
        {"R nan", "RPRT -1\n"},
        {"KILL", "RPRT -1\n"},
        {"Kp", "RPRT -1\n"},
        {"\\park_now", "RPRT -1\n"},
        {"\\", "RPRT -1\n"},
        {"+" + QByteArray(300, 'P'), "RPRT -1\n"},
        {QByteArray("\0\0P 10 0", 8), "RPRT -1\n"},
        {"\xff\xfe;\x80", "RPRT -1\nRPRT -1\n"},
        {";;;|||; ;| |", ""},
        {QByteArray(256, ';'), ""},
        {"_;" + QByteArray("_;").repeated(999), manyInfos + "RPRT -1\n"},
    };
    for (const auto& [line, reply] : cases) {
        SCOPED_TRACE(line.left(40).toStdString());
        const RotctldSession::Reply answer = session.answer(line);
        EXPECT_EQ(answer.text, reply);
        EXPECT_FALSE(answer.close);
    }
    QTest::qWait(ClientStation::statusIntervalMs);  // a reading, in case one would send
    EXPECT_EQ(station.commands.sentCount(), 0);
    EXPECT_EQ(station.commands.goalAzimuth(), std::nullopt);
}

}  // namespace
