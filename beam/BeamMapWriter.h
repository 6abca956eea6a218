// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "geo/GeoPosition.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

// Writes the beam bitmap file on a thread of its own, so that a new picture is shown before its
// 19 MB reach the disk. The file ends whole or not at all (see BeamMapCache::save); the outcome
// is reported on the thread that started the write, from its event loop or from finish().
class BeamMapWriter : public QObject {
    Q_OBJECT
public:
    BeamMapWriter();
    // Abandons a write still running; the old file stays.
    ~BeamMapWriter() override;

    // Starts writing picture (made for own) as the file at path; a write still running is
    // abandoned first. The picture is shared, not copied: whoever changes it in place must
    // abandon() or finish() the write before.
    void start(const QImage& picture, const QString& path, const GeoPosition& own);
    // Stops a running write without reporting it; the old file stays.
    void abandon();
    // Waits for a running write to end and reports it now.
    void finish();
    bool running() const { return worker_.joinable(); }

signals:
    // The file now holds the picture made for own.
    void written(GeoPosition own);
    // The file could not be written and is as it was; message says why, in German.
    void failed(GeoPosition own, QString message);

private:
    // What one write came to, filled by its thread.
    struct Outcome {
        std::atomic<bool> abandon {false}, done {false};
        bool written = false;
        QString message;
    };

    // Joins a finished thread and reports its outcome; nothing while it still runs.
    void report();

    std::thread worker_;
    std::shared_ptr<Outcome> outcome_;
    GeoPosition own_;
};
