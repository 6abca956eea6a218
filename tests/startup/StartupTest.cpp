// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "startup/Startup.h"

#include "base/AppError.h"
#include "session/Session.h"
#include "settings/SettingsFile.h"
#include "support/ProgramFolder.h"

#include <QFile>
#include <gtest/gtest.h>

#include <functional>

namespace {

// What a start-up does with each kind of folder: which of the program's steps it reaches, what it
// reports, and that it removes the copies a killed save left and reads the tables it can.
TEST(StartupTest, ReachesTheStepsItCanAndReportsTheFirstFailure)
{
    const struct {
        const char* what;
        std::function<void(const ProgramFolder&)> spoil;
        bool placed, linked;
        const char* report;  // part of the AppError's text; empty: none
    } cases[] = {
        {"everything there", [](const ProgramFolder&) {}, true, true, ""},
        {"no country raster",
         [](const ProgramFolder& f) { QFile::remove(f.kartenPath(QStringLiteral("Landeskennung.arr"))); }, false, false,
         "Datei nicht gefunden"},
        {"no city list", [](const ProgramFolder& f) { QFile::remove(f.kartenPath(QStringLiteral("Citys.txt"))); }, true,
         false, "Citys.txt"},
        {"a settings file that cannot be read",
         [](const ProgramFolder& f) { QFile::link(QStringLiteral("/proc/self/mem"), f.iniPath()); }, true, true,
         "kann nicht gelesen werden"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ProgramFolder folder;
        folder.writeReferenceData();
        const QString leftover = folder.path() + QStringLiteral(".Corvane.ini.corvane-neu-Xa91bQ");
        folder.writeFile(QStringLiteral(".Corvane.ini.corvane-neu-Xa91bQ"), "[Main]\r\nLinks=5");
        c.spoil(folder);
        Session session;
        const Startup startup(folder.path());
        session.setFolders(startup.folders());
        const SettingsFile settings(startup.settingsPath());
        bool placed = false, linked = false;
        QString report;
        try {
            startup.run(session, settings, {[&] { placed = true; }, [&] { linked = true; }});
        } catch (const AppError& error) {
            report = error.message();
        }
        EXPECT_EQ(placed, c.placed);
        EXPECT_EQ(linked, c.linked);
        EXPECT_EQ(report.isEmpty(), !*c.report) << report.toStdString();
        EXPECT_TRUE(report.contains(QString::fromUtf8(c.report))) << report.toStdString();
        EXPECT_FALSE(QFile::exists(leftover));
        EXPECT_EQ(session.referenceData().countryList.isEmpty(), !c.placed) << "what was read is kept";
    }
}

}  // namespace
