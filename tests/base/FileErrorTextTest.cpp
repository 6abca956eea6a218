// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "base/FileErrorText.h"
#include "settings/SettingsFile.h"
#include "base/AppError.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Real failures of real files, named in German whatever Qt's own text says.
TEST(FileErrorText, NamesRealFailuresInGerman)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Ordner")));
    using A = FileErrorText::Access;
    QFile missing(dir.filePath(QStringLiteral("fehlt.txt")));
    ASSERT_FALSE(missing.open(QIODevice::ReadOnly));
    EXPECT_EQ(FileErrorText::of(missing, A::reading), QStringLiteral("Datei nicht vorhanden"));
    QSaveFile nowhere(dir.filePath(QStringLiteral("gibtsnicht/Corvane.ini")));
    ASSERT_FALSE(nowhere.open(QIODevice::WriteOnly));
    EXPECT_EQ(FileErrorText::of(nowhere, A::writing),
              QStringLiteral("der Ordner %1 ist nicht vorhanden").arg(dir.filePath(QStringLiteral("gibtsnicht"))));
    QFile folder(dir.filePath(QStringLiteral("Ordner")));
    if (!folder.open(QIODevice::ReadOnly)) {
        EXPECT_EQ(FileErrorText::of(folder, A::reading), QStringLiteral("Datei lässt sich nicht öffnen"));
    }
}

TEST(FileErrorText, AFailedSaveOfTheSettingsSaysWhyInGerman)
{
    QTemporaryDir dir;
    SettingsFile settings(dir.filePath(QStringLiteral("weg/Corvane.ini")));
    try {
        settings.writeString(QStringLiteral("Main"), QStringLiteral("Links"), QStringLiteral("36"));
        FAIL() << "the write should fail";
    } catch (const AppError& error) {
        EXPECT_TRUE(error.message().endsWith(QStringLiteral("ist nicht vorhanden"))) << error.message().toStdString();
        EXPECT_FALSE(error.message().contains(QStringLiteral("Existing"))) << error.message().toStdString();
    }
}

} // namespace
