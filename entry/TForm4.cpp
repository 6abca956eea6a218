#include "entry/TForm4.h"

#include "app/Basis.h"
#include "app/SettingsFile.h"

TForm4* Form4 = nullptr;

namespace {
const QString locator = QStringLiteral("Locator");
}

TForm4::TForm4()
{
    Form4 = this;
    setWindowTitle(QStringLiteral("Locator"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    FormCreate();
}

void TForm4::FormCreate()
{
    ownLongitudeText = IniFile->readString(locator, QStringLiteral("U_Länge"), QStringLiteral("0"));
    ownLatitudeText = IniFile->readString(locator, QStringLiteral("U_Breite"), QStringLiteral("0"));
}

void TForm4::FormDestroy()
{
    IniFile->writeString(locator, QStringLiteral("U_Länge"), ownLongitudeText);
    IniFile->writeString(locator, QStringLiteral("U_Breite"), ownLatitudeText);
}
