#include "rotor/TF_Rotor.h"

#include "rotor/RotorState.h"

TF_Rotor* F_Rotor = nullptr;

TF_Rotor::TF_Rotor()
{
    F_Rotor = this;
    FormCreate();
}

void TF_Rotor::FormCreate()
{
    rotorState = RotorState();
}

void TF_Rotor::FormDestroy()
{
}
