// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "WsjtxDatagrams.h"

#include "partner/WsjtxLink.h"
#include "support/RandomBytes.h"
#include "support/TakenPort.h"

#include <QElapsedTimer>
#include <QNetworkInterface>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>
#include <gtest/gtest.h>

namespace {

using namespace WsjtxDatagrams;

QNetworkInterface loopback()
{
    for (const QNetworkInterface& candidate : QNetworkInterface::allInterfaces())
        if (candidate.flags().testFlag(QNetworkInterface::IsLoopBack))
            return candidate;
    return {};
}

constexpr int settleTime = 50;  // ms

// A link listening on a free port of 127.0.0.1 and a sender beside it, as WSJT-X on the same
// machine would be.
class WsjtxLinkTest : public testing::Test {
protected:
    WsjtxLink link;
    QUdpSocket sender;
    QSignalSpy settled{&link, &WsjtxLink::partnerSettled};

    void SetUp() override
    {
        link.settleTime = settleTime;
        WsjtxSettings settings;
        settings.port = 0;  // any free port
        ASSERT_TRUE(link.listen(settings));
    }

    void send(const QByteArray& datagram)
    {
        ASSERT_EQ(sender.writeDatagram(datagram, QHostAddress::LocalHost, link.localPort()), datagram.size());
    }

