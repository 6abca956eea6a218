#pragma once

#include <QWidget>

// The directions list: fixed stations with their azimuth and elevation.
class TForm7 : public QWidget {
    Q_OBJECT
public:
    TForm7();
};

extern TForm7* Form7;
