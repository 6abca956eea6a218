// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "app/TFormA.h"

#include "readout/CursorPanel.h"
#include "logger/Logger32Link.h"
#include "settings/MainWindowSettings.h"
#include "widgets/ErrorBox.h"
#include "widgets/GuardedConnection.h"
#include "widgets/MenuCaption.h"
#include "widgets/OverflowMenus.h"
#include "widgets/WindowPlace.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>



namespace {

QString logger32Caption(Logger32Link::State state)
{
    switch (state) {
    case Logger32Link::State::NotFound:
        return QStringLiteral("Lo&gger32 NOT found");
    case Logger32Link::State::NotConnected:
        return QStringLiteral("Lo&gger32 NOT connected");
    case Logger32Link::State::Connected:
        return QStringLiteral("Lo&gger32 connected");
    case Logger32Link::State::Start:
        break;
    }
    return QStringLiteral("Lo&gger32");
}

} // namespace

TFormA::TFormA(Logger32Link& logger32Link, MainWindowSettings& settings)
    : logger32Link_(logger32Link),
      settings_(settings)
{
    setWindowTitle(ErrorBox::programTitle);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setGeometry(designedLeft, designedTop, designedWidth, designedHeight);
    buildMenu();
    buildControls();
}

void TFormA::restorePlace()
{
    const WindowBounds& place = settings_.bounds();
    WindowPlace::restore(this, place.left, place.top, place.width, place.height);
}

void TFormA::buildControls()
{
    client_ = new QWidget(this);
    setCentralWidget(client_);

    P_Cursor = new CursorPanel(client_);

    StartPanel = new QLabel(tr("eigenen Locator eingeben, dann Eingabetaste"), client_);
    StartPanel->setObjectName(QStringLiteral("StartPanel"));
    StartPanel->setAlignment(Qt::AlignCenter);
    StartPanel->setAutoFillBackground(true);
    QPalette palette = StartPanel->palette();
    palette.setColor(QPalette::Window, Qt::red);
    palette.setColor(QPalette::WindowText, Qt::yellow);
    StartPanel->setPalette(palette);
    QFont promptFont = StartPanel->font();
    promptFont.setPixelSize(19);
    StartPanel->setFont(promptFont);
    // "Menü und Hilfe mit rechter Maustaste": the menu bar's items, "Hilfe" among them.
    StartPanel->setContextMenuPolicy(Qt::ActionsContextMenu);
    StartPanel->addActions(menuBar()->actions());
    StartPanel->hide();

    Button1 = new QPushButton(QStringLiteral("OK"), StartPanel);
    Button1->setObjectName(QStringLiteral("Button1"));
    // Return and keypad Enter press it when it has the focus, as Space does.
    Button1->setAutoDefault(true);
    Button1->hide();
    connectGuarded(Button1, &QPushButton::clicked, this, &TFormA::Button1Click);

    ResizeTimer = new QTimer(this);
    ResizeTimer->setObjectName(QStringLiteral("ResizeTimer"));
    ResizeTimer->setInterval(50);
    ResizeTimer->setSingleShot(true);
    connectGuarded(ResizeTimer, &QTimer::timeout, this, &TFormA::ResizeTimerTimer);

    // Enabled by the program entry once every window exists.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connectGuarded(Timer1, &QTimer::timeout, this, &TFormA::Timer1Timer);

    const auto showLogger32 = [this] { Logger32->setText(logger32Caption(logger32Link_.state())); };
    showLogger32();
    connect(&logger32Link_, &Logger32Link::changed, this, showLogger32);
}

