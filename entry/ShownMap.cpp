#include "entry/ShownMap.h"

#include "app/WindowPlace.h"
#include "beam/TForm10.h"
#include "mercator/TForm1.h"

bool ShownMap::mercator()
{
    return Form1 && Form1->mapShown();
}

bool ShownMap::beam()
{
    return Form10 && Form10->mapShown();
}

void ShownMap::redraw()
{
    if (mercator())
        Form1->RedrawMap();
    if (beam())
        Form10->RedrawBeamMap();
}

void ShownMap::restore(QWidget* window, const Place& place)
{
    if (mercator())
        WindowPlace::restore(window, {place.mercatorX, place.mercatorY});
    else
        WindowPlace::restore(window, {place.beamX, place.beamY});
}

void ShownMap::remember(const QWidget* window, const Place& place)
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
