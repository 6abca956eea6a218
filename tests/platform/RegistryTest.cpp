// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "platform/Registry.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(RegistryTest, AValueAlreadyThereIsNotWrittenAgain)
{
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    const QString company = QStringLiteral("RegistryTestCompany");
    const QString file = dir.filePath(company + QStringLiteral(".conf"));
    const QDateTime old = QDateTime::currentDateTime().addDays(-1);
    const auto age = [&] {
        QFile settings(file);
        ASSERT_TRUE(settings.open(QIODevice::ReadWrite));
        ASSERT_TRUE(settings.setFileTime(old, QFileDevice::FileModificationTime));
    };
    struct Case { const char* name; QString value; bool written; };
    ASSERT_TRUE(Registry::writeString(company, QStringLiteral("Path"), QStringLiteral("/opt/corvane/")));
    for (const Case& c : {Case {"the same", QStringLiteral("/opt/corvane/"), false},
                          Case {"another", QStringLiteral("/home/dl1abc/Corvane, neu/"), true},
                          Case {"the same with a comma", QStringLiteral("/home/dl1abc/Corvane, neu/"), false}}) {
        age();
        EXPECT_TRUE(Registry::writeString(company, QStringLiteral("Path"), c.value)) << c.name;
        EXPECT_EQ(QFileInfo(file).lastModified() != old, c.written) << c.name;
        EXPECT_EQ(Registry::readString(company, QStringLiteral("Path")), c.value) << c.name;
    }
}
