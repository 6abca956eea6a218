#include "help/TFormHilfe.h"

#include "app/Basis.h"
#include "app/SettingsFile.h"

TFormHilfe* FormHilfe = nullptr;

namespace {
const QString hilfe = QStringLiteral("Hilfe");
}

TFormHilfe::TFormHilfe()
{
    FormHilfe = this;
    setWindowTitle(QStringLiteral("Hilfe"));
    FormCreate();
}

void TFormHilfe::FormCreate()
{
    setGeometry(IniFile->readInteger(hilfe, QStringLiteral("Links"), 100), IniFile->readInteger(hilfe, QStringLiteral("Top"), 75),
                IniFile->readInteger(hilfe, QStringLiteral("Breite"), 850), IniFile->readInteger(hilfe, QStringLiteral("Höhe"), 600));
}

void TFormHilfe::FormDestroy()
{
    const QRect bounds = geometry();
    IniFile->writeInteger(hilfe, QStringLiteral("Top"), bounds.top());
    IniFile->writeInteger(hilfe, QStringLiteral("Links"), bounds.left());
    IniFile->writeInteger(hilfe, QStringLiteral("Breite"), bounds.width());
    IniFile->writeInteger(hilfe, QStringLiteral("Höhe"), bounds.height());
}

void TFormHilfe::ShowHelp(const QString&, const QString&)
{
    show();
    raise();
}
