#pragma once

#include <QString>
#include <QWidget>

// The position entry window: own and partner position as locator, decimal and degree texts.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    TForm4();

    void FormCreate();
    void FormDestroy();

    QString ownLongitudeText = QStringLiteral("0");  // decimal degrees east, as shown
    QString ownLatitudeText = QStringLiteral("0");   // decimal degrees north, as shown
};

extern TForm4* Form4;
