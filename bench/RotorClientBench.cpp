// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// Latency from a rotctld client's "P" command to Hamlib's set_position: the client sends a
// heading over the loopback and waits for "RPRT 0", which the server writes once set_position has
// returned. The least interval is 0 here, so only the path itself is measured; behind it stands
// Hamlib's dummy rotator, in this process or in a rotctld of its own (then set_position includes
// the round trip to that rotctld). Run it in a session bus (dbus-run-session).
#include "rotorbridge/BridgeLog.h"
#include "rotorbridge/FaultLog.h"
#include "rotorbridge/HamlibRotator.h"
#include "rotorbridge/RotctldServer.h"
#include "rotorbridge/RotorBridge.h"
#include "rotorbridge/RotorCommands.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QProcess>
#include <QTcpSocket>
#include <QThread>
#include <benchmark/benchmark.h>

namespace {

void measure(benchmark::State& state, const HamlibRotator::Setup& setup)
{
    BridgeLog log {QString()};
    HamlibRotator rotator(setup);
    if (!rotator.open().isEmpty()) {
        state.SkipWithError("the rotator does not open");
        return;
    }
    RotorBridge bridge(QDBusConnection::sessionBus(), QStringLiteral("RotorClientBench"), rotator, {}, {}, log);
    RotorCommands commands(
        bridge, rotator, [] { return PathSettings {}; }, {CommandPacer::defaultDeadBand, 0, {}, 0}, log);
    FaultLog faults(log);
    RotctldServer server(commands, faults, 1, QStringLiteral("Bench"));
    server.listen(Endpoint::local(0));
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, server.port());
    client.waitForConnected(3000);
    int turn = 0;
    for (auto _ : state) {
        // Headings far apart, so that none falls inside the dead band.
        client.write(++turn % 2 ? "P 100.0 0.0\n" : "P 200.0 0.0\n");
        QByteArray answer;
        while (!answer.endsWith('\n')) {
            QCoreApplication::processEvents();
            answer += client.readAll();
        }
        if (answer != "RPRT 0\n") {
            state.SkipWithError("the server refused the heading");
            break;
        }
    }
    state.counters["sent"] = commands.sentCount();
}

void BM_RotctldSetPositionLatency(benchmark::State& state)
{
    measure(state, {1, {}, {}});
}
BENCHMARK(BM_RotctldSetPositionLatency)->Unit(benchmark::kMillisecond);

void BM_RotctldSetPositionLatencyThroughRotctld(benchmark::State& state)
{
    QProcess rotctld;
    rotctld.start(QStringLiteral("rotctld"),
                  {QStringLiteral("-m"), QStringLiteral("1"), QStringLiteral("-t"), QStringLiteral("24733")});
    if (!rotctld.waitForStarted(3000)) {
        state.SkipWithError("rotctld not found");
        return;
    }
    QThread::msleep(300);  // until it listens
    measure(state, {2, QStringLiteral("127.0.0.1:24733"), {}});
    rotctld.terminate();
    rotctld.waitForFinished(3000);
}
BENCHMARK(BM_RotctldSetPositionLatencyThroughRotctld)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
