// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "InstalledTree.h"

#include "platform/NamedMutex.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>

namespace {

const QString busName = QStringLiteral("de.corvane.Corvane");

// The build installed into a throw-away DESTDIR with the prefix /usr, a portable folder made
// from the same installed files, and a throw-away home for the user who starts them.
class InstalledProgramTest : public testing::Test {
protected:
    QTemporaryDir scratch;
    InstalledTree tree {scratch.path()};
    QString prefix = tree.prefix();
    QString portable = scratch.path() + QStringLiteral("/tragbar");
    QString home = scratch.path() + QStringLiteral("/home");

    void SetUp() override
    {
        const QString failure = tree.install();
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
        for (const QString& folder : {QStringLiteral("Karten"), QStringLiteral("Help")}) {
            ASSERT_TRUE(QDir().mkpath(portable + u'/' + folder));
            for (const QString& name : QDir(tree.dataFolder() + u'/' + folder).entryList(QDir::Files))
                ASSERT_TRUE(QFile::copy(tree.dataFolder() + u'/' + folder + u'/' + name,
                                        portable + u'/' + folder + u'/' + name));
        }
        ASSERT_TRUE(
            QFile::copy(tree.programFolder() + QStringLiteral("/Corvane"), portable + QStringLiteral("/Corvane")));
    }

    // Starts the program as the user of the throw-away home, names a partner by callsign over the
    // bus (which needs the callsign list from the maps folder), and ends it as a desktop session
    // does, so that it saves its settings.
    void runAsUser(const QString& executable, const QString& xdgDataHome)
    {
        QDir(home).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(home));
        const QString runtime = scratch.path() + QStringLiteral("/run");
        ASSERT_TRUE(QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (!xdgDataHome.isEmpty())
            environment.insert(QStringLiteral("XDG_DATA_HOME"), xdgDataHome);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(scratch.path());
        program.start(executable, {});
        ASSERT_TRUE(program.waitForStarted(10000));
        QDBusConnection bus = QDBusConnection::sessionBus();
        const auto registered = [&bus] { return bool(bus.interface()->isServiceRegistered(busName)); };
        ASSERT_TRUE(QTest::qWaitFor([&] { return registered() || program.state() != QProcess::Running; }, 30000) &&
                    registered())
            << program.readAllStandardError().toStdString();
        QDBusMessage call = QDBusMessage::createMethodCall(busName, QStringLiteral("/Partner"), QStringLiteral("de.corvane.Partner"),
                                                           QStringLiteral("SetPartner"));
        call << QStringLiteral("VK2ABC");
        const QDBusMessage reply = bus.call(call, QDBus::Block, 10000);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        ASSERT_GT(program.processId(), 0) << "ended by itself";
        ::kill(pid_t(program.processId()), SIGTERM);
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitCode(), 0);
        // The name goes with the process; the next run must not find it still there.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !registered(); }, 5000));
    }
};

