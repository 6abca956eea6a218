// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

// The layers stay apart: no file of a library below the windows, and no link, reaches a window
// class through its includes, directly or through another header.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

QString sourceRoot() { return qEnvironmentVariable("CORVANE_SOURCE_DIR") + u'/'; }

// Window classes are named after their single instances (Form1 is a TForm1, F_Rotor a TF_Rotor).
bool isWindowHeader(const QString& path)
{
    static const QRegularExpression name(QStringLiteral("(^|/)T(Form|F_)\\w+\\.h$"));
    return name.match(path).hasMatch();
}

// The project headers a file includes, as paths from the source root; system and generated
// headers are not followed.
QStringList projectIncludes(const QString& file)
{
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*\"([^\"]+)\""),
                                            QRegularExpression::MultilineOption);
    QFile source(sourceRoot() + file);
    if (!source.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(source.readAll());
    const QString folder = QFileInfo(file).path();
    QStringList found;
    for (auto it = include.globalMatch(text); it.hasNext();) {
        const QString named = it.next().captured(1);
        for (const QString& candidate : {QDir::cleanPath(folder + u'/' + named), QDir::cleanPath(named)}) {
            if (QFileInfo::exists(sourceRoot() + candidate)) {
                found << candidate;
                break;
            }
        }
    }
    return found;
}

// Every window header the files reach, each with the chain of includes that leads to it. A file
// among the starting ones is not counted against itself.
QStringList windowHeadersReached(const QStringList& files)
{
    QStringList reached;
    QSet<QString> seen(files.begin(), files.end());
    QList<QStringList> chains;
    for (const QString& file : files)
        chains << QStringList{file};
    while (!chains.isEmpty()) {
        const QStringList chain = chains.takeFirst();
        for (const QString& header : projectIncludes(chain.last())) {
            if (seen.contains(header))
                continue;
            seen.insert(header);
            const QStringList longer = chain + QStringList{header};
            if (isWindowHeader(header))
                reached << longer.join(QStringLiteral(" -> "));
            else
                chains << longer;
        }
    }
    return reached;
}

TEST(IncludeRules, NoCoreLibraryFileReachesAWindow)
{
    QFile list(QStringLiteral(CORVANE_CORE_FILES));
    list.open(QIODevice::ReadOnly | QIODevice::Text);
    const QStringList files = QString::fromUtf8(list.readAll()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GT(files.size(), 50) << "the build's list of core files was not read";
    for (const QString& file : files) {
        const QStringList reached = windowHeadersReached({file});
        EXPECT_TRUE(reached.isEmpty()) << reached.join(u'\n').toStdString();
    }
}

// A core library is usable without windows: none needs a window library to link, directly or
// through another library (the parameters, for one, are read and written without their window).
TEST(IncludeRules, NoCoreLibraryLinksAWindowLibrary)
{
    QFile list(QStringLiteral(CORVANE_CORE_LINKS));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly | QIODevice::Text));
    QHash<QString, QStringList> needs;
    for (const QString& line : QString::fromUtf8(list.readAll()).split(u'\n', Qt::SkipEmptyParts))
        needs.insert(line.section(u':', 0, 0), line.section(u':', 1).split(u' ', Qt::SkipEmptyParts));
    const QStringList windows = needs.take(QStringLiteral("windows"));
    ASSERT_TRUE(windows.contains(QStringLiteral("corvane_settings_windows")));
    ASSERT_TRUE(needs.value(QStringLiteral("corvane_settings_core")).contains(QStringLiteral("corvane_settings_file")));
    for (auto it = needs.cbegin(); it != needs.cend(); ++it)
        for (const QString& needed : it.value())
            EXPECT_FALSE(windows.contains(needed)) << it.key().toStdString() << " needs " << needed.toStdString();
}

