#pragma once

#include <QString>

// Numbers as the windows show them: fixed-point, the system's decimal separator, no grouping of
// thousands (so the texts read back with parseDecimal).
class FixedPointText {
public:
    static QString format(double value, int decimals);
};
