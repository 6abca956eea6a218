// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class AdifWatcher;
class CallsignTable;
class ClusterClient;
class ParameterSettings;
class SpotService;

// Where the stations heard come from besides WSJT-X: the DX cluster and the own log, as the
// parameters name them, started again whenever those change. Cluster spots and the log's worked
// entities go to the spot service; the state of each is told in German for the parameter window.
class SpotSources : public QObject {
    Q_OBJECT
public:
    // calls: the callsign table, asked for only when a log is first read.
    SpotSources(SpotService& spots, const ParameterSettings& parameters, std::function<const CallsignTable&()> calls);
    ~SpotSources() override;

    // Connects to the cluster the parameters name, and from now on follows their changes.
    void start();
    // Reads the own log the parameters name, and again whenever it changes; nothing while none is
    // chosen.
    void watchOwnLog();

signals:
    void clusterStateChanged(const QString& state);
    // Empty once no log is chosen.
    void logStateChanged(const QString& state);

private:
    void startCluster();

    SpotService& spots_;
    const ParameterSettings& parameters_;
    std::function<const CallsignTable&()> calls_;
    std::unique_ptr<ClusterClient> cluster_;
    std::unique_ptr<AdifWatcher> ownLog_;  // made when a log is first chosen: it needs the callsign table
};
