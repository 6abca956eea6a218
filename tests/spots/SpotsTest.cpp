// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "geo/CallsignTable.h"
#include "spots/AdifLog.h"
#include "spots/ClusterLine.h"
#include "spots/DecodeText.h"
#include "spots/SpotList.h"
#include "spots/SpotPlacer.h"

#include <QIODevice>
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <cstring>

namespace {

const CallsignTable& calls()
{
    static const CallsignTable table = CallsignTable::fromText(QStringLiteral(
        "Australien;VK;-23.70;132.33;AX VI VJ VK VL;150\r\n"
        "Japan;JA;36.40;138.38;7J 7K 8J JA JR;339\r\n"
        "Deutschland;DL;51.00;10.00;DA DL DJ DK;230\r\n"
        "Kanarische Inseln;EA8;28.32;-15.85;EA8 EB8;29\r\n"
        "Vereinigte Staaten;K;37.53;-91.67;K N W AA;291;1922\r\n"
        "Monaco;3A;43.73;7.40;3A;260;4\r\n"
        "Altes Format;XX;1.00;2.00;XX\r\n"));
    return table;
}

TEST(DecodeText, CqFormsAndRepliesThatNameTheirGrid)
{
    const struct { const char* message; const char* call; const char* grid; } cases[] = {
        {"CQ DL1ABC JO31", "DL1ABC", "JO31"},
        {"CQ DX VK2ABC QF56", "VK2ABC", "QF56"},
        {"CQ POTA K1ABC FN42", "K1ABC", "FN42"},
        {"CQ 290 W1AW FN31", "W1AW", "FN31"},
        {"CQ DL1ABC", "DL1ABC", ""},
        {"CQ NA W1AW", "W1AW", ""},
        {"cq ja1xyz pm95", "JA1XYZ", "PM95"},
        {"CQ <PJ4/K1ABC>", "PJ4/K1ABC", ""},
        {"QRZ EA8BQM IL18", "EA8BQM", "IL18"},
        {"DL1ABC VK2ABC QF56", "VK2ABC", "QF56"},   // a reply giving its square
        {"DL1ABC VK2ABC -12", nullptr, nullptr},     // a report names no place
        {"DL1ABC VK2ABC R-12", nullptr, nullptr},
        {"DL1ABC VK2ABC RR73", nullptr, nullptr},    // RR73 is no square
        {"DL1ABC VK2ABC 73", nullptr, nullptr},
        {"CQ DX", nullptr, nullptr},
        {"TNX FOR QSO 73 GL", nullptr, nullptr},
        {"CQ DL1ABC JO31 EXTRA WORD", nullptr, nullptr},
        {"", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const auto caller = DecodeText::caller(QString::fromLatin1(c.message));
        ASSERT_EQ(caller.has_value(), c.call != nullptr) << c.message;
        if (caller) {
            EXPECT_EQ(caller->call, QLatin1String(c.call)) << c.message;
            EXPECT_EQ(caller->grid, QLatin1String(c.grid)) << c.message;
        }
    }
}

TEST(ClusterLine, SpotLinesAsClustersSendThem)
{
    const struct { const char* line; const char* spotter; double khz; const char* call; const char* grid; int minute; } cases[] = {
        {"DX de DL1ABC:    14025.0  JA1XYZ       CW 599                      1234Z", "DL1ABC", 14025.0, "JA1XYZ", "", 754},
        {"DX de W3LPL-#:    7074.0  VK2ABC       FT8 -12 dB QF56             0005Z FN20", "W3LPL-#", 7074.0, "VK2ABC", "QF56", 5},
        {"DX de EA8BQM:   28495.5  K1ABC        up 5 pse jn45ab            2359Z", "EA8BQM", 28495.5, "K1ABC", "JN45AB", 1439},
        {"dx de dl1abc:   1840  ja1xyz  0000Z", "DL1ABC", 1840, "JA1XYZ", "", 0},
        {"DX de DL1ABC:    14025.0  JA1XYZ       tnx RR73                    1234Z", "DL1ABC", 14025.0, "JA1XYZ", "", 754},
        // Six metres and up: the spotter's square, the propagation mode, then the spotted station's.
        {"DX de SP9XYZ:    50313.0  K1ABC   JO90KE<ES>FN42HN  0304Z", "SP9XYZ", 50313.0, "K1ABC", "FN42HN", 184},
        {"DX de SP9XYZ:    50313.0  K1ABC   jo90 <tr> fn42 -10dB  0304Z", "SP9XYZ", 50313.0, "K1ABC", "FN42", 184},
        {"DX de SP9XYZ:   144300.0  K1ABC   JO90KE<EME>  0304Z", "SP9XYZ", 144300.0, "K1ABC", "", 184},
        {"DX de DL1ABC:    14025.0  JA1XYZ       CW                          2460Z", nullptr, 0, nullptr, nullptr, 0},
        {"DX de DL1ABC:    14025.0  JA1XYZ       CW", nullptr, 0, nullptr, nullptr, 0},
        {"WWV de W0MU <18>:   SFI=150, A=5, K=1", nullptr, 0, nullptr, nullptr, 0},
        {"To ALL de DL1ABC: hello", nullptr, 0, nullptr, nullptr, 0},
        {"DX de DL1ABC:    14025.0  ---          CW                          1234Z", nullptr, 0, nullptr, nullptr, 0},
    };
    for (const auto& c : cases) {
        const auto spot = ClusterLine::parse(QByteArray(c.line));
        ASSERT_EQ(spot.has_value(), c.call != nullptr) << c.line;
        if (!spot)
            continue;
        EXPECT_EQ(spot->spotter, QLatin1String(c.spotter)) << c.line;
        EXPECT_DOUBLE_EQ(spot->frequencyKhz, c.khz) << c.line;
        EXPECT_EQ(spot->call, QLatin1String(c.call)) << c.line;
        EXPECT_EQ(spot->grid, QLatin1String(c.grid)) << c.line;
        EXPECT_EQ(spot->minuteOfDay, c.minute) << c.line;
    }
    EXPECT_FALSE(ClusterLine::parse("DX de DL1ABC:    14025.0  JA1XYZ  " + QByteArray(300, 'x') + " 1234Z"));
}

TEST(AdifLog, EntitiesFromTheDxccFieldElseTheCall)
{
    const struct { const char* name; const char* log; std::vector<int> dxcc; int records; } cases[] = {
        {"header and two QSOs", "Exported by a logger\n<ADIF_VER:5>3.1.4 <EOH>\n"
                                "<CALL:6>JA1XYZ<BAND:3>20m<EOR>\n<call:6>vk2abc <dxcc:3:N>150 <eor>\n", {150, 339}, 2},
        {"no header", "<CALL:6>DL1ABC<QSO_DATE:8>20260101<EOR>", {230}, 1},
        {"DXCC field wins over the call", "<CALL:6>DL1ABC<DXCC:2>29<EOR>", {29}, 1},
        {"header fields belong to no QSO", "<CALL:6>JA1XYZ<EOH><CALL:6>DL1ABC<EOR>", {230}, 1},
        {"free text and a stray bracket", "x < y <CALL:6>K1ABCZ<COMMENT:5>a<b>c<EOR>", {291}, 1},
        {"unreadable length is skipped", "<CALL:X>JA1XYZ<CALL:6>EA8BQM<EOR>", {29}, 1},
        {"length beyond the end", "<CALL:6>JA1XYZ<EOR><CALL:60>DL1ABC<EOR>", {339}, 1},
        {"huge length", "<CALL:99999999999999>JA1XYZ<EOR>", {}, 0},
        {"unknown call", "<CALL:6>ZZ9ZZZ<EOR>", {}, 1},
        {"empty", "", {}, 0},
    };
    for (const auto& c : cases) {
        const AdifLog::Worked worked = AdifLog::read(QByteArray(c.log), calls());
        EXPECT_EQ(worked.dxcc, QSet<int>(c.dxcc.begin(), c.dxcc.end())) << c.name;
        EXPECT_EQ(worked.records, c.records) << c.name;
    }
    // An entity the list gives no number for counts by its prefix.
    const AdifLog::Worked old = AdifLog::read("<CALL:5>XX1AB<EOR>", calls());
    EXPECT_TRUE(old.contains(0, QStringLiteral("XX")));
    EXPECT_FALSE(old.contains(339, QStringLiteral("JA")));
}

// Where reading stops: at the end, or at the tag of a field longer than the rest of the log, also
// when tags and fields run across the reader's chunks.
TEST(AdifLog, ReadingStopsAtTheEndOrWhereAFieldIsCutOff)
{
    const QByteArray pad(AdifLog::chunkBytes - 3, ' ');  // the next tag starts 3 bytes before a chunk's end
    const struct { const char* name; QByteArray log; qint64 records, bytesRead; bool cutOff; } cases[] = {
        {"no tags", "no QSO here\n", 0, 12, false},
        {"first tag claims two billion", "<CALL:2000000000>JA1XYZ<EOR>", 0, 0, true},
        {"cut after one QSO", "<CALL:6>JA1XYZ<EOR><CALL:60>DL1ABC<EOR>", 1, 19, true},
        {"a tag over a chunk's end", pad + "<CALL:6>JA1XYZ<EOR>", 1, pad.size() + 19, false},
        {"a field over a chunk's end", pad + "<CALL:6>JA1XY" + QByteArray(AdifLog::chunkBytes, ' ') + "<EOR>", 1,
         pad.size() + 13 + AdifLog::chunkBytes + 5, false},
        {"cut field whose tag is in the chunk before", pad + "<CALL:99>JA1", 0, pad.size(), true},
        {"a stray bracket before a chunk's end", QByteArray(AdifLog::chunkBytes - 1, ' ') + "< <CALL:6>JA1XYZ<EOR>", 1,
         AdifLog::chunkBytes + 20, false},
        {"a bracket without an end is free text", "<" + QByteArray(300, 'A') + "> <CALL:6>JA1XYZ<EOR>", 1, 322, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AdifLog::Worked worked = AdifLog::read(c.log, calls());
        EXPECT_EQ(worked.records, c.records);
        EXPECT_EQ(worked.bytesRead, c.bytesRead);
        EXPECT_EQ(worked.cutOff, c.cutOff);
    }
}

// QSOs of every length, so that each byte of a tag or a call lands on a chunk's edge once.
TEST(AdifLog, QsosAcrossChunkEdgesAreAllRead)
{
    const char* callsOf[] = {"JA1XYZ", "VK2ABC", "dl1abc", "EA8BQM", "K1ABC"};
    QByteArray log("<ADIF_VER:5>3.1.4<EOH>\n");
    const int qsos = 20000;
    for (int i = 0; i < qsos; ++i) {
        const QByteArray call(callsOf[i % 5]);
        log += "<CALL:" + QByteArray::number(call.size()) + ">" + call + QByteArray(i % 97, ' ')
               + "<COMMENT:" + QByteArray::number(i % 13) + ">" + QByteArray(i % 13, '<') + "<EOR>\n";
    }
    ASSERT_GT(log.size(), 4 * AdifLog::chunkBytes);
    const AdifLog::Worked worked = AdifLog::read(log, calls());
    EXPECT_EQ(worked.records, qsos);
    EXPECT_EQ(worked.dxcc, QSet<int>({339, 150, 230, 29, 291}));
    EXPECT_EQ(worked.bytesRead, log.size());
}

// An ADIF log of any size, made up while it is read: the same QSO again and again.
class EndlessLog : public QIODevice {
public:
    explicit EndlessLog(qint64 size) : size_(size) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    static QByteArray qso() { return "<CALL:6>JA1XYZ <BAND:3>20m <MODE:3>FT8 <QSO_DATE:8>20260101 <EOR>\n"; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        static const QByteArray pattern = qso().repeated(4096);
        const qint64 count = std::min({maxSize, size_ - made_, qint64(pattern.size())});
        const qint64 from = made_ % qso().size();
        const qint64 first = std::min(count, qint64(pattern.size()) - from);
        std::memcpy(data, pattern.constData() + from, std::size_t(first));
        made_ += first;
        return first;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    qint64 size_;
    qint64 made_ = 0;
};

// AddressSanitizer keeps freed memory in quarantine (up to 256 MiB), so there the peak of a
// process that allocates and frees as it streams says nothing about what it holds.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool peakIsHeld = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool peakIsHeld = false;
#else
constexpr bool peakIsHeld = true;
#endif
#else
constexpr bool peakIsHeld = true;
#endif

long peakMemoryKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A log is read as a stream: a quarter of a gigabyte of it leaves the peak memory where it was.
TEST(AdifLog, AHugeLogTakesLittleMemory)
{
    const qint64 size = qint64(256) << 20;  // bytes
    const long before = peakMemoryKb();
    EndlessLog log(size);
    const AdifLog::Worked worked = AdifLog::read(log, calls());
    EXPECT_EQ(worked.records, size / EndlessLog::qso().size());
    EXPECT_EQ(worked.dxcc, QSet<int>{339});
    if (peakIsHeld) {
        EXPECT_LT(peakMemoryKb() - before, 32 * 1024);
    }
}

TEST(SpotPlacer, GridFirstThenEntityAndNothingAtSea)
{
    const SpotPlacer placer(calls());
    const struct { const char* call; const char* grid; bool placed; double longitude, latitude; const char* country; } cases[] = {
        {"VK2ABC", "QF56", true, 151, -33.5, "Australien"},
        {"JA1XYZ", "", true, 138.38, 36.40, "Japan"},
        {"ZZ9ZZZ", "JO31", true, 7, 51.5, ""},  // unknown call, known square
        {"ZZ9ZZZ", "", false, 0, 0, ""},
        {"DL1ABC/MM", "", false, 0, 0, ""},
        {"DL1ABC/MM", "IN80", true, -3, 40.5, ""},
        {"EA8/DL1ABC", "", true, -15.85, 28.32, "Kanarische Inseln"},
    };
    for (const auto& c : cases) {
        const auto spot = placer.place(QString::fromLatin1(c.call), QString::fromLatin1(c.grid));
        ASSERT_EQ(spot.has_value(), c.placed) << c.call;
        if (!spot)
            continue;
        EXPECT_NEAR(spot->place.longitude, c.longitude, 1e-9) << c.call;
        EXPECT_NEAR(spot->place.latitude, c.latitude, 1e-9) << c.call;
        EXPECT_EQ(spot->country, QLatin1String(c.country)) << c.call;
    }
}

// A square in a spotter's comment that lies far outside the call's entity is somebody else's:
// the spot goes to its entity's centre. A square the station sent itself is always taken.
TEST(SpotPlacer, ACommentSquareFarOutsideTheEntityIsNotUsed)
{
    const SpotPlacer placer(calls());
    const struct { const char* call; const char* grid; SpotPlacer::Square square; bool byGrid; } cases[] = {
        {"K1ABC", "FN42HN", SpotPlacer::Square::FromComment, true},    // Massachusetts
        {"K1ABC", "JO90KE", SpotPlacer::Square::FromComment, false},   // Poland
        {"K1ABC", "JO90KE", SpotPlacer::Square::Sent, true},
        {"K1ABC", "CM87", SpotPlacer::Square::FromComment, true},      // San Francisco, beyond the extent but near
        {"K1ABC", "BL11", SpotPlacer::Square::FromComment, false},     // Hawaii, 6,450 km away
        {"3A2MW", "JN33", SpotPlacer::Square::FromComment, true},       // beside a tiny entity
        {"3A2MW", "JN45", SpotPlacer::Square::FromComment, false},     // Milan, 240 km away
        {"JA1XYZ", "JO90", SpotPlacer::Square::FromComment, true},     // no extent known: taken
        {"ZZ9ZZZ", "JO90", SpotPlacer::Square::FromComment, true},     // no entity: the square is all there is
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.call) + " " + c.grid);
        const auto spot = placer.place(QString::fromLatin1(c.call), QString::fromLatin1(c.grid), c.square);
        ASSERT_TRUE(spot);
        EXPECT_EQ(spot->placedByGrid, c.byGrid);
        EXPECT_EQ(spot->grid, c.byGrid ? QString::fromLatin1(c.grid) : QString());
    }
}

TEST(SpotList, RenewedByCallFadingClearedAndListedNewestFirst)
{
    SpotList list;
    const auto spot = [](const char* call, Spot::Source source, qint64 at, const char* origin = "WSJT-X") {
        Spot s;
        s.call = QString::fromLatin1(call);
        s.source = source;
        s.heardAt = at;
        s.origin = QString::fromLatin1(origin);
        return s;
    };
    list.add(spot("VK2ABC", Spot::Source::Wsjtx, 0));
    list.add(spot("JA1XYZ", Spot::Source::Wsjtx, 0, "JTDX"));
    list.add(spot("VK2ABC", Spot::Source::Wsjtx, 600));    // renewed, one marker
    list.add(spot("VK2ABC", Spot::Source::Cluster, 700, "dxc.example"));  // a cluster marker of its own
    ASSERT_EQ(list.markers().size(), 3u);
    EXPECT_DOUBLE_EQ(SpotList::opacity(list.markers()[0], 600 + 450, 900), 0.5);  // fading over 15 minutes
    EXPECT_FALSE(list.expire(900)) << "kept an hour";
    EXPECT_TRUE(list.expire(3600));  // JA1XYZ heard at 0 is gone after an hour
    ASSERT_EQ(list.markers().size(), 2u);
    list.clearWsjtx(QStringLiteral("WSJT-X"));
    ASSERT_EQ(list.markers().size(), 1u);
    EXPECT_EQ(list.markers()[0].source, Spot::Source::Cluster);
    EXPECT_FALSE(list.expire(1000));
    for (int i = 0; i < 250; ++i)
        list.add(spot(qPrintable(QStringLiteral("K%1AB").arg(i)), Spot::Source::Cluster, 1000 + i, "dxc.example"));
    ASSERT_EQ(int(list.clusterSpots().size()), SpotList::listedClusterSpots);
    EXPECT_EQ(list.clusterSpots().front().call, QStringLiteral("K249AB"));
    EXPECT_EQ(list.clusterSpots().back().call, QStringLiteral("K50AB"));
}

// A flood of new calls keeps the markers at their bound, dropping the least recently heard; a call
// heard again stays.
TEST(SpotList, AFloodOfNewCallsDropsTheLeastRecentlyHeard)
{
    SpotList list;
    const auto add = [&](const QString& call, qint64 at) {
        Spot s;
        s.source = Spot::Source::Cluster;
        s.call = call;
        s.heardAt = at;
        list.add(s);
    };
    add(QStringLiteral("VK2ABC"), 100);
    add(QStringLiteral("JA1XYZ"), 0);
    for (int i = 0; i < SpotList::maximumMarkers; ++i) {
        add(QStringLiteral("K%1AB").arg(i), 200 + i);
        add(QStringLiteral("VK2ABC"), 200 + i);
    }
    const std::vector<Spot>& markers = list.markers();
    ASSERT_EQ(int(markers.size()), SpotList::maximumMarkers);
    const auto has = [&](const QString& call) {
        return std::any_of(markers.begin(), markers.end(), [&](const Spot& s) { return s.call == call; });
    };
    EXPECT_TRUE(has(QStringLiteral("VK2ABC")));
    EXPECT_FALSE(has(QStringLiteral("JA1XYZ")));
    EXPECT_FALSE(has(QStringLiteral("K0AB"))) << "the oldest of the flood went next";
    EXPECT_TRUE(has(QStringLiteral("K%1AB").arg(SpotList::maximumMarkers - 1)));
}

} // namespace
