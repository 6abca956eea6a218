// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/TForm6.h"

#include "base/Rounding.h"
#include "geo/CoordinateText.h"
#include "logger/Logger32Link.h"
#include "partner/GridLocator.h"
#include "partner/Partner.h"
#include "partner/PartnerText.h"
#include "rotor/AzimuthEntry.h"
#include "rotor/OptimisedPath.h"
#include "rotor/TF_Rotor.h"
#include "session/Session.h"
#include "settings/ParameterSettings.h"
#include "widgets/ErrorBox.h"
#include "widgets/GuardedConnection.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <cmath>


namespace {

const char* const tagProperty = "Tag";
constexpr int linksTag = 1, startTag = 2, rechtsTag = 3;
constexpr int controlHeight = 20;        // pixels
constexpr int labelLeft = 189;           // pixels
constexpr int designedLabelWidth = 23;   // pixels
constexpr int locatorLength = 6;         // characters
constexpr int squareLocatorLength = 4;   // characters of a square locator such as JO31
constexpr int controlGap = 6;            // pixels between the arrow panels, and before the foreign target

QString foreignGoalText(double azimuth)
{
    return QCoreApplication::translate("TForm6", "Fremdziel %1°").arg(roundHalfEven(azimuth));
}
const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor yellow(255, 255, 0);
const QColor blue(0, 0, 255);

} // namespace

