// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"
#include "geo/TargetInfo.h"

#include <QDBusContext>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class Session;

// The partner interface for the operator's scripts on the session bus: bus name
// "de.corvane.Corvane", object "/Partner", interface "de.corvane.Partner". SetPartner takes a
// partner as text and sets the target as a locator typed into the rotor panel would; the
// properties read the own locator, the target and the rotor; TargetChanged follows every change
// of the target, whichever window made it. Angles in degrees, distances in km.
class PartnerScripting : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "de.corvane.Partner")
    // Written out so that the properties say they send no PropertiesChanged: a script follows
    // the target through TargetChanged.
    Q_CLASSINFO("D-Bus Introspection", ""
        "  <interface name=\"de.corvane.Partner\">\n"
        "    <property name=\"OwnLocator\" type=\"s\" access=\"read\">\n"
        "      <annotation name=\"org.freedesktop.DBus.Property.EmitsChangedSignal\" value=\"false\"/>\n"
        "    </property>\n"
        "    <property name=\"Bearing\" type=\"d\" access=\"read\">\n"
        "      <annotation name=\"org.freedesktop.DBus.Property.EmitsChangedSignal\" value=\"false\"/>\n"
        "    </property>\n"
        "    <property name=\"Distance\" type=\"d\" access=\"read\">\n"
        "      <annotation name=\"org.freedesktop.DBus.Property.EmitsChangedSignal\" value=\"false\"/>\n"
        "    </property>\n"
        "    <property name=\"RotorAzimuth\" type=\"d\" access=\"read\">\n"
        "      <annotation name=\"org.freedesktop.DBus.Property.EmitsChangedSignal\" value=\"false\"/>\n"
        "    </property>\n"
        "    <signal name=\"TargetChanged\">\n"
        "      <arg name=\"longitude\" type=\"d\" direction=\"out\"/>\n"
        "      <arg name=\"latitude\" type=\"d\" direction=\"out\"/>\n"
        "      <arg name=\"bearing\" type=\"d\" direction=\"out\"/>\n"
        "      <arg name=\"distance\" type=\"d\" direction=\"out\"/>\n"
        "    </signal>\n"
        "    <method name=\"SetPartner\">\n"
        "      <arg name=\"partner\" type=\"s\" direction=\"in\"/>\n"
        "      <arg name=\"bearing\" type=\"d\" direction=\"out\"/>\n"
        "      <arg name=\"distance\" type=\"d\" direction=\"out\"/>\n"
        "    </method>\n"
        "    <method name=\"SunTimes\">\n"
        "      <arg name=\"place\" type=\"s\" direction=\"in\"/>\n"
        "      <arg name=\"date\" type=\"s\" direction=\"in\"/>\n"
        "      <arg name=\"rise\" type=\"s\" direction=\"out\"/>\n"
        "      <arg name=\"set\" type=\"s\" direction=\"out\"/>\n"
        "    </method>\n"
        "  </interface>\n")
    Q_PROPERTY(QString OwnLocator READ OwnLocator)
    Q_PROPERTY(double Bearing READ Bearing)
    Q_PROPERTY(double Distance READ Distance)
    Q_PROPERTY(double RotorAzimuth READ RotorAzimuth)
public:
    static const QString serviceName;  // "de.corvane.Corvane"
    static const QString objectPath;   // "/Partner"

    // Sets the partner named by the text; false when the text names no place.
    using PartnerTaker = std::function<bool(const QString&)>;
    // The place a text names, read as SetPartner reads it, without making it the partner.
    using PlaceReader = std::function<std::optional<GeoPosition>(const QString&)>;

    PartnerScripting(const Session& session, PartnerTaker taker, PlaceReader reader, QObject* parent = nullptr);
    ~PartnerScripting() override;

    // Registers the object on the session bus, then the bus name; false when either is taken
    // (by another program, or no session bus).
    bool registerOnSessionBus();

    QString OwnLocator() const;
    double Bearing() const;
    double Distance() const;
    // The value RotorAzimuth answers while there is no reading: the number scripts have always
    // been given, degrees.
    static constexpr double noRotorAzimuth = -10000;

    // noRotorAzimuth until the rotor program has reported a reading, and again while it reports
    // none.
    double RotorAzimuth() const;

public slots:
    // A locator ("JO31MM", "QF56"), "latitude longitude" ("-33.87 151.21") or a callsign
    // ("VK2ABC"); returns the target's bearing and, as second value, its distance. An error reply,
    // quoting at most the start of the text, when the text names no place or is far longer than
    // any of these.
    Q_SCRIPTABLE double SetPartner(const QString& partner, double& distance);
    // Sunrise and, as second value, sunset at a place (read as SetPartner reads it) on a UTC date
    // "YYYY-MM-DD": "HH:MM" UTC, or "Polartag" / "Polarnacht" where the sun does not rise or set.
    // An error reply in German for a place or date it cannot read.
    Q_SCRIPTABLE QString SunTimes(const QString& place, const QString& date, QString& set);

    // Emits TargetChanged when the target differs from the one last announced.
    void announceTarget();

signals:
    Q_SCRIPTABLE void TargetChanged(double longitude, double latitude, double bearing, double distance);

private:
    const Session& session_;
    PartnerTaker taker_;
    PlaceReader reader_;
    TargetInfo announced_;
    bool ownsName_ = false;
};
