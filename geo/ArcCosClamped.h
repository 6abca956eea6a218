#pragma once

// Arccosine in radians that accepts rounding errors beyond [-1, 1]: 0 at or above 1, pi at or
// below -1. Computed through an extended-precision arctangent, as every angle of the program is.
double arcCosClamped(double x);
