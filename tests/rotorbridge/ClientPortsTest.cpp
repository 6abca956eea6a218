// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "ClientStation.h"
#include "FakeRotctld.h"

#include "rotorbridge/N1mmListener.h"

#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QProcess>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>
#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <thread>

#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr double parkAzimuth = ClientStation::parkAzimuth;  // degrees

TEST(DatagramPorts, TurnAsTheFormatSays)
{
    const QByteArray pstSentinel = "<PST><AZIMUTH>33</AZIMUTH></PST>";
    const QByteArray n1mmSentinel = "<N1MMRotor><rotor>Beam</rotor><goazi>33</goazi></N1MMRotor>";
    const struct {
        const char* what;
        bool n1mm;  // to the N1MM port, else to the PstRotator port
        std::vector<QByteArray> datagrams;
        std::optional<double> goal;  // degrees, the azimuth last sent to the rotator, in the one command sent
    } cases[] = {
        {"PST azimuth", false, {"<PST><AZIMUTH>85</AZIMUTH></PST>"}, 85.0},
        {"PST decimal comma", false, {"<PST><AZIMUTH>85,5</AZIMUTH></PST>"}, 85.5},
        {"PST Hamlib 4.6 slip", false, {"<PST><AZIMUTH>85.000000.2</AZIMUTH></PST>"}, 85.0},
        {"PST both axes with TRACK",
         false,
         {"<PST><TRACK>1</TRACK><AZIMUTH>120</AZIMUTH><ELEVATION>25</ELEVATION></PST>"},
         120.0},
        {"PST stop forgets the goal", false, {"<PST><AZIMUTH>85</AZIMUTH></PST>", "<PST><STOP>1</STOP></PST>"}, {}},
        {"PST park", false, {"<PST><PARK>1</PARK></PST>"}, parkAzimuth},
        {"PST bare stop", false, {"<PST><AZIMUTH>85</AZIMUTH></PST>", "<PST>STOP</PST>"}, {}},
        {"PST bare park, lower case", false, {"<PST>park</PST>"}, parkAzimuth},
        {"PST out of range, NaN, 10 KB and garbage are ignored",
         false,
         {"<PST><AZIMUTH>361</AZIMUTH></PST>", "<PST><AZIMUTH>nan</AZIMUTH></PST>",
          "<PST><AZIMUTH>" + QByteArray(10240, '8') + "</AZIMUTH></PST>", "<PST><AZIM", pstSentinel},
         33.0},
        {"N1MM heading",
         true,
         {"<N1MMRotor><rotor>Beam</rotor><goazi>55.0</goazi><offset>0.0</offset>"
          "<bidirectional>0</bidirectional><freqband>14</freqband></N1MMRotor>"},
         55.0},
        {"N1MM stop", true, {n1mmSentinel, "<N1MMRotor><stop>Beam</stop></N1MMRotor>"}, {}},
        {"N1MM out of range and garbage are ignored",
         true,
         {"<N1MMRotor><goazi>400</goazi></N1MMRotor>", "<N1MMRotor><goazi>1e999</goazi></N1MMRotor>", "\xff\xfe",
          n1mmSentinel},
         33.0},
    };
    for (const auto& c : cases) {
        ClientStation station;
        for (const QByteArray& datagram : c.datagrams)
            station.sendTo(c.n1mm ? station.n1mm.port() : station.pst.port(), datagram);
        const RotorCommands& commands = station.commands;
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return commands.sentCount() == 1 && commands.goalAzimuth() == c.goal; }, 3000))
            << c.what << ": sent " << commands.sentCount() << ", goal " << commands.goalAzimuth().value_or(-1);
    }
}

TEST(DatagramPorts, QueriesAreAnsweredToPortPlusOneAndLocatorsGoToCorvane)
{
    ClientStation station;
    ASSERT_TRUE(station.positionKnown());
    for (const char* datagram : {"<PST>AZ?</PST>", "<PST>EL?</PST>", "<PST><QRA>KN34BJ</QRA></PST>"})
        station.sendTo(station.pst.port(), datagram);
    QByteArrayList received;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            while (station.answers.hasPendingDatagrams())
                received << station.answers.receiveDatagram().data();
            return received.size() == 2 && !station.locators.isEmpty();
        },
        3000));
    EXPECT_EQ(received, QByteArrayList({"AZ:0\r", "EL:0\r"}));
    EXPECT_EQ(station.locators, QStringList {QStringLiteral("KN34BJ")});
}

