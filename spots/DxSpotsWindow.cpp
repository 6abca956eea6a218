// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/DxSpotsWindow.h"

#include "geo/GreatCircleFrom.h"
#include "spots/HamBand.h"
#include "spots/SpotService.h"

#include "settings/ParameterSettings.h"
#include "widgets/CloseOnEscape.h"

#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

enum Column { utcColumn, frequencyColumn, callColumn, countryColumn, bearingColumn, distanceColumn, newColumn, columns };

const int filterSpacing = 16;  // pixels between the list's filter and the maps'

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

DxSpotsWindow::DxSpotsWindow(const SpotService& spots, ParameterSettings& parameters,
                             std::function<GeoPosition()> ownPosition, QWidget* parent)
    : QWidget(parent, Qt::Tool), spots_(spots), parameters_(parameters), ownPosition_(std::move(ownPosition)),
      band_(new QComboBox), mapBand_(new QComboBox), mapAge_(new QComboBox), table_(new QTableWidget(0, columns))
{
    setWindowTitle(tr("DX-Spots"));
    closeOnEscape(this);
    band_->setObjectName(QStringLiteral("Band"));
    band_->addItem(tr("alle Bänder"));
    band_->addItems(HamBand::names());
    mapBand_->setObjectName(QStringLiteral("Kartenband"));
    mapBand_->addItem(tr("alle"));
    mapBand_->addItems(HamBand::names());
    mapAge_->setObjectName(QStringLiteral("Kartenalter"));
    for (const int minutes : ParameterSettings::mapAgeChoices)
        mapAge_->addItem(minutes ? tr("%1 min").arg(minutes) : tr("alle"), minutes);
    showMapFilter();
    table_->setObjectName(QStringLiteral("Spots"));
    table_->setHorizontalHeaderLabels({QStringLiteral("UTC"), tr("Frequenz"), tr("Rufzeichen"), tr("Land"),
                                       tr("Richtung"), tr("Entfernung"), tr("neu")});
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);

    auto* filter = new QHBoxLayout;
    auto* label = new QLabel(tr("&Band:"));
    label->setBuddy(band_);
    filter->addWidget(label);
    filter->addWidget(band_);
    filter->addSpacing(filterSpacing);
    for (const auto& [text, box] :
         {std::pair {tr("&Karte: Band"), mapBand_}, std::pair {tr("Karte: &Alter"), mapAge_}}) {
        auto* mapLabel = new QLabel(text);
        mapLabel->setBuddy(box);
        filter->addWidget(mapLabel);
        filter->addWidget(box);
    }
    filter->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filter);
    layout->addWidget(table_);
    resize(620, 420);

    connect(band_, &QComboBox::currentIndexChanged, this, &DxSpotsWindow::refresh);
    connect(mapBand_, &QComboBox::currentIndexChanged, this,
            [this](int index) { parameters_.setMapBand(index > 0 ? mapBand_->currentText() : QString()); });
    connect(mapAge_, &QComboBox::currentIndexChanged, this,
            [this] { parameters_.setMapAgeMinutes(mapAge_->currentData().toInt()); });
    connect(&parameters_, &ParameterSettings::mapBandChanged, this, &DxSpotsWindow::showMapFilter);
    connect(&parameters_, &ParameterSettings::mapAgeChanged, this, &DxSpotsWindow::showMapFilter);
    connect(&spots_, &SpotService::changed, this, [this] {
        if (isVisible())
            refresh();
    });
    connect(table_, &QTableWidget::cellDoubleClicked, this, &DxSpotsWindow::choose);
    // Enter takes the row the arrow keys chose, as a double click does.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(key, table_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] { choose(table_->currentRow()); });
    }
}

void DxSpotsWindow::choose(int row)
{
    if (const QTableWidgetItem* call = row >= 0 ? table_->item(row, callColumn) : nullptr)
        emit partnerChosen(call->data(Qt::UserRole).toString());
}

void DxSpotsWindow::showMapFilter()
{
    // Shown, not chosen: a band the list does not know stays stored while "alle" shows.
    const QSignalBlocker bandBlocked(mapBand_), ageBlocked(mapAge_);
    mapBand_->setCurrentIndex(std::max(0, mapBand_->findText(parameters_.mapBand(), Qt::MatchFixedString)));
    mapAge_->setCurrentIndex(std::max(0, mapAge_->findData(parameters_.mapAgeMinutes())));
}

void DxSpotsWindow::refresh()
{
    const QString band = band_->currentIndex() > 0 ? band_->currentText() : QString();
    const GeoPosition own = ownPosition_();
    const GreatCircleFrom from(own.longitude, own.latitude);
    const QLocale locale;
    // The chosen row stays chosen while new spots push it down.
    const int chosen = table_->currentRow();
    const QVariant chosenSpot = chosen >= 0 ? table_->item(chosen, utcColumn)->data(Qt::UserRole) : QVariant();
    table_->setRowCount(0);
    for (const Spot& spot : spots_.spots().clusterSpots()) {
        if (!band.isEmpty() && HamBand::of(spot.frequencyKhz) != band)
            continue;
        const int row = table_->rowCount();
        table_->insertRow(row);
        const auto way = from.distanceAndBearingTo(spot.place.longitude, spot.place.latitude);
        const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
        QTableWidgetItem* utc = cell(QDateTime::fromSecsSinceEpoch(spot.heardAt, Qt::UTC).toString(QStringLiteral("HH:mm")));
        const QString spotKey = spot.call + u' ' + QString::number(spot.heardAt);
        utc->setData(Qt::UserRole, spotKey);
        table_->setItem(row, utcColumn, utc);
        if (chosenSpot == spotKey)
            table_->setCurrentCell(row, callColumn);
        table_->setItem(row, frequencyColumn, cell(locale.toString(spot.frequencyKhz, 'f', 1), right));
        QTableWidgetItem* call = cell(spot.call);
        // What a double click hands on: the square the spot gave, else the call.
        call->setData(Qt::UserRole, spot.placedByGrid ? spot.grid : spot.call);
        table_->setItem(row, callColumn, call);
        table_->setItem(row, countryColumn, cell(spot.country));
        table_->setItem(row, bearingColumn, cell(QStringLiteral("%1°").arg(std::lround(way.bearing) % 360), right));
        table_->setItem(row, distanceColumn,
                        cell(tr("%1 km").arg(locale.toString(double(way.distanceKm), 'f', 0)), right));
        table_->setItem(row, newColumn, cell(spots_.isNew(spot) ? tr("neu") : QString()));
    }
}

void DxSpotsWindow::showEvent(QShowEvent* event)
{
    refresh();
    table_->setFocus(Qt::OtherFocusReason);
    QWidget::showEvent(event);
}

