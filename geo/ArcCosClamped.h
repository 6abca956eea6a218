// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

// Arccosine in radians that accepts rounding errors beyond [-1, 1]: 0 at or above 1, pi at or
// below -1. Computed through an extended-precision arctangent, as every angle of the program is.
double arcCosClamped(double x);
