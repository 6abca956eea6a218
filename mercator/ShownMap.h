#pragma once

#include <functional>

class QWidget;

// The map now shown in the main window (exactly one of the Mercator and the beam image), for the
// tool windows that remember their place separately for each map.
class ShownMap {
public:
    static bool mercator();
    static bool beam();

    // A tool window's screen position, pixels, kept in one pair per map.
    struct Place {
        int& mercatorX;
        int& mercatorY;
        int& beamX;
        int& beamY;
    };
    // Moves the window to the place kept for the shown map.
    static void restore(QWidget* window, const Place& place);
    // Copies the window's position into the pair of every visible map image.
    static void remember(const QWidget* window, const Place& place);
    // Restores the window's place whenever the main window switches to the other map.
    static void restoreOnSwitch(QWidget* window, const std::function<Place()>& place);
};
