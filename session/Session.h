// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"
#include "geo/TargetInfo.h"
#include "session/RotorState.h"
#include "session/ProgramFolders.h"
#include "session/ReferenceData.h"

#include <QObject>
#include <QString>

// What the windows of one run share: the two stations, the target, the rotor's values, the
// crosshair colour, the program's folders and its reference data. One instance, made by the
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

    unsigned crosshairColor() const { return crosshairColor_; }

    const ProgramFolders& folders() const { return folders_; }
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
    // Only the rotor link calls these. setRotorState keeps what the link learns on the way (the
    // rotor program's folder, a status still incomplete) without telling anyone;
    // takeRotorStatus keeps a complete status and tells of it through rotorStatusChanged, and
    // loseRotorLink keeps the state of a link that was up and is lost and tells of it through
    // rotorLinkLost.
    void setRotorState(const RotorState& state);
    void takeRotorStatus(const RotorState& state);
    void loseRotorLink(const RotorState& state);
    void setCrosshairColor(unsigned color);
    void setFolders(const ProgramFolders& folders);
    void setCurrentMapName(const QString& name);
    void setReferenceData(ReferenceData data);

signals:
    // Tells of the target too, which moves with the own station.
    void ownPositionChanged();
    void partnerPositionChanged();
    // Set or cleared.
    void targetChanged();
    // The rotor program sent a complete status (rotorState); the rotor link answers it once every
    // subscriber is done, so a target set here goes out with that answer.
    void rotorStatusChanged();
    // The link to the rotor program that was up is lost: no status will come.
    void rotorLinkLost();
    void crosshairColorChanged();
    void currentMapNameChanged();

private:
    GeoPosition ownPosition_;      // read at start from the settings
    GeoPosition partnerPosition_;  // the last partner entered
    TargetInfo target_;
    QString targetCountry_;
    QString targetPrefix_;
    RotorState rotorState_;

    unsigned crosshairColor_ = 0xFFFFFF;  // target crosshair and path on both maps, Windows colour 0x00BBGGRR

    ProgramFolders folders_;
    QString currentMapName_;
    ReferenceData referenceData_;
};
