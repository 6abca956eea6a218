#pragma once

#include <QWidget>

// The about card.
class TFormHelpAbout : public QWidget {
    Q_OBJECT
public:
    TFormHelpAbout();
};

extern TFormHelpAbout* FormHelpAbout;
