// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/ParameterSettings.h"

#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"
#include "settings/ParameterRules.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

namespace parameterKeys = SettingsKeys::Parameter;
namespace clusterKeys = SettingsKeys::DxCluster;

constexpr int locatorGridLevels = 4;  // none, fields, squares, subsquares

// A stored choice of n items: below 0 selects none, above the last the last, as the window's
// radio groups take it.
int storedChoice(int index, int count)
{
    return index < 0 ? -1 : std::min(index, count - 1);
}

} // namespace

bool ParameterSettings::Cluster::operator==(const Cluster& other) const
{
    return host == other.host && port == other.port && call == other.call;
}

ParameterSettings::ParameterSettings() = default;

int ParameterSettings::indexOf(OnOff choice)
{
    return choice == OnOff::on ? 0 : choice == OnOff::off ? 1 : -1;
}

ParameterSettings::OnOff ParameterSettings::onOffAt(int index)
{
    return index == 0 ? OnOff::on : index == 1 ? OnOff::off : OnOff::none;
}

void ParameterSettings::read(const SettingsFile& file)
{
    const auto readInteger = [&file](const QString& key, int defaultValue) {
        return file.readInteger(parameterKeys::section, key, defaultValue);
    };
    const auto readBool = [&file](const QString& key, bool defaultValue) {
        return file.readBool(parameterKeys::section, key, defaultValue);
    };
    const auto readString = [&file](const QString& key, const QString& defaultValue) {
        return file.readString(parameterKeys::section, key, defaultValue);
    };
    windowPlace_ = {readInteger(parameterKeys::left, 100), readInteger(parameterKeys::top, 150)};
    setMousePositionShown(onOffAt(storedChoice(readInteger(parameterKeys::mousePosition, 1), 2)));
    setCitiesShown(onOffAt(storedChoice(readInteger(parameterKeys::cities, 1), 2)));
    // A hand-edited size beyond any sensible dot would make every redraw take seconds.
    const int markerSize = readInteger(parameterKeys::cityMarkerSize, defaultCityMarkerSize);
    setCityMarkerSize(markerSize >= 0 && markerSize <= maxCityMarkerSize ? markerSize : defaultCityMarkerSize);
    // No circles at all or endless ones: a hand-edited spacing of 0 km or less is refused.
    const int spacingKm = readInteger(parameterKeys::distanceCircles, defaultCircleSpacingKm);
    setCircleSpacingKm(spacingKm > 0 ? spacingKm : defaultCircleSpacingKm);
    setElevationAtStart(readBool(parameterKeys::elevationAtStart, false));
    setElevationText(ParameterRules::elevationSetting(readString(parameterKeys::elevation, QStringLiteral("3"))).text);
    setOverlapText(ParameterRules::overlapSetting(readString(parameterKeys::overlap, QStringLiteral("10"))).text);
    setDisplayOffsetText(
        ParameterRules::displayOffsetSetting(readString(parameterKeys::displayOffset, QString())).text);
    setLocatorGrid(storedChoice(readInteger(parameterKeys::locatorGrid, 1), locatorGridLevels));
    setRotorStartImmediately(readBool(parameterKeys::rotorAtOnce, true));
    setOptimisedPath(readBool(parameterKeys::optimisedPath, true));
    setGreylineShown(readBool(parameterKeys::greyline, false));
    setMapLabelsShown(readBool(parameterKeys::mapLabels, false));
    const int openingAngle = readInteger(parameterKeys::openingAngle, 0);
    setOpeningAngleDegrees(openingAngle >= 0 && openingAngle <= maxOpeningAngle ? openingAngle : 0);
    // Any other value, as a missing key, is German.
    setLanguage(readString(parameterKeys::language, parameterKeys::german)
                            .trimmed()
                            .compare(parameterKeys::english, Qt::CaseInsensitive) == 0
                    ? Language::english
                    : Language::german);
    setCluster({file.readString(clusterKeys::section, clusterKeys::host, QString()),
                file.readString(clusterKeys::section, clusterKeys::port, QString()),
                file.readString(clusterKeys::section, clusterKeys::call, QString())});
    setLogText(file.readString(clusterKeys::section, clusterKeys::log, QString()));
    setMapBand(file.readString(clusterKeys::section, clusterKeys::mapBand, QString()).trimmed());
    setMapAgeMinutes(file.readInteger(clusterKeys::section, clusterKeys::mapAge, defaultMapAgeMinutes));
    const WsjtxSettings wsjtx = WsjtxSettings::read(file);
    const bool wsjtxDiffers = wsjtx.enabled != wsjtx_.enabled || wsjtx.address != wsjtx_.address ||
        wsjtx.port != wsjtx_.port || wsjtx.multicastInterface != wsjtx_.multicastInterface;
    wsjtx_ = wsjtx;
    if (wsjtxDiffers)
        emit wsjtxChanged();
}

