// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/RotorProgram.h"

#include "rotor/DirectionsFile.h"
#include "rotorbridge/BridgeLog.h"
#include "rotorbridge/CorvaneSettings.h"
#include "rotorbridge/HamlibRotator.h"
#include "rotorbridge/WebPassword.h"

#include <QCoreApplication>
#include <QDateTime>

RotorProgram::RotorProgram(QDBusConnection bus, const QString& service, HamlibRotator& rotator,
                           const BridgeOptions& options, BridgeLog& log, RotorBridgeTiming timing)
    : bus_(bus), links_(options.links), log_(log),
      bridge_(bus, service, rotator, options.minAzimuth, options.maxAzimuth, log, timing),
      commands_(bridge_, rotator, &PathSettings::recorded,
                {links_.deadBand, links_.leastIntervalMs, links_.parkAzimuth, links_.parkElevation}, log),
      scripting_(bridge_, commands_), faults_(log), partner_(bus, commands_, log),
      rotctld_(commands_, faults_, options.model,
               QStringLiteral("Corvane %1").arg(HamlibRotator::modelName(options.model))),
      pst_(commands_, faults_,
           [this](const QString& locator, const QString& client) { partner_.request(locator, client); }),
      n1mm_(commands_, faults_, links_.n1mmAnnounce)
{
    bridge_.routeTargets([this](double azimuth, double elevation) {
        return commands_.turnToAzimuth(azimuth, elevation, QStringLiteral("Corvane")).isEmpty();
    });
}

QString RotorProgram::serveWeb(const Endpoint& endpoint)
{
    // Made only when served: its HTTP, WebSocket and TLS libraries cost memory a rotor without a
    // page need not pay.
    web_ = std::make_unique<WebFace>(
        commands_,
        WebFace::Setup {WebPassword::defaultPath(), [] { return QDateTime::currentMSecsSinceEpoch(); },
                        [this](const QString& partner) { partner_.request(partner, QStringLiteral("Web")); },
                        links_.webCertificate, links_.webKey, CorvaneSettings::beamMap(),
                        DirectionsFile::besideRotorProgram(QCoreApplication::applicationDirPath())},
        log_);
    if (const QString error = web_->listen(endpoint); !error.isEmpty()) {
        web_.reset();
        return error;
    }
    // Every reading goes to the open web pages, and so does its loss: they show no stale azimuth.
    QObject::connect(&bridge_, &RotorBridge::positionRead, web_.get(), &WebFace::publish);
    QObject::connect(&bridge_, &RotorBridge::positionLost, web_.get(), &WebFace::publish);
    return QString();
}

RotorProgram::~RotorProgram()
{
    bus_.unregisterObject(RotorScripting::objectPath);
}

RotorBridge::StartResult RotorProgram::start()
{
    bus_.registerObject(RotorScripting::objectPath, &scripting_, QDBusConnection::ExportScriptableSlots);
    const RotorBridge::StartResult result = bridge_.start();
    if (result == RotorBridge::StartResult::Started)
        serveClients();
    return result;
}

void RotorProgram::serveClients()
{
    for (const LinkOptions::Listener& listener : links_.listeners()) {
        if (const QString error = listen(listener); !error.isEmpty()) {
            log_.write(QCoreApplication::translate("RotorProgram", "%1 auf %2 nicht möglich (%3); ohne ihn weiter.")
                           .arg(listener.name, listener.endpoint.text(), error));
            continue;
        }
        log_.write(
            QCoreApplication::translate("RotorProgram", "%1 auf %2.").arg(listener.name, listener.endpoint.text()));
        if (const QString warning = listener.networkWarning(); !warning.isEmpty())
            log_.write(warning);
    }
}

QString RotorProgram::listen(const LinkOptions::Listener& listener)
{
    const Endpoint& endpoint = listener.endpoint;
    switch (listener.kind) {
    case LinkOptions::Listener::Kind::Rotctld:
        return rotctld_.listen(endpoint);
    case LinkOptions::Listener::Kind::Pst:
        return pst_.listen(endpoint);
    case LinkOptions::Listener::Kind::N1mm:
        return n1mm_.listen(endpoint);
    case LinkOptions::Listener::Kind::Web:
        return serveWeb(endpoint);
    }
    return QString();
}
