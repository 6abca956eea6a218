// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/RotorProgram.h"

#include "rotorbridge/BridgeLog.h"
#include "rotorbridge/HamlibRotator.h"

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
    const auto open = [this](const QString& what, const Endpoint& endpoint, const std::function<QString()>& listen) {
        if (endpoint.off)
            return;
        const QString error = listen();
        log_.write(
            error.isEmpty()
                ? QStringLiteral("%1 auf %2.").arg(what, endpoint.text())
                : QStringLiteral("%1 auf %2 nicht möglich (%3); ohne ihn weiter.").arg(what, endpoint.text(), error));
    };
    if (links_.rotctld)
        open(QStringLiteral("rotctld-Server"), *links_.rotctld, [this] { return rotctld_.listen(*links_.rotctld); });
    open(QStringLiteral("PstRotator-UDP"), links_.pst, [this] { return pst_.listen(links_.pst); });
    open(QStringLiteral("N1MM-UDP"), links_.n1mm, [this] { return n1mm_.listen(links_.n1mm); });
}
