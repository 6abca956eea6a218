#pragma once

#include <functional>

class QWidget;
class TForm1;
class TForm10;

// The map now shown in the main window (exactly one of the Mercator and the beam image), for the
// tool windows that remember their place separately for each map.
class ShownMap {
public:
    // Either window may be missing (its creation failed); its map then counts as not shown.
    ShownMap(const TForm1* mercatorWindow, const TForm10* beamWindow);

    bool mercator() const;
    bool beam() const;

    // A tool window's screen position, pixels, kept in one pair per map.
    struct Place {
        int& mercatorX;
        int& mercatorY;
        int& beamX;
        int& beamY;
    };
    // Moves the window to the place kept for the shown map.
    void restore(QWidget* window, const Place& place) const;
    // Copies the window's position into the pair of every visible map image.
    void remember(const QWidget* window, const Place& place) const;
    // Restores the window's place whenever the main window switches to the other map.
    void restoreOnSwitch(QWidget* window, const std::function<Place()>& place) const;

private:
    const TForm1* mercatorWindow_;
    const TForm10* beamWindow_;
};
