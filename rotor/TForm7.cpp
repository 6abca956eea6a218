#include "rotor/TForm7.h"

TForm7* Form7 = nullptr;

TForm7::TForm7()
{
    Form7 = this;
    setWindowTitle(QStringLiteral("Feststationen"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
}

void TForm7::LoadDirections()
{
}
