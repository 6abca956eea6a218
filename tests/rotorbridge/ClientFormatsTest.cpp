// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/CommandPacer.h"
#include "rotorbridge/Endpoint.h"
#include "rotorbridge/LenientNumber.h"
#include "rotorbridge/LineReader.h"
#include "rotorbridge/N1mmMessage.h"
#include "rotorbridge/PathSettings.h"
#include "rotorbridge/PstMessage.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <vector>

namespace {

TEST(LenientNumber, ReadsWhatClientsSendAndRefusesTheRest)
{
    const std::pair<QByteArray, double> read[] = {
        {"85", 85.0}, {" 85.5 ", 85.5}, {"85,5", 85.5}, {"85.000000.2", 85.0}, {"-12.25", -12.25}};
    for (const auto& [text, expected] : read)
        EXPECT_EQ(LenientNumber::read(QByteArrayView(text)), expected) << text.toStdString();
    for (const QByteArray& text : {QByteArray(), QByteArray("nan"), QByteArray("inf"), QByteArray("85x"),
                                   QByteArray("1e400"), QByteArray(10240, '1')})
        EXPECT_EQ(LenientNumber::read(QByteArrayView(text)), std::nullopt) << text.left(40).toStdString();
}

TEST(LineReader, SplitsLinesAndDropsOverlongOnesWhole)
{
    LineReader reader;
    auto result = reader.feed("p\r\nP 10");
    EXPECT_EQ(result.lines, QByteArrayList({"p"}));
    result = reader.feed(" 20\n" + QByteArray(LineReader::maxLine + 1, '9'));
    EXPECT_EQ(result.lines, QByteArrayList({"P 10 20"})) << "a line split over two reads";
    EXPECT_EQ(result.overlong, 1);
    result = reader.feed(QByteArray(100000, '9') + "\nS\n");
    EXPECT_EQ(result.lines, QByteArrayList({"S"})) << "the rest of the over-long line is dropped, the next line kept";
    EXPECT_EQ(result.overlong, 0) << "one over-long line counts once";
}

TEST(Endpoint, ReadsAddressAndPort)
{
    QString error;
    const std::pair<QString, QString> read[] = {
        {"4533", "127.0.0.1:4533"}, {"0.0.0.0:4533", "0.0.0.0:4533"}, {"[::1]:12000", "[::1]:12000"}, {"aus", "aus"}};
    for (const auto& [text, expected] : read)
        EXPECT_EQ(Endpoint::parse(text, &error).value_or(Endpoint {}).text(), expected) << text.toStdString();
    for (const char* text : {"0", "70000", "rechner:4533", ""})
        EXPECT_FALSE(Endpoint::parse(QString::fromLatin1(text), &error)) << text;
}

TEST(PstMessage, ReadsTheFormatWithItsQuirks)
{
    using F = PstMessage::Fault;
    const std::optional<double> none;
    const struct {
        const char* datagram;
        std::optional<double> azimuth, elevation;  // degrees
        F fault;
        bool stop = false, park = false;
    } cases[] = {
        {"<PST><AZIMUTH>85</AZIMUTH></PST>", 85.0, none, F::None},
        {"<PST><ELEVATION>25</ELEVATION></PST>", none, 25.0, F::None},
        {"<PST><TRACK>1</TRACK><AZIMUTH>85,5</AZIMUTH><ELEVATION>25</ELEVATION></PST>", 85.5, 25.0, F::None},
        {"<PST><AZIMUTH>85.000000.2</AZIMUTH></PST>\r\n", 85.0, none, F::None},
        {"<pst><azimuth>10</azimuth></pst>\0", 10.0, none, F::None},
        {"<PST><AZIMUTH>361</AZIMUTH></PST>", none, none, F::OutOfRange},
        {"<PST><AZIMUTH>-1</AZIMUTH></PST>", none, none, F::OutOfRange},
        {"<PST><AZIMUTH>NaN</AZIMUTH></PST>", none, none, F::Malformed},
        {"<PST><AZIMUTH>85</PST>", none, none, F::Malformed},
        {"<PST><QRA>XX99</QRA></PST>", none, none, F::Malformed},
        {"<PST>WAS?</PST>", none, none, F::Malformed},
        {"<N1MMRotor><goazi>1</goazi></N1MMRotor>", none, none, F::Malformed},
        {"\x01\xff garbage", none, none, F::Malformed},
        {"<PST><STOP>1</STOP></PST>", none, none, F::None, true},
        {"<PST>STOP</PST>", none, none, F::None, true},
        {"<pst> Stop </pst>\r\n", none, none, F::None, true},
        {"<PST><PARK>1</PARK></PST>", none, none, F::None, false, true},
        {"<PST>PARK</PST>", none, none, F::None, false, true},
        {"<PST>park</PST>", none, none, F::None, false, true},
        {"<PST>STOPP</PST>", none, none, F::Malformed},
        {"<PST>STOP PARK</PST>", none, none, F::Malformed},
    };
    for (const auto& c : cases) {
        const PstMessage message = PstMessage::parse(c.datagram);
        EXPECT_EQ(std::tie(message.fault, message.azimuth, message.elevation, message.stop, message.park),
                  std::tie(c.fault, c.azimuth, c.elevation, c.stop, c.park))
            << c.datagram;
    }
    EXPECT_EQ(PstMessage::parse("<PST><AZIMUTH>" + QByteArray(10240, '8') + "</AZIMUTH></PST>").fault, F::Malformed)
        << "a 10 KB number";
    EXPECT_EQ(PstMessage::parse("<PST><QRA>kn34bj</QRA></PST>").locator, QStringLiteral("KN34BJ"));
    EXPECT_TRUE(PstMessage::parse("<PST>AZ?</PST>").asksAzimuth);
    EXPECT_TRUE(PstMessage::parse("<PST>EL?</PST>").asksElevation);
    EXPECT_EQ(PstMessage::answer("AZ", 84.6), QByteArray("AZ:85\r"));
}

TEST(PathSettings, FollowsCorvanesSettingsFileAndItsDefaults)
{
    QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/Corvane.ini");
    const PathSettings missing = PathSettings::fromFile(path);
    EXPECT_TRUE(missing.optimise);
    EXPECT_EQ(missing.overlap, 10) << "Corvane's defaults while it has written nothing";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Parameter]\r\nFahrwegoptimierung=0\r\nUeberlappung=25\r\n");
    file.close();
    const PathSettings written = PathSettings::fromFile(path);
    EXPECT_FALSE(written.optimise);
    EXPECT_EQ(written.overlap, 25);
}

