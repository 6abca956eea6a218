#include "text/FixedPointText.h"

#include <QLocale>

QString FixedPointText::format(double value, int decimals)
{
    // The formatting locale is made once per default locale: making one and setting its options
    // costs more than the formatting, and the mouse read-out formats three numbers per move.
    thread_local QLocale shownFor = QLocale::c();
    thread_local QLocale formatting = QLocale::c();
    const QLocale current;
    if (!(current == shownFor)) {
        shownFor = current;
        formatting = current;
        formatting.setNumberOptions(QLocale::OmitGroupSeparator);
    }
    return formatting.toString(value, 'f', decimals);
}
