// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "help/TFormHelpAbout.h"

#include "help/VersionInfo.h"
#include "widgets/CloseOnEscape.h"
#include "widgets/ErrorBox.h"
#include "widgets/GuardedConnection.h"
#include "widgets/PlacedButton.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QPushButton>


const QUrl TFormHelpAbout::webAddress(QStringLiteral("https://corvane.example.org"));
const QUrl TFormHelpAbout::mailAddress(QStringLiteral("mailto:corvane@example.org?subject=Corvane"));

namespace {

const QColor skyBlue(166, 202, 240);
constexpr int panelWidth = 449, panelHeight = 297;  // pixels

QLabel* addLabel(QWidget* parent, const char* name, int top, int pixelSize)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    label->setFont(font);
    label->move(0, top);
    return label;
}

// Sets the text, sizes the label to it and centres it across the given width; the division
// truncates toward zero.
void placeCentred(QLabel* label, const QString& text, int width)
{
    label->setText(text);
    const QFontMetrics metrics(label->font());
    const int textWidth = metrics.horizontalAdvance(text);
    label->setGeometry((width - textWidth) / 2, label->y(), textWidth, metrics.height());
}

} // namespace

TFormHelpAbout::TFormHelpAbout(ClientArea mainClientArea)
    : mainClientArea_(std::move(mainClientArea))
{
    setObjectName(QStringLiteral("FormHelpAbout"));
    setWindowTitle(tr("Über diese Version / About this Version"));
    closeOnEscape(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    QPalette colours(skyBlue);  // bevel shades follow the card's colour
    colours.setColor(QPalette::Window, skyBlue);
    setPalette(colours);
    setAutoFillBackground(true);
    setFixedSize(panelWidth, panelHeight);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, panelWidth, panelHeight);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(5);

    LabelVer = addLabel(Panel1, "LabelVer", 16, 16);
    Label1 = addLabel(Panel1, "Label1", 64, 13);
    Label2 = addLabel(Panel1, "Label2", 80, 13);
    Label3 = addLabel(Panel1, "Label3", 96, 13);
    Label4 = addLabel(Panel1, "Label4", 112, 13);
    Label5 = addLabel(Panel1, "Label5", 128, 13);
    B_Close = addPlacedButton(Panel1, "B_Close", tr("Schließen / Close"), QRect(136, 160, 185, 25));
    Button3 = addPlacedButton(Panel1, "Button3", tr("Gehe zu / Goto ") + webAddress.host(), QRect(88, 208, 281, 25));
    Button2 =
        addPlacedButton(Panel1, "Button2", tr("Sende Email an / Send email to: Corvane"), QRect(88, 248, 281, 25));
    connectGuarded(B_Close, &QPushButton::clicked, this, &TFormHelpAbout::B_CloseClick);
    connectGuarded(Button3, &QPushButton::clicked, this, &TFormHelpAbout::Button3Click);
    connectGuarded(Button2, &QPushButton::clicked, this, &TFormHelpAbout::Button2Click);

    ErrorBox::guard([this] { FormCreate(); });
}

void TFormHelpAbout::FormCreate()
{
    const QString version = VersionInfo::ReadFileVersion();
    const QDate date = VersionInfo::fileDate(QCoreApplication::applicationFilePath());
    placeCentred(LabelVer, VersionInfo::versionLine(version, date, QLocale()), width());
    placeCentred(Label1, QStringLiteral("Corvane"), width());
    placeCentred(Label2, tr("Großkreis, Karte und Rotor für Funkamateure"), width());
    placeCentred(Label3, tr("Freie Software"), width());
    placeCentred(Label4, tr("für Linux und Windows"), width());
    placeCentred(Label5, tr("Kontakt: ") + mailAddress.path(), width());
}

// Centres the card over the main window each time it is shown; the divisions truncate toward zero.
void TFormHelpAbout::FormActivate()
{
    if (!mainClientArea_)
        return;
    const QRect area = mainClientArea_();
    move((area.width() - width()) / 2 + area.x(), (area.height() - height()) / 2 + area.y());
}

void TFormHelpAbout::FormDeactivate()
{
    hide();
}

void TFormHelpAbout::B_CloseClick()
{
    hide();
}

// A failing hand-over is not reported.
void TFormHelpAbout::Button3Click()
{
    QDesktopServices::openUrl(webAddress);
}

void TFormHelpAbout::Button2Click()
{
    QDesktopServices::openUrl(mailAddress);
}

void TFormHelpAbout::showEvent(QShowEvent* event)
{
    ErrorBox::guard([this] { FormActivate(); });
    QWidget::showEvent(event);
    // Showing the card activates it, so that the next click elsewhere hides it again.
    raise();
    activateWindow();
}

void TFormHelpAbout::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        ErrorBox::guard([this] { FormDeactivate(); });
}
