#include "mercator/TForm1.h"

#include "app/Basis.h"
#include "app/ErrorBox.h"
#include "app/ImageWidget.h"
#include "app/SettingsFile.h"
#include "app/TFormA.h"
#include "app/WindowGeometry.h"
#include "entry/Positions.h"
#include "entry/TForm4.h"
#include "entry/TargetPoint.h"
#include "geo/CoordinateText.h"
#include "geo/MapTransforms.h"
#include "mercator/CursorReadout.h"
#include "mercator/LocatorGrid.h"
#include "mercator/MapCatalogue.h"
#include "mercator/MercatorPicture.h"
#include "mercator/TForm2.h"
#include "mercator/ZoomRectangle.h"
#include "platform/Dialogs.h"
#include "platform/WindowsColor.h"
#include "rotor/RotorState.h"
#include "settings/TForm3.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <cmath>

TForm1* Form1 = nullptr;

namespace {

const QString mercator = QStringLiteral("Mercator");
const QString defaultMapName = QStringLiteral("Welt");  // the world map, present in every Karten folder
constexpr double redrawAnyDirection = -1000;  // mercatorLineDirection that forces the next draw

QString kartenFolder()
{
    return dataFolder + QStringLiteral("Karten/");
}

// True when exactly these buttons and these of Shift, Alt and Ctrl are held.
bool heldExactly(const QMouseEvent* event, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    const Qt::KeyboardModifiers watched = Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier;
    return event->buttons() == buttons && (event->modifiers() & watched) == keys;
}

} // namespace

TForm1::TForm1()
{
    Form1 = this;
    setWindowFlags(Qt::FramelessWindowHint);
    Karte = new ImageWidget(this);
    Karte->setObjectName(QStringLiteral("Karte"));
    MouseMoveTimer = new QTimer(this);
    MouseMoveTimer->setInterval(400);
    MouseMoveTimer->setSingleShot(true);
    connect(MouseMoveTimer, &QTimer::timeout, this, [this] { ErrorBox::guard([this] { MouseMoveTimerTimer(); }); });
    connect(Karte, &ImageWidget::mouseMoved, this, [this](QMouseEvent* e) { ErrorBox::guard([&] { KarteMouseMove(e); }); });
    connect(Karte, &ImageWidget::mousePressed, this, [this](QMouseEvent* e) { ErrorBox::guard([&] { KarteMouseDown(e); }); });
    connect(Karte, &ImageWidget::mouseReleased, this, [this](QMouseEvent* e) { ErrorBox::guard([&] { KarteMouseUp(e); }); });
    ErrorBox::guard([this] { FormCreate(); });
}

void TForm1::FormCreate()
{
    target = {};
    drawState.mercatorLineDrawn = false;

    Karte->createScreenSurface();
    Karte->resize(WindowGeometry::onScreen(0, 0, IniFile->readInteger(mercator, QStringLiteral("Breit"), 600),
                                           IniFile->readInteger(mercator, QStringLiteral("Hoch"), 300)).size());

    ownPosition.longitude = parseDecimal(IniFile->readString(QStringLiteral("Locator"), QStringLiteral("U_Länge"), QStringLiteral("0")));
    ownPosition.latitude = parseDecimal(IniFile->readString(QStringLiteral("Locator"), QStringLiteral("U_Breite"), QStringLiteral("0")));

    wantedMapName_ = MapCatalogue::spelledAsInFolder(
        kartenFolder(), IniFile->readString(mercator, QStringLiteral("aktuelle Karte"), defaultMapName));
    LocatorPos_X = IniFile->readInteger(mercator, QStringLiteral("LocatorPos_X"), 5);
    LocatorPos_Y = IniFile->readInteger(mercator, QStringLiteral("LocatorPos_Y"), 350);
    FadenkreuzAnzeigePos_X = IniFile->readInteger(mercator, QStringLiteral("FadenkreuzAnzeigePos_X"), 5);
    FadenkreuzAnzeigePos_Y = IniFile->readInteger(mercator, QStringLiteral("FadenkreuzAnzeigePos_Y"), 350);
    // A hand-edited size beyond any sensible dot would make every redraw take seconds.
    const int markerSize = IniFile->readInteger(QStringLiteral("Parameter"), QStringLiteral("Anzeige Staedte/Inseln Durchmesser"), cityMarkerSize);
    if (markerSize >= 0 && markerSize <= maxCityMarkerSize)
        cityMarkerSize = markerSize;
    const bool mercatorShown = IniFile->readBool(QStringLiteral("Main"), QStringLiteral("Mercatorkarte"), true);

    // A broken map pair is reported; a stored map that cannot be loaded gives way to the world
    // map rather than an empty window. Without either the window still takes its place, so that
    // another map can be chosen from the menu.
    ErrorBox::guard([this] { LoadMap(wantedMapName_); });
    if (currentMapName.isEmpty() && wantedMapName_ != defaultMapName) {
        ErrorBox::guard([this] { LoadMap(defaultMapName); });
        showingFallback_ = !currentMapName.isEmpty();
    }
    buildMapMenu(currentMapName.isEmpty() ? wantedMapName_ : currentMapName);
    mapStartup = false;

    Karte->setParent(FormA->clientArea());
    Karte->move(0, 0);
    Karte->setVisible(mercatorShown);
    resize(FormA->clientWidth(), FormA->clientHeight());
    move(0, 0);
    if (FormA->isStayOnTop())
        FormA->StayOnTop1->setChecked(true);
}

