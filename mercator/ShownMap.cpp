#include "mercator/ShownMap.h"

#include "beam/TForm10.h"
#include "mercator/TForm1.h"
#include "widgets/WindowPlace.h"

bool ShownMap::mercator()
{
    return Form1 && Form1->mapShown();
}

bool ShownMap::beam()
{
    return Form10 && Form10->mapShown();
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

void ShownMap::restoreOnSwitch(QWidget* window, const std::function<Place()>& place)
{
    const auto restorePlace = [window, place] { restore(window, place()); };
    if (Form1)
        QObject::connect(Form1, &TForm1::mapChosen, window, restorePlace);
    if (Form10)
        QObject::connect(Form10, &TForm10::mapChosen, window, restorePlace);
}
