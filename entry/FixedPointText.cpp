#include "entry/FixedPointText.h"

#include <QLocale>

QString FixedPointText::format(double value, int decimals)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}
