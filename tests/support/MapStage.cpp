// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "support/MapStage.h"

#include "readout/CursorPanel.h"
#include "settings/SettingsFile.h"

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
    WindowSession::open();
}

void MapStage::close(const std::function<void()>& save)
{
    if (!opened() || closed_)
        return;
    closed_ = true;
    ini().holdWrites();
    if (save)
        save();
    ini().flush();
}

void MapStage::setClientSize(int width, int height)
{
    client_->resize(width, height);
}
