#pragma once

#include <QWidget>

// The directions list: fixed stations with their azimuth and elevation.
class TForm7 : public QWidget {
    Q_OBJECT
public:
    TForm7();

    // Reloads the list from the rotor program's folder; called by the rotor link on every attempt.
    void LoadDirections();
};

extern TForm7* Form7;
