#include "rotor/TForm6.h"

#include "app/TFormA.h"

TForm6* Form6 = nullptr;

TForm6::TForm6()
{
    Form6 = this;
    FormCreate();
}

void TForm6::FormCreate()
{
    setParent(FormA->clientArea());
    hide();
}

void TForm6::UpdateRotorDisplay()
{
}
