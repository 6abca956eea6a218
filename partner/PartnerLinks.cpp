#include "partner/PartnerLinks.h"

#include "app/Basis.h"
#include "mercator/TForm2.h"
#include "partner/PartnerScripting.h"
#include "partner/PartnerText.h"
#include "partner/WsjtxLink.h"
#include "rotor/TForm6.h"
#include "settings/TForm3.h"

PartnerLinks::PartnerLinks()
    : wsjtxLink(new WsjtxLink(this)),
      scripting(new PartnerScripting([this](const QString& text) { return take(text); }, this))
{
    connect(wsjtxLink, &WsjtxLink::partnerSettled, this, [this](const QString& partner) { take(partner); });
    if (Form3)
        connect(Form3, &TForm3::wsjtxSettingsChanged, this, &PartnerLinks::relisten);
    if (Form2)
        connect(Form2, &TForm2::targetChanged, scripting, &PartnerScripting::announceTarget);
    // A second program on the bus keeps its name; this one then goes without the interface.
    scripting->registerOnSessionBus();
    relisten();
}

bool PartnerLinks::take(const QString& text)
{
    const auto partner = PartnerText(callsignTable).read(text);
    if (!partner || !Form6)
        return false;
    Form6->takePartner(*partner);
    return true;
}

void PartnerLinks::relisten()
{
    const WsjtxSettings settings = Form3 ? Form3->wsjtxSettings() : WsjtxSettings();
    const bool listening = wsjtxLink->listen(settings);
    if (Form3)
        Form3->showWsjtxState(settings.enabled, listening);
}
