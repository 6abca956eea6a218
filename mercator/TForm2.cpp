// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/TForm2.h"

#include "settings/MainWindowSettings.h"
#include "base/Rounding.h"
#include "geo/CoordinateText.h"
#include "geo/GeoConstants.h"
#include "geo/NearestCity.h"
#include "platform/Dialogs.h"
#include "session/Session.h"
#include "sun/GreylineBearings.h"
#include "sun/SolarPosition.h"
#include "sun/SunEvents.h"
#include "text/FixedPointText.h"
#include "widgets/CloseOnEscape.h"
#include "widgets/ErrorBox.h"
#include "widgets/GuardedConnection.h"
#include "widgets/WindowTimer.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>


namespace {

// One row of a group: fixed caption, filled label, optional unit.
QLabel* addRow(QGridLayout* grid, const QString& caption, const QString& name, const QString& unit = QString())
{
    const int row = grid->rowCount();
    auto* captionLabel = new QLabel(caption);
    grid->addWidget(captionLabel, row, 0);
    auto* value = new QLabel;
    value->setObjectName(name);
    if (unit.isEmpty()) {
        grid->addWidget(value, row, 1, 1, 2);  // a long country name does not push the units away
    } else {
        grid->addWidget(value, row, 1);
        grid->addWidget(new QLabel(unit), row, 2);
    }
    return value;
}

} // namespace

