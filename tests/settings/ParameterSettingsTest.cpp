// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/ParameterSettings.h"

#include "settings/SettingsFile.h"

#include <QFile>
#include <QHash>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

using OnOff = ParameterSettings::OnOff;

// What the settings made of a stored key: a text kept with the degrees it stands for, or a number.
QString valueOf(const ParameterSettings& s, const QString& key)
{
    const auto kept = [](const QString& text, double degrees) { return text + u'|' + QString::number(degrees); };
    const QHash<QString, QString> values = {
        {QStringLiteral("Anzeigefehler"), kept(s.displayOffsetText(), s.displayOffsetDegrees())},
        {QStringLiteral("Elevation"), kept(s.elevationText(), s.elevationDegrees())},
        {QStringLiteral("Ueberlappung"), kept(s.overlapText(), s.overlapDegrees())},
        {QStringLiteral("Anzeige Staedte/Inseln Durchmesser"), QString::number(s.cityMarkerSize())},
        {QStringLiteral("Kreise"), QString::number(s.circleSpacingKm())},
        {QStringLiteral("LocatorRaster"), QString::number(s.locatorGrid())},
        {QStringLiteral("MausAnzeige_EIN_AUS"), QString::number(ParameterSettings::indexOf(s.mousePositionShown()))},
        {QStringLiteral("Staedte/Inseln_EIN_AUS"), QString::number(ParameterSettings::indexOf(s.citiesShown()))}};
    return values.value(key);
}

class ParameterSettingsTest : public testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }

    QString write(const QByteArray& bytes)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QByteArray read() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Corvane.ini"));
    ParameterSettings settings;
};

TEST_F(ParameterSettingsTest, AFirstRunWritesTheDefaultsInTheirOrder)
{
    SettingsFile ini(path);
    settings.load(ini);
    settings.save();
    EXPECT_EQ(read(),
              QByteArray("[Parameter]\r\nLinks=100\r\nOben=150\r\nMausAnzeige_EIN_AUS=1\r\nStaedte/Inseln_EIN_AUS=1\r\n"
                         "Anzeige Staedte/Inseln Durchmesser=3\r\nElev_Grundst=0\r\nElevation=3\r\nUeberlappung=10\r\n"
                         "Anzeigefehler=\r\nLocatorRaster=1\r\nRotorSofortstart=1\r\nFahrwegoptimierung=1\r\n"
                         "Kreise=5000\r\n[WSJT-X]\r\nEmpfang=1\r\nAdresse=127.0.0.1\r\nPort=2237\r\n"));
}

TEST_F(ParameterSettingsTest, AStoredFileIsWrittenBackByteForByte)
{
    const QByteArray stored =
        "[Parameter]\r\nOben=200\r\nLinks=300\r\nMausAnzeige_EIN_AUS=0\r\nStaedte/Inseln_EIN_AUS=0\r\n"
        "Anzeige Staedte/Inseln Durchmesser=5\r\nKreise=1200\r\nElev_Grundst=1\r\nElevation=12\r\nUeberlappung=25\r\n"
        "Anzeigefehler=1.5\r\nLocatorRaster=3\r\nRotorSofortstart=0\r\nFahrwegoptimierung=0\r\nGraulinie=0\r\n"
        "Kartenbeschriftung=1\r\nOeffnungswinkel=60\r\n[DX-Cluster]\r\nHost=dx.example\r\nPort=7300\r\nRufzeichen=DL1ABC\r\nLogbuch=\r\n"
        "[WSJT-X]\r\nEmpfang=0\r\nAdresse=239.255.0.1\r\nPort=2238\r\nSchnittstelle=eth0\r\n";
    SettingsFile ini(write(stored));
    settings.load(ini);
    EXPECT_EQ(settings.windowPlace(), QPoint(300, 200));
    EXPECT_EQ(settings.cluster().portNumber(), 7300);
    EXPECT_DOUBLE_EQ(settings.displayOffsetDegrees(), 1.5);
    EXPECT_EQ(settings.wsjtx().multicastInterface, QStringLiteral("eth0"));
    EXPECT_EQ(settings.openingAngleDegrees(), 60);
    settings.save();
    EXPECT_EQ(read(), stored);

    // Switched off again, the greyline and the cluster keep their keys; never set, they get none.
    settings.setMapLabelsShown(false);
    settings.setCluster({});
    settings.save();
    EXPECT_TRUE(
        read().contains("Kartenbeschriftung=0\r\nOeffnungswinkel=60\r\n[DX-Cluster]\r\nHost=\r\nPort=\r\nRufzeichen=\r\nLogbuch=\r\n"));
    SettingsFile fresh(write("[Parameter]\r\n"));
    ParameterSettings defaults;
    defaults.load(fresh);
    defaults.save();
    EXPECT_FALSE(read().contains("Graulinie") || read().contains("Kartenbeschriftung") || read().contains("Oeffnungswinkel") ||
                 read().contains("DX-Cluster"));
}

