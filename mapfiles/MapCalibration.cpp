// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "mapfiles/MapCalibration.h"

#include "base/AppError.h"
#include "geo/CoordinateText.h"
#include "text/TextLines.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

namespace {

const QString hemispheres = QStringLiteral("ENSW");

AppError malformed(const QString& line, const QString& reason)
{
    return AppError(
        QCoreApplication::translate("MapCalibration", "Kalibrierzeile \"%1\" ist ungültig: %2").arg(line, reason));
}

// Cuts the text up to and including the first hemisphere letter off the front of rest.
QString takeValue(QString& rest, const QString& line)
{
    int letter = 0;
    while (letter < rest.size() && !hemispheres.contains(rest[letter]))
        ++letter;
    if (letter == rest.size())
        throw malformed(line, QCoreApplication::translate("MapCalibration", "weniger als zwei Himmelsrichtungen"));
    const QString value = rest.left(letter + 1);
    rest.remove(0, letter + 1);
    return value;
}

// "52.30N" -> "52.18": the letter goes, a "-" marks south or west, and the two decimals
// (hundredths of a degree) become whole minutes, cut toward zero.
QString degreeMinuteText(QString value, QChar negativeLetter, const QString& line)
{
    static const QRegularExpression number(QRegularExpression::anchoredPattern(QStringLiteral("-?[0-9]*\\.[0-9]{2,}")));
    if (value.contains(negativeLetter))
        value.prepend('-');
    value.chop(1);
    if (!number.match(value).hasMatch())
        throw malformed(
            line, QCoreApplication::translate("MapCalibration", "\"%1\" hat nicht zwei Nachkommastellen").arg(value));
    const int hundredths = value.right(2).toInt();
    value.chop(2);
    return value + QString::number(hundredths * 60 / 100);
}

} // namespace

void MapCalibration::ParseCornerLine(const QString& line, QString& longitudeText, QString& latitudeText)
{
    static const QRegularExpression unwanted(QStringLiteral("[^-.0-9ENSW]"));
    QString rest = line.toUpper().replace(',', '.').remove(unwanted);

    QString longitude, latitude;
    for (int i = 0; i < 2; ++i) {
        const QString value = takeValue(rest, line);
        while (rest.startsWith('.'))
            rest.remove(0, 1);
        const bool isLongitude = value.endsWith('E') || value.endsWith('W');
        QString& target = isLongitude ? longitude : latitude;
        if (!target.isEmpty())
            throw malformed(line, QCoreApplication::translate("MapCalibration", "zwei Werte derselben Art"));
        target = value;
    }
    longitudeText = degreeMinuteText(longitude, 'W', line);
    latitudeText = degreeMinuteText(latitude, 'S', line);
}

MapView MapCalibration::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(
            QCoreApplication::translate("MapCalibration", "Kalibrierdatei %1 kann nicht gelesen werden").arg(path));
    // CR LF, CR or LF end a line, as in the other data files.
    const QStringList lines = TextLines::split(QString::fromLatin1(file.readAll()));
    const QString first = lines.value(0);
    const QString second = lines.value(1);

    MapView view;
    QString longitude, latitude;
    ParseCornerLine(first, longitude, latitude);
    view.left = dmsTextToDegrees(longitude);
    view.top = dmsTextToDegrees(latitude);
    ParseCornerLine(second, longitude, latitude);
    view.right = dmsTextToDegrees(longitude);
    view.bottom = dmsTextToDegrees(latitude);
    return view;
}
