// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "help/TFormHilfe.h"

#include "settings/HelpSettings.h"
#include "help/HelpAddress.h"
#include "session/Session.h"
#include "widgets/CloseOnEscape.h"
#include "widgets/ErrorBox.h"
#include "widgets/GuardedConnection.h"
#include "widgets/PlacedButton.h"
#include "widgets/WindowPlace.h"

#include <QPushButton>
#include <QTextBrowser>

TFormHilfe::TFormHilfe(Session& session, HelpSettings& settings)
    : session_(session), settings_(settings)
{
    setObjectName(QStringLiteral("FormHilfe"));
    setWindowTitle(tr("Hilfe"));
    closeOnEscape(this);
    // System menu and maximise box, no minimise box; above the other windows.
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);

    B_Close = addPlacedButton(this, "B_Close", QStringLiteral("Close"), QRect(0, 0, 73, 25));
    B_Back = addPlacedButton(this, "B_Back", QStringLiteral("Back"), QRect(72, 0, 105, 25));
    B_Forward = addPlacedButton(this, "B_Forward", QStringLiteral("Forward"), QRect(176, 0, 105, 25));
    connectGuarded(B_Close, &QPushButton::clicked, this, &TFormHilfe::B_CloseClick);
    connectGuarded(B_Back, &QPushButton::clicked, this, &TFormHilfe::B_BackClick);
    connectGuarded(B_Forward, &QPushButton::clicked, this, &TFormHilfe::B_ForwardClick);

    WB1 = new QTextBrowser(this);
    WB1->setObjectName(QStringLiteral("WB1"));
    // Links out of the page (data sources, licences) go to the system's browser.
    WB1->setOpenExternalLinks(true);

    ErrorBox::guard([this] { FormCreate(); });
}

void TFormHilfe::FormCreate()
{
    const WindowBounds& place = settings_.bounds();
    WindowPlace::restore(this, place.left, place.top, place.width, place.height);
}

void TFormHilfe::FormResize()
{
    WB1->setGeometry(0, B_Close->height(), width(), height() - B_Close->height());
}

void TFormHilfe::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ErrorBox::guard([this] { FormResize(); });
}

void TFormHilfe::FormDestroy()
{
    settings_.setBounds(WindowBounds::of(geometry()));
}

void TFormHilfe::B_CloseClick()
{
    close();
}

// The browser does nothing when there is no page in that direction of its history.
void TFormHilfe::B_BackClick()
{
    WB1->backward();
}

void TFormHilfe::B_ForwardClick()
{
    WB1->forward();
}

void TFormHilfe::ShowHelp(const QString& page, const QString& anchor)
{
    show();
    raise();
    activateWindow();
    WB1->setFocus();
    FormResize();
    // Through the beam map section first, so that the final jump to the top of the page is a
    // move the browser always makes, also when the page is already shown.
    navigate(page, QStringLiteral("Beamkarte"));
    navigate(HelpAddress::trimBlanksAndControls(page), HelpAddress::trimBlanksAndControls(anchor));
}

void TFormHilfe::showHelpPage()
{
    // The page in the language of the run.
    ShowHelp(session_.folders().dataFolder + QStringLiteral("Help/") + tr("Corvane.htm", "file name of the help page"),
             QString());
}

void TFormHilfe::navigate(const QString& page, const QString& anchor)
{
    WB1->setSource(HelpAddress::toUrl(page, anchor, WB1->source()));
}