TEST(DatagramPorts, N1mmBidirectionalTakesTheNearerEndAndTheLoggerHearsThePosition)
{
    ClientStation station;
    ASSERT_TRUE(station.positionKnown());  // the dummy stands at 0 degrees
    QUdpSocket logger;
    ASSERT_TRUE(logger.bind(QHostAddress::LocalHost, 0));
    N1mmListener announcing(station.commands, station.faults, Endpoint::local(logger.localPort()), 20);
    ASSERT_EQ(announcing.listen(Endpoint::local(0)), QString());
    station.sendTo(announcing.port(),
                   "<N1MMRotor><rotor>Beam</rotor><goazi>170</goazi><bidirectional>1</bidirectional></N1MMRotor>");
    ASSERT_TRUE(QTest::qWaitFor([&] { return station.commands.goalAzimuth().has_value(); }, 3000));
    EXPECT_DOUBLE_EQ(*station.commands.goalAzimuth(), 350 - 360)
        << "350 is nearer to 0 than 170, and -10 the way there";
    ASSERT_TRUE(QTest::qWaitFor([&] { return logger.hasPendingDatagrams(); }, 3000));
    EXPECT_TRUE(logger.receiveDatagram().data().startsWith("Beam @ "));
}

// A second program that binds a port of ours later, sharing the address as the old listeners
// did, must fail instead of taking our datagrams.
TEST(DatagramPorts, AreHeldAloneAgainstALaterSharedBind)
{
    ClientStation station;
    const struct {
        const char* what;
        quint16 port;
    } cases[] = {{"PstRotator", station.pst.port()}, {"N1MM", station.n1mm.port()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QUdpSocket intruder;
        EXPECT_FALSE(
            intruder.bind(QHostAddress::LocalHost, c.port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
        EXPECT_FALSE(
            intruder.bind(QHostAddress::AnyIPv4, c.port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
    }
}

// Sends lines to the rotctld server and collects the answer up to the marker line's answer.
QByteArray exchange(QTcpSocket& socket, const QByteArray& lines)
{
    socket.write(lines + "_\n");
    QByteArray answer;
    const bool complete = QTest::qWaitFor(
        [&] {
            answer += socket.readAll();
            return answer.endsWith("Corvane Test\n");
        },
        3000);
    return complete ? answer.chopped(int(qstrlen("Corvane Test\n"))) : "incomplete: " + answer;
}

TEST(RotctldServer, AnswersAsRotctldDoes)
{
    ClientStation station;
    ASSERT_TRUE(station.positionKnown());
    QTcpSocket client;
    ASSERT_TRUE(station.connectToRotctld(client));
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"p", "0.00\n0.00\n"},
        {"+\\get_pos", "get_pos:\nAzimuth: 0.00\nElevation: 0.00\nRPRT 0\n"},
        {"\\dump_state",
         "1\n1\nmin_az=-180.000000\nmax_az=450.000000\nmin_el=0.000000\nmax_el=90.000000\nsouth_zero=0\nrot_type="
         "AzEl\ndone\n"},
        {"+_", "get_info:\nInfo: Corvane Test\nRPRT 0\n"},
        {"P 100 10", "RPRT 0\n"},
        {"+P 110,5 10", "set_pos: 110,5 10\nRPRT 0\n"},
        {"\\set_pos 120 10", "RPRT 0\n"},
        {"P 451 0", "RPRT -1\n"},
        {"P 100 91", "RPRT -1\n"},
        {"P nan 0", "RPRT -1\n"},
        {"P 100", "RPRT -1\n"},
        {"P " + QByteArray(200, '1') + " 0", "RPRT -1\n"},
        {"Z", "RPRT -1\n"},
        {"\\no_such_command", "RPRT -1\n"},
        {"S", "RPRT 0\n"},
        {"+\\stop", "stop:\nRPRT 0\n"},
        {"+K", "park:\nRPRT 0\n"},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(exchange(client, line + '\n'), expected) << line.left(40).toStdString();
    EXPECT_EQ(station.commands.goalAzimuth(), parkAzimuth) << "K turned to the registered park position";
    EXPECT_EQ(station.commands.sentCount(), 4);
    client.write("p;q\n");  // the answers before the goodbye still come
    EXPECT_TRUE(QTest::qWaitFor([&] { return client.state() == QAbstractSocket::UnconnectedState; }, 3000));
    EXPECT_EQ(client.readAll().count('\n'), 2) << "azimuth and elevation";
}

TEST(RotctldServer, SilentAndNonReadingClientsHoldOnlyTheirOwnConnection)
{
    ClientStation station;
    ASSERT_TRUE(station.positionKnown());
    QTcpSocket silent, greedy, client;
    for (QTcpSocket* socket : {&silent, &greedy, &client})
        ASSERT_TRUE(station.connectToRotctld(*socket));
    // The greedy client asks without ever reading: its answers pile up until the server drops it.
    greedy.setReadBufferSize(1);
    QByteArray requests;
    for (int i = 0; i < 200000; ++i)
        requests += "\\dump_state\n";
    greedy.write(requests);
    ASSERT_TRUE(QTest::qWaitFor([&] { return station.rotctld.clientCount() == 3; }, 3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return station.rotctld.clientCount() == 2; }, 20000))
        << "the greedy one is dropped";
    EXPECT_EQ(exchange(client, "P 100 10\n"), "RPRT 0\n") << "the others are served on";
    EXPECT_EQ(silent.state(), QAbstractSocket::ConnectedState);
    EXPECT_TRUE(station.logText().contains("liest seine Antworten nicht"));
}

TEST(ClientPorts, AFloodOfGarbageLeavesTheStatusLoopRunningAndLogsOnce)
{
    ClientStation station;
    ASSERT_TRUE(station.positionKnown());
    std::atomic<bool> flooding = true;
    const quint16 pstPort = station.pst.port(), rotctldPort = station.rotctld.port();
    std::thread flood([&] {
        QUdpSocket udp;
        QTcpSocket tcp;
        tcp.connectToHost(QHostAddress::LocalHost, rotctldPort);
        tcp.waitForConnected(3000);
        const QByteArray garbage(900, '\x7f');
        while (flooding) {
            for (int i = 0; i < 100; ++i)
                udp.writeDatagram(garbage, QHostAddress::LocalHost, pstPort);
            tcp.write("P x y\n" + garbage.left(200) + '\n');
            tcp.waitForBytesWritten(10);
            tcp.readAll();
        }
    });
    // The rotator is read at every status: new readings must keep coming.
    station.commands.turnToAzimuth(300, 0, QStringLiteral("Test"));
    const double first = station.commands.position()->azimuth;
    const bool moving = QTest::qWaitFor([&] { return station.commands.position()->azimuth > first + 1; }, 5000);
    flooding = false;
    flood.join();
    EXPECT_TRUE(moving) << "the status loop stalled under the flood";
    const QByteArray text = station.logText();
    EXPECT_EQ(text.count("PstRotator: Datagramm unlesbar"), 1);
    EXPECT_EQ(text.count("rotctld: Befehl abgelehnt"), 1);
}

// Gpredict-style tracking through the rotctld server to a 6 degrees/s stand-in rotator, fifty
// times faster than life (an update every 20 ms instead of every second, the least interval and
// the rotator's speed scaled alike): sixty updates stand for one minute.
TEST(ClientPorts, TrackingInSmallStepsSendsFewCommandsAndNoneInsideTheDeadBand)
{
    constexpr int speedUp = 50;
    FakeRotctld standIn;
    standIn.degreesPerSecond = 6 * speedUp;
    ClientStation station(
        {CommandPacer::defaultDeadBand, CommandPacer::defaultLeastIntervalMs / speedUp, parkAzimuth, 0},
        {2, standIn.device(), {}});
    ASSERT_TRUE(station.positionKnown());
    QTcpSocket tracker;
    ASSERT_TRUE(station.connectToRotctld(tracker));
    const auto track = [&](const std::function<double(int)>& azimuth) {
        const int before = station.commands.sentCount();
        for (int update = 0; update < 60; ++update) {
            tracker.write("P " + QByteArray::number(azimuth(update), 'f', 2) + " 0.00\n");
            QTest::qWait(1000 / speedUp);
            tracker.readAll();
        }
        return station.commands.sentCount() - before;
    };
    const int following = track([](int update) { return 100 + 0.5 * update; });
    const int standing = track([](int update) { return 129.5 + (update % 2 ? 0.4 : -0.4); });
    RecordProperty("commandsPerMinuteFollowing", following);
    RecordProperty("commandsPerMinuteInsideDeadBand", standing);
    std::printf("commands per minute: following 0.5 degrees/s %d, inside the dead band %d\n", following, standing);
    EXPECT_LE(following, 16) << "one command per dead band of travel, not one per update";
    EXPECT_EQ(standing, 0);
}

// Connections that are no rotctld client, a browser's form among them, are dropped before
// anything in them is acted on, and logged once.
TEST(RotctldServer, HttpRequestsAndEndlessLinesAreDroppedWithoutActing)
{
    const std::tuple<const char*, QByteArray, const char*> cases[] = {
        {"a browser's form",
         "POST / HTTP/1.1\r\nHost: 127.0.0.1:4533\r\nContent-Type: text/plain\r\nContent-Length: 10\r\n\r\n\nP 180 0\n",
         "HTTP-Anfrage"},
        {"a page's preflight", "OPTIONS * HTTP/1.1\r\n", "HTTP-Anfrage"},
        {"a command in the path", "GET /P%20180%200 HTTP/1.0\n\nP 180 0\n", "HTTP-Anfrage"},
        {"a header before a command", "Origin: http://example.org\nP 180 0\n", "HTTP-Anfrage"},
        {"a line without end", QByteArray(1 << 20, 'P'), "Zeile länger als 256 Bytes"},
    };
    for (const auto& [what, bytes, logged] : cases) {
        SCOPED_TRACE(what);
        ClientStation station;
        ASSERT_TRUE(station.positionKnown());
        QTcpSocket client;
        ASSERT_TRUE(station.connectToRotctld(client));
        client.write(bytes);
        EXPECT_TRUE(QTest::qWaitFor([&] { return client.state() == QAbstractSocket::UnconnectedState; }, 3000));
        EXPECT_EQ(station.commands.sentCount(), 0);
        EXPECT_EQ(station.logText().count(logged), 1) << station.logText().toStdString();
    }
}

// A client that sends without ever ending its line costs the server a few KiB, not what it sends.
TEST(RotctldServer, AnEndlessLineDoesNotGrowTheServer)
{
    ClientStation station;
    const quint16 port = station.rotctld.port();
    std::atomic<qint64> taken = 0;  // bytes the server took before it dropped the client
    std::atomic<bool> ended = false;
    std::thread client([&] {
        const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
            static const QByteArray chunk(64 * 1024, 'P');
            for (qint64 total = 0; total < 200 * 1024 * 1024;) {
                const ssize_t sent = ::send(socket, chunk.constData(), size_t(chunk.size()), MSG_NOSIGNAL);
                if (sent <= 0)
                    break;
                taken = total += sent;
            }
        }
        ::close(socket);
        ended = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended.load(); }, 30000));
    client.join();
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const long peakMiB = usage.ru_maxrss / 1024;
    RecordProperty("peakResidentMiB", int(peakMiB));
    EXPECT_LT(taken, 200 * 1024 * 1024) << "the client was never dropped";
    EXPECT_LT(peakMiB, 60);
}

// Idle connections never lock out a client that polls: the longest silent one makes room, and
// silence (a byte now and then without a line end is silence too) ends a connection.
TEST(RotctldServer, IdleConnectionsMakeRoomForClientsThatPoll)
{
    constexpr int idleMs = 400;
    ClientStation station({0, 0, parkAzimuth, 0}, {1, {}, {}}, {}, {}, idleMs);
    ASSERT_TRUE(station.positionKnown());
    std::vector<std::unique_ptr<QTcpSocket>> idle;
    for (int i = 0; i < 40; ++i) {
        idle.push_back(std::make_unique<QTcpSocket>());
        ASSERT_TRUE(station.connectToRotctld(*idle.back()));
    }
    QTest::qWait(50);
    QProcess rotctl;
    QElapsedTimer answered;
    answered.start();
    rotctl.start(QStringLiteral("rotctl"), {"-m", "2", "-r", QStringLiteral("127.0.0.1:%1").arg(station.rotctld.port()), "p"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return rotctl.state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(rotctl.exitCode(), 0) << rotctl.readAllStandardError().toStdString();
    EXPECT_LT(answered.elapsed(), 2000);
    EXPECT_EQ(rotctl.readAllStandardOutput().simplified(), "0.00 0.00");
    EXPECT_LE(station.rotctld.clientCount(), RotctldServer::maxClients);

    QTcpSocket trickling, polling;
    ASSERT_TRUE(station.connectToRotctld(trickling));
    ASSERT_TRUE(station.connectToRotctld(polling));
    for (int step = 0; step < 12; ++step) {
        trickling.write("p");
        EXPECT_EQ(exchange(polling, "p\n"), "0.00\n0.00\n");
        QTest::qWait(idleMs / 4);
    }
    EXPECT_EQ(trickling.state(), QAbstractSocket::UnconnectedState);
    EXPECT_EQ(polling.state(), QAbstractSocket::ConnectedState);
    EXPECT_EQ(station.rotctld.clientCount(), 1);
}

}  // namespace
