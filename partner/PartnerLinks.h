#pragma once

#include <QObject>
#include <QString>

class PartnerScripting;
class WsjtxLink;

// The inputs that name a partner from outside: the WSJT-X / JTDX link and the partner interface
// on the session bus. Both hand the partner to the rotor panel, which sets it as the target as
// if its locator had been typed there. Created after the windows, destroyed before them.
class PartnerLinks : public QObject {
    Q_OBJECT
public:
    PartnerLinks();

    // Sets the partner named by the text (locator, coordinates or callsign) through the rotor
    // panel; false when the text names no place.
    bool take(const QString& text);
    // Listens again as the parameter window's WSJT-X group now says.
    void relisten();

    WsjtxLink* wsjtxLink = nullptr;
    PartnerScripting* scripting = nullptr;
};
