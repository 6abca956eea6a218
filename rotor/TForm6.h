#pragma once

#include <QWidget>

// The rotor panel: a borderless child at the bottom centre of the main window's client area.
class TForm6 : public QWidget {
    Q_OBJECT
public:
    TForm6();

    void FormCreate();
    // Shows the rotor program's latest status; called by the rotor link after every status.
    void UpdateRotorDisplay();
    int clientHeight() const { return height() - 2 * borderWidth(); }
    int borderWidth() const { return 0; }  // pixels; the panel has no border
};

extern TForm6* Form6;