    // Lets the link read and settle until the expected number of partners is announced, then for
    // two settle times more; returns the partners announced meanwhile.
    QStringList partnersAfter(qsizetype expected = 0)
    {
        const bool announced = QTest::qWaitFor([&] { return settled.size() >= expected; }, 5000);
        QTest::qWait(2 * settleTime);
        EXPECT_TRUE(announced);
        QStringList partners;
        for (const QList<QVariant>& arguments : settled)
            partners << arguments.at(0).toString();
        settled.clear();
        return partners;
    }
};

TEST_F(WsjtxLinkTest, ActsOnlyOnceTheCallHasStoppedChanging)
{
    // Typed faster than the settle time.
    for (const char* typed : {"VK2", "VK2A", "VK2AB", "VK2ABC"})
        send(status(2, typed, ""));
    EXPECT_EQ(partnersAfter(1), QStringList{QStringLiteral("VK2ABC")});
    // WSJT-X repeats its status every few seconds: the same partner changes nothing.
    send(status(2, "VK2ABC", ""));
    send(status(2, "VK2ABC", ""));
    EXPECT_EQ(partnersAfter(), QStringList());
}

TEST_F(WsjtxLinkTest, GridWinsOverCallAndRepeatsChangeNothing)
{
    send(heartbeat(3));
    send(status(3, "vk2abc", "qf56od"));
    EXPECT_EQ(partnersAfter(1), QStringList{QStringLiteral("QF56OD")});
    send(status(3, "VK2ABC", "QF56OD"));
    send(qsoLogged(3, "VK2ABC", "QF56OD"));
    EXPECT_EQ(partnersAfter(), QStringList());
    send(status(2, "EA8BQM", "IL18"));
    EXPECT_EQ(partnersAfter(1), QStringList{QStringLiteral("IL18")});
    // A grid that is no locator names nobody, and the call is not used beside it.
    send(status(3, "K1ABC", "XX99"));
    EXPECT_EQ(partnersAfter(), QStringList());
    // Back to the partner after an empty field: a new entry, acted on again.
    send(status(3, "", ""));
    partnersAfter();
    send(status(3, "EA8BQM", "IL18"));
    EXPECT_EQ(partnersAfter(1), QStringList{QStringLiteral("IL18")});
}

TEST_F(WsjtxLinkTest, FloodOfForeignDatagramsNeitherActsNorBlocks)
{
    QRandomGenerator random(2237);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 3000; ++i) {
        QByteArray datagram = randomBytes(random, 400, QByteArray("\xad\xbc\xcb\xda\x00\x03", 6));
        if (i % 3 == 0)
            datagram.prepend(header(0xadbccbda, 3, 1));
        sender.writeDatagram(datagram, QHostAddress::LocalHost, link.localPort());
        if (i % 100 == 0)
            QTest::qWait(1);  // the socket's receive buffer would drop what the link has no turn to read
    }
    sender.writeDatagram(QByteArray(60000, '\xad'), QHostAddress::LocalHost, link.localPort());
    QTest::qWait(50);
    send(status(3, "ZL1ABC", "RF72"));
    EXPECT_EQ(partnersAfter(1), QStringList{QStringLiteral("RF72")});
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST_F(WsjtxLinkTest, PassesOnDecodesClearsAndTheDialAtOnce)
{
    QSignalSpy decoded(&link, &WsjtxLink::decoded);
    QSignalSpy cleared(&link, &WsjtxLink::cleared);
    QSignalSpy tuned(&link, &WsjtxLink::tuned);
    send(status(3, "", "", QStringLiteral("JTDX")));
    send(decode(2, QStringLiteral("CQ VK2ABC QF56"), false, QStringLiteral("JTDX")));
    send(clear(3));
    ASSERT_TRUE(cleared.wait(2000));
    ASSERT_EQ(tuned.size(), 1);
    EXPECT_EQ(tuned[0], (QList<QVariant>{QStringLiteral("JTDX"), 14074.0}));
    ASSERT_EQ(decoded.size(), 1);
    EXPECT_EQ(decoded[0], (QList<QVariant>{QStringLiteral("JTDX"), QStringLiteral("CQ VK2ABC QF56")}));
    EXPECT_EQ(cleared[0].first().toString(), QStringLiteral("WSJT-X"));
    EXPECT_TRUE(settled.isEmpty());
}

TEST(WsjtxLinkMulticastTest, TwoListenersShareTheGroupAndPort)
{
    WsjtxSettings settings;
    settings.address = QStringLiteral("239.255.0.1");
    settings.port = 22370 + int(QCoreApplication::applicationPid() % 1000);
    WsjtxLink first, second;
    first.settleTime = second.settleTime = settleTime;
    if (!first.listen(settings))
        GTEST_SKIP() << "no multicast on this machine";
    ASSERT_TRUE(second.listen(settings));
    QSignalSpy firstSettled(&first, &WsjtxLink::partnerSettled);
    QSignalSpy secondSettled(&second, &WsjtxLink::partnerSettled);
    QUdpSocket sender;
    ASSERT_TRUE(sender.bind(QHostAddress::AnyIPv4, 0));
    sender.setMulticastInterface(loopback());
    sender.setSocketOption(QAbstractSocket::MulticastLoopbackOption, 1);
    sender.writeDatagram(status(3, "JA1XYZ", "PM95"), QHostAddress(settings.address), quint16(settings.port));
    if (!firstSettled.wait(2000))
        GTEST_SKIP() << "multicast datagrams do not loop back here";
    EXPECT_TRUE(secondSettled.count() == 1 || secondSettled.wait(2000));
}

// Which addresses let other machines in; the group is joined on the loopback unless another
// interface is named. Every listener asks for a larger receive buffer than the kernel's default.
TEST(WsjtxLinkSettingsTest, SaysWhenOtherMachinesReachItAndWidensItsBuffer)
{
    const struct {
        const char *address, *joinOn;
        bool openToNetwork;
    } cases[] = {
        {"127.0.0.1", "", false},   {"0.0.0.0", "", true},        {"::", "", true},
        {"239.255.0.1", "", false}, {"239.255.0.1", "lo", false},
    };
    QUdpSocket plain;
    ASSERT_TRUE(plain.bind(QHostAddress::LocalHost, 0));
    const int kernelDefault = plain.socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toInt();
    for (const auto& c : cases) {
        WsjtxLink link;
        WsjtxSettings settings;
        settings.address = QString::fromLatin1(c.address);
        settings.multicastInterface = QString::fromLatin1(c.joinOn);
        settings.port = 0;
        if (!link.listen(settings)) {
            EXPECT_TRUE(QHostAddress(settings.address).protocol() == QAbstractSocket::IPv6Protocol) << c.address;
            continue;  // no IPv6 on this machine
        }
        EXPECT_EQ(link.isOpenToNetwork(), c.openToNetwork) << c.address << " " << c.joinOn;
        EXPECT_GT(link.receiveBufferSize(), kernelDefault) << c.address;
    }
    WsjtxLink link;
    WsjtxSettings settings;
    settings.address = QStringLiteral("239.255.0.1");
    settings.multicastInterface = QStringLiteral("keine-schnittstelle");
    EXPECT_FALSE(link.listen(settings));
}

// A unicast port is the link's alone: a second program binding it later, sharing the address,
// fails instead of taking the decodes. A port another program holds already is said with its holder.
TEST(WsjtxLinkSettingsTest, AUnicastPortIsHeldAloneAndATakenOneIsSaid)
{
    const auto shared = QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint;
    const char* addresses[] = {"127.0.0.1", "0.0.0.0"};
    for (const char* address : addresses) {
        SCOPED_TRACE(address);
        WsjtxLink link;
        WsjtxSettings settings;
        settings.address = QString::fromLatin1(address);
        settings.port = 0;
        ASSERT_TRUE(link.listen(settings));
        EXPECT_EQ(link.portTaken(), QString());
        QUdpSocket intruder;
        EXPECT_FALSE(intruder.bind(QHostAddress::LocalHost, link.localPort(), shared));

        QUdpSocket holder;
        ASSERT_TRUE(holder.bind(QHostAddress::LocalHost, 0, shared));
        settings.port = holder.localPort();
        EXPECT_FALSE(link.listen(settings));
        EXPECT_EQ(link.portTaken(), takenByThisProcess(holder.localPort()));
    }
}

TEST(WsjtxLinkSettingsTest, OffOrUnusableAddressMeansNotListening)
{
    WsjtxLink link;
    WsjtxSettings settings;
    settings.enabled = false;
    EXPECT_FALSE(link.listen(settings));
    EXPECT_FALSE(link.isListening());
    settings.enabled = true;
    settings.address = QStringLiteral("192.0.2.1");  // documentation range, no address of this machine
    EXPECT_FALSE(link.listen(settings));
    EXPECT_FALSE(link.isListening());
    EXPECT_EQ(link.portTaken(), QString()) << "not listening, but not for a taken port";
}

} // namespace
