// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/ClusterClient.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

namespace {

// A stand-in cluster on loopback: asks for the call as the cluster programs do, then sends
// whatever the test gives it.
class StandInCluster : public QObject {
public:
    QTcpServer server;
    QTcpSocket* client = nullptr;
    QByteArray received;

    StandInCluster()
    {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, this, [this] {
            client = server.nextPendingConnection();
            QObject::connect(client, &QTcpSocket::readyRead, this, [this] { received += client->readAll(); });
            client->write("Hello from the stand-in cluster\r\nPlease enter your call: ");
        });
    }
    bool waitForLogin() { return QTest::qWaitFor([this] { return received.contains("\r\n"); }, 5000); }
};

TEST(ClusterClient, LogsInReadsSpotsDropsOverlongLinesAndSurvivesAFlood)
{
    StandInCluster cluster;
    ClusterClient client({20, 20, 30000});
    QSignalSpy spots(&client, &ClusterClient::spotReceived);
    client.start(QStringLiteral("127.0.0.1"), cluster.server.serverPort(), QStringLiteral("DL1ABC"));
    ASSERT_TRUE(cluster.waitForLogin());
    EXPECT_EQ(cluster.received, QByteArray("DL1ABC\r\n"));
    EXPECT_EQ(client.state(), ClusterClient::State::Connected);
    cluster.client->write("DX de W3LPL:     14025.0  JA1XYZ       CW 599 PM95                 1234Z\r\n");
    cluster.client->write(QByteArray(10000, 'x'));  // no line end: dropped, with what follows up to the end
    cluster.client->write(" still the long line\r\n");
    QByteArray flood;
    for (int i = 0; i < 1000; ++i)
        flood += "DX de W3LPL:      7074.0  VK2ABC       FT8 QF56                    0005Z\r\ngarbage line\r\n";
    cluster.client->write(flood);
    ASSERT_TRUE(QTest::qWaitFor([&] { return spots.size() >= 1001; }, 10000)) << spots.size();
    EXPECT_EQ(spots.size(), 1001);
    EXPECT_EQ(spots.first().first().value<ClusterLine>().call, QStringLiteral("JA1XYZ"));
    EXPECT_EQ(spots.last().first().value<ClusterLine>().grid, QStringLiteral("QF56"));
}

TEST(ClusterClient, ReconnectsAfterADropAndBacksOffWhileNobodyListens)
{
    StandInCluster cluster;
    const quint16 port = cluster.server.serverPort();
    ClusterClient client({30, 80, 0});  // every session counts as a good one here
    client.start(QStringLiteral("127.0.0.1"), port, QStringLiteral("DL1ABC"));
    ASSERT_TRUE(cluster.waitForLogin());

    // A drop: the client comes back by itself and logs in again.
    cluster.received.clear();
    cluster.client->disconnectFromHost();
    ASSERT_TRUE(cluster.waitForLogin());

    // Nobody listens any more: the attempts wait 30, 60, then 80 ms each.
    cluster.server.close();
    cluster.client->disconnectFromHost();
    std::vector<qint64> attempts;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&client, &ClusterClient::stateChanged, [&](ClusterClient::State state) {
        if (state == ClusterClient::State::Connecting)
            attempts.push_back(clock.elapsed());
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return attempts.size() >= 5; }, 5000));
    const qint64 least[] = {30, 60, 80, 80};
    for (int i = 0; i < 4; ++i)
        EXPECT_GE(attempts[i + 1] - attempts[i], least[i]) << i;
    EXPECT_LT(attempts[4] - attempts[3], 1000);
    client.stop();
    EXPECT_EQ(client.state(), ClusterClient::State::Off);
    const auto count = attempts.size();
    QTest::qWait(100);  // longer than the longest wait
    EXPECT_EQ(attempts.size(), count);
}

// A cluster that takes the login and refuses it at once, as one does for a call already
// connected: every session is short, so the waits double as after failed connections. At a
// five-hundredth of the program's pace (1 s is 2 ms) ten minutes are 1.2 s: at most ten logins.
TEST(ClusterClient, ARefusingClusterSeesAtMostTenLoginsInTenMinutes)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    int logins = 0;
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&] {
        QTcpSocket* peer = server.nextPendingConnection();
        peer->write("login: ");
        QObject::connect(peer, &QTcpSocket::readyRead, peer, [&, peer] {
            if (!peer->readAll().contains("\r\n"))
                return;
            ++logins;
            peer->write("Sorry DL1ABC is already connected\r\n");
            peer->disconnectFromHost();
        });
        QObject::connect(peer, &QTcpSocket::disconnected, peer, &QObject::deleteLater);
    });
    const int second = 2;  // ms
    ClusterClient client({1 * second, 300 * second, 30 * second});
    client.start(QStringLiteral("127.0.0.1"), server.serverPort(), QStringLiteral("DL1ABC"));
    QTest::qWait(600 * second);
    client.stop();
    EXPECT_LE(logins, 10);
    EXPECT_GE(logins, 5) << "the client gives up too soon";
}

// A session that lasted starts the waits from the first again; short ones before it doubled them.
TEST(ClusterClient, ALastingSessionStartsTheWaitsAfresh)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    QElapsedTimer clock;
    clock.start();
    std::vector<qint64> connections, closes;  // ms since the start
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&] {
        QTcpSocket* peer = server.nextPendingConnection();
        connections.push_back(clock.elapsed());
        // The first three sessions are refused at once, the fourth lasts 300 ms.
        const int hold = connections.size() == 4 ? 300 : 0;
        QTimer::singleShot(hold, peer, [&, peer] {
            closes.push_back(clock.elapsed());
            peer->disconnectFromHost();
        });
        QObject::connect(peer, &QTcpSocket::disconnected, peer, &QObject::deleteLater);
    });
    ClusterClient client({50, 5000, 200});
    client.start(QStringLiteral("127.0.0.1"), server.serverPort(), QStringLiteral("DL1ABC"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return connections.size() >= 5; }, 5000));
    client.stop();
    // Waits of 50, 100 and 200 ms after the refusals; after the lasting session 50 ms again,
    // where a fourth failure would have waited 400.
    EXPECT_GE(connections[3] - closes[2], 200);
    EXPECT_LT(connections[4] - closes[3], 300);
}

// Without a call there is nothing to log in with: no connection, and the state says why.
TEST(ClusterClient, NoCallNoLogin)
{
    for (const char* call : {"", "   "}) {
        SCOPED_TRACE(std::string("call \"") + call + '"');
        QTcpServer server;
        ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
        ClusterClient client({20, 20, 30000});
        client.start(QStringLiteral("127.0.0.1"), server.serverPort(), QString::fromLatin1(call));
        EXPECT_EQ(client.state(), ClusterClient::State::NoCall);
        EXPECT_FALSE(server.waitForNewConnection(200));
        EXPECT_EQ(ClusterClient::stateText(client.state()), QStringLiteral("Cluster: ohne Rufzeichen keine Anmeldung"));
    }
}

} // namespace
