// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "WsjtxDatagrams.h"

#include "partner/WsjtxMessage.h"
#include "support/RandomBytes.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {

using namespace WsjtxDatagrams;

struct DatagramCase {
    const char* name;
    std::function<QByteArray()> datagram;
    bool decoded;
    WsjtxMessage::Type type;
    const char *dxCall, *dxGrid;
};

class WsjtxMessageTest : public testing::TestWithParam<DatagramCase> {};

TEST_P(WsjtxMessageTest, DecodesWhatWsjtxSendsAndDropsTheRest)
{
    const auto message = WsjtxMessage::decode(GetParam().datagram());
    ASSERT_EQ(message.has_value(), GetParam().decoded);
    if (!message)
        return;
    EXPECT_EQ(message->type, GetParam().type);
    EXPECT_EQ(message->clientId, QStringLiteral("WSJT-X"));
    EXPECT_EQ(message->dxCall, QString::fromUtf8(GetParam().dxCall));
    EXPECT_EQ(message->dxGrid, QString::fromUtf8(GetParam().dxGrid));
}

INSTANTIATE_TEST_SUITE_P(Datagrams, WsjtxMessageTest, testing::Values(
    DatagramCase{"StatusSchema2", [] { return status(2, "VK2ABC", "QF56"); }, true, WsjtxMessage::Status, "VK2ABC", "QF56"},
    DatagramCase{"StatusSchema3", [] { return status(3, "VK2ABC", "QF56OD"); }, true, WsjtxMessage::Status, "VK2ABC", "QF56OD"},
    DatagramCase{"StatusWithoutGrid", [] { return status(3, "EA8BQM", ""); }, true, WsjtxMessage::Status, "EA8BQM", ""},
    DatagramCase{"StatusOfAnOlderSenderEndingAtTheGrid",
                 [] { const QByteArray full = status(2, "K1ABC", "FN42");
                      return full.left(full.indexOf(QByteArray("FN42")) + 4); },
                 true, WsjtxMessage::Status, "K1ABC", "FN42"},
    DatagramCase{"Heartbeat", [] { return heartbeat(3); }, true, WsjtxMessage::Heartbeat, "", ""},
    DatagramCase{"QsoLoggedSchema2", [] { return qsoLogged(2, "JA1XYZ", "PM95"); }, true, WsjtxMessage::QsoLogged, "JA1XYZ", "PM95"},
    DatagramCase{"QsoLoggedSchema3", [] { return qsoLogged(3, "JA1XYZ", ""); }, true, WsjtxMessage::QsoLogged, "JA1XYZ", ""},
    DatagramCase{"StatusCutInTheGrid", [] { const QByteArray full = status(3, "VK2ABC", "QF56");
                                            return full.left(full.indexOf(QByteArray("QF56")) + 2); },
                 false, WsjtxMessage::Status, "", ""},
    DatagramCase{"StatusCutInTheCall", [] { return status(3, "VK2ABC", "QF56").left(40); }, false, WsjtxMessage::Status, "", ""},
    DatagramCase{"HeaderOnly", [] { return header(WsjtxMessage::magic, 3, 1); }, false, WsjtxMessage::Status, "", ""},
    DatagramCase{"ForeignMagic", [] { QByteArray d = status(3, "VK2ABC", "QF56"); d[0] = 0x12; return d; },
                 false, WsjtxMessage::Status, "", ""},
    DatagramCase{"Schema1", [] { QByteArray d = status(3, "VK2ABC", "QF56"); d[7] = 1; return d; }, false, WsjtxMessage::Status, "", ""},
    DatagramCase{"Schema4", [] { QByteArray d = status(3, "VK2ABC", "QF56"); d[7] = 4; return d; }, false, WsjtxMessage::Status, "", ""},
    DatagramCase{"ReplyMessageType", [] { QByteArray d = status(3, "VK2ABC", "QF56"); d[11] = 4; return d; },
                 false, WsjtxMessage::Status, "", ""},
    DatagramCase{"Oversized", [] { return status(3, "VK2ABC", "QF56") + QByteArray(WsjtxMessage::maximumSize, 'x'); },
                 false, WsjtxMessage::Status, "", ""},
    DatagramCase{"Empty", [] { return QByteArray(); }, false, WsjtxMessage::Status, "", ""},
    DatagramCase{"PlainText", [] { return QByteArray("CQ DL1ABC JO62"); }, false, WsjtxMessage::Status, "", ""}),
    [](const testing::TestParamInfo<DatagramCase>& info) { return std::string(info.param.name); });

TEST(WsjtxMessageDecodeTest, DecodedTextSnrOffsetAndClearOfEverySchema)
{
    const struct { QByteArray datagram; bool offAir; } cases[] = {
        {decode(2, QStringLiteral("CQ VK2ABC QF56")), true},
        {decode(3, QStringLiteral("CQ VK2ABC QF56")), true},
        {decode(2, QStringLiteral("CQ VK2ABC QF56"), true), false},
    };
    for (const auto& c : cases) {
        const auto message = WsjtxMessage::decode(c.datagram);
        ASSERT_TRUE(message);
        EXPECT_EQ(message->type, WsjtxMessage::Decode);
        EXPECT_EQ(message->decodedText, QStringLiteral("CQ VK2ABC QF56"));
        EXPECT_EQ(message->snr, -12);
        EXPECT_EQ(message->audioOffset, 1234u);
        EXPECT_EQ(message->offAir, c.offAir);
    }
    EXPECT_FALSE(WsjtxMessage::decode(decode(3, QStringLiteral("CQ VK2ABC QF56")).left(30)));
    const auto cleared = WsjtxMessage::decode(clear(3, QStringLiteral("JTDX")));
    ASSERT_TRUE(cleared);
    EXPECT_EQ(cleared->type, WsjtxMessage::Clear);
    EXPECT_EQ(cleared->clientId, QStringLiteral("JTDX"));
}

// Random bytes behind a valid header, and every cut of valid datagrams: nothing crashes, and a
// cut before the DX grid never decodes.
TEST(WsjtxMessageFuzzTest, RandomAndTruncatedDatagramsAreDroppedSafely)
{
    QRandomGenerator random(14);
    const QByteArray alphabet("\x00\x01\xff\xad\xbc\xcb\xda", 7);
    for (int i = 0; i < 20000; ++i) {
        QByteArray datagram = randomBytes(random, 300, alphabet);
        if (i % 2)
            datagram.prepend(header(WsjtxMessage::magic, 2 + quint32(i % 4 == 1), quint32(random.bounded(6))));
        WsjtxMessage::decode(datagram);
    }
    // Each datagram with the bytes up to the end of its last field read.
    const std::pair<QByteArray, QByteArray> datagrams[] = {
        {status(2, "VK2ABC", "QF56"), "QF56"}, {status(3, "VK2ABC", "QF56"), "QF56"},
        {qsoLogged(3, "JA1XYZ", "PM95"), "PM95"}, {heartbeat(2), "a3f1b2"}};
    for (const auto& [full, lastField] : datagrams) {
        const int needed = int(full.indexOf(lastField) + lastField.size());
        ASSERT_TRUE(WsjtxMessage::decode(full.left(needed)));
        for (int length = 0; length < needed; ++length)
            EXPECT_FALSE(WsjtxMessage::decode(full.left(length))) << length;
    }
}

} // namespace
