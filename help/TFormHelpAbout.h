// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QUrl>
#include <QWidget>

class TFormA;

class QFrame;
class QLabel;
class QPushButton;

// The about card: version and file date, the project's contact lines, and buttons that hand the
// web page and a mail to the system's default programs. It disappears as soon as it loses the
// focus, like a pop-up card.
class TFormHelpAbout : public QWidget {
    Q_OBJECT
    // What this window works with, handed in by the program.
    TFormA* mainWindow_;

public:
    static const QUrl webAddress;
    static const QUrl mailAddress;  // mailto: with the subject

    explicit TFormHelpAbout(TFormA* mainWindow);

    void FormCreate();
    void FormActivate();
    void FormDeactivate();
    void B_CloseClick();
    void Button3Click();
    void Button2Click();

    QFrame* Panel1 = nullptr;
    QLabel* LabelVer = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* B_Close = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
};
