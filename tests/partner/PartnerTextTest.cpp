// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "geo/CallsignTable.h"
#include "partner/GridLocator.h"
#include "partner/PartnerText.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// A few entities in the form of Karten/Rufzeichen.txt, with an exact call that beats a longer
// prefix (VK9MAV is Australian although VK9M is Mellish Reef) and two lines to be left out.
const CallsignTable& table()
{
    static const CallsignTable calls = CallsignTable::fromText(QStringLiteral(
        "Spanien;EA;40.32;-3.43;AM AN EA EB EC ED EE EF EG EH\r\n"
        "Kanarische Inseln;EA8;28.32;-15.85;AM8 AN8 EA8 EB8 =EA1AK/8\r\n"
        "Australien;VK;-23.70;132.33;AX VI VJ VK VL =VK9MAV\r\n"
        "Mellish Reef;VK9M;-17.40;155.85;VK9M\r\n"
        "Hawaii;KH6;21.12;-157.48;AH6 KH6 KH7 NH6 WH6\r\n"
        "Vereinigte Staaten;K;37.60;-91.87;AA AB K N W\r\n"
        "Deutschland;DL;51.00;10.00;DA DB DC DD DE DF DG DH DI DJ DK DL DM DN DO DP DQ DR\r\n"
        "Japan;JA;36.40;138.38;JA JE JF JG JH JI JJ JK JL JM JN JO JP JQ JR JS\r\n"
        "a line without fields\r\n"
        "Kaputt;XX;Nord;1;XX\r\n"));
    return calls;
}

TEST(CallsignLookupTest, FindsTheEntityOfTheCall)
{
    const struct {
        const char *call, *entity;  // entity nullptr: none
    } cases[] = {
        {"VK2ABC", "Australien"},
        {"EA8", "Kanarische Inseln"},  // the longest prefix wins over EA
        {"ea8bqm", "Kanarische Inseln"},
        {"EA1ABC", "Spanien"},
        {"KH6XYZ", "Hawaii"},  // not the United States' K
        {"K1ABC", "Vereinigte Staaten"},
        {"VK9MAV", "Australien"},  // exact call beats the longer prefix VK9M
        {"VK9MX", "Mellish Reef"},
        {"EA1AK/8", "Kanarische Inseln"},     // exact call with a slash
        {"EA8/DL1ABC", "Kanarische Inseln"},  // portable: the prefix before the slash
        {"DL1ABC/EA8", "Kanarische Inseln"},  // or after it, being the shorter part
        {"DL1ABC/P", "Deutschland"},          // operating marks do not count
        {"DL1ABC/AM", "Deutschland"},
        {"DL1ABC/MM", nullptr},  // maritime mobile: at sea, in no entity
        {"EA8/DL1ABC/MM", nullptr},
        {"K1ABC/4", "Vereinigte Staaten"},
        {" dl1abc ", "Deutschland"},
        {"XX1ABC", nullptr},  // its line had no readable latitude
        {"QQ1ABC", nullptr},
        {"", nullptr},
        {"VK2 ABC", nullptr},
        {"VK2ABC!", nullptr},
        {"DL1ABC//P", nullptr},
        {"/", nullptr},
        {"DL1ABCDEFGHIJKLMNOPQRS", nullptr},  // longer than any call
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.call);
        const auto entity = table().lookup(QString::fromLatin1(c.call));
        if (!c.entity) {
            EXPECT_FALSE(entity) << entity->name.toStdString();
            continue;
        }
        ASSERT_TRUE(entity);
        EXPECT_EQ(entity->name, QString::fromUtf8(c.entity));
    }
}

TEST(PartnerTextTest, ReadsLocatorsCoordinatesAndCalls)
{
    const struct {
        const char* text;
        std::optional<GeoPosition> place;  // longitude, latitude
        const char* country;
    } cases[] = {
        {"JO31MM", GeoPosition {7.0416667, 51.5208333}, ""},  // subsquare centre, as the panel
        {"jo31mm", GeoPosition {7.0416667, 51.5208333}, ""},
        {"JO31", GeoPosition {7.0, 51.5}, ""},  // square centre, not Japan's JO
        {"QF56", GeoPosition {151.0, -33.5}, ""},
        {"RR73", GeoPosition {175.0, 83.5}, ""},
        {"-33.87 151.21", GeoPosition {151.21, -33.87}, ""},  // latitude first
        {" 52,5   13,4 ", GeoPosition {13.4, 52.5}, ""},
        {"91 0", std::nullopt, ""},
        {"0 181", std::nullopt, ""},
        {"VK2ABC", GeoPosition {132.33, -23.70}, "Australien"},
        {"JO", GeoPosition {10.0, 55.0}, ""},                   // field centre, not Japan
        {"jo31mm55", GeoPosition {7.0458333, 51.5229167}, ""},  // extended square centre
        {"AA00AA00", GeoPosition {-179.9958333, -89.9979167}, ""},
        {"JO31MM5", GeoPosition {138.38, 36.40}, "Japan"},  // no locator form: a call
        {"DL1ABC/MM", std::nullopt, ""},
        {"JS31", GeoPosition {138.38, 36.40}, "Japan"},    // S is beyond the fields: a call
        {"XS31", std::nullopt, ""},                        // neither, and no prefix here
        {"JO31MZ", GeoPosition {138.38, 36.40}, "Japan"},  // Z is beyond the subsquares: a call
        {"hello world", std::nullopt, ""},
        {"", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto partner = PartnerText(table()).read(QString::fromUtf8(c.text));
        ASSERT_EQ(partner.has_value(), c.place.has_value());
        if (!partner)
            continue;
        EXPECT_NEAR(partner->place.longitude, c.place->longitude, 1e-6);
        EXPECT_NEAR(partner->place.latitude, c.place->latitude, 1e-6);
        EXPECT_EQ(partner->country, QString::fromUtf8(c.country));
    }
}

} // namespace
