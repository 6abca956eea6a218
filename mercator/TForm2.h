#pragma once

#include <QWidget>

// The crosshair data window: describes the current target. Owns the crosshair colour.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    TForm2();

    void FormCreate();

    unsigned crosshairColor = 0xFFFFFF;  // Windows colour value 0x00BBGGRR
};

extern TForm2* Form2;
