// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// Cost of the rotor link's reload of the directions list at each connection attempt (every
// 2000 ms while the link is down): a full read and sort of Data.txt against the check that finds
// the file unchanged.

#include "rotor/DirectionLine.h"
#include "rotor/DirectionsFile.h"
#include "rotor/FileStamp.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A Data.txt of that many records in a folder that lives as long as the benchmark program.
QString listOf(int records)
{
    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Data%1.txt").arg(records);
    if (QFile::exists(path))
        return path;
    QStringList lines;
    for (int i = 0; i < records; ++i)
        lines << DirectionLine::compose(QStringLiteral("DL%1ABC").arg(i * 7919 % records), QString::number(i % 450), QStringLiteral("0"));
    DirectionsFile::write(path, lines);
    return path;
}

void BM_FullReload(benchmark::State& state)
{
    const QString path = listOf(int(state.range(0)));
    for (auto _ : state) {
        std::optional<QStringList> lines = DirectionsFile::read(path);
        DirectionLine::sort(*lines);
        benchmark::DoNotOptimize(lines);
    }
}

void BM_UnchangedCheck(benchmark::State& state)
{
    const QString path = listOf(int(state.range(0)));
    const FileStamp loaded = FileStamp::of(path);
    for (auto _ : state)
        benchmark::DoNotOptimize(FileStamp::of(path) == loaded);
}

BENCHMARK(BM_FullReload)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnchangedCheck)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
