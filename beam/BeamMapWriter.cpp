// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "beam/BeamMapWriter.h"

#include "beam/BeamMapCache.h"

#include <QMetaObject>

#include <exception>

BeamMapWriter::BeamMapWriter() = default;

BeamMapWriter::~BeamMapWriter()
{
    abandon();
}

void BeamMapWriter::start(const QImage& picture, const QString& path, const GeoPosition& own)
{
    abandon();
    own_ = own;
    outcome_ = std::make_shared<Outcome>();
    worker_ = std::thread([this, outcome = outcome_, picture, path] {
        try {
            outcome->written = BeamMapCache::save(picture, path, &outcome->abandon);
        } catch (const std::exception& error) {
            outcome->message = QString::fromUtf8(error.what());
        }
        outcome->done = true;
        // Reported from the starting thread's event loop; a write abandoned or finished by then
        // has been dealt with, and the call does nothing.
        QMetaObject::invokeMethod(
            this,
            [this, outcome] {
                if (outcome == outcome_)
                    report();
            },
            Qt::QueuedConnection);
    });
}

void BeamMapWriter::abandon()
{
    if (!worker_.joinable())
        return;
    outcome_->abandon = true;
    worker_.join();
    outcome_.reset();
}

void BeamMapWriter::finish()
{
    if (!worker_.joinable())
        return;
    worker_.join();
    report();
}

void BeamMapWriter::report()
{
    if (!outcome_ || !outcome_->done)
        return;
    if (worker_.joinable())
        worker_.join();
    const std::shared_ptr<Outcome> outcome = std::move(outcome_);
    if (outcome->written)
        emit written(own_);
    else if (!outcome->message.isEmpty())
        emit failed(own_, outcome->message);
}