TForm2::TForm2(Session& session, ShownMap shownMap, MapPlaces& places, MainWindowSettings& mainSettings)
    : session_(session), shownMap_(shownMap), places_(places), mainSettings_(mainSettings)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Fadenkreuzdaten"));
    closeOnEscape(this);
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    GroupBox1 = new QGroupBox(tr("Basisdaten"), this);
    auto* basis = new QGridLayout(GroupBox1);
    Label1 = addRow(basis, tr("Länge:"), QStringLiteral("Label1"));
    Label2 = addRow(basis, tr("Breite:"), QStringLiteral("Label2"));
    Label3 = addRow(basis, QStringLiteral("Locator"), QStringLiteral("Label3"));
    Label4 = addRow(basis, tr("Entfernung:"), QStringLiteral("Label4"), QStringLiteral("km"));
    Label5 = addRow(basis, tr("Winkel:"), QStringLiteral("Label5"), QStringLiteral("deg"));
    longDistance = addRow(basis, tr("Langer Weg:"), QStringLiteral("longDistance"), QStringLiteral("km"));
    longBearing = addRow(basis, tr("Winkel langer Weg:"), QStringLiteral("longBearing"), QStringLiteral("deg"));
    basis->setColumnMinimumWidth(1, 80);  // pixels, room for -179,99999
    basis->setColumnStretch(3, 1);        // units stay beside their values
    layout->addWidget(GroupBox1);

    GroupBox2 = new QGroupBox(tr("Cursorposition"), this);
    auto* cursor = new QGridLayout(GroupBox2);
    Label11 = addRow(cursor, tr("Land:"), QStringLiteral("Label11"));
    Label14 = addRow(cursor, tr("Kenner:"), QStringLiteral("Label14"));
    Label12 = addRow(cursor, tr("Stadt:"), QStringLiteral("Label12"));
    Label32 = qobject_cast<QLabel*>(cursor->itemAtPosition(cursor->rowCount() - 1, 0)->widget());
    Label32->setObjectName(QStringLiteral("Label32"));
    Label13 = addRow(cursor, tr("Entf: Cursor zur nächsten Stadt:"), QStringLiteral("Label13"), QStringLiteral("km"));
    cursor->setColumnStretch(3, 1);
    layout->addWidget(GroupBox2);

    sunGroup = new QGroupBox(tr("Sonne (UTC)"), this);
    auto* sun = new QGridLayout(sunGroup);
    ownSun = addRow(sun, tr("Auf-/Untergang hier:"), QStringLiteral("ownSun"));
    targetSun = addRow(sun, tr("Auf-/Untergang Ziel:"), QStringLiteral("targetSun"));
    greyline = addRow(sun, tr("Graulinie:"), QStringLiteral("greyline"));
    sun->setColumnStretch(3, 1);
    layout->addWidget(sunGroup);
    for (QLabel* city : {Label32, Label12}) {
        city->setCursor(Qt::PointingHandCursor);
        city->installEventFilter(this);
    }

    Button1 = new QPushButton(QStringLiteral("Farbe / Color"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connectGuarded(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    layout->addWidget(Button1, 0, Qt::AlignLeft);

    Positionstimer = new WindowTimer(this, 100);
    connectGuarded(Positionstimer, &WindowTimer::timeout, this, &TForm2::PositionstimerTimer);
    Positionstimer->start();

    connect(&session_, &Session::targetChanged, this, &TForm2::showNewTarget);
    connect(&session_, &Session::ownPositionChanged, this, &TForm2::showNewTarget);
    shownMap_.restoreOnSwitch(this, places_, MapPlaces::Tool::crosshair);
    ErrorBox::guard([this] { FormCreate(); });
}

void TForm2::FormCreate()
{
    shownMap_.restore(this, places_, MapPlaces::Tool::crosshair);
    session_.setCrosshairColor(mainSettings_.crosshairColour());
}


void TForm2::showNewTarget()
{
    if (session_.target().isSet())
        ShowTargetData(session_.targetCountry(), session_.targetPrefix());
}

void TForm2::showSun()
{
    const QDateTime now = clock_();
    const auto riseAndSet = [&](const GeoPosition& place) {
        const SunEvents events = SunEvents::on(now.date(), place);
        return QStringLiteral("%1 / %2").arg(events.riseText(), events.setText());
    };
    const GeoPosition own = session_.ownPosition();
    ownSun->setText(riseAndSet(own));
    const TargetInfo& target = session_.target();
    targetSun->setText(target.isSet() ? riseAndSet({target.longitude, target.latitude}) : QString());
    const auto bearings = GreylineBearings::at(SolarPosition::at(double(now.toSecsSinceEpoch())), own);
    greyline->setText(bearings ? QStringLiteral("%1° / %2°").arg(std::lround(bearings->first)).arg(std::lround(bearings->second))
                               : QStringLiteral("–"));
}

void TForm2::ShowTargetData(const QString& country, const QString& prefix)
{
    const TargetInfo& target = session_.target();
    if (isHidden())
        shownMap_.beforeShowing(this, places_, MapPlaces::Tool::crosshair);
    show();
    raise();
    Label1->setText(FixedPointText::format(target.longitude, 5));
    Label2->setText(FixedPointText::format(target.latitude, 5));
    Label3->setText(positionToLocator(target.longitude, target.latitude));
    Label4->setText(FixedPointText::format(target.distance, 0));
    Label5->setText(FixedPointText::format(target.bearing, 0));
    // The other way round the sphere: the rest of the circumference, and the opposite direction.
    const double circumference = double(2 * geo_detail::pi * earthRadiusKm);  // km
    longDistance->setText(FixedPointText::format(circumference - target.distance, 0));
    longBearing->setText(FixedPointText::format(std::fmod(target.bearing + 180, 360.0), 0));
    showSun();

    QString rasterCountry;
    QString rasterPrefix;
    session_.referenceData().lookupCountry(target.longitude, target.latitude, rasterCountry, rasterPrefix);
    Label11->setText(country.isEmpty() ? rasterCountry : country);
    Label14->setText(country.isEmpty() ? rasterPrefix : prefix);

    // Without any city there is nothing to show.
    const std::vector<CityRecord>& cities = session_.referenceData().cityTable;
    const auto nearest = findNearestCity(cities, target.latitude, target.longitude, nearestCityIndex_);
    if (!nearest) {
        Label12->clear();
        Label13->clear();
        return;
    }
    nearestCityIndex_ = nearest->index;
    Label12->setText(cities[std::size_t(nearestCityIndex_)].name);
    Label13->setText(QString::number(roundHalfEven(nearest->distanceKm)));
}

void TForm2::Label_Stadt_zeigen_Click()
{
    const std::vector<CityRecord>& cities = session_.referenceData().cityTable;
    if (nearestCityIndex_ < 0 || std::size_t(nearestCityIndex_) >= cities.size())
        return;  // no city was found, so there is none to go to
    const CityRecord& city = cities[std::size_t(nearestCityIndex_)];
    session_.setTarget(city.longitude, city.latitude);
}

void TForm2::Button1Click()
{
    const auto chosen = Dialogs::current().chooseColor(session_.crosshairColor());
    if (!chosen)
        return;
    session_.setCrosshairColor(*chosen);
    mainSettings_.setCrosshairColour(*chosen);
}

void TForm2::PositionstimerTimer()
{
    shownMap_.remember(this, places_, MapPlaces::Tool::crosshair);
}

void TForm2::FormClose()
{
    hide();
    session_.clearTarget();
}

void TForm2::closeEvent(QCloseEvent* event)
{
    event->accept();
    ErrorBox::guard([this] { FormClose(); });
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == Label12 || watched == Label32) && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        ErrorBox::guard([this] { Label_Stadt_zeigen_Click(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