void TFormA::buildMenu()
{
    QMenuBar* bar = menuBar();
    const auto topAction = [&](const QString& name, const QString& caption, void (TFormA::*method)()) {
        QAction* action = bar->addAction(caption);
        action->setObjectName(name);
        connectGuarded(action, &QAction::triggered, this, method);
        return action;
    };
    const auto topMenu = [&](const QString& name, const QString& caption, void (TFormA::*onOpen)()) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        // The map is switched once the menu is open: switching resizes the window, and a resize
        // while the menu bar opens the menu closes it again.
        if (onOpen)
            connect(
                menu, &QMenu::aboutToShow, this, [this, onOpen] { ErrorBox::guard([=] { (this->*onOpen)(); }); },
                Qt::QueuedConnection);
        return menu;
    };
    const auto subItem = [&](QMenu* menu, const QString& name, const QString& caption, void (TFormA::*method)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        if (method)
            connectGuarded(action, &QAction::triggered, this, method);
        return action;
    };

    // Each caption underlines a character of its own within its menu ("&"); J and L stay free for
    // the rotor keys Alt+J and Alt+L of the "Extras" menu.
    Parameter1 = topAction(QStringLiteral("Parameter1"), tr("&Parameter"), &TFormA::Parameter1Click);
    Locator1 = topAction(QStringLiteral("Locator1"), QStringLiteral("L&ocator"), &TFormA::Locator1Click);
    Karten1 = topMenu(QStringLiteral("Karten1"), tr("&Mercatorkarte"), &TFormA::Karten1Click);
    ZoomMercator =
        subItem(Karten1, QStringLiteral("ZoomMercator"), QStringLiteral("Zoom &-"), &TFormA::ZoomMercatorClick);
    Leer = subItem(Karten1, QStringLiteral("Leer"), QStringLiteral("-------------"), nullptr);
    Beamkarte1 = topMenu(QStringLiteral("Beamkarte1"), tr("&Beamkarte"), &TFormA::Beamkarte1Click);
    Zoom1 = subItem(Beamkarte1, QStringLiteral("Zoom1"), QStringLiteral("Zoom &+"), &TFormA::Zoom1Click);
    Zoom2 = subItem(Beamkarte1, QStringLiteral("Zoom2"), QStringLiteral("Zoom &-"), &TFormA::Zoom2Click);
    Feststationen1 = topAction(QStringLiteral("Feststationen1"), tr("&Feststationen"), &TFormA::Feststationen1Click);
    Feststationen1->setVisible(false);
    StayOnTop1 = topAction(QStringLiteral("StayOnTop1"), QStringLiteral("&StayOnTop"), &TFormA::StayOnTop1Click);
    StayOnTop1->setCheckable(true);
    // StayOnTop1Click inverts the check mark itself, so Qt's own toggle is undone first.
    disconnect(StayOnTop1, &QAction::triggered, nullptr, nullptr);
    connectGuarded(StayOnTop1, &QAction::triggered, this, [this] {
        StayOnTop1->setChecked(!StayOnTop1->isChecked());
        StayOnTop1Click();
    });
    Logger32 = topAction(QStringLiteral("Logger32"), QStringLiteral("Logger32"), &TFormA::Logger32Click);
    buildExtrasMenu();
    Hilfe1 = topMenu(QStringLiteral("Hilfe1"), tr("&Hilfe"), nullptr);
    About1 = subItem(Hilfe1, QStringLiteral("About1"), QStringLiteral("&About"), &TFormA::About1Click);
    Hilfe2 = subItem(Hilfe1, QStringLiteral("Hilfe2"), tr("&Hilfe"), &TFormA::Hilfe2Click);
    // F1 opens the help and Ctrl+Q ends the program as its close button does, in every window.
    Hilfe2->setShortcut(QKeySequence::HelpContents);
    Hilfe2->setShortcutContext(Qt::ApplicationShortcut);
    quitAction = new QAction(this);
    quitAction->setObjectName(QStringLiteral("quitAction"));
    quitAction->setShortcut(QKeySequence::Quit);
    quitAction->setShortcutContext(Qt::ApplicationShortcut);
    addAction(quitAction);
    connect(quitAction, &QAction::triggered, this, &QWidget::close);
    // A narrow window (the beam map's square) puts the last items into the overflow button.
    new OverflowMenus(bar);
}

void TFormA::buildExtrasMenu()
{
    extrasMenu = menuBar()->addMenu(QStringLiteral("&Extras"));
    extrasMenu->setObjectName(QStringLiteral("extrasMenu"));
    const auto item = [this](const QString& name, const QString& caption, const QKeySequence& keys = QKeySequence()) {
        QAction* action = extrasMenu->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(keys);
        // The rotor keys work in every window of the program, as contest operators expect.
        action->setShortcutContext(Qt::ApplicationShortcut);
        return action;
    };
    rotorSetupItem = item(QStringLiteral("rotorSetupItem"), tr("Rotor &einrichten …"));
    rotorParkItem = item(QStringLiteral("rotorParkItem"), tr("Rotor &parken"));
    shortPathItem =
        item(QStringLiteral("shortPathItem"), tr("Zum Ziel drehen, &kurzer Weg"), QKeySequence(Qt::ALT | Qt::Key_J));
    longPathItem =
        item(QStringLiteral("longPathItem"), tr("Zum Ziel drehen, la&nger Weg"), QKeySequence(Qt::ALT | Qt::Key_L));
    rotorStopItem =
        item(QStringLiteral("rotorStopItem"), tr("Rotor &anhalten"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_J));
    extrasMenu->addSeparator();
    greylineItem = item(QStringLiteral("greylineItem"), tr("&Tag und Nacht auf den Karten"));
    greylineItem->setCheckable(true);
    dxSpotsItem = item(QStringLiteral("dxSpotsItem"), tr("&DX-Spots"));
    connect(rotorSetupItem, &QAction::triggered, this, &TFormA::rotorSetupRequested);
    connect(rotorParkItem, &QAction::triggered, this, &TFormA::rotorParkRequested);
    connect(shortPathItem, &QAction::triggered, this, [this] { emit rotorTurnRequested(false); });
    connect(longPathItem, &QAction::triggered, this, [this] { emit rotorTurnRequested(true); });
    connect(rotorStopItem, &QAction::triggered, this, &TFormA::rotorStopRequested);
    connect(greylineItem, &QAction::toggled, this, &TFormA::greylineToggled);
    connect(dxSpotsItem, &QAction::triggered, this, &TFormA::dxSpotsRequested);
}

