// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

class QCoreApplication;
class QString;

// Qt's own German texts for its standard dialogs and messages (colour dialog, standard buttons),
// from the Qt translations folder, so that the German program shows no English dialog.
class GermanTranslation {
public:
    // Loads "qtbase_de" from the folder (Qt's translations folder when empty) and installs it in
    // the application, which owns it. False when the file is missing; the program's own boxes
    // still name their buttons in German then.
    static bool install(QCoreApplication& application, const QString& folder);
};
