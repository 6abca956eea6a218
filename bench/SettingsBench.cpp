// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// The settings file where the user waits on it: the writes of a shut-down (each window saving
// its place), held and written once against one replacement per write, and the reads of a start
// over a settings file grown to 10 MB.

#include "settings/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A settings file of a used installation (51 lines), and that many bytes more of other keys.
QString settingsFile(QTemporaryDir& dir, qsizetype extraBytes)
{
    const QString path = dir.path() + QStringLiteral("/Corvane.ini");
    QByteArray bytes;
    for (int window = 0; window < 8; ++window)
        bytes += QByteArray("[Fenster") + QByteArray::number(window) +
            "]\r\nLinks=10\r\nOben=20\r\nBreit=600\r\nHoch=400\r\nSichtbar=1\r\n";
    bytes += "[Main]\r\nStayOnTop=0\r\n[Locator]\r\nU_L\xe4nge=7,0417\r\nU_Breite=51,5208\r\n";
    for (int key = 0; bytes.size() < extraBytes; ++key)
        bytes += "[Notiz" + QByteArray::number(key / 50) + "]\r\nEintrag" + QByteArray::number(key) + "=" +
            QByteArray(60, 'x') + "\r\n";
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

// 41 writes, five per window and the main window's, each value changed; range(0) == 1 holds them
// for one write at the end, as the shut-down does, 0 replaces the file at each.
void ShutdownWrites(benchmark::State& state)
{
    const bool held = state.range(0) == 1;
    QTemporaryDir dir;
    const QString path = settingsFile(dir, 0);
    int round = 0;
    for (auto _ : state) {
        SettingsFile ini(path);
        ini.readInteger(QStringLiteral("Main"), QStringLiteral("StayOnTop"), 0);  // read at the start
        ++round;
        if (held)
            ini.holdWrites();
        for (int window = 0; window < 8; ++window)
            for (const char* key : {"Links", "Oben", "Breit", "Hoch", "Sichtbar"})
                ini.writeInteger(QStringLiteral("Fenster%1").arg(window), QString::fromLatin1(key), round + window);
        ini.writeBool(QStringLiteral("Main"), QStringLiteral("StayOnTop"), round % 2 == 1);
        ini.flush();
    }
    state.SetLabel(held ? "held, one write" : "one write each");
}
BENCHMARK(ShutdownWrites)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The reads of a start (88 keys) over a settings file of range(0) MB.
void StartReads(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = settingsFile(dir, state.range(0) << 20);
    for (auto _ : state) {
        SettingsFile ini(path);
        for (int read = 0; read < 88; ++read)
            benchmark::DoNotOptimize(
                ini.readInteger(QStringLiteral("Fenster%1").arg(read % 8), QStringLiteral("Links"), 0));
    }
}
BENCHMARK(StartReads)->Arg(0)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
