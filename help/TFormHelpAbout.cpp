#include "help/TFormHelpAbout.h"

TFormHelpAbout* FormHelpAbout = nullptr;

TFormHelpAbout::TFormHelpAbout()
{
    FormHelpAbout = this;
    setWindowTitle(QStringLiteral("About"));
}
