#include "mercator/ShownMap.h"

#include "beam/TForm10.h"
#include "mercator/TForm1.h"
#include "widgets/WindowPlace.h"

ShownMap::ShownMap(const TForm1* mercatorWindow, const TForm10* beamWindow)
    : mercatorWindow_(mercatorWindow), beamWindow_(beamWindow)
{
}

bool ShownMap::mercator() const
{
    return mercatorWindow_ && mercatorWindow_->mapShown();
}

bool ShownMap::beam() const
{
    return beamWindow_ && beamWindow_->mapShown();
}

void ShownMap::restore(QWidget* window, const Place& place) const
{
    if (mercator())
        WindowPlace::restore(window, {place.mercatorX, place.mercatorY});
    else
        WindowPlace::restore(window, {place.beamX, place.beamY});
}

void ShownMap::remember(const QWidget* window, const Place& place) const
{
    const QPoint at = WindowPlace::of(window);
    if (mercator()) {
        place.mercatorX = at.x();
        place.mercatorY = at.y();
    }
    if (beam()) {
        place.beamX = at.x();
        place.beamY = at.y();
    }
}

void ShownMap::restoreOnSwitch(QWidget* window, const std::function<Place()>& place) const
{
    const auto restorePlace = [shown = *this, window, place] { shown.restore(window, place()); };
    if (mercatorWindow_)
        QObject::connect(mercatorWindow_, &TForm1::mapChosen, window, restorePlace);
    if (beamWindow_)
        QObject::connect(beamWindow_, &TForm10::mapChosen, window, restorePlace);
}
