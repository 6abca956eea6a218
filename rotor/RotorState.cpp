#include "rotor/RotorState.h"

RotorState rotorState;