TForm6::TForm6(Session& session, QWidget* clientArea, TF_Rotor* rotorLink, const ParameterSettings& parameters,
               Logger32Link& logger32Link)
    : session_(session), clientArea_(clientArea), rotorLink_(rotorLink), parameters_(parameters)
{
    setObjectName(QStringLiteral("Form6"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, blue);
    setPalette(palette);
    PanelLinks = addPanel(QStringLiteral("PanelLinks"), QStringLiteral("<<"), 0, 27, linksTag);
    PanelStart = addPanel(QStringLiteral("PanelStart"), tr("Ziel"), 33, 46, startTag);
    PanelRechts = addPanel(QStringLiteral("PanelRechts"), QStringLiteral(">>"), 85, 26, rechtsTag);
    // The long path and the rotor keys, on the panel's context menu too.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    // The keys themselves belong to the main window's menu (in every window): here they are only named.
    const auto command = [this](const QString& name, const QString& caption, auto handler) {
        auto* action = new QAction(caption, this);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
    };
    command(QStringLiteral("shortPathCommand"), tr("Zum Ziel drehen, kurzer Weg (Alt+J)"),
            [this] { turnToTarget(false); });
    command(QStringLiteral("longPathCommand"), tr("Zum Ziel drehen, langer Weg (Alt+L)"),
            [this] { turnToTarget(true); });
    command(QStringLiteral("stopCommand"), tr("Rotor anhalten (Strg+Alt+J)"), [this] { stopRotor(); });

    Edit_Azimut = new QLineEdit(QStringLiteral("JO40HC"), this);
    Edit_Azimut->setObjectName(QStringLiteral("Edit_Azimut"));
    Edit_Azimut->setProperty(tagProperty, 6);
    Edit_Azimut->setGeometry(panelBorder + 117, panelBorder, 66, controlHeight);
    Edit_Azimut->setMaxLength(locatorLength);
    QFont fieldFont(QStringLiteral("Courier New"));
    fieldFont.setStyleHint(QFont::TypeWriter);
    fieldFont.setBold(true);
    fieldFont.setPixelSize(15);
    Edit_Azimut->setFont(fieldFont);
    Edit_Azimut->setTextMargins(0, 0, 0, 0);
    Edit_Azimut->installEventFilter(this);

    Label1 = new QLabel(tr("Grad"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setAutoFillBackground(true);
    QPalette labelPalette = Label1->palette();
    labelPalette.setColor(QPalette::Window, QApplication::palette(Label1).color(QPalette::Window));
    labelPalette.setColor(QPalette::WindowText, QApplication::palette(Label1).color(QPalette::WindowText));
    Label1->setPalette(labelPalette);
    // The designed width, or the caption's in the font at hand when that is wider.
    const int labelWidth = std::max(designedLabelWidth, Label1->fontMetrics().horizontalAdvance(Label1->text()) + 4);
    Label1->setGeometry(panelBorder + labelLeft, panelBorder, labelWidth, controlHeight);
    // The panel sizes itself to its controls and its border.
    ownControlsWidth_ = panelBorder + labelLeft + labelWidth + panelBorder;
    resize(ownControlsWidth_, panelBorder + controlHeight + panelBorder);

    // Looks like "Grad"; wide enough for any azimuth, so that the panel keeps its width while the
    // goal changes.
    ForeignGoalLabel = new QLabel(this);
    ForeignGoalLabel->setObjectName(QStringLiteral("ForeignGoalLabel"));
    ForeignGoalLabel->setAlignment(Qt::AlignCenter);
    ForeignGoalLabel->setAutoFillBackground(true);
    ForeignGoalLabel->setPalette(labelPalette);
    ForeignGoalLabel->setToolTip(tr("Ziel, das ein anderes Programm dem Rotor gegeben hat"));
    const int goalWidth = ForeignGoalLabel->fontMetrics().horizontalAdvance(foreignGoalText(-888)) + 8;
    ForeignGoalLabel->setGeometry(ownControlsWidth_ - panelBorder + controlGap, panelBorder, goalWidth, controlHeight);
    ForeignGoalLabel->hide();

    // A zero-size cancel button: Esc anywhere in the main window clicks it while the panel shows.
    Button1 = new QPushButton(QStringLiteral("Button1"), PanelStart);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(0, 0, 0, 0);
    Button1->setFocusPolicy(Qt::NoFocus);
    connectGuarded(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, Button1, &QPushButton::click);

    if (rotorLink_) {
        connect(&session_, &Session::rotorStatusChanged, this, &TForm6::UpdateRotorDisplay);
        connect(&session_, &Session::rotorLinkLost, this, &TForm6::HideRotorDisplay);
    }
    connect(&logger32Link, &Logger32Link::bearingReceived, this, &TForm6::takeLogger32Bearing);

    ErrorBox::guard([this] { FormCreate(); });
}

QLabel* TForm6::addPanel(const QString& name, const QString& caption, int left, int width, int tag)
{
    auto* panel = new QLabel(caption, this);
    panel->setObjectName(name);
    panel->setProperty(tagProperty, tag);
    panel->setGeometry(panelBorder + left, panelBorder, width, controlHeight);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(3);  // bevel width, pixels
    panel->setAutoFillBackground(true);
    QFont font = panel->font();
    font.setBold(true);
    panel->setFont(font);
    panel->installEventFilter(this);
    // Reached with Tab and pressed with Space like a button; the focus is shown by an underline.
    panel->setFocusPolicy(Qt::TabFocus);
    setPanelColor(panel, red);
    return panel;
}

void TForm6::FormCreate()
{
    setParent(clientArea_);
    hide();
}

bool TForm6::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit_Azimut && event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        // Shortcuts that no menu took, such as Alt+N, neither wipe the azimuth nor type into it.
        // A paste and Delete change the text: they start an entry as a typed character does.
        const bool paste = keyEvent->matches(QKeySequence::Paste);
        if (!paste && (keyEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return keyEvent->modifiers().testFlag(Qt::AltModifier) && !keyEvent->text().isEmpty() &&
                keyEvent->text().at(0).isPrint();
        // The character the key types. Control characters other than Backspace and Enter (Tab,
        // Esc, Delete) type nothing here and keep their usual meaning.
        const int typed = keyEvent->text().isEmpty() ? 0 : keyEvent->text().at(0).unicode();
        const bool typesCharacter = typed >= ' ' ? typed != 0x7F : typed == AzimuthEntry::backspaceKey || typed == AzimuthEntry::enterKey;
        // Modifiers alone, function keys and keys that move the caret leave the azimuth shown.
        if (typesCharacter || paste || keyEvent->key() == Qt::Key_Delete)
            ErrorBox::guard([this] { Edit_AzimutKeyDown(); });
        if (!typesCharacter || paste)
            return false;
        int key = typed;
        ErrorBox::guard([&] { Edit_AzimutKeyPress(key); });
        if (key == typed && key != AzimuthEntry::enterKey)
            return false;  // typed into the field as it is
        if (key != 0 && key != AzimuthEntry::enterKey)
            Edit_Azimut->insert(QString(QChar(key)));  // the letter was upper-cased
        return true;
    }
    auto* panel = qobject_cast<QLabel*>(watched);
    if (panel && panel->focusPolicy() == Qt::TabFocus
        && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (keyEvent->key() != Qt::Key_Space || keyEvent->isAutoRepeat())
            return false;
        if (event->type() == QEvent::KeyPress)
            ErrorBox::guard([&] { PanelMouseDown(panel, Qt::LeftButton); });
        else
            ErrorBox::guard([&] { PanelMouseUp(panel, Qt::LeftButton); });
        return true;
    }
    if (panel && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        QFont font = panel->font();
        font.setUnderline(event->type() == QEvent::FocusIn);
        panel->setFont(font);
        return false;
    }
    if (panel && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (event->type() == QEvent::MouseButtonPress)
            ErrorBox::guard([&] { PanelMouseDown(panel, button); });
        else
            ErrorBox::guard([&] { PanelMouseUp(panel, button); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- The panels -----------------------------------------------------------------------------

void TForm6::setPanelColor(QLabel* panel, const QColor& color)
{
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, color);
    panel->setPalette(palette);
}

void TForm6::PanelMouseDown(QLabel* sender, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    sender->setFrameShadow(QFrame::Sunken);
    // The travel ends are any int the rotor program reports: one degree inside them is computed
    // in double, where it cannot overflow.
    // No choice (standing, no target; or no reading) sends the link's target again.
    const RotorState& rotor = session_.rotorState();
    pressedTarget_.reset();
    switch (sender->property(tagProperty).toInt()) {
    case linksTag:
        pressedTarget_ = shownMotion_ != -1 ? double(rotor.rotorMinAzimuth) + 1 : rotor.rotorAzimuth;
        break;
    case startTag:
        if (rotor.rotorMotion != 0)
            pressedTarget_ = rotor.rotorAzimuth;
        else if (session_.target().distance > 0)
            pressedTarget_ = rotorTargetFor(session_.target().bearing);
        break;
    case rechtsTag:
        pressedTarget_ = shownMotion_ != 1 ? double(rotor.rotorMaxAzimuth) - 1 : rotor.rotorAzimuth;
        break;
    }
}

void TForm6::PanelMouseUp(QLabel* sender, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    sender->setFrameShadow(QFrame::Raised);
    rotorLink_->turnTo(pressedTarget_.value_or(rotorLink_->targetAzimuth()));
}

// ---- The direction field --------------------------------------------------------------------

bool TForm6::isTyping() const
{
    return typing_;
}

void TForm6::setTyping(bool typing)
{
    typing_ = typing;
    QPalette palette = Edit_Azimut->palette();
    palette.setColor(QPalette::Base, typing ? yellow : QApplication::palette(Edit_Azimut).color(QPalette::Base));
    Edit_Azimut->setPalette(palette);
}

void TForm6::focusField()
{
    Edit_Azimut->setFocus();
    Edit_Azimut->setCursorPosition(0);
}

void TForm6::Button1Click()
{
    focusField();
    setTyping(true);
    Edit_Azimut->clear();
}

void TForm6::Edit_AzimutKeyDown()
{
    // The first key of an entry wipes the azimuth shown.
    if (isTyping())
        return;
    setTyping(true);
    Edit_Azimut->clear();
}

void TForm6::Edit_AzimutKeyPress(int& key)
{
    key = AzimuthEntry::keptKey(key);
    if (key != AzimuthEntry::enterKey)
        return;
    setTyping(false);
    // Typed letters are upper-cased by the key filter; pasted text is upper-cased here.
    const QString text = Edit_Azimut->text().toUpper();
    if (text.isEmpty())
        return;
    if (text.size() == locatorLength && IsLocatorText(text))
        takeLocator(text);
    else if (const auto bearing = AzimuthEntry::bearing(text))
        takeBearing(*bearing);
    // A four-character locator is refused as before, not read as a callsign (it would land in
    // the country its letters happen to name).
    else if (const auto partner = text.size() == squareLocatorLength && GridLocator::centre(text)
                                      ? std::nullopt
                                      : PartnerText(session_.referenceData().callsignTable).callsign(text))
        takePartner(*partner);
    else
        refuseEntry();
}

void TForm6::takeLocator(const QString& locator)
{
    Partner partner;
    locatorToPosition(locator, partner.place.longitude, partner.place.latitude);
    takePartner(partner);
}

void TForm6::takePartner(const Partner& partner)
{
    session_.setTarget(partner.place.longitude, partner.place.latitude, partner.country, partner.prefix);
    focusField();
    if (parameters_.rotorStartImmediately())
        rotorLink_->turnTo(rotorTargetFor(session_.target().bearing));
}

// By the path rule with the parameters in force.
double TForm6::rotorTargetFor(double azimuth) const
{
    return rotorLink_->OptimiseRotorTarget(azimuth, parameters_.overlapDegrees(), parameters_.optimisedPath());
}

// Nothing moves: the target falls back to where the rotor stands, without a message.
void TForm6::refuseEntry()
{
    rotorLink_->cancelTarget();
}

void TForm6::takeBearing(int bearing)
{
    const RotorState& rotor = session_.rotorState();
    const double azimuth = OptimisedPath::intoRange(bearing, rotor.rotorMinAzimuth, rotor.rotorMaxAzimuth, 360);
    rotorLink_->turnTo(rotorTargetFor(azimuth));
}

void TForm6::turnToTarget(bool longPath)
{
    const TargetInfo& target = session_.target();
    if (!session_.rotorState().rotorConnected || target.distance <= 0)
        return;
    const double bearing = longPath ? std::fmod(target.bearing + 180, 360.0) : target.bearing;  // degrees
    rotorLink_->turnTo(rotorTargetFor(bearing));
}

void TForm6::stopRotor()
{
    if (session_.rotorState().rotorConnected)
        rotorLink_->stop();
}

void TForm6::takeLogger32Bearing(int bearing)
{
    Edit_Azimut->setText(QString::number(bearing));
    int key = AzimuthEntry::enterKey;
    Edit_AzimutKeyPress(key);
}

// ---- Status ---------------------------------------------------------------------------------

void TForm6::HideRotorDisplay()
{
    hide();
    emit rotorDisplayShown(false);
}

void TForm6::UpdateRotorDisplay()
{
    const RotorState& rotor = session_.rotorState();
    PanelStart->setText(rotor.rotorMotion == 0 ? tr("Ziel") : QStringLiteral("Stop"));
    // Where the antenna is going, whichever program sent it there (a logger, a tracker, this one).
    PanelStart->setToolTip(rotor.rotorGoalAzimuth
                               ? tr("Ziel des Rotors: %1°").arg(AzimuthEntry::display(*rotor.rotorGoalAzimuth))
                               : QString());
    showForeignGoal(rotor.rotorForeignGoal);
    shownMotion_ = rotor.rotorMotion;
    setPanelColor(PanelLinks, shownMotion_ == -1 ? green : red);
    setPanelColor(PanelRechts, shownMotion_ == 1 ? green : red);

    if (rotor.rotorAzimuth) {
        if (!isTyping())
            Edit_Azimut->setText(AzimuthEntry::display(*rotor.rotorAzimuth));
        if (rotor.rotorConnected && isHidden()) {
            show();
            raise();
            emit rotorDisplayShown(true);
            focusField();
        }
    } else {
        HideRotorDisplay();
    }

    // A target left from before the first report must not move the rotor on a later send; one
    // waiting to be sent (a bearing from Logger32 in the first seconds) is meant and stays.
    if (rotorFirstStatus && rotor.rotorStatus6 > 0) {
        rotorFirstStatus = false;
        if (!rotorLink_->sendPending())
            rotorLink_->withdrawTarget();
    }
}

void TForm6::showForeignGoal(std::optional<double> goal)
{
    if (goal)
        ForeignGoalLabel->setText(foreignGoalText(*goal));
    if (ForeignGoalLabel->isHidden() != bool(goal))
        return;
    ForeignGoalLabel->setVisible(bool(goal));
    resize(goal ? ForeignGoalLabel->geometry().right() + 1 + panelBorder : ownControlsWidth_, height());
}

void TForm6::centreInClientArea()
{
    if (!clientArea_)
        return;
    // Centred by its own controls: the foreign target widens the panel to the right only, so that
    // no control moves under the mouse when it comes or goes.
    move((clientArea_->width() - ownControlsWidth_) / 2, clientArea_->height() - clientHeight() - borderWidth());
}