void TForm1::FormDestroy()
{
    IniFile->writeInteger(mercator, QStringLiteral("Hoch"), Karte->height());
    IniFile->writeInteger(mercator, QStringLiteral("Breit"), Karte->width());
    // Without a loaded map, or with the world map shown only in place of the stored one, the choice
    // read at start is kept, so a map missing once is tried again next time.
    const bool keepStored = currentMapName.isEmpty() || (showingFallback_ && currentMapName == defaultMapName);
    IniFile->writeString(mercator, QStringLiteral("aktuelle Karte"), keepStored ? wantedMapName_ : currentMapName);
    IniFile->writeInteger(mercator, QStringLiteral("LocatorPos_X"), LocatorPos_X);
    IniFile->writeInteger(mercator, QStringLiteral("LocatorPos_Y"), LocatorPos_Y);
    IniFile->writeInteger(mercator, QStringLiteral("FadenkreuzAnzeigePos_X"), FadenkreuzAnzeigePos_X);
    IniFile->writeInteger(mercator, QStringLiteral("FadenkreuzAnzeigePos_Y"), FadenkreuzAnzeigePos_Y);
}

// ---- Map catalogue --------------------------------------------------------------------------

void TForm1::buildMapMenu(const QString& wantedName)
{
    int number = 0;
    for (const QString& caption : MapCatalogue::menuCaptions(kartenFolder())) {
        QAction* item = FormA->Karten1->addAction(caption);
        item->setObjectName(QStringLiteral("K%1").arg(++number));
        item->setCheckable(true);
        item->setChecked(caption == wantedName);
        connect(item, &QAction::triggered, this, [this, item] { ErrorBox::guard([&] { KartenwahlClick(item); }); });
    }
}

void TForm1::KartenwahlClick(QAction* sender)
{
    const QString name = sender->objectName();
    if (name.size() < 2 || !name[1].isDigit())
        return;
    QAction* chosen = nullptr;
    for (QAction* item : FormA->Karten1->actions()) {
        item->setChecked(false);
        if (!chosen && item->objectName() == name)
            chosen = item;
    }
    chosen->setChecked(true);
    showingFallback_ = false;
    LoadMap(chosen->text().remove(u'&'));
}

void TForm1::LoadMap(const QString& name)
{
    if (name == currentMapName)
        return;
    std::optional<MapCatalogue::Map> map = MapCatalogue::read(kartenFolder(), name);
    if (!map)
        return;
    mapBitmap = std::move(map->bitmap);
    currentMapName = name;
    zoomStack.assign(1, map->whole);
    FormA->ZoomMercator->setVisible(false);
    if (!mapStartup)
        RedrawMap();
}

// ---- Drawing --------------------------------------------------------------------------------

MercatorPicture TForm1::picture()
{
    return MercatorPicture(Karte->canvas(), Karte->size(), zoomStack.back());
}

bool TForm1::mapShown() const
{
    return !Karte->isHidden();
}

void TForm1::redrawIfShown()
{
    if (mapShown())
        RedrawMap();
}

void TForm1::RedrawMap()
{
    if (!hasMapBitmap() || zoomStack.empty())
        return;
    MapLayers layers;
    layers.bitmap = &mapBitmap;
    layers.whole = zoomStack.front();
    if (Form3 && Form3->citiesShown() == TForm3::OnOff::on)
        layers.cities = &cityTable;
    layers.markerSize = cityMarkerSize;
    layers.gridLevel = Form3 ? Form3->locatorGrid() : LocatorGrid::none;
    layers.targetShown = Form2 && Form2->isVisible();
    layers.own = ownPosition;
    layers.target = target;
    if (Form2)
        layers.crosshairColour = WindowsColor::toQColor(Form2->crosshairColor);
    picture().paintMap(layers);
    dragRect = QRect();  // the copy has painted over any zoom rectangle
    drawState.mercatorLineDrawn = false;
    drawState.mercatorLineDirection = redrawAnyDirection;
    DrawDirectionLine();
    Karte->update();
}

