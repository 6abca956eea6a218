// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QDBusContext>
#include <QObject>

class RotorBridge;
class RotorCommands;

// A small interface for the operator's shell scripts on the session bus, beside the link to
// Corvane: object "/Rotor", interface "corvane.Rotor" of the rotor program's bus name. Angles in
// degrees, the azimuth in the rotor's own scale.
class RotorScripting : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "corvane.Rotor")
public:
    static const QString objectPath;  // "/Rotor"

    RotorScripting(RotorBridge& bridge, RotorCommands& commands, QObject* parent = nullptr);

public slots:
    // The last position read; an error reply while the rotator cannot be read.
    Q_SCRIPTABLE double Azimuth();
    Q_SCRIPTABLE double Elevation();
    // The travel ends reported to Corvane, whole degrees.
    Q_SCRIPTABLE int MinAzimuth();
    Q_SCRIPTABLE int MaxAzimuth();
    // Turns to the azimuth (held within the travel ends) and elevation, with the dead band and the
    // least interval of every client; an error reply with the reason when it is refused, also for
    // an angle that is not a finite number.
    Q_SCRIPTABLE void TurnTo(double azimuth, double elevation);
    // An error reply when the rotator is not open or refuses.
    Q_SCRIPTABLE void Stop();
    // Turns to the registered park position, or parks the way the rotator itself does.
    Q_SCRIPTABLE void Park();

private:
    bool positionKnown();
    // Who called, for the log: "Corvane" or "Bus /Rotor".
    QString client() const;

    void answer(const QString& failure);

    RotorBridge& bridge_;
    RotorCommands& commands_;
};