TEST_F(InstalledProgramTest, SettingsGoToTheUsersFolderWhenInstalledAndBesideThePortableExecutable)
{
    // Left empty, XDG_DATA_HOME is unset; settings: the one settings file the run leaves; userFolder:
    // the folder for the user's files, present only for an installed run.
    const struct {
        const char* name;
        QString executable, xdgDataHome, settings, userFolder;
        bool installed;
    } cases[] = {
        {"installed, started through the launcher in bin/", prefix + QStringLiteral("/bin/Corvane"), QString(),
         home + QStringLiteral("/.local/share/Corvane/Corvane.ini"), home + QStringLiteral("/.local/share/Corvane"),
         true},
        {"installed, with XDG_DATA_HOME set", prefix + QStringLiteral("/bin/Corvane"),
         scratch.path() + QStringLiteral("/daten"), scratch.path() + QStringLiteral("/daten/Corvane/Corvane.ini"),
         scratch.path() + QStringLiteral("/daten/Corvane"), true},
        {"portable folder", portable + QStringLiteral("/Corvane"), QString(), portable + QStringLiteral("/Corvane.ini"),
         home + QStringLiteral("/.local/share/Corvane"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(portable + QStringLiteral("/Corvane.ini"));
        QDir(scratch.path() + QStringLiteral("/daten")).removeRecursively();
        const QStringList installedBefore = tree.files();
        runAsUser(c.executable, c.xdgDataHome);
        QStringList settingsFiles;
        for (QDirIterator it(scratch.path(), {QStringLiteral("Corvane.ini")}, QDir::Files | QDir::Hidden,
                             QDirIterator::Subdirectories);
             it.hasNext();)
            settingsFiles << QDir::cleanPath(it.next());
        EXPECT_EQ(settingsFiles, QStringList {c.settings});
        const QSettings settings(c.settings, QSettings::IniFormat);
        EXPECT_EQ(settings.value(QStringLiteral("Main/Breit")).toInt(), 600) << "written at shut-down";
        EXPECT_EQ(tree.files(), installedBefore) << "nothing written under the prefix";
        // The beam map's cache has its folder ready beside the settings.
        EXPECT_EQ(QFileInfo(c.userFolder + QStringLiteral("/Karten")).isDir(), c.installed);
        EXPECT_EQ(QFileInfo::exists(c.userFolder), c.installed);
    }
}

// Both languages are installed: the English translation and help page beside the German page, the
// manual pages in English with their German translation; the installed program finds its
// translation through the launcher.
TEST_F(InstalledProgramTest, BothLanguagesAreInstalled)
{
    const QString data = tree.dataFolder();
    const QString man = prefix + QStringLiteral("/share/man");
    for (const QString& file :
         {data + QStringLiteral("/translations/corvane_en.qm"), data + QStringLiteral("/Help/Corvane.htm"),
          data + QStringLiteral("/Help/Corvane_en.htm"), man + QStringLiteral("/man1/Corvane.1.gz"),
          man + QStringLiteral("/man1/CorvaneRotor.1.gz"), man + QStringLiteral("/de/man1/Corvane.1.gz"),
          man + QStringLiteral("/de/man1/CorvaneRotor.1.gz")})
        EXPECT_TRUE(QFileInfo::exists(file)) << file.toStdString();

    // The language the settings store, and --lang over it, also while another start runs (its
    // lock held here, in a runtime folder of this test's own).
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    const QString runtime = home + QStringLiteral("/runtime");
    ASSERT_TRUE(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    NamedMutex running(QStringLiteral("Corvane"));
    ASSERT_TRUE(running.tryLock());
    const QString settings = home + QStringLiteral("/.local/share/Corvane/Corvane.ini");
    const struct {
        const char* name;
        QByteArray stored;  // [Parameter] lines of the settings; empty: no settings file
        QStringList options;
        const char* usage;
    } cases[] = {
        {"no settings", {}, {}, "Aufruf: Corvane [--lang de|en]"},
        {"English stored", "Sprache=English\r\n", {}, "Usage: Corvane [--lang de|en]"},
        {"German stored", "Sprache=Deutsch\r\n", {}, "Aufruf: Corvane [--lang de|en]"},
        {"English asked for", {}, {QStringLiteral("--lang"), QStringLiteral("en")}, "Usage: Corvane [--lang de|en]"},
        {"German asked for over English stored",
         "Sprache=English\r\n",
         {QStringLiteral("--lang=de")},
         "Aufruf: Corvane [--lang de|en]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(settings);
        if (!c.stored.isEmpty()) {
            ASSERT_TRUE(QDir().mkpath(QFileInfo(settings).path()));
            QFile file(settings);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("[Parameter]\r\n" + c.stored);
        }
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(prefix + QStringLiteral("/bin/Corvane"), c.options + QStringList {QStringLiteral("--help")});
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitCode(), 0);
        const QByteArray output = program.readAllStandardOutput();
        EXPECT_TRUE(output.startsWith(c.usage)) << output.toStdString();
    }
}

} // namespace
