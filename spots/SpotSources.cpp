// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/SpotSources.h"

#include "settings/ParameterSettings.h"
#include "spots/AdifWatcher.h"
#include "spots/ClusterClient.h"
#include "spots/SpotService.h"

#include <QCoreApplication>

#include <utility>

SpotSources::SpotSources(SpotService& spots, const ParameterSettings& parameters,
                         std::function<const CallsignTable&()> calls)
    : spots_(spots), parameters_(parameters), calls_(std::move(calls)), cluster_(std::make_unique<ClusterClient>())
{
    connect(cluster_.get(), &ClusterClient::spotReceived, this,
            [this](const ClusterLine& line) { spots_.takeClusterSpot(line, parameters_.cluster().hostName()); });
    connect(cluster_.get(), &ClusterClient::stateChanged, this,
            [this](ClusterClient::State state) { emit clusterStateChanged(ClusterClient::stateText(state)); });
}

SpotSources::~SpotSources() = default;

void SpotSources::start()
{
    connect(&parameters_, &ParameterSettings::clusterChanged, this, &SpotSources::startCluster);
    startCluster();
    connect(&parameters_, &ParameterSettings::logChanged, this, &SpotSources::watchOwnLog);
}

void SpotSources::startCluster()
{
    const ParameterSettings::Cluster& cluster = parameters_.cluster();
    cluster_->start(cluster.hostName(), cluster.portNumber(), cluster.login());
}

void SpotSources::watchOwnLog()
{
    const QString path = parameters_.logPath();
    if (!ownLog_) {
        if (path.isEmpty())
            return;
        ownLog_ = std::make_unique<AdifWatcher>(calls_());
        connect(ownLog_.get(), &AdifWatcher::workedChanged, this, [this] {
            spots_.setWorked(ownLog_->worked());
            // A log without QSOs has said so through readFailed; no log chosen says nothing.
            const qint64 records = ownLog_->worked().records;
            if (records > 0)
                emit logStateChanged(
                    QCoreApplication::translate("SpotSources", "Logbuch: %1 QSOs gelesen").arg(records));
            else if (parameters_.logPath().isEmpty())
                emit logStateChanged(QString());
        });
        connect(ownLog_.get(), &AdifWatcher::readFailed, this, &SpotSources::logStateChanged);
    }
    ownLog_->watch(path);
}
