// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QWidget>

class HelpSettings;
class Session;

class QPushButton;
class QTextBrowser;

// The help viewer: the help page in an embedded browser with Close, Back and Forward. Created at
// start-up and hidden until help is asked for; closing only hides it, so the browser keeps its
// history for the whole run.
class TFormHilfe : public QWidget {
    Q_OBJECT
    // What this window works with, handed in by the program.
    Session& session_;
    HelpSettings& settings_;

public:
    TFormHilfe(Session& session, HelpSettings& settings);

    void FormCreate();
    void FormResize();
    void FormDestroy();
    void B_CloseClick();
    void B_BackClick();
    void B_ForwardClick();

    // Shows the window and the page at the anchor; an empty anchor is the top of the page.
    void ShowHelp(const QString& page, const QString& anchor);
    // The menu's "Hilfe": the program's help page from its top.
    void showHelpPage();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* B_Close = nullptr;
    QPushButton* B_Back = nullptr;
    QPushButton* B_Forward = nullptr;
    QTextBrowser* WB1 = nullptr;

    void navigate(const QString& page, const QString& anchor);
};
