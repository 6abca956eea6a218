// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/SettingsStore.h"

#include "settings/SettingsFile.h"

#include <QFile>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

// A settings file as a user's Corvane.ini holds it after years: every section the store keeps, keys
// in the order older versions wrote them, umlauts in Windows-1252, a section held twice (the first
// copy counts), and a section and a key of no version at all.
const QByteArray fullFile =
    "[Main]\r\nLinks=50\r\nOben=60\r\nBreit=700\r\nHoch=400\r\nStayOnTop=1\r\nMercatorkarte=0\r\nFadenkreuzfarbe="
    "255\r\n"
    "[Locator]\r\nU_L\xE4nge=13,4000\r\nU_Breite=52,5000\r\n"
    "[Parameter]\r\nOben=200\r\nLinks=300\r\nMausAnzeige_EIN_AUS=0\r\nStaedte/Inseln_EIN_AUS=1\r\n"
    "Anzeige Staedte/Inseln Durchmesser=5\r\nElev_Grundst=1\r\nElevation=12\r\nUeberlappung=25\r\n"
    "Anzeigefehler=1.5\r\nLocatorRaster=3\r\nRotorSofortstart=0\r\nFahrwegoptimierung=0\r\nGraulinie=1\r\n"
    "Kartenbeschriftung=0\r\nKreise=1200\r\n"
    "[Mercator]\r\nHoch=334\r\nBreit=600\r\naktuelle Karte=Europa\r\nLocatorPos_X=5\r\nLocatorPos_Y=350\r\n"
    "FadenkreuzAnzeigePos_X=646\r\nFadenkreuzAnzeigePos_Y=136\r\n"
    "[Beam]\r\nHoch=500\r\nBreit=500\r\nZoom=250\r\nLocatorPos_X=5\r\nLocatorPos_Y=350\r\nFadenkreuzanzeigePos_X="
    "546\r\n"
    "FadenkreuzanzeigePos_Y=136\r\nMittelpunkt_L\xE4nge=13.4\r\nMittelpunkt_Breite=52.5\r\n"
    "[Hilfe]\r\nTop=75\r\nLinks=100\r\nBreite=850\r\nH\xF6he=600\r\n"
    "[DX-Cluster]\r\nHost=dx.example\r\nPort=7300\r\nRufzeichen=DL1ABC\r\nLogbuch=/home/dl1abc/log.adi\r\n"
    "[WSJT-X]\r\nEmpfang=0\r\nAdresse=239.255.0.1\r\nPort=2238\r\nSchnittstelle=eth0\r\n"
    "[Main]\r\nLinks=999\r\n"
    "[Eigenes]\r\nNotiz=f\xFCr sp\xE4ter\r\n";

class SettingsStoreTest : public testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QByteArray readBack() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QByteArray& bytes) const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Corvane.ini"));
};

TEST_F(SettingsStoreTest, AFullFileLoadedAndSavedKeepsEveryByte)
{
    write(fullFile);
    SettingsFile file(path);
    SettingsStore store;
    store.load(file);
    EXPECT_EQ(store.mainWindow.bounds(), (WindowBounds {50, 60, 700, 400})) << "the first copy of a section counts";
    EXPECT_EQ(store.ownStation.longitudeText(), QStringLiteral("13,4000"));
    EXPECT_DOUBLE_EQ(store.ownStation.position().latitude, 52.5);
    EXPECT_EQ(store.mercator.mapName(), QStringLiteral("Europa"));
    EXPECT_EQ(store.places.place(MapPlaces::Tool::entry, MapPlaces::Map::mercator), QPoint(5, 350));
    EXPECT_EQ(store.places.place(MapPlaces::Tool::crosshair, MapPlaces::Map::beam), QPoint(546, 136));
    EXPECT_DOUBLE_EQ(store.beam.cacheCentre()->longitude, 13.4);
    EXPECT_EQ(store.help.bounds(), (WindowBounds {100, 75, 850, 600}));
    EXPECT_EQ(store.mainWindow.crosshairColour(), 255u);
    file.holdWrites();
    store.save();
    file.flush();
    EXPECT_EQ(readBack().toStdString(), fullFile.toStdString());
}

