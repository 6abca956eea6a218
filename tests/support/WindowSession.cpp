// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "support/WindowSession.h"

#include "startup/ReferenceDataLoader.h"
#include "settings/SettingsFile.h"

#include <QFile>

WindowSession::WindowSession() = default;

WindowSession::~WindowSession() = default;

void WindowSession::open()
{
    ProgramFolders folders;
    folders.programFolder = folder.path();
    folders.dataFolder = folder.path();
    folders.writableFolder = folder.path();
    session.setFolders(folders);
    ini_ = std::make_unique<SettingsFile>(folder.iniPath());
    store.load(*ini_);
    session.setOwnPosition(store.ownStation.position());
    ReferenceData data;
    const QString karten = folder.path() + QStringLiteral("Karten/");
    if (QFile::exists(karten + QStringLiteral("Landeskennung.arr"))) {
        ReferenceDataLoader::readCountryRaster(karten + QStringLiteral("Landeskennung.arr"), *data.countryRaster);
        data.countryList = ReferenceDataLoader::readCountryList(karten + QStringLiteral("Laenderliste.txt"));
        data.cityTable = ReferenceDataLoader::readCityTable(karten + QStringLiteral("Citys.txt"));
    }
    session.setReferenceData(std::move(data));
}
