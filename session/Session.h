// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"
#include "geo/TargetInfo.h"
#include "rotor/RotorState.h"
#include "session/ProgramFolders.h"
#include "session/ReferenceData.h"

#include <QObject>
#include <QString>

class SettingsFile;

// What the windows of one run share: the two stations, the target, the rotor's values, the
// display settings, the program's folders and its reference data. One instance, made by the
// program entry before the windows; it is changed only through its setters, and the windows
// learn of changes through its signals instead of telling each other.
class Session : public QObject {
    Q_OBJECT
public:
    Session();
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const GeoPosition& ownPosition() const { return ownPosition_; }
    const GeoPosition& partnerPosition() const { return partnerPosition_; }
    const TargetInfo& target() const { return target_; }  // all zero means none
    // Entity name and prefix of a target named by its callsign; empty when the raster names it.
    const QString& targetCountry() const { return targetCountry_; }
    const QString& targetPrefix() const { return targetPrefix_; }
    // As the rotor program reports it; written by the rotor link alone.
    const RotorState& rotorState() const { return rotorState_; }

    int cityMarkerSize() const { return cityMarkerSize_; }
    double azimuthDisplayOffset() const { return azimuthDisplayOffset_; }
    unsigned crosshairColor() const { return crosshairColor_; }
    double overlapAngle() const { return overlapAngle_; }
    double elevationDefault() const { return elevationDefault_; }

    const ProgramFolders& folders() const { return folders_; }
    // Open from the main window's creation to its destruction; null outside it.
    SettingsFile* iniFile() const { return iniFile_; }
    // Mercator map now loaded; empty before the first load.
    const QString& currentMapName() const { return currentMapName_; }
    const ReferenceData& referenceData() const { return referenceData_; }

    // The own station moved; a target keeps its place and takes its bearing and distance from
    // the new station.
    void setOwnPosition(const GeoPosition& position);
    void setPartnerPosition(const GeoPosition& position);
    // Makes the point the target, bearing and distance seen from the own station (degrees east
    // and north); country and prefix come with a partner named by its callsign.
    void setTarget(double longitude, double latitude, const QString& country = QString(),
                   const QString& prefix = QString());
    // A target whose bearing and distance were measured on a picture.
    void setTarget(const TargetInfo& measured);
    void clearTarget();
    // Only the rotor link calls it; it tells of a complete status through rotorStatusChanged and
    // of a lost link through rotorLinkLost.
    void setRotorState(const RotorState& state);
    void setCityMarkerSize(int pixels);
    void setCrosshairColor(unsigned color);
    void setAzimuthDisplayOffset(double degrees);
    void setOverlapAngle(double degrees);
    void setElevationDefault(double degrees);
    void setFolders(const ProgramFolders& folders);
    // The session does not own the file: the main window opens and closes it.
    void setIniFile(SettingsFile* file);
    void setCurrentMapName(const QString& name);
    void setReferenceData(ReferenceData data);

signals:
    // Tells of the target too, which moves with the own station.
    void ownPositionChanged();
    void partnerPositionChanged();
    // Set or cleared.
    void targetChanged();
    // The rotor program sent a complete status (rotorState).
    void rotorStatusChanged();
    // The link to the rotor program that was up is lost: no status will come.
    void rotorLinkLost();
    // Marker size or crosshair colour changed.
    void displayChanged();
    void azimuthDisplayOffsetChanged();
    void overlapAngleChanged();
    void elevationDefaultChanged();
    void currentMapNameChanged();

private:
    GeoPosition ownPosition_;      // read at start from the settings
    GeoPosition partnerPosition_;  // the last partner entered
    TargetInfo target_;
    QString targetCountry_;
    QString targetPrefix_;
    RotorState rotorState_;

    int cityMarkerSize_ = 3;              // pen width of the city and island markers on both maps, pixels
    double azimuthDisplayOffset_ = 0;     // added to the rotor azimuth before the antenna line is drawn, degrees
    unsigned crosshairColor_ = 0xFFFFFF;  // target crosshair and path on both maps, Windows colour 0x00BBGGRR
    double overlapAngle_ = 0;             // rotor overlap beyond one full turn, degrees; 0 until loaded
    double elevationDefault_ = 3;         // basic setting of the elevation rotor, degrees

    ProgramFolders folders_;
    SettingsFile* iniFile_ = nullptr;
    QString currentMapName_;
    ReferenceData referenceData_;
};
