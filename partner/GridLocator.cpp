#include "partner/GridLocator.h"

#include "geo/CoordinateText.h"

#include <QRegularExpression>

std::optional<GeoPosition> GridLocator::centre(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^[A-R]{2}[0-9]{2}([A-X]{2})?$"));
    const QString locator = text.toUpper();
    if (!form.match(locator).hasMatch())
        return std::nullopt;
    GeoPosition position;
    if (locator.size() == 6) {
        locatorToPosition(locator, position.longitude, position.latitude);
        return position;
    }
    // Square: 20° fields and 2° squares of longitude, 10° and 1° of latitude; half a square on top.
    position.longitude = (locator[0].unicode() - 'A') * 20 - 180 + (locator[2].unicode() - '0') * 2 + 1.0;
    position.latitude = (locator[1].unicode() - 'A') * 10 - 90 + (locator[3].unicode() - '0') + 0.5;
    return position;
}
