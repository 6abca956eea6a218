// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "support/LinkWait.h"
#include "support/PrivateBus.h"

#include "platform/DdeClientConversation.h"
#include "platform/DdeNames.h"
#include "platform/DdeServer.h"

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QProcess>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// A server and a client on two connections of the private bus, as two programs would be.
class DdeLinkTest : public testing::Test {
protected:
    QDBusConnection serverBus = QDBusConnection::connectToBus(PrivateBus::address(), QStringLiteral("dde-server"));
    QDBusConnection clientBus = QDBusConnection::connectToBus(PrivateBus::address(), QStringLiteral("dde-client"));
    QStringList received;  // "sender|macro"
    bool acknowledge = true;

    std::unique_ptr<DdeServer> server(const QString& service, QDBusConnection bus)
    {
        return std::make_unique<DdeServer>(bus, service, QStringLiteral("AntDaten"), [this](const QString& sender, const QString& macro) {
            received << sender + u'|' + macro;
            return acknowledge;
        });
    }

    void TearDown() override
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("dde-server"));
        QDBusConnection::disconnectFromBus(QStringLiteral("dde-client"));
    }
};

TEST_F(DdeLinkTest, AcknowledgementIsTheHandlersResult)
{
    auto antDaten = server(QStringLiteral("Corvane"), serverBus);
    ASSERT_TRUE(antDaten->registerService());
    for (const bool ack : {true, false}) {
        acknowledge = ack;
        QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("dde.Corvane"), QStringLiteral("/AntDaten"),
                                                           DdeNames::interfaceName, DdeNames::executeMethod);
        call << QStringLiteral("1\r\n");
        QDBusPendingCall pending = clientBus.asyncCall(call);
        ASSERT_TRUE(waitFor([&] { return pending.isFinished(); }));
        EXPECT_EQ(pending.isError(), !ack);
        EXPECT_EQ(pending.error().name(), ack ? QString() : QStringLiteral("dde.Error.NotProcessed"));
    }
    EXPECT_EQ(received, QStringList({clientBus.baseService() + QStringLiteral("|1\r\n"), clientBus.baseService() + QStringLiteral("|1\r\n")}));
}

TEST_F(DdeLinkTest, ConversationOpensOnlyToARegisteredServiceWhateverItsCase)
{
    DdeClientConversation conversation(clientBus);
    EXPECT_FALSE(conversation.connectTo(QStringLiteral("Corvane"), QStringLiteral("AntDaten")));
    EXPECT_FALSE(conversation.executeAsync(QStringLiteral("ZD X\r\n")));
    auto antDaten = server(QStringLiteral("corvane"), serverBus);
    ASSERT_TRUE(antDaten->registerService());
    ASSERT_TRUE(conversation.connectTo(QStringLiteral("Corvane"), QStringLiteral("AntDaten")));
    ASSERT_TRUE(conversation.executeAsync(QStringLiteral("1234\r\n")));
    ASSERT_TRUE(waitFor([&] { return !received.isEmpty(); }));
    EXPECT_EQ(received.first(), clientBus.baseService() + QStringLiteral("|1234\r\n"));
}

TEST_F(DdeLinkTest, SecondServerForTheSameServiceIsRefused)
{
    auto first = server(QStringLiteral("Corvane"), serverBus);
    auto second = server(QStringLiteral("Corvane"), clientBus);
    EXPECT_TRUE(first->registerService());
    EXPECT_FALSE(second->registerService());
    first->unregisterService();
    EXPECT_TRUE(second->registerService());
}

TEST_F(DdeLinkTest, ClientSeesTheServerGo)
{
    auto antDaten = server(QStringLiteral("Corvane"), serverBus);
    ASSERT_TRUE(antDaten->registerService());
    DdeClientConversation conversation(clientBus);
    QSignalSpy closed(&conversation, &DdeClientConversation::closed);
    ASSERT_TRUE(conversation.connectTo(QStringLiteral("Corvane"), QStringLiteral("AntDaten")));
    antDaten.reset();
    ASSERT_TRUE(waitFor([&] { return closed.count() == 1; }));
    EXPECT_FALSE(conversation.isConnected());
    EXPECT_FALSE(conversation.executeAsync(QStringLiteral("1\r\n")));
}

TEST_F(DdeLinkTest, ServerSeesAClientProgramGo)
{
    auto antDaten = server(QStringLiteral("Corvane"), serverBus);
    ASSERT_TRUE(antDaten->registerService());
    QSignalSpy closed(antDaten.get(), &DdeServer::conversationClosed);
    QProcess client;
    client.start(QStringLiteral("dbus-send"), {QStringLiteral("--session"), QStringLiteral("--type=method_call"), QStringLiteral("--dest=dde.Corvane"),
                                               QStringLiteral("/AntDaten"), QStringLiteral("dde.Conversation.Execute"),
                                               QStringLiteral("string:0")});
    ASSERT_TRUE(waitFor([&] { return closed.count() == 1; }));
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(received.first(), closed.first().first().toString() + QStringLiteral("|0"));
    client.waitForFinished(5000);
}

} // namespace
