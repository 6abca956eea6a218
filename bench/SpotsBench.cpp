// Cost of reading the own log: a 100,000-QSO ADIF file as loggers export it, half of the QSOs
// without a DXCC field so that their calls go through the callsign table.

#include "partner/CallsignTable.h"
#include "spots/AdifLog.h"

#include <QByteArray>
#include <QString>

#include <benchmark/benchmark.h>

namespace {

QByteArray hundredThousandQsos()
{
    const char* calls[] = {"DL1ABC", "JA1XYZ", "VK2ABC", "K1ABC", "EA8BQM", "PY2XX", "ZS6ABC", "UA9ABC", "VE3ABC", "LU1AA"};
    QByteArray log("Exported for the benchmark\n<ADIF_VER:5>3.1.4\n<PROGRAMID:7>Corvane\n<EOH>\n");
    for (int i = 0; i < 100000; ++i) {
        const QByteArray call(calls[i % 10]);
        log += "<CALL:" + QByteArray::number(call.size()) + ">" + call + " <QSO_DATE:8>20260101 <TIME_ON:6>120000 "
               "<BAND:3>20m <MODE:3>FT8 <RST_SENT:3>-10 <RST_RCVD:3>-12 <GRIDSQUARE:4>JO31 ";
        if (i % 2)
            log += "<DXCC:3>230 ";
        log += "<COMMENT:14>tnx fer the QSO <EOR>\n";
    }
    return log;
}

void BM_ReadAdifLog100k(benchmark::State& state)
{
    const CallsignTable calls = CallsignTable::load(QStringLiteral(CORVANE_PROGRAM_DIR "/Karten/Rufzeichen.txt"));
    const QByteArray log = hundredThousandQsos();
    for (auto _ : state) {
        const AdifLog::Worked worked = AdifLog::read(log, calls);
        benchmark::DoNotOptimize(worked.records);
    }
    state.counters["MB"] = double(log.size()) / 1e6;
}
BENCHMARK(BM_ReadAdifLog100k)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
