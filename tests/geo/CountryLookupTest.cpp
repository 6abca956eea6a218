#include "geo/CountryLookup.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class CountryLookupTest : public ::testing::Test {
protected:
    void setByte(int run, int cell, std::uint8_t country)
    {
        raster_->data()[std::size_t(run) * CountryRaster::cellsPerRun + cell] = country;
    }

    std::unique_ptr<CountryRaster> raster_ = std::make_unique<CountryRaster>();
    QStringList list_;
    CountryLookup lookup_{*raster_, list_};
};

TEST_F(CountryLookupTest, FindsLineOfRasterNumberAndSplitsAtFirstSemicolon)
{
    list_ = QStringList{"Land;Prefix",  "Deutschland;DL", "Frankreich;F",    "Kein Trenner",
                        "Tonga;A3;x",   "Null;", ";Nur Prefix",   QString(300, 'P').prepend("Lang;")};
    // Edges of the raster and neighbouring cells, each with its own country number.
    setByte(511, 268, 5);    // 0, 0
    setByte(511, 618, 1);    // latitude 85.0, last cell
    setByte(511, 0, 2);      // latitude -65.0 rounds to the first cell
    setByte(0, 268, 3);      // longitude -180
    setByte(1022, 268, 4);   // longitude +180
    setByte(512, 268, 6);    // one run east: 0.352250 degrees
    setByte(511, 269, 7);    // one cell north: 0.242857 degrees

    const struct {
        double longitude, latitude;
        const char* name;
        QString prefix;
    } cases[] = {
        {0, 0, "Null", ""},
        {0, 85.0, "Deutschland", "DL"},
        {0, 85.2, "", ""},                  // beyond the last cell
        {0, -65.0, "Frankreich", "F"},
        {0, -65.3, "", ""},                 // below the first cell
        {-180, 0, "", "Kein Trenner"},      // no ";": all of it is the prefix
        {180, 0, "Tonga", "A3;x"},          // only the first ";" separates
        {180.2, 0, "", ""},                 // beyond the last run
        {-180.2, 0, "", ""},
        {0.2, 0, "", "Nur Prefix"},         // 0.57 runs rounds to run 512
        {0.17, 0, "Null", ""},              // 0.48 runs rounds back to run 511
        {0, 0.15, "Lang", QString(200, 'P')},   // prefix cut to 200 characters
        {0, 0.12, "Null", ""},
        {10, 10, "", ""},                   // sea
        {qQNaN(), 0, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.longitude << " " << c.latitude);
        QString name = "stale", prefix = "stale";
        lookup_.lookupCountry(c.longitude, c.latitude, name, prefix);
        EXPECT_EQ(name, QString::fromUtf8(c.name));
        EXPECT_EQ(prefix, c.prefix);
    }
}

TEST_F(CountryLookupTest, NumberWithoutLineOrEmptyListGivesEmptyTexts)
{
    setByte(511, 268, 9);
    for (const QStringList& list : {QStringList{}, QStringList{"Kopf", "A;1"}}) {
        list_ = list;
        QString name = "stale", prefix = "stale";
        lookup_.lookupCountry(0, 0, name, prefix);
        EXPECT_TRUE(name.isEmpty());
        EXPECT_TRUE(prefix.isEmpty());
    }
}

} // namespace
