#pragma once

#include <QWidget>

// The rotor link window: holds the link to the rotor-control program. Never shown.
class TF_Rotor : public QWidget {
    Q_OBJECT
public:
    TF_Rotor();

    void FormCreate();
    void FormDestroy();
};

extern TF_Rotor* F_Rotor;