void ParameterSettings::write(SettingsFile& file) const
{
    file.writeInteger(parameterKeys::section, parameterKeys::left, windowPlace_.x());
    file.writeInteger(parameterKeys::section, parameterKeys::top, windowPlace_.y());
    file.writeInteger(parameterKeys::section, parameterKeys::mousePosition, indexOf(mousePosition_));
    file.writeInteger(parameterKeys::section, parameterKeys::cities, indexOf(cities_));
    file.writeInteger(parameterKeys::section, parameterKeys::cityMarkerSize, cityMarkerSize_);
    file.writeBool(parameterKeys::section, parameterKeys::elevationAtStart, elevationAtStart_);
    file.writeString(parameterKeys::section, parameterKeys::elevation, elevationText_);
    file.writeString(parameterKeys::section, parameterKeys::overlap, overlapText_);
    file.writeString(parameterKeys::section, parameterKeys::displayOffset, displayOffsetText_);
    file.writeInteger(parameterKeys::section, parameterKeys::locatorGrid, locatorGrid_);
    file.writeBool(parameterKeys::section, parameterKeys::rotorAtOnce, rotorStartImmediately_);
    file.writeBool(parameterKeys::section, parameterKeys::optimisedPath, optimisedPath_);
    // Written once switched on, so that a settings file of before keeps its bytes while they stay off.
    for (const auto& [key, on] :
         {std::pair {parameterKeys::greyline, greylineShown_}, std::pair {parameterKeys::mapLabels, mapLabelsShown_}})
        if (on || !file.readString(parameterKeys::section, key, QString()).isEmpty())
            file.writeBool(parameterKeys::section, key, on);
    if (openingAngle_ != 0 || !file.readString(parameterKeys::section, parameterKeys::openingAngle, QString()).isEmpty())
        file.writeInteger(parameterKeys::section, parameterKeys::openingAngle, openingAngle_);
    if (language_ != Language::german ||
        !file.readString(parameterKeys::section, parameterKeys::language, QString()).isEmpty())
        file.writeString(parameterKeys::section, parameterKeys::language,
                         language_ == Language::english ? parameterKeys::english : parameterKeys::german);
    // Last of the section, where a file written before has it when it was new.
    file.writeInteger(parameterKeys::section, parameterKeys::distanceCircles, circleSpacingKm_);
    // The section is written once something is set in it, for the same reason.
    for (const auto& [key, text] :
         {std::pair {clusterKeys::host, cluster_.host}, std::pair {clusterKeys::port, cluster_.port},
          std::pair {clusterKeys::call, cluster_.call}, std::pair {clusterKeys::log, logText_},
          std::pair {clusterKeys::mapBand, mapBand_}})
        if (!text.isEmpty() || !file.readString(clusterKeys::section, key, QString()).isEmpty())
            file.writeString(clusterKeys::section, key, text);
    if (mapAgeMinutes_ != defaultMapAgeMinutes
        || !file.readString(clusterKeys::section, clusterKeys::mapAge, QString()).isEmpty())
        file.writeInteger(clusterKeys::section, clusterKeys::mapAge, mapAgeMinutes_);
    wsjtx_.write(file);
}

double ParameterSettings::elevationDegrees() const
{
    return ParameterRules::elevationSetting(elevationText_).value;
}

