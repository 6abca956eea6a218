#include "readout/CursorReadout.h"

#include "text/FixedPointText.h"
#include "geo/CoordinateText.h"
#include "geo/GreatCircle.h"
#include "base/Rounding.h"

#include <cmath>

CursorReadout::Lines CursorReadout::lines(const GeoPosition& own, double longitude, double latitude,
                                          const QString& countryName)
{
    Lines lines;
    lines.position = FixedPointText::format(std::fabs(longitude), 2)
                     + (longitude >= 0 ? QStringLiteral("°O ") : QStringLiteral("°W "))
                     + FixedPointText::format(std::fabs(latitude), 2)
                     + (latitude >= 0 ? QStringLiteral("°N ") : QStringLiteral("°S "))
                     + positionToLocator(longitude, latitude);
    const double distance = static_cast<double>(greatCircleDistance(own.latitude, own.longitude, latitude, longitude));
    lines.distance = QStringLiteral("Entfernung: ") + FixedPointText::format(distance, 1) + QStringLiteral("Km");
    const double bearing = greatCircleBearing(own.latitude, own.longitude, latitude, longitude);
    lines.bearing = QStringLiteral("Antennenwinkel: ") + QString::number(roundHalfEven(bearing)) + QStringLiteral("°");
    lines.country = countryName;
    return lines;
}

QPoint CursorReadout::panelPlace(QPoint mouse, QSize panel, QSize image)
{
    const int gap = 10;  // pixels between mouse and panel
    const int top = mouse.y() + panel.height() + gap > image.height() ? mouse.y() - panel.height() - gap : mouse.y() + gap;
    const int left = mouse.x() + panel.width() + gap > image.width() ? mouse.x() - panel.width() - gap : mouse.x() + gap;
    return {left, top};
}