void TForm1::DrawDirectionLine()
{
    const double direction = rotorState.rotorAzimuth + azimuthDisplayOffset;  // degrees
    if (std::fabs(drawState.mercatorLineDirection - direction) < 1 || rotorState.rotorAzimuth == RotorState::noStatus
        || (ownPosition.latitude == 0 && ownPosition.longitude == 0) || zoomStack.empty())
        return;
    EraseDirectionLine();
    drawState.mercatorLineDirection = direction;
    SampleGreatCircle(MercatorPicture::halfTurnDirection(direction), ownPosition.latitude, ownPosition.longitude, drawState.directionLine);
    picture().invertCircle(ownPosition, drawState.directionLine);
    drawState.mercatorLineDrawn = true;
    drawState.drawnDirectionLine = drawState.directionLine;
    drawnLineStart_ = ownPosition;
    Karte->update();
}

void TForm1::EraseDirectionLine()
{
    if (!drawState.mercatorLineDrawn || zoomStack.empty())
        return;
    // From where the line was drawn, so a moved own station cannot leave pixels inverted.
    picture().invertCircle(drawnLineStart_, drawState.drawnDirectionLine);
    drawState.mercatorLineDrawn = false;
    Karte->update();
}

// ---- Mouse and zoom -------------------------------------------------------------------------

void TForm1::KarteMouseMove(QMouseEvent* event)
{
    if (zoomStack.empty())
        return;
    if (heldExactly(event, Qt::LeftButton, Qt::ShiftModifier) || heldExactly(event, Qt::LeftButton, Qt::AltModifier)
        || heldExactly(event, Qt::LeftButton, Qt::ControlModifier))
        return;
    const QPoint mouse = event->position().toPoint();
    FormA->P_Cursor->move(CursorReadout::panelPlace(mouse, FormA->P_Cursor->size(), Karte->size()));
    cursorLon = viewXToLon(zoomStack.back(), Karte->width(), mouse.x());
    cursorLat = viewYToLat(zoomStack.back(), Karte->height(), mouse.y());

    const bool leftDrag = heldExactly(event, Qt::LeftButton);
    if (!leftDrag && !heldExactly(event, Qt::RightButton))
        showCursorPanel();

    if (mouse.x() != dragStartX && mouse.y() != dragStartY && leftDrag) {
        const QRect rectangle = ZoomRectangle::rectangle(dragStartX, dragStartY, mouse.x(), mapBitmap.size());
        removeDragRect();
        picture().invertFocusRect(rectangle);
        dragRect = rectangle;
        Karte->update();
    }
}

void TForm1::showCursorPanel()
{
    if (Form3 && Form3->mousePositionShown() == TForm3::OnOff::on) {
        MouseMoveTimer->start();  // restarts the 400 ms
        FormA->P_Cursor->raise();
        FormA->P_Cursor->show();
    }
    const double longitude = static_cast<double>(cursorLon), latitude = static_cast<double>(cursorLat);
    QString country, prefix;
    FormA->lookupCountry(longitude, latitude, country, prefix);
    const CursorReadout::Lines lines = CursorReadout::lines(ownPosition, longitude, latitude, country);
    FormA->showCursorLines(lines.position, lines.distance, lines.bearing, lines.country);
}

void TForm1::MouseMoveTimerTimer()
{
    FormA->P_Cursor->hide();
    MouseMoveTimer->stop();
}

void TForm1::KarteMouseDown(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        Zoom1Click();
        return;
    }
    dragStartX = int(event->position().x());
    dragStartY = int(event->position().y());
    dragRect = QRect();
}

void TForm1::KarteMouseUp(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || zoomStack.empty())
        return;
    const QPoint mouse = event->position().toPoint();
    if (std::abs(dragStartX - mouse.x()) < ImageWidget::screenSize().width() / 20) {
        // A click: the point becomes the target; the rotor turns only when the user says so.
        const MapView& view = zoomStack.back();
        target = TargetPoint::seenFrom(ownPosition, static_cast<double>(viewXToLon(view, Karte->width(), mouse.x())),
                                       static_cast<double>(viewYToLat(view, Karte->height(), mouse.y())));
        if (Form2)
            Form2->ShowTargetData();
        RedrawMap();
        if (Form4)
            Form4->hide();
        return;
    }
    const QRect rectangle = ZoomRectangle::rectangle(dragStartX, dragStartY, mouse.x(), mapBitmap.size());
    const std::optional<MapView> view = ZoomRectangle::zoomedView(rectangle, zoomStack.back(), Karte->size(), zoomStack.front());
    if (!view) {
        removeDragRect();
        Karte->update();
        Dialogs::current().information(ErrorBox::programTitle, QStringLiteral("zu großer Zoomfaktor"));
        return;
    }
    zoomStack.push_back(*view);
    FormA->ZoomMercator->setVisible(true);
    RedrawMap();
}

void TForm1::removeDragRect()
{
    if (dragRect.isEmpty())
        return;
    picture().invertFocusRect(dragRect);
    dragRect = QRect();
}

void TForm1::Zoom1Click()
{
    if (zoomStack.size() <= 1)
        return;
    zoomStack.pop_back();
    FormA->ZoomMercator->setVisible(zoomStack.size() > 1);
    RedrawMap();
}
