// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/DxSpotsWindow.h"

#include "geo/GreatCircleFrom.h"
#include "spots/HamBand.h"
#include "spots/SpotService.h"

#include "widgets/CloseOnEscape.h"

#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <utility>

namespace {

enum Column { utcColumn, frequencyColumn, callColumn, countryColumn, bearingColumn, distanceColumn, newColumn, columns };

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

DxSpotsWindow::DxSpotsWindow(const SpotService& spots, std::function<GeoPosition()> ownPosition, QWidget* parent)
    : QWidget(parent, Qt::Tool), spots_(spots), ownPosition_(std::move(ownPosition)), band_(new QComboBox),
      table_(new QTableWidget(0, columns))
{
    setWindowTitle(QStringLiteral("DX-Spots"));
    closeOnEscape(this);
    band_->setObjectName(QStringLiteral("Band"));
    band_->addItem(QStringLiteral("alle Bänder"));
    band_->addItems(HamBand::names());
    table_->setObjectName(QStringLiteral("Spots"));
    table_->setHorizontalHeaderLabels({QStringLiteral("UTC"), QStringLiteral("Frequenz"), QStringLiteral("Rufzeichen"),
                                       QStringLiteral("Land"), QStringLiteral("Richtung"), QStringLiteral("Entfernung"),
                                       QStringLiteral("neu")});
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);

    auto* filter = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("&Band:"));
    label->setBuddy(band_);
    filter->addWidget(label);
    filter->addWidget(band_);
    filter->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filter);
    layout->addWidget(table_);
    resize(620, 420);

    connect(band_, &QComboBox::currentIndexChanged, this, &DxSpotsWindow::refresh);
    connect(&spots_, &SpotService::changed, this, [this] {
        if (isVisible())
            refresh();
    });
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        emit partnerChosen(table_->item(row, callColumn)->data(Qt::UserRole).toString());
    });
}

void DxSpotsWindow::refresh()
{
    const QString band = band_->currentIndex() > 0 ? band_->currentText() : QString();
    const GeoPosition own = ownPosition_();
    const GreatCircleFrom from(own.longitude, own.latitude);
    const QLocale locale;
    table_->setRowCount(0);
    for (const Spot& spot : spots_.spots().clusterSpots()) {
        if (!band.isEmpty() && HamBand::of(spot.frequencyKhz) != band)
            continue;
        const int row = table_->rowCount();
        table_->insertRow(row);
        const auto way = from.distanceAndBearingTo(spot.place.longitude, spot.place.latitude);
        const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
        table_->setItem(row, utcColumn, cell(QDateTime::fromSecsSinceEpoch(spot.heardAt, Qt::UTC).toString(QStringLiteral("HH:mm"))));
        table_->setItem(row, frequencyColumn, cell(locale.toString(spot.frequencyKhz, 'f', 1), right));
        QTableWidgetItem* call = cell(spot.call);
        // What a double click hands on: the square the spot gave, else the call.
        call->setData(Qt::UserRole, spot.placedByGrid ? spot.grid : spot.call);
        table_->setItem(row, callColumn, call);
        table_->setItem(row, countryColumn, cell(spot.country));
        table_->setItem(row, bearingColumn, cell(QStringLiteral("%1°").arg(std::lround(way.bearing) % 360), right));
        table_->setItem(row, distanceColumn, cell(QStringLiteral("%1 km").arg(locale.toString(double(way.distanceKm), 'f', 0)), right));
        table_->setItem(row, newColumn, cell(spots_.isNew(spot) ? QStringLiteral("neu") : QString()));
    }
}

void DxSpotsWindow::showEvent(QShowEvent* event)
{
    refresh();
    QWidget::showEvent(event);
}

