// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "support/MapStage.h"

#include "app/CursorPanel.h"
#include "app/ReferenceDataLoader.h"
#include "app/SettingsFile.h"

#include <QFont>

MapStage::MapStage() : client_(std::make_unique<QWidget>())
{
    folder.writeReferenceData();
    client_->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));  // the main window's
    panel_ = new CursorPanel(client_.get(), cursorPanelMs);
    client_->show();
}

MapStage::~MapStage()
{
    close();
}

void MapStage::open(const QByteArray& ini)
{
    folder.writeFile(QStringLiteral("Corvane.ini"), ini);
    session.setFolders({folder.path(), folder.path(), folder.path()});
    ini_ = std::make_unique<SettingsFile>(folder.iniPath());
    session.setIniFile(ini_.get());
    parameters.load(*ini_);
    const QString karten = folder.kartenPath(QString());
    ReferenceData data;
    ReferenceDataLoader::readCountryRaster(karten + QStringLiteral("Landeskennung.arr"), *data.countryRaster);
    data.countryList = ReferenceDataLoader::readCountryList(karten + QStringLiteral("Laenderliste.txt"));
    data.cityTable = ReferenceDataLoader::readCityTable(karten + QStringLiteral("Citys.txt"));
    session.setReferenceData(std::move(data));
}

void MapStage::close(const std::function<void()>& save)
{
    if (!ini_)
        return;
    ini_->holdWrites();
    if (save)
        save();
    session.setIniFile(nullptr);
    ini_->flush();
    ini_.reset();
}

void MapStage::setClientSize(int width, int height)
{
    client_->resize(width, height);
}
