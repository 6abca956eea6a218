// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/ParameterRules.h"

#include "base/AppError.h"
#include "settings/ParameterSettings.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

std::optional<double> ParameterRules::readLocaleNumber(const QString& text)
{
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

std::optional<double> ParameterRules::readPointDecimal(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);  // C format: point separator, no group separators
    // "nan" and "inf" parse, but are no angle: they would stop every rotor target from going out.
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

int ParameterRules::toInteger(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        throw AppError(QCoreApplication::translate("ParameterRules", "'%1' ist kein gültiger Integerwert").arg(text));
    return value;
}

ParameterRules::FieldValue ParameterRules::elevationSetting(const QString& stored)
{
    if (const auto value = readLocaleNumber(stored))
        return {stored, *value};
    return {QStringLiteral("3"), 3};
}

ParameterRules::FieldValue ParameterRules::overlapSetting(const QString& stored)
{
    if (const auto value = readLocaleNumber(stored))
        return {stored, *value};
    return {QStringLiteral("0"), 0};
}

ParameterRules::FieldValue ParameterRules::displayOffsetSetting(const QString& text)
{
    if (const auto value = readPointDecimal(text))
        return {text, *value};
    return {QString(), 0};
}

bool ParameterRules::isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool ParameterRules::keepsKey(int key, const QString& text, bool controlHeld)
{
    if (key == Qt::Key_Backspace || isEnter(key))
        return true;
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return true;  // moves the focus, types nothing
    if (controlHeld && key >= Qt::Key_A && key <= Qt::Key_Z)
        return false;  // Ctrl+V, Ctrl+X and the like would change the text past the filter
    if (text.isEmpty())
        return true;
    return text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9';
}

bool ParameterRules::acceptsCircleSpacing(const QString& text)
{
    if (text.size() <= 2)
        return false;
    bool ok = false;
    const int km = text.toInt(&ok, 10);
    return ok && km >= minCircleSpacingKm;
}

bool ParameterRules::acceptsOpeningAngle(const QString& text)
{
    bool ok = false;
    const int degrees = text.toInt(&ok);
    return ok && !text.contains(u'+') && !text.contains(u'-') && degrees >= 0 && degrees <= ParameterSettings::maxOpeningAngle;
}

bool ParameterRules::acceptsMarkerSize(const QString& text)
{
    return !text.isEmpty() && text.at(0) >= u'2' && text.at(0) <= u'9';
}
