// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/SpotService.h"

#include "spots/DecodeText.h"
#include "spots/SpotPlacer.h"

#include <utility>

SpotService::SpotService(Calls calls, Clock clock, int updateInterval, QObject* parent)
    : QObject(parent), calls_(std::move(calls)), clock_(std::move(clock))
{
    announceTimer_.setSingleShot(true);
    announceTimer_.setInterval(updateInterval);
    connect(&announceTimer_, &QTimer::timeout, this, &SpotService::changed);
    expireTimer_.setInterval(expireInterval);
    connect(&expireTimer_, &QTimer::timeout, this, [this] {
        if (spots_.expire(clock_()))
            announce();
        if (spots_.markers().empty())
            expireTimer_.stop();
    });
}

void SpotService::takeDecode(const QString& clientId, const QString& text)
{
    const auto caller = DecodeText::caller(text);
    if (!caller)
        return;
    auto spot = SpotPlacer(calls_()).place(caller->call, caller->grid);
    if (!spot)
        return;
    spot->source = Spot::Source::Wsjtx;
    spot->origin = clientId;
    spot->frequencyKhz = dialKhz_.value(clientId);
    spot->comment = text;
    spot->heardAt = clock_();
    add(std::move(*spot));
}

void SpotService::takeClear(const QString& clientId)
{
    spots_.clearWsjtx(clientId);
    announce();
}

void SpotService::takeTuning(const QString& clientId, double dialFrequencyKhz)
{
    dialKhz_.insert(clientId, dialFrequencyKhz);
}

void SpotService::takeClusterSpot(const ClusterLine& line, const QString& host)
{
    auto spot = SpotPlacer(calls_()).place(line.call, line.grid.left(6), SpotPlacer::Square::FromComment);
    if (!spot)
        return;
    spot->source = Spot::Source::Cluster;
    spot->origin = host;
    spot->frequencyKhz = line.frequencyKhz;
    spot->comment = line.comment;
    // The line gives the time of day only; a time later than now was yesterday's.
    const qint64 now = clock_();
    qint64 heard = now - now % 86400 + line.minuteOfDay * 60;
    if (heard > now + 60)
        heard -= 86400;
    spot->heardAt = heard;
    add(std::move(*spot));
}

void SpotService::setWorked(const AdifLog::Worked& worked)
{
    worked_ = worked;
    announce();
}

bool SpotService::isNew(const Spot& spot) const
{
    if (worked_.records == 0 || (spot.dxcc == 0 && spot.prefix.isEmpty()))
        return false;
    return !worked_.contains(spot.dxcc, spot.prefix);
}

void SpotService::add(Spot spot)
{
    spots_.add(spot);
    if (!expireTimer_.isActive())
        expireTimer_.start();
    announce();
}

void SpotService::announce()
{
    if (!announceTimer_.isActive())
        announceTimer_.start();
}
