// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "platform/ProgramLanguage.h"
#include "settings/SettingsSection.h"
#include "settings/WsjtxSettings.h"

#include <QObject>
#include <QPoint>
#include <QString>

class SettingsFile;

// The display and rotor choices of sections "Parameter", "DX-Cluster" and "WSJT-X": read once at
// start, changed by the parameter window (and the main window's greyline item, the DX-Spots
// window's filter for the maps), written back at shut-down. Every setter signals only a real
// change, one signal per value. The texts of the elevation, overlap and display deviation are
// kept as typed, so that the file keeps them as the user wrote them; their degrees follow from
// the text by the rules of ParameterRules.
class ParameterSettings : public SettingsSection {
    Q_OBJECT
public:
    // A choice of the "Ein" / "Aus" groups; none while the stored index selects neither.
    enum class OnOff { on, off, none };

    // The DX cluster as typed; an empty host or port 0 means none.
    struct Cluster {
        QString host;
        QString port;
        QString call;
        bool operator==(const Cluster& other) const;
        bool operator!=(const Cluster& other) const { return !(*this == other); }
        QString hostName() const { return host.trimmed(); }
        quint16 portNumber() const { return quint16(port.toUInt()); }
        QString login() const { return call.trimmed(); }
    };

    static constexpr int defaultCityMarkerSize = 3;  // pixels
    static constexpr int maxCityMarkerSize = 99;     // pixels; larger stored sizes are not taken
    static constexpr int defaultCircleSpacingKm = 5000;  // km
    static constexpr int maxOpeningAngle = 180;          // degrees
    // The age limits the maps offer for spots, minutes; 0 is none.
    static constexpr int mapAgeChoices[] = {0, 5, 15, 30, 60};
    static constexpr int defaultMapAgeMinutes = 15;  // the maps' spots, as they always were

    ParameterSettings();

    QPoint windowPlace() const { return windowPlace_; }  // the parameter window's, screen pixels
    OnOff mousePositionShown() const { return mousePosition_; }
    OnOff citiesShown() const { return cities_; }
    int cityMarkerSize() const { return cityMarkerSize_; }  // pixels
    int circleSpacingKm() const { return circleSpacingKm_; }  // between the beam map's distance circles, km
    // The elevation rotor goes to the basic setting at start instead of staying where it stands.
    bool elevationAtStart() const { return elevationAtStart_; }
    const QString& elevationText() const { return elevationText_; }
    double elevationDegrees() const;  // basic elevation
    const QString& overlapText() const { return overlapText_; }
    double overlapDegrees() const;  // rotor overlap beyond a full turn
    const QString& displayOffsetText() const { return displayOffsetText_; }
    double displayOffsetDegrees() const;  // added to the rotor azimuth on the maps
    // LocatorGrid::Level of the Mercator map's grid; -1 while no level is chosen.
    int locatorGrid() const { return locatorGrid_; }
    bool rotorStartImmediately() const { return rotorStartImmediately_; }
    bool optimisedPath() const { return optimisedPath_; }
    bool greylineShown() const { return greylineShown_; }
    bool mapLabelsShown() const { return mapLabelsShown_; }
    // The antenna's opening angle, degrees, drawn as a sector around the antenna line; 0: none.
    int openingAngleDegrees() const { return openingAngle_; }
    const Cluster& cluster() const { return cluster_; }
    // The own log (ADIF) as typed, and as a path: empty for none.
    const QString& logText() const { return logText_; }
    QString logPath() const { return logText_.trimmed(); }
    const WsjtxSettings& wsjtx() const { return wsjtx_; }
    // The band the maps show spots of, as stored ("20m"); empty for all bands.
    const QString& mapBand() const { return mapBand_; }
    // The maps show the spots heard within so many minutes, one of mapAgeChoices; 0 for any age.
    int mapAgeMinutes() const { return mapAgeMinutes_; }
    // The language of the user interface from the next start.
    Language language() const { return language_; }

    void setWindowPlace(QPoint place) { windowPlace_ = place; }
    void setMousePositionShown(OnOff shown);
    void setCitiesShown(OnOff shown);
    void setCityMarkerSize(int pixels);
    void setCircleSpacingKm(int km);
    void setElevationAtStart(bool on);
    void setElevationText(const QString& text);
    void setOverlapText(const QString& text);
    void setDisplayOffsetText(const QString& text);
    void setLocatorGrid(int level);
    void setRotorStartImmediately(bool on);
    void setOptimisedPath(bool on);
    void setGreylineShown(bool shown);
    void setMapLabelsShown(bool shown);
    void setOpeningAngleDegrees(int degrees);
    void setCluster(const Cluster& cluster);
    void setLogText(const QString& text);
    void setWsjtxEnabled(bool enabled);
    void setWsjtxAddress(const QString& address);
    void setWsjtxPort(int port);
    void setMapBand(const QString& band);
    void setMapAgeMinutes(int minutes);  // one that is not of mapAgeChoices sets none
    void setLanguage(Language language);

    // The index a radio group of "Ein" / "Aus" shows for a choice, and back.
    static int indexOf(OnOff choice);
    static OnOff onOffAt(int index);

signals:
    void mousePositionShownChanged();
    void citiesShownChanged();
    void cityMarkerSizeChanged();
    void circleSpacingChanged();
    void elevationAtStartChanged();
    void elevationChanged();
    void overlapChanged();
    void displayOffsetChanged();
    void locatorGridChanged();
    void rotorStartImmediatelyChanged();
    void optimisedPathChanged();
    void greylineShownChanged();
    void mapLabelsShownChanged();
    void openingAngleChanged();
    void clusterChanged();
    void logChanged();
    // Enabled, address or port: the WSJT-X link is to listen anew as wsjtx() says.
    void wsjtxChanged();
    void mapBandChanged();
    void mapAgeChanged();
    void languageChanged();

protected:
    // Reads the three sections; values missing or out of range take their defaults, whatever
    // was in force before.
    void read(const SettingsFile& file) override;
    // Writes them; keys that were never on or set stay out of a file that does not hold them.
    // The setters write nothing: the parameter window has them written at shut-down.
    void write(SettingsFile& file) const override;

private:
    template <typename T> void change(T& value, const T& changed, void (ParameterSettings::*signal)());

    QPoint windowPlace_ {100, 150};
    OnOff mousePosition_ = OnOff::off;
    OnOff cities_ = OnOff::off;
    int cityMarkerSize_ = defaultCityMarkerSize;
    int circleSpacingKm_ = defaultCircleSpacingKm;
    bool elevationAtStart_ = false;
    QString elevationText_ = QStringLiteral("3");
    QString overlapText_ = QStringLiteral("10");
    QString displayOffsetText_;
    int locatorGrid_ = 1;
    bool rotorStartImmediately_ = true;
    bool optimisedPath_ = true;
    bool greylineShown_ = false;
    int openingAngle_ = 0;  // degrees
    bool mapLabelsShown_ = false;
    Cluster cluster_;
    QString logText_;
    WsjtxSettings wsjtx_;
    QString mapBand_;
    int mapAgeMinutes_ = defaultMapAgeMinutes;
    Language language_ = Language::german;
};