double ParameterSettings::overlapDegrees() const
{
    return ParameterRules::overlapSetting(overlapText_).value;
}

double ParameterSettings::displayOffsetDegrees() const
{
    return ParameterRules::displayOffsetSetting(displayOffsetText_).value;
}

template <typename T>
void ParameterSettings::change(T& value, const T& changed, void (ParameterSettings::*signal)())
{
    if (value == changed)
        return;
    value = changed;
    emit(this->*signal)();
}

void ParameterSettings::setMousePositionShown(OnOff shown)
{
    change(mousePosition_, shown, &ParameterSettings::mousePositionShownChanged);
}

void ParameterSettings::setCitiesShown(OnOff shown)
{
    change(cities_, shown, &ParameterSettings::citiesShownChanged);
}

void ParameterSettings::setCityMarkerSize(int pixels)
{
    change(cityMarkerSize_, pixels, &ParameterSettings::cityMarkerSizeChanged);
}

void ParameterSettings::setLanguage(Language language)
{
    change(language_, language, &ParameterSettings::languageChanged);
}

void ParameterSettings::setOpeningAngleDegrees(int degrees)
{
    change(openingAngle_, degrees, &ParameterSettings::openingAngleChanged);
}

void ParameterSettings::setCircleSpacingKm(int km)
{
    change(circleSpacingKm_, km, &ParameterSettings::circleSpacingChanged);
}

void ParameterSettings::setElevationAtStart(bool on)
{
    change(elevationAtStart_, on, &ParameterSettings::elevationAtStartChanged);
}

void ParameterSettings::setElevationText(const QString& text)
{
    change(elevationText_, text, &ParameterSettings::elevationChanged);
}

void ParameterSettings::setOverlapText(const QString& text)
{
    change(overlapText_, text, &ParameterSettings::overlapChanged);
}

void ParameterSettings::setDisplayOffsetText(const QString& text)
{
    change(displayOffsetText_, text, &ParameterSettings::displayOffsetChanged);
}

void ParameterSettings::setLocatorGrid(int level)
{
    change(locatorGrid_, level, &ParameterSettings::locatorGridChanged);
}

void ParameterSettings::setRotorStartImmediately(bool on)
{
    change(rotorStartImmediately_, on, &ParameterSettings::rotorStartImmediatelyChanged);
}

void ParameterSettings::setOptimisedPath(bool on)
{
    change(optimisedPath_, on, &ParameterSettings::optimisedPathChanged);
}

void ParameterSettings::setGreylineShown(bool shown)
{
    change(greylineShown_, shown, &ParameterSettings::greylineShownChanged);
}

void ParameterSettings::setMapLabelsShown(bool shown)
{
    change(mapLabelsShown_, shown, &ParameterSettings::mapLabelsShownChanged);
}

void ParameterSettings::setCluster(const Cluster& cluster)
{
    change(cluster_, cluster, &ParameterSettings::clusterChanged);
}

void ParameterSettings::setLogText(const QString& text)
{
    change(logText_, text, &ParameterSettings::logChanged);
}

void ParameterSettings::setWsjtxEnabled(bool enabled)
{
    change(wsjtx_.enabled, enabled, &ParameterSettings::wsjtxChanged);
}

void ParameterSettings::setWsjtxAddress(const QString& address)
{
    change(wsjtx_.address, address, &ParameterSettings::wsjtxChanged);
}

void ParameterSettings::setWsjtxPort(int port)
{
    change(wsjtx_.port, port, &ParameterSettings::wsjtxChanged);
}

void ParameterSettings::setMapBand(const QString& band)
{
    change(mapBand_, band, &ParameterSettings::mapBandChanged);
}

void ParameterSettings::setMapAgeMinutes(int minutes)
{
    // An age the maps do not offer is no limit.
    const bool offered =
        std::find(std::begin(mapAgeChoices), std::end(mapAgeChoices), minutes) != std::end(mapAgeChoices);
    change(mapAgeMinutes_, offered ? minutes : defaultMapAgeMinutes, &ParameterSettings::mapAgeChanged);
}
