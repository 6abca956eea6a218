// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "GeneratedKarten.h"

#include "geo/CountryLookup.h"

#include <gtest/gtest.h>

namespace {

struct Place {
    const char* place;
    double latitude, longitude;  // degrees north and east
    const char *country, *prefix;
};

// Capitals on every continent, coastal cities whose cell is mostly sea, small states beside
// large neighbours, and places where amateur-radio entities differ from the polygons' countries.
const Place places[] = {
    {"Berlin", 52.5200, 13.4050, "Deutschland", "DL"}, {"Paris", 48.8566, 2.3522, "Frankreich", "F"},
    {"London", 51.5074, -0.1278, "Vereinigtes Königreich", "G"}, {"Madrid", 40.4168, -3.7038, "Spanien", "EA"},
    {"Rome", 41.8919, 12.5113, "Italien", "I"}, {"Vatican City", 41.9029, 12.4534, "Vatikanstadt", "HV"},
    {"Monaco", 43.7384, 7.4246, "Monaco", "3A"}, {"Luxembourg", 49.6116, 6.1319, "Luxemburg", "LX"},
    {"San Marino", 43.9424, 12.4578, "San Marino", "T7"}, {"Vaduz", 47.1410, 9.5209, "Liechtenstein", "HB0"},
    {"Andorra la Vella", 42.5063, 1.5218, "Andorra", "C3"}, {"Valletta", 35.8989, 14.5146, "Malta", "9H"},
    {"Vienna", 48.2082, 16.3738, "Österreich", "OE"}, {"Warsaw", 52.2297, 21.0122, "Polen", "SP"},
    {"Moscow", 55.7558, 37.6173, "Russland", "UA"}, {"Novosibirsk", 55.0084, 82.9357, "Asiatisches Russland", "UA9"},
    {"Anadyr", 64.7337, 177.5089, "Asiatisches Russland", "UA9"},
    {"Kaliningrad", 54.7104, 20.4522, "Kaliningrad", "UA2"}, {"Simferopol", 44.9521, 34.1024, "Ukraine", "UR"},
    {"Kyiv", 50.4501, 30.5234, "Ukraine", "UR"}, {"Istanbul", 41.0082, 28.9784, "Türkei", "TA"},
    {"Reykjavik", 64.1466, -21.9426, "Island", "TF"}, {"Belfast", 54.5973, -5.9301, "Nordirland", "GI"},
    {"Las Palmas", 28.1235, -15.4363, "Kanarische Inseln", "EA8"}, {"Palma", 39.5696, 2.6502, "Balearen", "EA6"},
    {"Heraklion", 35.3387, 25.1442, "Kreta", "SV9"}, {"Cagliari", 39.2238, 9.1217, "Sardinien", "IS"},
    {"Ajaccio", 41.9192, 8.7386, "Korsika", "TK"}, {"Ponta Delgada", 37.7412, -25.6756, "Azoren", "CU"},
    {"Funchal", 32.6669, -16.9241, "Madeira", "CT3"}, {"Longyearbyen", 78.2232, 15.6267, "Svalbard", "JW"},
    {"Washington", 38.9072, -77.0369, "Vereinigte Staaten", "K"},
    {"New York", 40.7128, -74.0060, "Vereinigte Staaten", "K"}, {"Anchorage", 61.2181, -149.9003, "Alaska", "KL"},
    {"Honolulu", 21.3069, -157.8583, "Hawaii", "KH6"}, {"Ottawa", 45.4215, -75.6972, "Kanada", "VE"},
    {"Nuuk", 64.1814, -51.6941, "Grönland", "OX"}, {"Mexico City", 19.4326, -99.1332, "Mexiko", "XE"},
    {"Havana", 23.1136, -82.3666, "Kuba", "CM"}, {"Bogota", 4.7110, -74.0721, "Kolumbien", "HK"},
    {"Brasilia", -15.7939, -47.8828, "Brasilien", "PY"}, {"Buenos Aires", -34.6037, -58.3816, "Argentinien", "LU"},
    {"Lima", -12.0464, -77.0428, "Peru", "OA"}, {"Santiago", -33.4489, -70.6693, "Chile", "CE"},
    {"Puerto Ayora", -0.7436, -90.3154, "Galapagos-Inseln", "HC8"}, {"Cairo", 30.0444, 31.2357, "Ägypten", "SU"},
    {"Nairobi", -1.2921, 36.8219, "Kenia", "5Z"}, {"Cape Town", -33.9249, 18.4241, "Südafrika", "ZS"},
    {"Lagos", 6.5244, 3.3792, "Nigeria", "5N"}, {"Kinshasa", -4.4419, 15.2663, "Demokratische Republik Kongo", "9Q"},
    {"Rabat", 34.0209, -6.8416, "Marokko", "CN"}, {"Laayoune", 27.1536, -13.2033, "Westsahara", "S0"},
    {"Beijing", 39.9042, 116.4074, "China", "BY"}, {"Tokyo", 35.6762, 139.6503, "Japan", "JA"},
    {"New Delhi", 28.6139, 77.2090, "Indien", "VU"}, {"Tehran", 35.6892, 51.3890, "Iran", "EP"},
    {"Singapore", 1.3521, 103.8198, "Singapur", "9V"}, {"Kuala Lumpur", 3.1390, 101.6869, "Malaysia", "9M2"},
    {"Kota Kinabalu", 5.9804, 116.0735, "Ostmalaysia", "9M6"}, {"Canberra", -35.2809, 149.1300, "Australien", "VK"},
    {"Sydney", -33.8688, 151.2093, "Australien", "VK"}, {"Wellington", -41.2865, 174.7762, "Neuseeland", "ZL"},
    {"Suva", -18.1248, 178.4501, "Fidschi", "3D2"},
    // Mid-ocean, no country: Atlantic, Pacific on both sides of 180 degrees, Indian and Southern Ocean.
    {"Atlantic", 0, -30, "", ""}, {"Atlantic", 40, -40, "", ""}, {"Atlantic", 55, -30, "", ""},
    {"Pacific", 30, -150, "", ""}, {"Pacific", -30, -130, "", ""}, {"Pacific, west of 180", 10, 179.9, "", ""},
    {"Pacific, east of 180", -10, -179.9, "", ""}, {"Indian", -30, 80, "", ""}, {"Southern", -60, 40, "", ""},
};

TEST(CountryPlacesTest, LookupNamesCountryAndPrefix)
{
    const GeneratedKarten& karten = GeneratedKarten::instance();
    for (const Place& p : places) {
        QString name = "x", prefix = "x";
        CountryLookup(karten.raster(), karten.countryList()).lookupCountry(p.longitude, p.latitude, name, prefix);
        EXPECT_EQ(name, QString::fromUtf8(p.country)) << p.place;
        EXPECT_EQ(prefix, QString::fromUtf8(p.prefix)) << p.place;
    }
}

} // namespace
