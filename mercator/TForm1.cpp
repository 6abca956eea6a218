// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mercator/TForm1.h"

#include "readout/MapHost.h"
#include "settings/MainWindowSettings.h"
#include "settings/MercatorSettings.h"
#include "geo/CoordinateText.h"
#include "mapfiles/Bmp24File.h"
#include "mercator/LocatorGrid.h"
#include "mapfiles/MapCatalogue.h"
#include "mercator/MercatorPicture.h"
#include "mercator/MercatorProjection.h"
#include "mercator/ZoomRectangle.h"
#include "platform/Dialogs.h"
#include "platform/WindowsColor.h"
#include "session/Session.h"
#include "settings/ParameterSettings.h"
#include "widgets/ErrorBox.h"
#include "widgets/GuardedConnection.h"
#include "widgets/ImageWidget.h"
#include "widgets/MenuCaption.h"
#include "widgets/WindowGeometry.h"

#include <QAction>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

const QString defaultMapName = QStringLiteral("Welt");  // the world map, present in every Karten folder

QString kartenFolder(const Session& session)
{
    return session.folders().dataFolder + QStringLiteral("Karten/");
}

// True when exactly these buttons and these of Shift, Alt and Ctrl are held.
bool heldExactly(const QMouseEvent* event, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    const Qt::KeyboardModifiers watched = Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier;
    return event->buttons() == buttons && (event->modifiers() & watched) == keys;
}

} // namespace

