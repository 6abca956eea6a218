#pragma once

#include <QString>
#include <QWidget>

// The parameter window: display and rotor options, loaded from and saved to section "Parameter".
class TForm3 : public QWidget {
    Q_OBJECT
public:
    TForm3();

    void FormCreate();
    void FormDestroy();

    int mouseDisplayIndex = 1;     // 0 on, 1 off
    int cityMarkersIndex = 1;      // 0 on, 1 off
    int locatorGridIndex = 1;      // 0 none .. 3 subsquares
    bool elevationAtStart = false;
    QString elevationText = QStringLiteral("3");
    QString overlapText = QStringLiteral("15");
    QString displayOffsetText;
    bool rotorStartAtOnce = true;
    bool optimisedPath = true;
};

extern TForm3* Form3;
// Rotor overlap beyond the 360 degrees of one turn, degrees.
extern double overlapAngle;
// Basic setting of the elevation rotor, degrees.
extern double elevationDefault;
