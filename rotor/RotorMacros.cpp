// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/RotorMacros.h"

#include "base/AppError.h"
#include "base/Rounding.h"
#include "session/RotorState.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

const QString crLf = QStringLiteral("\r\n");
const QString helloPrefix = QStringLiteral("ZD ");
constexpr int minimumStatusLines = 7;

} // namespace

QString RotorMacros::text(const QStringList& lines)
{
    QString result;
    for (const QString& line : lines)
        result += line + crLf;
    return result;
}

QStringList RotorMacros::lines(const QString& text)
{
    const int nul = text.indexOf(QChar(0));
    const QString body = nul >= 0 ? text.left(nul) : text;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList result = body.split(lineBreak);
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}

QString RotorMacros::applicationTitle(const QString& executablePath)
{
    const QString name = QFileInfo(executablePath).fileName();
    const QString base = name.left(name.indexOf(u'.'));
    return base.left(1) + base.mid(1).toLower();
}

QStringList RotorMacros::helloLines(const QString& title)
{
    return {helloPrefix + title};
}

std::optional<QString> RotorMacros::helloTitle(const QStringList& lines)
{
    if (lines.isEmpty() || !lines.first().startsWith(helloPrefix))
        return std::nullopt;
    return lines.first().mid(helloPrefix.size());
}

int RotorMacros::tenths(double degrees)
{
    const double scaled = degrees * 10;
    if (!std::isfinite(scaled) || scaled < double(INT_MIN) || scaled > double(INT_MAX))
        throw AppError(QCoreApplication::translate("RotorMacros", "'%1' ist kein gültiger Integerwert").arg(scaled));
    return roundHalfEven(scaled);
}

QStringList RotorMacros::targetLines(double azimuth, double elevation)
{
    return {QString::number(tenths(azimuth)), QString::number(tenths(elevation)), QStringLiteral("0")};
}

std::optional<RotorMacros::Target> RotorMacros::parseTarget(const QStringList& lines)
{
    if (lines.size() < 2)
        return std::nullopt;
    const auto azimuth = parseInteger(lines[0]);
    const auto elevation = parseInteger(lines[1]);
    if (!azimuth || !elevation)
        return std::nullopt;
    return Target{*azimuth / 10.0, *elevation / 10.0};
}

QStringList RotorMacros::statusLines(const Status& status)
{
    const QString zero = QStringLiteral("0");
    QStringList lines{QString::number(tenths(status.azimuth)), QString::number(tenths(status.elevation)),
                      QString::number(status.motion), zero, zero, status.positionRead ? QStringLiteral("1") : zero, zero,
                      QString::number(status.minAzimuth), QString::number(status.maxAzimuth), QStringLiteral("1")};
    if (status.goalAzimuth || status.goalCount > 0)
        lines << QString::number(tenths(status.goalAzimuth.value_or(RotorState::noReadingAzimuth)))
              << QString::number(status.goalCount);
    return lines;
}

std::optional<int> RotorMacros::parseInteger(const QString& line)
{
    bool ok = false;
    const int value = line.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

RotorMacros::StatusResult RotorMacros::parseStatus(const QStringList& lines, RotorState& state)
{
    if (lines.size() < minimumStatusLines)
        return StatusResult::Ignored;
    // Parsed into a copy first: a status whose travel ends come out in the wrong order is
    // ignored whole, since every rule of motion reads them as left end <= right end.
    RotorState parsed = state;
    const auto store = [&](StatusResult result) {
        if (parsed.rotorMinAzimuth > parsed.rotorMaxAzimuth)
            return StatusResult::Ignored;
        state = parsed;
        return result;
    };
    // Line 10 is a flag that nothing here acts on; lines 11 and 12, the goal, are taken only as a
    // pair of integers, since older rotor programs may send anything after line 10.
    if (lines.size() >= 12) {
        const auto goal = parseInteger(lines[10]);
        const auto count = parseInteger(lines[11]);
        if (goal && count) {
            parsed.rotorGoalAzimuth = *goal / 10.0;
            if (*parsed.rotorGoalAzimuth == RotorState::noReadingAzimuth)
                parsed.rotorGoalAzimuth.reset();
            parsed.rotorGoalCount = *count;
        }
    }
    const int fieldCount = std::min<int>(lines.size(), 9);
    for (int i = 0; i < fieldCount; ++i) {
        const auto value = parseInteger(lines[i]);
        if (!value)
            return store(StatusResult::Stopped);
        switch (i) {
        case 0:
            parsed.rotorAzimuth = *value / 10.0;
            if (*parsed.rotorAzimuth == RotorState::noReadingAzimuth)
                parsed.rotorAzimuth.reset();
            break;
        case 1: parsed.rotorElevation = *value / 10.0; break;
        case 2: parsed.rotorMotion = *value; break;
        case 3: parsed.rotorStatus4 = *value; break;
        case 4: parsed.rotorStatus5 = *value; break;
        case 5: parsed.rotorStatus6 = *value; break;
        case 6: parsed.rotorStatus7 = *value; break;
        case 7: parsed.rotorMinAzimuth = *value; break;
        case 8: parsed.rotorMaxAzimuth = *value; break;
        }
    }
    return store(StatusResult::Complete);
}