TForm1::TForm1(Session& session, MapHost& host, MercatorSettings& settings, MainWindowSettings& mainSettings,
               const ParameterSettings& parameters, DecodedBitmaps& bitmaps)
    : MapWindow(session, host, parameters, QStringLiteral("Karte")), settings_(settings), mainSettings_(mainSettings),
      bitmaps_(bitmaps)
{
    Karte = image();
    connectGuarded(Karte, &ImageWidget::mouseMoved, this, &TForm1::KarteMouseMove);
    connectGuarded(Karte, &ImageWidget::mousePressed, this, &TForm1::KarteMouseDown);
    connectGuarded(Karte, &ImageWidget::mouseReleased, this, &TForm1::KarteMouseUp);
    ErrorBox::guard([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    session_.clearTarget();
    drawState_.mercatorLineDrawn = false;

    const QSize stored = settings_.imageSize();
    Karte->resize(WindowGeometry::onScreen(0, 0, stored.width(), stored.height()).size());

    // The map the settings choose for the start, spelled as the folder Karten spells it.
    wantedMapName_ =
        MapCatalogue::spelledAsInFolder(kartenFolder(session_), settings_.mapName().value_or(defaultMapName));
    const bool mercatorShown = mainSettings_.mercatorShown();
    Karte->setParent(host_.clientArea());
    Karte->move(0, 0);
    // Hidden behind the beam map: its drawing surface and the map's pixels (tens of megabytes) wait
    // until the main window has been painted, or until the map is shown before.
    if (mercatorShown)
        Karte->createScreenSurface();
    else
        putOffUntilFirstPaint();

    // A broken map pair is reported; a stored map that cannot be loaded gives way to the world
    // map rather than an empty window. Without either the window still takes its place, so that
    // another map can be chosen from the menu.
    ErrorBox::guard([this] { LoadMap(wantedMapName_); });
    if (session_.currentMapName().isEmpty() && wantedMapName_ != defaultMapName) {
        ErrorBox::guard([this] { LoadMap(defaultMapName); });
        showingFallback_ = !session_.currentMapName().isEmpty();
    }
    buildMapMenu(session_.currentMapName().isEmpty() ? wantedMapName_ : session_.currentMapName());
    mapStartup_ = false;
    // Shown at start, the map's first pictures come straight from its file (its tens of megabytes
    // decoded would hold up the first paint); the bitmap is decoded once the map has been painted.
    if (mercatorShown && pendingFile_)
        loadAfterFirstPaint();

    Karte->setVisible(mercatorShown);
    resize(host_.clientArea()->size());
    move(0, 0);
}

void TForm1::loadPutOff()
{
    if (!pendingFile_)
        return;
    const QString path = pendingFile_->path();
    pendingFile_.reset();
    mapBitmap_ = MapCatalogue::decode(bitmaps_, path);
}

QSize TForm1::bitmapSize() const
{
    return pendingFile_ ? pendingFile_->size() : mapBitmap_.size();
}

void TForm1::FormDestroy()
{
    const QString& current = session_.currentMapName();
    settings_.setImageSize(Karte->size());
    // Without a loaded map, or with the world map shown only in place of the stored one, the choice
    // read at start is kept, so a map missing once is tried again next time.
    const bool keepStored = current.isEmpty() || (showingFallback_ && current == defaultMapName);
    settings_.setMapName(keepStored ? wantedMapName_ : current);
    settings_.savePlaces();
}

// ---- Map catalogue --------------------------------------------------------------------------

void TForm1::buildMapMenu(const QString& wantedName)
{
    int number = 0;
    for (const QString& caption : MapCatalogue::menuCaptions(kartenFolder(session_))) {
        QAction* item = host_.addMapMenuItem(caption);
        item->setObjectName(QStringLiteral("K%1").arg(++number));
        item->setCheckable(true);
        item->setChecked(caption == wantedName);
        connectGuarded(item, &QAction::triggered, this, [this, item] { KartenwahlClick(item); });
        mapItems_.push_back(item);
    }
}

void TForm1::KartenwahlClick(QAction* sender)
{
    const QString name = sender->objectName();
    if (name.size() < 2 || !name[1].isDigit())
        return;
    QAction* chosen = nullptr;
    for (QAction* item : mapItems_) {
        item->setChecked(false);
        if (!chosen && item->objectName() == name)
            chosen = item;
    }
    chosen->setChecked(true);
    showingFallback_ = false;
    LoadMap(MenuCaption::shown(chosen->text()));
}

void TForm1::LoadMap(const QString& name)
{
    if (name == session_.currentMapName())
        return;
    std::optional<MapCatalogue::Map> map =
        MapCatalogue::read(bitmaps_, kartenFolder(session_), name, preparationDue() || mapStartup_);
    if (!map)
        return;
    mapBitmap_ = std::move(map->bitmap);
    pendingFile_ = std::move(map->file);
    session_.setCurrentMapName(name);
    zoomStack_.assign(1, map->whole);
    host_.showMercatorZoomOut(false);
    if (!mapStartup_)
        RedrawMap();
}

// ---- Drawing --------------------------------------------------------------------------------

MercatorPicture TForm1::picture()
{
    return MercatorPicture(Karte->canvas(), Karte->size(), zoomStack_.back());
}

void TForm1::setMapShown(bool shown)
{
    if (shown)
        prepare();
    Karte->setVisible(shown);
}

void TForm1::showInMainWindow()
{
    prepare();
    Karte->show();
    host_.setClientSize(Karte->width(), Karte->height());
    RedrawMap();
    emit mapChosen();
    mainSettings_.setMercatorShown(true);
    host_.showMercatorZoomOut(zoomDepth() > 1);
}

std::optional<QSize> TForm1::filledSize(QSize clientArea) const
{
    if (!hasMap())
        return std::nullopt;
    return clientArea;
}

std::unique_ptr<MapProjection> TForm1::projection()
{
    if (zoomStack_.empty())
        return nullptr;
    return std::make_unique<MercatorProjection>(zoomStack_.back(), Karte->size());
}

void TForm1::RedrawMap()
{
    prepare();
    if (!hasMap() || zoomStack_.empty())
        return;
    MapLayers layers;
    if (pendingFile_)
        layers.file = pendingFile_.get();
    else
        layers.bitmap = &mapBitmap_;
    layers.whole = zoomStack_.front();
    if (parameters_.citiesShown() == ParameterSettings::OnOff::on)
        layers.cities = &session_.referenceData().cityTable.get();
    layers.markerSize = parameters_.cityMarkerSize();
    layers.gridLevel = parameters_.locatorGrid();
    layers.targetShown = crosshairWindow_ && crosshairWindow_->isVisible();
    layers.own = session_.ownPosition();
    layers.target = session_.target();
    layers.crosshairColour = WindowsColor::toQColor(session_.crosshairColor());
    const MercatorProjection projection(zoomStack_.back(), Karte->size());
    picture().paintMap(layers, [&](MapLayer::Stage stage) { drawLayers(Karte->canvas(), projection, stage); });
    drawSector([&](double direction, const QColor& colour) {
        picture().fillSector(layers.own, direction, parameters_.openingAngleDegrees(), colour);
    });
    dragRect_ = QRect();  // the copy has painted over any zoom rectangle
    drawState_.mercatorLineDrawn = false;
    drawState_.mercatorLineDirection.reset();
    DrawDirectionLine();
    Karte->update();
}

void TForm1::DrawDirectionLine()
{
    const auto azimuth = session_.rotorState().rotorAzimuth;  // degrees
    const GeoPosition& own = session_.ownPosition();
    DrawState& drawn = drawState_;
    if (!azimuth || (own.latitude == 0 && own.longitude == 0) || zoomStack_.empty())
        return;
    // The beam is part of the picture: moved, the picture is drawn anew, the line with it.
    if (sectorBehind()) {
        RedrawMap();
        return;
    }
    const double direction = *azimuth + parameters_.displayOffsetDegrees();  // degrees
    if (drawn.mercatorLineDirection && std::fabs(*drawn.mercatorLineDirection - direction) < 1)
        return;
    EraseDirectionLine();
    drawn.mercatorLineDirection = direction;
    SampleGreatCircle(MercatorPicture::halfTurnDirection(direction), own.longitude, own.latitude, drawn.directionLine);
    picture().invertCircle(own, drawn.directionLine);
    drawn.mercatorLineDrawn = true;
    drawn.drawnDirectionLine = drawn.directionLine;
    drawnLineStart_ = own;
    Karte->update();
}

void TForm1::eraseAntennaLine()
{
    EraseDirectionLine();
    if (sectorBehind())
        redrawIfShown();
}

void TForm1::EraseDirectionLine()
{
    DrawState& drawn = drawState_;
    if (!drawn.mercatorLineDrawn || zoomStack_.empty())
        return;
    // From where the line was drawn, so a moved own station cannot leave pixels inverted.
    picture().invertCircle(drawnLineStart_, drawn.drawnDirectionLine);
    drawn.mercatorLineDrawn = false;
    Karte->update();
}

// ---- Mouse and zoom -------------------------------------------------------------------------

void TForm1::KarteMouseMove(QMouseEvent* event)
{
    const std::unique_ptr<MapProjection> view = projection();
    if (!view)
        return;
    if (heldExactly(event, Qt::LeftButton, Qt::ShiftModifier) || heldExactly(event, Qt::LeftButton, Qt::AltModifier)
        || heldExactly(event, Qt::LeftButton, Qt::ControlModifier))
        return;
    const QPoint mouse = ImageWidget::pixelAt(event);
    const bool leftDrag = heldExactly(event, Qt::LeftButton);
    // While a button drags, the panel follows the mouse with the lines it has; otherwise its lines
    // follow the mouse whatever the choice, and "Ein" shows it.
    if (leftDrag || heldExactly(event, Qt::RightButton))
        placeCursorPanel(mouse);
    else
        readOut(mouse, *view,
                parameters_.mousePositionShown() == ParameterSettings::OnOff::on ? PanelUse::show : PanelUse::follow);

    if (mouse.x() != dragStartX_ && mouse.y() != dragStartY_ && leftDrag) {
        const QRect rectangle = ZoomRectangle::rectangle(dragStartX_, dragStartY_, mouse.x(), bitmapSize());
        removeDragRect();
        picture().invertFocusRect(rectangle);
        dragRect_ = rectangle;
        Karte->update();
    }
}

void TForm1::KarteMouseDown(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        Zoom1Click();
        return;
    }
    const QPoint mouse = ImageWidget::pixelAt(event);
    dragStartX_ = mouse.x();
    dragStartY_ = mouse.y();
    dragRect_ = QRect();
}

void TForm1::KarteMouseUp(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || zoomStack_.empty())
        return;
    const QPoint mouse = ImageWidget::pixelAt(event);
    if (std::abs(dragStartX_ - mouse.x()) < ImageWidget::screenSize().width() / 20) {
        // A click: the point becomes the target; the rotor turns only when the user says so.
        if (makeTarget(mouse, MercatorProjection(zoomStack_.back(), Karte->size())))
            emit targetClicked();
        return;
    }
    const QRect rectangle = ZoomRectangle::rectangle(dragStartX_, dragStartY_, mouse.x(), bitmapSize());
    const std::optional<MapView> view = ZoomRectangle::zoomedView(rectangle, zoomStack_.back(), Karte->size(), zoomStack_.front());
    if (!view) {
        removeDragRect();
        Karte->update();
        Dialogs::current().information(ErrorBox::programTitle, tr("zu großer Zoomfaktor"));
        return;
    }
    zoomStack_.push_back(*view);
    host_.showMercatorZoomOut(true);
    RedrawMap();
}

void TForm1::removeDragRect()
{
    if (dragRect_.isEmpty())
        return;
    picture().invertFocusRect(dragRect_);
    dragRect_ = QRect();
}

void TForm1::Zoom1Click()
{
    if (zoomStack_.size() <= 1)
        return;
    zoomStack_.pop_back();
    host_.showMercatorZoomOut(zoomStack_.size() > 1);
    RedrawMap();
}

void TForm1::setCrosshairWindow(const QWidget* crosshairWindow)
{
    crosshairWindow_ = crosshairWindow;
}