// Each setter tells of its own value only, once per real change, and writes its key at once; a
// first run writes only what was set.
TEST_F(SettingsStoreTest, EachSetterSignalsItsOwnValueOnceAndWritesItsKeys)
{
    using Store = SettingsStore;
    const struct {
        const char* signal;  // the one signal expected
        std::function<QObject*(Store&)> section;
        std::function<void(Store&)> set;
        QByteArray written;  // the file after the change, from none
    } cases[] = {
        {"boundsChanged()", [](Store& s) { return &s.mainWindow; },
         [](Store& s) {
             s.mainWindow.setBounds({1, 2, 3, 4});
         },
         "[Main]\r\nLinks=1\r\nOben=2\r\nBreit=3\r\nHoch=4\r\n"},
        {"stayOnTopChanged()", [](Store& s) { return &s.mainWindow; },
         [](Store& s) { s.mainWindow.setStayOnTop(true); }, "[Main]\r\nStayOnTop=1\r\n"},
        {"mercatorShownChanged()", [](Store& s) { return &s.mainWindow; },
         [](Store& s) { s.mainWindow.setMercatorShown(false); }, "[Main]\r\nMercatorkarte=0\r\n"},
        {"crosshairColourChanged()", [](Store& s) { return &s.mainWindow; },
         [](Store& s) { s.mainWindow.setCrosshairColour(0xFF); }, "[Main]\r\nFadenkreuzfarbe=255\r\n"},
        {"longitudeTextChanged()", [](Store& s) { return &s.ownStation; },
         [](Store& s) { s.ownStation.setTexts(QStringLiteral("7,5"), QStringLiteral("0")); },
         "[Locator]\r\nU_L\xE4nge=7,5\r\nU_Breite=0\r\n"},
        {"mapNameChanged()", [](Store& s) { return &s.mercator; },
         [](Store& s) { s.mercator.setMapName(QStringLiteral("Welt")); }, "[Mercator]\r\naktuelle Karte=Welt\r\n"},
        {"imageSizeChanged()", [](Store& s) { return &s.beam; },
         [](Store& s) {
             s.beam.setImageSize({640, 480});
         },
         "[Beam]\r\nHoch=480\r\nBreit=640\r\n"},
        {"zoomChanged()", [](Store& s) { return &s.beam; }, [](Store& s) { s.beam.setZoom(25); },
         "[Beam]\r\nZoom=25\r\n"},
        {"cacheCentreChanged()", [](Store& s) { return &s.beam; },
         [](Store& s) {
             s.beam.setCacheCentre({-0.1, 51.5});
         },
         "[Beam]\r\nMittelpunkt_L\xE4nge=-0.1\r\nMittelpunkt_Breite=51.5\r\n"},
        {"boundsChanged()", [](Store& s) { return &s.help; },
         [](Store& s) {
             s.help.setBounds({5, 6, 7, 8});
         },
         "[Hilfe]\r\nTop=6\r\nLinks=5\r\nBreite=7\r\nH\xF6he=8\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written.constData());
        QFile::remove(path);
        SettingsFile file(path);
        Store store;
        store.load(file);
        QObject* section = c.section(store);
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        const QMetaObject* meta = section->metaObject();
        for (int i = 0; i < meta->methodCount(); ++i)
            if (meta->method(i).methodType() == QMetaMethod::Signal && meta->method(i).name() != "destroyed" &&
                meta->method(i).name() != "objectNameChanged")
                spies.push_back(std::make_unique<QSignalSpy>(section, meta->method(i)));
        c.set(store);
        c.set(store);
        for (const auto& spy : spies)
            EXPECT_EQ(spy->count(), spy->signal() == c.signal ? 1 : 0) << spy->signal().constData();
        EXPECT_EQ(readBack(), c.written);
    }
}

}  // namespace
