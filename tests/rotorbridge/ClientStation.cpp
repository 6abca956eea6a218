// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "ClientStation.h"

#include <QDBusConnection>
#include <QFile>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

ClientStation::ClientStation(RotorCommands::Rules rules, HamlibRotator::Setup setup, std::optional<int> minimum,
                             std::optional<int> maximum, int idleMs)
    : rotator(setup), bridge(QDBusConnection::sessionBus(), QStringLiteral("ClientPortsTest%1").arg(++instances),
                             rotator, minimum, maximum, log, {statusIntervalMs}),
      commands(
          bridge, rotator, [] { return PathSettings {}; }, rules, log),
      faults(log), rotctld(commands, faults, 1, QStringLiteral("Corvane Test"), idleMs),
      pst(commands, faults, [this](const QString& locator, const QString&) { locators << locator; }),
      n1mm(commands, faults, Endpoint::local(0), 20)
{
    EXPECT_EQ(bridge.start(), RotorBridge::StartResult::Started);
    EXPECT_EQ(rotctld.listen(Endpoint::local(0)), QString());
    EXPECT_EQ(n1mm.listen(Endpoint::local(0)), QString());
    // PstRotator answers to the port above its own: take two free neighbours.
    for (quint16 port = 24000 + quint16(instances * 7 % 2000);; port += 2) {
        if (answers.bind(QHostAddress::LocalHost, port + 1) && pst.listen(Endpoint::local(port)).isEmpty())
            break;
        answers.close();
    }
}

bool ClientStation::positionKnown()
{
    return QTest::qWaitFor([&] { return commands.position().has_value(); }, 3000);
}

void ClientStation::sendTo(quint16 port, const QByteArray& bytes)
{
    sender.writeDatagram(bytes, QHostAddress::LocalHost, port);
}

bool ClientStation::connectToRotctld(QTcpSocket& client)
{
    client.connectToHost(QHostAddress::LocalHost, rotctld.port());
    return client.waitForConnected(3000);
}

QByteArray ClientStation::logText() const
{
    QFile file(log.path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("no log");
}
