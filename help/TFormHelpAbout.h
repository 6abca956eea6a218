// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QRect>
#include <QUrl>
#include <QWidget>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;

// The about card: version and file date, the project's contact lines, and buttons that hand the
// web page and a mail to the system's default programs. It disappears as soon as it loses the
// focus, like a pop-up card.
class TFormHelpAbout : public QWidget {
    Q_OBJECT
public:
    // The main window's client area: its size, at the main window's position, screen pixels.
    using ClientArea = std::function<QRect()>;

    static const QUrl webAddress;
    static const QUrl mailAddress;  // mailto: with the subject

    // The card comes up centred over the area; without one it stays where it is.
    explicit TFormHelpAbout(ClientArea mainClientArea);

    void FormCreate();
    void FormActivate();
    void FormDeactivate();
    void B_CloseClick();
    void Button3Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    ClientArea mainClientArea_;
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
};
