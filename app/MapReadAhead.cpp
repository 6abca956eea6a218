// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/MapReadAhead.h"

#include "app/ProgramLayout.h"
#include "app/SettingsFile.h"
#include "app/SettingsKeys.h"
#include "mercator/DecodedBitmaps.h"
#include "mercator/TForm1.h"

#include <QFileInfo>

MapReadAhead::MapReadAhead(const QString& executableFolder, DecodedBitmaps& bitmaps)
    : thread_([executableFolder, &bitmaps] {
          const ProgramLayout layout = ProgramLayout::of(executableFolder);
          const SettingsFile ini(layout.writableFolder() + QStringLiteral("Corvane.ini"));
          if (!ini.readBool(SettingsKeys::Main::section, SettingsKeys::Main::mercatorShown, true))
              return;
          const QString karten = layout.dataFolder() + QStringLiteral("Karten/");
          const QString name = karten + TForm1::storedMapName(ini, karten);
          // Only a map the window will load: both its files there.
          if (QFileInfo::exists(name + QStringLiteral(".inf")) && QFileInfo::exists(name + QStringLiteral(".bmp")))
              bitmaps.read(name + QStringLiteral(".bmp"));
      })
{
}

MapReadAhead::~MapReadAhead()
{
    thread_.join();
}
