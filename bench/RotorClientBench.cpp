// Latency from a rotctld client's "P" command to Hamlib's set_position: the client sends a
// heading over the loopback and waits for "RPRT 0", which the server writes once set_position has
// returned. The least interval is 0 here, so only the path itself is measured; Hamlib's dummy
// rotator stands behind. Run it in a session bus (dbus-run-session).
#include "rotorbridge/BridgeLog.h"
#include "rotorbridge/FaultLog.h"
#include "rotorbridge/HamlibRotator.h"
#include "rotorbridge/RotctldServer.h"
#include "rotorbridge/RotorBridge.h"
#include "rotorbridge/RotorCommands.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QTcpSocket>
#include <benchmark/benchmark.h>

namespace {

void BM_RotctldSetPositionLatency(benchmark::State& state)
{
    BridgeLog log {QString()};
    HamlibRotator rotator({1, {}, {}});
    if (!rotator.open().isEmpty()) {
        state.SkipWithError("Hamlib's dummy rotator does not open");
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
BENCHMARK(BM_RotctldSetPositionLatency)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