TEST(N1mmMessage, ReadsTurnsAndStopsAndAnnouncesInTenths)
{
    using F = N1mmMessage::Fault;
    const auto turn = N1mmMessage::parse("<N1MMRotor><rotor>Beam</rotor><goazi>55.0</goazi><offset>0.0</offset>"
                                         "<bidirectional>1</bidirectional><freqband>14</freqband></N1MMRotor>");
    EXPECT_EQ(std::tie(turn.fault, turn.rotor, turn.heading, turn.bidirectional),
              std::tuple(F::None, QStringLiteral("Beam"), 55.0, true));
    EXPECT_TRUE(N1mmMessage::parse("<?xml version=\"1.0\"?><N1MMRotor><stop>Beam</stop></N1MMRotor>").stop);
    EXPECT_EQ(N1mmMessage::parse("<N1MMRotor><goazi>360.5</goazi></N1MMRotor>").fault, F::OutOfRange);
    EXPECT_EQ(N1mmMessage::parse("<N1MMRotor><goazi>inf</goazi></N1MMRotor>").fault, F::Malformed);
    EXPECT_EQ(N1mmMessage::parse("<N1MMRotor><rotor>Beam</rotor></N1MMRotor>").fault, F::Malformed);
    const std::pair<double, QByteArray> announced[] = {
        {146, "Beam @ 1460"}, {-10, "Beam @ 3500"}, {359.99, "Beam @ 0"}, {405.5, "Beam @ 455"}};
    for (const auto& [azimuth, text] : announced)
        EXPECT_EQ(N1mmMessage::announcement(QStringLiteral("Beam"), azimuth), text) << azimuth;
    const std::pair<std::pair<double, double>, double> ends[] = {
        {{10, 20}, 10}, {{10, 180}, 190}, {{350, 160}, 170}, {{200, 10}, 20}};
    for (const auto& [given, expected] : ends)
        EXPECT_DOUBLE_EQ(N1mmMessage::nearerEnd(given.first, given.second), expected)
            << given.first << " at " << given.second;
}