// The program's sources: every folder of the source root but the tests, tools and build output.
QStringList programSources()
{
    static const QStringList outside = {"tests", "bench", "tools", "fuzz", "data", "packaging", "docs"};
    QStringList found;
    const QDir root(sourceRoot());
    for (const QString& folder : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (outside.contains(folder) || folder.startsWith(u"build") || folder.startsWith(u'.'))
            continue;
        QDirIterator it(root.filePath(folder), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            found << root.relativeFilePath(it.next());
    }
    return found;
}

// Texts the program's sources may not hold, each but in the files allowed to.
TEST(IncludeRules, ForbiddenConstructsAppearOnlyWhereAllowed)
{
    ASSERT_GT(programSources().size(), 100) << "the program's sources were not found";
    const struct {
        const char* rule;
        QRegularExpression pattern;
        QStringList allowed;
    } rules[] = {
        // A window asks another window or is told by a signal; it never reaches into the other's
        // controls (parameterWindow_->CB_Optimiert->isChecked()), neither through a member that
        // holds the window nor by looking a control up by name.
        {"no window reaches into another window's controls",
         QRegularExpression(QStringLiteral(
             "\\b(Form\\w*|F_Rotor|\\w+Window_?|rotorPanel_?|rotorLink_?)(\\(\\))?->(\\w+->|findChild)")),
         {}},
        // Windows, links and the session are handed to whoever uses them: no instance pointer at
        // namespace scope, neither declared for other files nor defined.
        {"no window or session is a global",
         QRegularExpression(QStringLiteral("^(extern\\s+)?(T(Form|F_)\\w+|Session|Program)\\s*\\*\\s*\\w+\\s*(=[^;]*)?;"),
                            QRegularExpression::MultilineOption),
         {}},
        // State is handed to whoever uses it; a variable at namespace scope is only what a signal
        // handler (its pipe) or the dialog seam (the boxes tests put in) cannot have handed in.
        {"no mutable state at namespace scope",
         QRegularExpression(QStringLiteral("^(?!(constexpr|const|static const|static constexpr|inline constexpr|using|"
                                           "namespace|class|struct|enum|template|typedef|friend|return)\\b)"
                                           "[A-Za-z_][\\w:<>, *&]*[\\s*&]+\\w+(\\[[^\\]]*\\])?\\s*(=[^;(]*|\\{[^}]*\\})?;$"),
                            QRegularExpression::MultilineOption),
         {"platform/Dialogs.cpp", "platform/TerminationSignals.cpp"}},
        // The session's rotor state is the rotor link's to write.
        {"only the rotor link writes the rotor state",
         QRegularExpression(QStringLiteral("\\b(setRotorState|takeRotorStatus|loseRotorLink)\\s*\\(")),
         {"rotor/TF_Rotor.cpp", "session/Session.h", "session/Session.cpp"}},
    };
    for (const auto& r : rules) {
        QStringList found;
        for (const QString& file : programSources()) {
            QFile source(sourceRoot() + file);
            if (!source.open(QIODevice::ReadOnly))
                found << file + QStringLiteral(": unreadable");
            else if (!r.allowed.contains(file))
                for (auto it = r.pattern.globalMatch(QString::fromUtf8(source.readAll())); it.hasNext();)
                    found << file + QStringLiteral(": ") + it.next().captured(0);
        }
        EXPECT_TRUE(found.isEmpty()) << r.rule << ":\n" << found.join(u'\n').toStdString();
    }
}

// The folder ("room") of a program source, and the rooms its includes name.
QString roomOf(const QString& file) { return file.section(u'/', 0, 0); }

QMap<QString, QSet<QString>> roomIncludes()
{
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*\"(\\w+)/"),
                                            QRegularExpression::MultilineOption);
    QMap<QString, QSet<QString>> includes;
    for (const QString& file : programSources())
        includes[roomOf(file)];
    for (const QString& file : programSources()) {
        QFile source(sourceRoot() + file);
        source.open(QIODevice::ReadOnly);
        for (auto it = include.globalMatch(QString::fromUtf8(source.readAll())); it.hasNext();) {
            const QString named = it.next().captured(1);
            if (named != roomOf(file) && includes.contains(named))
                includes[roomOf(file)].insert(named);
        }
    }
    return includes;
}

// The rooms from the bottom up, as docs/architecture.md lists them: a room comes after every room
// it includes. Empty when the includes go round in a circle.
QStringList roomOrder(const QMap<QString, QSet<QString>>& includes)
{
    QMap<QString, int> level;
    for (int pass = 0; pass <= includes.size() && level.size() < includes.size(); ++pass)
        for (auto it = includes.cbegin(); it != includes.cend(); ++it) {
            int above = 0;
            bool known = true;
            for (const QString& below : it.value())
                known = known && level.contains(below), above = std::max(above, level.value(below) + 1);
            if (known && !level.contains(it.key()))
                level.insert(it.key(), above);
        }
    if (level.size() < includes.size())
        return {};
    QStringList lines;
    for (int at = 0; lines.size() < includes.size(); ++at)
        for (auto it = includes.cbegin(); it != includes.cend(); ++it)
            if (level.value(it.key()) == at) {
                QStringList below = it.value().values();
                below.sort();
                lines << QStringLiteral("- `%2/` (%1)%3").arg(at).arg(it.key(), below.isEmpty() ? QString() : QStringLiteral(" → ") + below.join(QStringLiteral(", ")));
            }
    return lines;
}

