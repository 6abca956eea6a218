// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "startup/Startup.h"

#include "base/AppError.h"
#include "base/FileReplacement.h"
#include "platform/Registry.h"
#include "platform/RegistryKeys.h"
#include "session/Session.h"
#include "settings/SettingsFile.h"
#include "startup/ProgramLayout.h"
#include "startup/ReferenceDataLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QScopeGuard>

#include <utility>

Startup::Startup(const QString& executableFolder)
{
    const ProgramLayout layout = ProgramLayout::of(executableFolder);
    folders_.programFolder = layout.programFolder();
    folders_.dataFolder = layout.dataFolder();
    folders_.writableFolder = layout.writableFolder();
    writableFolderMade_ = layout.makeWritableFolder();
}

QString Startup::settingsPath() const
{
    return folders_.writableFolder + QStringLiteral("Corvane.ini");
}

void Startup::run(Session& session, const SettingsFile& settings, const Steps& steps) const
{
    // Copies left by a run killed in the middle of a save; this is the only instance running.
    FileReplacement::removeLeftovers(settings.path());
    if (!QDir::setCurrent(folders_.programFolder))
        throw AppError(
            QCoreApplication::translate("Startup", "Der Ordner %1 kann nicht zum aktuellen Ordner gemacht werden")
                .arg(folders_.programFolder));
    Registry::writeString(RegistryKeys::Corvane::company, RegistryKeys::Corvane::path, folders_.programFolder);
    Registry::writeString(RegistryKeys::Corvane::company, RegistryKeys::Corvane::settingsFile, settings.path());
    // What is read goes into the session also when a later step fails.
    ReferenceData data;
    const auto keepData = qScopeGuard([&session, &data] { session.setReferenceData(std::move(data)); });
    const QString karten = folders_.dataFolder + QStringLiteral("Karten/");
    // The callsign list only adds a way to name partners: without it the lookups find nothing.
    // No map needs it, so it is read after the first paint (or at its first use, when earlier).
    data.callsignTable.readWith(
        [path = karten + QStringLiteral("Rufzeichen.txt")] { return CallsignTable::load(path); });
    ReferenceDataLoader::readCountryRaster(karten + QStringLiteral("Landeskennung.arr"), *data.countryRaster);
    data.countryList = ReferenceDataLoader::readCountryList(karten + QStringLiteral("Laenderliste.txt"));
    steps.placeMainWindow();
    // The city list is only checked here: its thousand lines are read when a picture shows the
    // cities or the mouse asks for the nearest one. Gone by then, it reads as empty.
    const QString cities = karten + QStringLiteral("Citys.txt");
    ReferenceDataLoader::requireReadable(cities);
    data.cityTable.readWith([cities]() -> std::vector<CityRecord> {
        try {
            return ReferenceDataLoader::readCityTable(cities);
        } catch (const AppError&) {
            return {};
        }
    });
    steps.connectLinks();
    // Reported last, so that the reference data are read all the same.
    if (!settings.isReadable())
        throw AppError(settings.unreadableMessage());
    if (!writableFolderMade_)
        throw AppError(
            QCoreApplication::translate(
                "Startup", "Der Ordner %1 kann nicht angelegt werden; Einstellungen werden nicht gespeichert")
                .arg(folders_.writableFolder));
}
