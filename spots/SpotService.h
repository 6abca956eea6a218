// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "spots/AdifLog.h"
#include "spots/ClusterLine.h"
#include "spots/SpotList.h"

#include <QHash>
#include <QObject>
#include <QTimer>

#include <functional>

class CallsignTable;

// Gathers the stations heard on the air for the maps and the spot list: callers decoded by
// WSJT-X / JTDX and spots of the DX cluster, each placed by its grid or entity, renewed by every
// new decode or spot and dropped 15 minutes after it was last heard. It tells of news at most
// every updateInterval, so that a flooding cluster costs the window one redraw per interval.
class SpotService : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<qint64()>;  // UTC seconds since 1970
    // The callsign table, asked for at the first spot: it may still be loading at start.
    using Calls = std::function<const CallsignTable&()>;

    static constexpr int defaultUpdateInterval = 250;  // ms
    static constexpr int expireInterval = 10000;       // ms

    SpotService(Calls calls, Clock clock, int updateInterval = defaultUpdateInterval, QObject* parent = nullptr);

    void takeDecode(const QString& clientId, const QString& text);
    void takeClear(const QString& clientId);
    // The dial frequency of a WSJT-X instance, kHz: its later decodes lie on that band.
    void takeTuning(const QString& clientId, double dialFrequencyKhz);
    void takeClusterSpot(const ClusterLine& line, const QString& host);
    // The entities of the own log; an empty log (none chosen) marks no spot as new.
    void setWorked(const AdifLog::Worked& worked);

    const SpotList& spots() const { return spots_; }
    // An entity that the own log has not worked yet; false without a log or a known entity.
    bool isNew(const Spot& spot) const;
    qint64 now() const { return clock_(); }

signals:
    void changed();

private:
    void add(Spot spot);
    void announce();

    Calls calls_;
    Clock clock_;
    SpotList spots_;
    AdifLog::Worked worked_;
    QHash<QString, double> dialKhz_;  // by WSJT-X instance
    QTimer announceTimer_;
    QTimer expireTimer_;
};