// Every room stands above the rooms it includes, so that a room can be read, built and tested
// knowing only those below it: no include goes round in a circle, none reaches up into the
// composition root app/, and the architecture notes list the rooms in that order.
TEST(IncludeRules, RoomsIncludeEachOtherInOneOrderWithTheCompositionRootOnTop)
{
    const QMap<QString, QSet<QString>> includes = roomIncludes();
    ASSERT_GT(includes.size(), 15);
    for (auto it = includes.cbegin(); it != includes.cend(); ++it)
        EXPECT_FALSE(it.value().contains(QStringLiteral("app"))) << it.key().toStdString() << " includes app/";
    const QStringList order = roomOrder(includes);
    ASSERT_FALSE(order.isEmpty()) << "the rooms' includes go round in a circle";
    QFile notes(sourceRoot() + QStringLiteral("docs/architecture.md"));
    ASSERT_TRUE(notes.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(notes.readAll());
    const QString begin = QStringLiteral("<!-- room order -->\n"), end = QStringLiteral("<!-- /room order -->");
    const qsizetype from = text.indexOf(begin) + begin.size(), to = text.indexOf(end);
    ASSERT_TRUE(from >= begin.size() && to >= from) << "docs/architecture.md holds no room order";
    EXPECT_EQ(text.mid(from, to - from).toStdString(), (order.join(u'\n') + u'\n').toStdString())
        << "docs/architecture.md lists the rooms in another order";
}

// Settings are read and written only through their typed sections in settings/: no other room
// names a key or reads or writes the settings file itself.
TEST(IncludeRules, OnlyTheSettingsRoomReadsAndWritesKeys)
{
    static const QRegularExpression raw(QStringLiteral("SettingsKeys|(\\.|->)(read(Optional)?Integer|readBool|readString|"
                                                       "write(Integer|Bool|String))\\s*\\("));
    QStringList found;
    for (const QString& file : programSources()) {
        QFile source(sourceRoot() + file);
        source.open(QIODevice::ReadOnly);
        if (roomOf(file) != QStringLiteral("settings") && raw.match(QString::fromUtf8(source.readAll())).hasMatch())
            found << file;
    }
    EXPECT_TRUE(found.isEmpty()) << found.join(u'\n').toStdString();
}

// Files that reach no window header, or not the one named (the files given are not counted
// against each other): the links reach no window at all; the maps see the main window only as
// their MapHost and the rotor panel only its client area, so that each runs without it.
TEST(IncludeRules, LinksReachNoWindowAndTheMapsAndRotorPanelNoMainWindow)
{
    const struct {
        const char* name;
        QStringList files;
        const char* forbidden;  // a window header; null: any
    } cases[] = {
        {"RotorLink", {"rotor/TF_Rotor.h", "rotor/TF_Rotor.cpp"}, nullptr},
        {"Logger32Link",
         {"logger/Logger32Link.h", "logger/Logger32Link.cpp", "logger/Logger32Exchange.h", "logger/Logger32Exchange.cpp"},
         nullptr},
        {"PartnerLinks",
         {"partner/PartnerLinks.h", "partner/PartnerLinks.cpp", "partner/PartnerScripting.h",
          "partner/PartnerScripting.cpp", "partner/WsjtxLink.h", "partner/WsjtxLink.cpp"},
         nullptr},
        {"MapWindow", {"readout/MapWindow.h", "readout/MapWindow.cpp"}, "app/TFormA.h"},
        {"TForm1", {"mercator/TForm1.h", "mercator/TForm1.cpp"}, "app/TFormA.h"},
        {"TForm10", {"beam/TForm10.h", "beam/TForm10.cpp"}, "app/TFormA.h"},
        {"TForm6", {"rotor/TForm6.h", "rotor/TForm6.cpp"}, "app/TFormA.h"},
    };
    for (const auto& c : cases) {
        for (const QString& file : c.files)
            ASSERT_TRUE(QFileInfo::exists(sourceRoot() + file)) << file.toStdString();
        QStringList reached = windowHeadersReached(c.files);
        if (c.forbidden)
            reached = reached.filter(QLatin1String(c.forbidden));
        EXPECT_TRUE(reached.isEmpty()) << c.name << ": " << reached.join(u'\n').toStdString();
    }
}

// Every source of the program names its licence in its first lines, as the packages declare it.
TEST(IncludeRules, EverySourceNamesItsLicence)
{
    QStringList unmarked;
    for (const QString& file : programSources()) {
        QFile source(sourceRoot() + file);
        if (!source.open(QIODevice::ReadOnly) || !source.read(300).contains("SPDX-License-Identifier: GPL-3.0-or-later"))
            unmarked << file;
    }
    EXPECT_TRUE(unmarked.isEmpty()) << unmarked.join(u'\n').toStdString();
}

} // namespace