// Headings through the pacer with a dead band of 2 degrees and a least interval of intervalMs.
TEST(CommandPacer, SparesTheRelays)
{
    constexpr int intervalMs = 30;
    const struct {
        const char* what;
        std::vector<double> headings;    // degrees, submitted one after another without a pause
        std::optional<double> pointing;  // degrees
        std::vector<double> sent;        // the azimuths sent
    } cases[] = {
        {"first heading goes at once", {100}, {}, {100}},
        {"inside the dead band of where it points: nothing", {101.5}, 100.0, {}},
        {"at the edge of the dead band: sent", {102}, 100.0, {102}},
        {"within the interval the newest replaces the waiting one", {100, 110, 120, 130}, {}, {100, 130}},
        {"a newest heading back inside the dead band of the goal cancels the waiting one", {100, 110, 101}, {}, {100}},
        {"dead band counts from the goal, not from where it points", {100, 101}, 0.0, {100}},
    };
    for (const auto& c : cases) {
        std::vector<double> sent;
        CommandPacer pacer(2, intervalMs, [&](const CommandPacer::Heading& heading) {
            sent.push_back(heading.azimuth);
            return QString();
        });
        std::optional<CommandPacer::Heading> pointing;
        if (c.pointing)
            pointing = CommandPacer::Heading {*c.pointing, 0, QString()};
        for (double azimuth : c.headings)
            pacer.submit({azimuth, 0, QStringLiteral("Test")}, pointing);
        QTest::qWait(3 * intervalMs);
        EXPECT_EQ(sent, c.sent) << c.what;
    }
}

// The same heading again after readings of the rotator: spared while the rotator heads for its
// goal or stands at it, sent again once it stands elsewhere (stopped on its front panel, turned by
// hand) or was opened anew (a restarted rotctld: its rotator is back at rest).
TEST(CommandPacer, AGoalTheRotatorNoLongerHeadsForIsGivenUp)
{
    constexpr int starting = CommandPacer::startReadings;
    const struct {
        const char* what;
        int readings;
        double at;     // degrees, where each reading finds the rotator
        bool moving;   // as each reading finds it
        bool reopened;
        int sent;      // commands, the first one included
    } cases[] = {
        {"standing at the goal", starting + 5, 100.5, false, false, 1},
        {"turning towards the goal", starting + 5, 50, true, false, 1},
        {"not yet started", starting, 0, false, false, 1},
        {"stopped away from the goal", starting + 1, 50, false, false, 2},
        {"opened anew", 0, 0, false, true, 2},
    };
    for (const auto& c : cases) {
        int sent = 0;
        CommandPacer pacer(2, 0, [&](const CommandPacer::Heading&) {
            ++sent;
            return QString();
        });
        const CommandPacer::Heading target {100, 0, QStringLiteral("Test")};
        pacer.submit(target, CommandPacer::Heading {0, 0, QString()});
        for (int i = 0; i < c.readings; ++i)
            pacer.observe({c.at, 0, QString()}, c.moving);
        if (c.reopened)
            pacer.forgetGoal();
        pacer.submit(target, CommandPacer::Heading {c.at, 0, QString()});
        EXPECT_EQ(sent, c.sent) << c.what;
    }
}

}  // namespace