void TFormA::addExtrasMenu(QMenu* menu)
{
    extrasMenu->addSeparator();
    extrasMenu->addMenu(menu);
}

void TFormA::FormDestroy()
{
    settings_.setBounds(WindowBounds::of(geometry()));
    settings_.setStayOnTop(isStayOnTop());
}

int TFormA::clientWidth() const
{
    return client_->width();
}

int TFormA::clientHeight() const
{
    return client_->height();
}

void TFormA::keepWhole(QWidget* child)
{
    keptWhole_ = child;
    child->installEventFilter(this);
    client_->setMinimumSize(child->size());
}

bool TFormA::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == keptWhole_ && event->type() == QEvent::Resize)
        client_->setMinimumSize(keptWhole_->size());
    return QMainWindow::eventFilter(watched, event);
}

void TFormA::setClientSize(int width, int height)
{
    // The menu bar and any frame stay as they are; only the client area takes the new size.
    resize(this->width() - client_->width() + width, this->height() - client_->height() + height);
}

void TFormA::showStartPrompt()
{
    StartPanel->setGeometry(0, 0, clientWidth(), clientHeight());
    Button1->move((StartPanel->width() - Button1->width()) / 2, (StartPanel->height() - Button1->height()) * 3 / 4);
    StartPanel->show();
    StartPanel->raise();
}

void TFormA::showStartHint()
{
    StartPanel->setText(tr("Menü und Hilfe mit rechter Maustaste"));
    Button1->show();
    // As if reached with the keyboard, so that the button shows its focus frame.
    activateWindow();
    setAttribute(Qt::WA_KeyboardFocusChange);
    Button1->setFocus(Qt::TabFocusReason);
}

void TFormA::hideStartPrompt()
{
    StartPanel->hide();
}

QAction* TFormA::addMapMenuItem(const QString& caption)
{
    // The maps' names come from the files in the maps folder: each gets the first letter that is
    // still free in the menu.
    QString taken;
    for (const QAction* item : Karten1->actions()) {
        const QChar letter = MenuCaption::accelerator(item->text());
        if (!letter.isNull())
            taken += letter;
    }
    return Karten1->addAction(MenuCaption::marked(caption, taken));
}

void TFormA::showMercatorZoomOut(bool shown)
{
    ZoomMercator->setVisible(shown);
}

void TFormA::showFixedStationsItem(bool shown)
{
    Feststationen1->setVisible(shown);
}

void TFormA::showGreylineChecked(bool shown)
{
    greylineItem->setChecked(shown);
}

void TFormA::allWindowsCreated()
{
    Timer1->start();
}

void TFormA::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TFormA::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    QCoreApplication::quit();
}

void TFormA::FormResize()
{
    ResizeTimer->start();
}

void TFormA::ResizeTimerTimer()
{
    ResizeTimer->stop();
    emit clientAreaResized();
}

void TFormA::Timer1Timer()
{
    Timer1->stop();
    const bool onTop = settings_.stayOnTop();
    StayOnTop1->setChecked(onTop);
    setStayOnTop(onTop);
}

void TFormA::StayOnTop1Click()
{
    StayOnTop1->setChecked(!StayOnTop1->isChecked());
    setStayOnTop(StayOnTop1->isChecked());
}

bool TFormA::isStayOnTop() const
{
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void TFormA::setStayOnTop(bool on)
{
    StayOnTop1->setText(on ? QStringLiteral("&StayOnTop *") : QStringLiteral("&StayOnTop  "));
    if (on == isStayOnTop())
        return;
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (wasVisible)
        show();  // changing the flags hides a window
}

void TFormA::Button1Click()
{
    emit startPromptConfirmed();
}

void TFormA::Parameter1Click()
{
    emit parametersRequested();
}

void TFormA::Locator1Click()
{
    emit locatorEntryRequested();
}

void TFormA::Feststationen1Click()
{
    emit fixedStationsRequested();
}

void TFormA::Karten1Click()
{
    emit mercatorMapRequested();
}

void TFormA::Beamkarte1Click()
{
    emit beamMapRequested();
}

void TFormA::Zoom1Click()
{
    emit beamZoomInRequested();
}

void TFormA::Zoom2Click()
{
    emit beamZoomOutRequested();
}

void TFormA::ZoomMercatorClick()
{
    emit mercatorZoomOutRequested();
}

void TFormA::Hilfe2Click()
{
    emit helpRequested();
}

void TFormA::About1Click()
{
    emit aboutRequested();
}

void TFormA::Logger32Click()
{
    if (logger32Link_.isUp())
        logger32Link_.DisconnectLogger32();
    else
        logger32Link_.ConnectLogger32();
}
