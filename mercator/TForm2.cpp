#include "mercator/TForm2.h"

#include "app/Basis.h"
#include "app/ImageWidget.h"
#include "app/SettingsFile.h"
#include "beam/TForm10.h"
#include "mercator/TForm1.h"

TForm2* Form2 = nullptr;

TForm2::TForm2()
{
    Form2 = this;
    setWindowTitle(QStringLiteral("Fadenkreuzdaten"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    FormCreate();
}

void TForm2::FormCreate()
{
    if (!Form1->Karte->isHidden())
        move(Form1->FadenkreuzAnzeigePos_X, Form1->FadenkreuzAnzeigePos_Y);
    else
        move(Form10->crosshairPosX, Form10->crosshairPosY);
    crosshairColor = unsigned(IniFile->readInteger(QStringLiteral("Main"), QStringLiteral("Fadenkreuzfarbe"), 0xFFFFFF));
}