// The language: German when the key is missing or names no other; the key is written only once
// chosen, so that a file of before keeps its bytes, and then with the value's own spelling.
TEST_F(ParameterSettingsTest, TheLanguageIsGermanUnlessEnglishIsStored)
{
    struct Case {
        const char* stored;  // the [Parameter] lines
        Language chosen;     // set after reading
        Language read;
        const char* written;  // the key's line after saving; empty: none
    } const cases[] = {
        {"Kreise=5000\r\n", Language::german, Language::german, ""},
        {"Kreise=5000\r\n", Language::english, Language::german, "Sprache=English\r\n"},
        {"Sprache=English\r\nKreise=5000\r\n", Language::english, Language::english, "Sprache=English\r\n"},
        {"Sprache= english \r\nKreise=5000\r\n", Language::german, Language::english, "Sprache=Deutsch\r\n"},
        {"Sprache=Deutsch\r\nKreise=5000\r\n", Language::german, Language::german, "Sprache=Deutsch\r\n"},
        {"Sprache=Englisch\r\nKreise=5000\r\n", Language::german, Language::german, "Sprache=Deutsch\r\n"},
        {"Sprache=\r\nKreise=5000\r\n", Language::german, Language::german, "Sprache=\r\nKreise"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        SettingsFile ini(write(QByteArray("[Parameter]\r\n") + c.stored));
        ParameterSettings settings;
        settings.load(ini);
        EXPECT_EQ(settings.language(), c.read);
        settings.setLanguage(c.chosen);
        settings.save();
        const QByteArray lines = read();
        if (*c.written)
            EXPECT_TRUE(lines.contains(c.written)) << lines.toStdString();
        else
            EXPECT_FALSE(lines.contains("Sprache=")) << lines.toStdString();
    }
}

TEST_F(ParameterSettingsTest, UnreadableOrOutOfRangeValuesFallBack)
{
    struct Case {
        const char *locale, *line, *expected;
    } const cases[] = {
        {"C", "Anzeigefehler=-2.5", "-2.5|-2.5"},
        {"C", "Anzeigefehler=-2,5", "|0"},
        {"de_DE", "Anzeigefehler=-2,5", "|0"},
        {"C", "Anzeigefehler=-inf", "|0"},
        {"C", "Elevation=steil", "3|3"},
        {"C", "Elevation=", "3|3"},
        {"C", "Elevation=nan", "3|3"},
        {"de_DE", "Elevation=7,5", "7,5|7.5"},
        {"C", "Elevation=7.5", "7.5|7.5"},
        {"C", "Ueberlappung=viel", "0|0"},
        {"C", "Ueberlappung=", "0|0"},
        {"C", "Ueberlappung=inf", "0|0"},
        {"C", "Ueberlappung=20", "20|20"},
        {"C", "Anzeige Staedte/Inseln Durchmesser=20000", "3"},
        {"C", "Anzeige Staedte/Inseln Durchmesser=-1", "3"},
        {"C", "Anzeige Staedte/Inseln Durchmesser=99", "99"},
        {"C", "Kreise=-5", "5000"},
        {"C", "Kreise=0", "5000"},
        {"C", "LocatorRaster=9", "3"},
        {"C", "LocatorRaster=-4", "-1"},
        {"C", "MausAnzeige_EIN_AUS=5", "1"},
        {"C", "Staedte/Inseln_EIN_AUS=-2", "-1"},
    };
    for (const Case& c : cases) {
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        ParameterSettings loaded;
        // Other values first, so that a value never read cannot pass as the default.
        SettingsFile others(
            write("[Parameter]\r\nAnzeigefehler=9\r\nElevation=9\r\nUeberlappung=9\r\nLocatorRaster=0\r\nKreise=9\r\n"
                  "Anzeige Staedte/Inseln Durchmesser=9\r\nMausAnzeige_EIN_AUS=0\r\nStaedte/Inseln_EIN_AUS=0\r\n"));
        loaded.load(others);
        SettingsFile one(write(QByteArray("[Parameter]\r\n") + c.line + "\r\n"));
        loaded.load(one);
        EXPECT_EQ(valueOf(loaded, QString::fromLatin1(c.line).section(u'=', 0, 0)), QString::fromLatin1(c.expected)) << c.locale << " " << c.line;
    }
}

TEST_F(ParameterSettingsTest, EachValueSignalsOncePerRealChange)
{
    using Signal = void (ParameterSettings::*)();
    struct Case {
        Signal signal;
        std::function<void(ParameterSettings&)> change;
    } const cases[] = {
        {&ParameterSettings::mousePositionShownChanged, [](auto& s) { s.setMousePositionShown(OnOff::none); }},
        {&ParameterSettings::citiesShownChanged, [](auto& s) { s.setCitiesShown(OnOff::on); }},
        {&ParameterSettings::cityMarkerSizeChanged, [](auto& s) { s.setCityMarkerSize(7); }},
        {&ParameterSettings::circleSpacingChanged, [](auto& s) { s.setCircleSpacingKm(700); }},
        {&ParameterSettings::elevationAtStartChanged, [](auto& s) { s.setElevationAtStart(true); }},
        {&ParameterSettings::elevationChanged, [](auto& s) { s.setElevationText(QStringLiteral("45")); }},
        {&ParameterSettings::overlapChanged, [](auto& s) { s.setOverlapText(QStringLiteral("20")); }},
        {&ParameterSettings::displayOffsetChanged, [](auto& s) { s.setDisplayOffsetText(QStringLiteral("2")); }},
        {&ParameterSettings::locatorGridChanged, [](auto& s) { s.setLocatorGrid(3); }},
        {&ParameterSettings::rotorStartImmediatelyChanged, [](auto& s) { s.setRotorStartImmediately(false); }},
        {&ParameterSettings::optimisedPathChanged, [](auto& s) { s.setOptimisedPath(false); }},
        {&ParameterSettings::greylineShownChanged, [](auto& s) { s.setGreylineShown(true); }},
        {&ParameterSettings::mapLabelsShownChanged, [](auto& s) { s.setMapLabelsShown(true); }},
        {&ParameterSettings::openingAngleChanged, [](auto& s) { s.setOpeningAngleDegrees(60); }},
        {&ParameterSettings::languageChanged, [](auto& s) { s.setLanguage(Language::english); }},
        {&ParameterSettings::clusterChanged,
         [](auto& s) {
             s.setCluster({QStringLiteral("dx"), {}, {}});
         }},
        {&ParameterSettings::logChanged, [](auto& s) { s.setLogText(QStringLiteral("/log.adi")); }},
        {&ParameterSettings::wsjtxChanged, [](auto& s) { s.setWsjtxEnabled(false); }},
        {&ParameterSettings::wsjtxChanged, [](auto& s) { s.setWsjtxAddress(QStringLiteral("0.0.0.0")); }},
        {&ParameterSettings::wsjtxChanged, [](auto& s) { s.setWsjtxPort(2238); }},
        {&ParameterSettings::mapBandChanged, [](auto& s) { s.setMapBand(QStringLiteral("20m")); }},
        {&ParameterSettings::mapAgeChanged, [](auto& s) { s.setMapAgeMinutes(30); }},
    };
    for (const Case& c : cases) {
        ParameterSettings changed;
        SettingsFile file(path);
        file.holdWrites();  // one write instead of one per key
        changed.load(file);
        QSignalSpy spy(&changed, c.signal);
        c.change(changed);
        c.change(changed);
        EXPECT_EQ(spy.count(), 1) << &c - cases;
        // Loading what is in force tells of no change; loading the defaults undoes the one made.
        changed.save();
        file.flush();
        changed.load(file);
        EXPECT_EQ(spy.count(), 1) << &c - cases;
        SettingsFile none(dir.filePath(QStringLiteral("none.ini")));
        changed.load(none);
        EXPECT_EQ(spy.count(), 2) << &c - cases;
        QFile::remove(path);
    }
}

// The maps' band and age limit join section DX-Cluster once set to other than all bands and any
// age (a file of before keeps its bytes: AStoredFileIsWrittenBackByteForByte); once there they
// stay, and they read back. An age the maps do not offer reads as the default, 15 minutes.
TEST_F(ParameterSettingsTest, TheMapsFilterIsWrittenOnceSetAndReadsBack)
{
    const QByteArray parameters = "[Parameter]\r\nKreise=5000\r\n";
    const QByteArray cluster = "[DX-Cluster]\r\nHost=dx.example\r\n";
    // written: section DX-Cluster after the change; band and minutes: as read back.
    const struct { const char* name; QByteArray stored; std::function<void(ParameterSettings&)> change;
                   QByteArray written; const char* band; int minutes; } cases[] = {
        {"nothing set", parameters, [](auto&) {}, "", "", 15},
        {"all bands and the default age set", cluster,
         [](auto& s) { s.setMapBand({}); s.setMapAgeMinutes(15); }, cluster, "", 15},
        {"any age", cluster, [](auto& s) { s.setMapAgeMinutes(0); }, cluster + "Kartenalter=0\r\n", "", 0},
        {"a band", parameters, [](auto& s) { s.setMapBand(QStringLiteral("20m")); },
         "[DX-Cluster]\r\nKartenband=20m\r\n", "20m", 15},
        {"an age beside the cluster", cluster, [](auto& s) { s.setMapAgeMinutes(60); }, cluster + "Kartenalter=60\r\n",
         "", 60},
        {"an age not offered", cluster, [](auto& s) { s.setMapAgeMinutes(10); }, cluster, "", 15},
        {"back to all and any", cluster + "Kartenband=20m\r\nKartenalter=5\r\n",
         [](auto& s) { s.setMapBand({}); s.setMapAgeMinutes(0); }, cluster + "Kartenband=\r\nKartenalter=0\r\n", "", 0},
        {"hand-edited", cluster + "Kartenband=7m\r\nKartenalter=7\r\n", [](auto&) {},
         cluster + "Kartenband=7m\r\nKartenalter=15\r\n", "7m", 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsFile ini(write(c.stored));
        ParameterSettings loaded;
        loaded.load(ini);
        c.change(loaded);
        loaded.save();
        const QByteArray bytes = read();
        const qsizetype from = bytes.indexOf("[DX-Cluster]");
        const QByteArray section = from < 0 ? QByteArray() : bytes.mid(from, bytes.indexOf('[', from + 1) - from);
        EXPECT_EQ(section, c.written);
        ParameterSettings reread;
        SettingsFile again(path);
        reread.load(again);
        EXPECT_EQ(reread.mapBand(), QString::fromLatin1(c.band));
        EXPECT_EQ(reread.mapAgeMinutes(), c.minutes);
    }
}

} // namespace
