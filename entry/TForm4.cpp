// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "entry/TForm4.h"

#include "settings/OwnStationSettings.h"
#include "entry/PositionForms.h"
#include "geo/CoordinateText.h"
#include "platform/Dialogs.h"
#include "session/Session.h"
#include "widgets/CloseOnEscape.h"
#include "widgets/ErrorBox.h"
#include "widgets/GuardedConnection.h"
#include "widgets/MenuToggle.h"
#include "widgets/WindowTimer.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

#include <memory>


namespace {

const char* const tagProperty = "Tag";

constexpr int enterKey = 13;
constexpr int confirmedLocatorKey = 14;  // Enter on a locator that passed the pattern test
constexpr int backspaceKey = 8;
constexpr int maxCoordinateLength = 11;  // characters
constexpr int locatorLength = 6;         // characters

bool moved(const GeoPosition& from, const GeoPosition& to)
{
    return from.longitude != to.longitude || from.latitude != to.latitude;
}

int tagOf(const QObject* object)
{
    return object->property(tagProperty).toInt();
}

// The character a key press types, as a code: 13 for Enter, 8 for backspace, 0 for keys that
// type nothing (arrows, Delete, Tab), which only count as key-down.
int typedCode(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return enterKey;
    case Qt::Key_Backspace:
        return backspaceKey;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0;
    default:
        return event->text().isEmpty() ? 0 : event->text().at(0).unicode();
    }
}

} // namespace

TForm4::TForm4(Session& session, ShownMap shownMap, MapPlaces& places, OwnStationSettings& ownStation)
    : session_(session), shownMap_(shownMap), places_(places), ownStation_(ownStation)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Locatoreingabe"));
    closeOnEscape(this);
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setProperty(tagProperty, int(PositionForms::decimalTag));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);  // border width, pixels
    layout->setSizeConstraint(QLayout::SetFixedSize);
    GroupBox1 = buildGroup(tr("Eigener Standort"), ownFields(), PositionForms::ownLocatorTag);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox2 = buildGroup(tr("Partnerstandort"), partnerFields(), PositionForms::partnerLocatorTag);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2);
    GroupBox1->hide();

    // In the partner group the locator comes first in the tab order.
    setTabOrder(E_Locator2, E_LangDez2);
    setTabOrder(E_LangDez2, E_BreitDez2);
    setTabOrder(E_BreitDez2, E_LangGrad2);
    setTabOrder(E_LangGrad2, E_BreitGrad2);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connectGuarded(Timer1, &QTimer::timeout, this, &TForm4::Timer1Timer);
    Positionstimer = new WindowTimer(this, 100);
    connectGuarded(Positionstimer, &WindowTimer::timeout, this, &TForm4::PositionstimerTimer);
    Positionstimer->start();

    OwnStationAction = new QAction(tr("Eigenen Standort ändern"), this);
    connectGuarded(OwnStationAction, &QAction::triggered, this, &TForm4::ChangeOwnStation);
    addAction(OwnStationAction);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    shownMap_.restoreOnSwitch(this, places_, MapPlaces::Tool::entry);

    ErrorBox::guard([this] { FormCreate(); });
}

QGroupBox* TForm4::buildGroup(const QString& title, const Fields& fields, int locatorTag)
{
    auto* group = new QGroupBox(title, this);
    auto* grid = new QGridLayout(group);
    QFont fieldFont(QStringLiteral("Courier New"), 10);
    fieldFont.setStyleHint(QFont::TypeWriter);
    const auto addField = [&](QLineEdit*& field, const QString& name, const QString& caption, int tag, int row,
                              int column, int maxLength) {
        field = new QLineEdit(group);
        field->setObjectName(name);
        field->setProperty(tagProperty, tag);
        field->setMaxLength(maxLength);
        field->setFont(fieldFont);
        // Room for the longest text, e.g. -170°00'00".
        field->setMinimumWidth(QFontMetrics(fieldFont).horizontalAdvance(QString(maxCoordinateLength + 1, u'0')));
        field->installEventFilter(this);
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field, &QLineEdit::customContextMenuRequested, this,
                [this, edit = field](const QPoint& at) { showFieldMenu(edit, at); });
        grid->addWidget(new QLabel(caption, group), row, column);
        grid->addWidget(field, row + 1, column);
    };
    const QString suffix = locatorTag == PositionForms::ownLocatorTag ? QString() : QStringLiteral("2");
    addField(fields.longitudeDecimal, QStringLiteral("E_LangDez") + suffix, tr("östl. Länge (Dezi)"),
             PositionForms::decimalTag, 0, 0, maxCoordinateLength);
    addField(fields.latitudeDecimal, QStringLiteral("E_BreitDez") + suffix, tr("nördll. Breite (Dezi)"),
             PositionForms::decimalTag, 0, 1, maxCoordinateLength);
    addField(fields.longitudeDms, QStringLiteral("E_LangGrad") + suffix, tr("östl. Länge (Grad)"),
             PositionForms::dmsTag, 2, 0, maxCoordinateLength);
    addField(fields.latitudeDms, QStringLiteral("E_BreitGrad") + suffix, tr("nördl. Breite (Grad)"),
             PositionForms::dmsTag, 2, 1, maxCoordinateLength);
    addField(fields.locator, QStringLiteral("E_Locator") + suffix, QStringLiteral("Locator"), locatorTag, 4, 0,
             locatorLength);
    return group;
}

TForm4::Fields TForm4::ownFields()
{
    return {E_LangDez, E_BreitDez, E_LangGrad, E_BreitGrad, E_Locator};
}

TForm4::Fields TForm4::partnerFields()
{
    return {E_LangDez2, E_BreitDez2, E_LangGrad2, E_BreitGrad2, E_Locator2};
}

PositionTexts TForm4::readTexts(const Fields& fields)
{
    return {fields.longitudeDecimal->text(), fields.latitudeDecimal->text(), fields.longitudeDms->text(),
            fields.latitudeDms->text(), fields.locator->text()};
}

void TForm4::showTexts(const PositionTexts& texts, const Fields& fields)
{
    fields.longitudeDecimal->setText(texts.longitudeDecimal);
    fields.latitudeDecimal->setText(texts.latitudeDecimal);
    fields.longitudeDms->setText(texts.longitudeDms);
    fields.latitudeDms->setText(texts.latitudeDms);
    fields.locator->setText(texts.locator);
}


bool TForm4::isLocatorField(const QObject* object) const
{
    return object == E_Locator || object == E_Locator2;
}

bool TForm4::isEdited(const QLineEdit* field) const
{
    return edited_.contains(field);
}

void TForm4::setEdited(QLineEdit* field, bool edited)
{
    if (edited)
        edited_.insert(field);
    else
        edited_.remove(field);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, edited ? QColor(255, 255, 0) : QApplication::palette(field).color(QPalette::Base));
    field->setPalette(palette);
}

void TForm4::paste(QLineEdit* field)
{
    // Each pasted character takes the road of a typed one: refused, upper-cased or taken as the
    // field's rules say. A line break at the end of a copied line is no key.
    const QString text = QGuiApplication::clipboard()->text().trimmed();
    for (const QChar character : text) {
        int key = character.unicode();
        ErrorBox::guard([&] {
            if (isLocatorField(field))
                E_Locator2KeyPress(field, key);
            else
                E_KeyPress(field, key);
        });
        if (key != 0 && key != enterKey && key != confirmedLocatorKey)
            field->insert(QString(QChar(key)));
    }
}

bool TForm4::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field)
        return QWidget::eventFilter(watched, event);

    if (event->type() == QEvent::FocusOut) {
        // Only a move to another control is leaving the field, not the window losing activation.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            refused_ = false;
            const bool taken = ErrorBox::guard([this, field] { E_Exit(field); });
            // A refused value keeps the focus in its field, so the next key corrects it; the
            // focus is taken back once the move away has ended.
            if (!taken || refused_)
                QTimer::singleShot(0, field, [field] {
                    field->activateWindow();
                    field->setFocus(Qt::OtherFocusReason);
                });
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;

    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    // Copying and selecting change nothing; undo and cut work as in any field.
    if (keyEvent->matches(QKeySequence::Copy) || keyEvent->matches(QKeySequence::SelectAll))
        return false;
    if (keyEvent->key() != Qt::Key_Tab && keyEvent->key() != Qt::Key_Backtab)
        ErrorBox::guard([this, field] { E_BreitDezKeyDown(field); });
    if (keyEvent->matches(QKeySequence::Undo) || keyEvent->matches(QKeySequence::Cut))
        return false;
    if (keyEvent->matches(QKeySequence::Paste)) {
        paste(field);
        return true;
    }
    const int typed = typedCode(keyEvent);
    if (typed == 0)
        return false;
    int key = typed;
    ErrorBox::guard([&] {
        if (isLocatorField(field))
            E_Locator2KeyPress(field, key);
        else
            E_KeyPress(field, key);
    });
    if (key == typed)
        return false;  // typed into the field as it is
    if (key != 0)
        field->insert(QString(QChar(key)));  // the key was upper-cased
    return true;
}

void TForm4::E_BreitDezKeyDown(QLineEdit* sender)
{
    setEdited(sender, true);
}

void TForm4::E_KeyPress(QObject* sender, int& key)
{
    auto* field = qobject_cast<QLineEdit*>(sender);
    if (field)
        setEdited(field, true);
    if (key != enterKey && key != confirmedLocatorKey)
        return;
    key = 0;  // Enter is never typed, and never beeps
    const QString senderText = field ? field->text() : windowTitle();
    if (senderText.isEmpty()) {
        if (field)
            setEdited(field, false);
        return;
    }

    PositionTexts own = readTexts(ownFields());
    PositionTexts partner = readTexts(partnerFields());
    // A failed conversion stops here, so the field stays yellow.
    const bool ownField = field && GroupBox1->isAncestorOf(field);
    const auto station = ownField ? PositionForms::Station::own : PositionForms::Station::partner;
    GeoPosition ownPlace = session_.ownPosition();
    GeoPosition partnerPlace = session_.partnerPosition();
    const auto outcome = PositionForms::confirm(tagOf(sender), station, own, ownPlace, partner, partnerPlace);
    if (field)
        setEdited(field, false);
    refused_ = outcome == PositionForms::Outcome::invalidLocator;
    if (refused_)
        Dialogs::current().warning(ErrorBox::programTitle, tr("ungültiger Locator"));
    showTexts(own, ownFields());
    showTexts(partner, partnerFields());

    if (moved(session_.partnerPosition(), partnerPlace))
        session_.setPartnerPosition(partnerPlace);
    const bool ownMoved = moved(session_.ownPosition(), ownPlace);
    if (ownField) {
        if (ownMoved)
            ownStationMoved(ownPlace);
        return;
    }
    // A partner's confirm moves the own station only into range.
    if (ownMoved)
        session_.setOwnPosition(ownPlace);
    if (E_Locator2->text().size() == locatorLength && isVisible())
        session_.setTarget(partnerPlace.longitude, partnerPlace.latitude);
}

void TForm4::ownStationMoved(const GeoPosition& position)
{
    ownStation_.setTexts(E_LangDez->text(), E_BreitDez->text());
    session_.setOwnPosition(position);
    // The own station is confirmed: a change from the context menu is done, and after the first
    // run's entry the window is for partners at once, as from the next start on (a partner typed
    // into the own group would move the own station).
    GroupBox1->hide();
    GroupBox2->show();
}

void TForm4::ChangeOwnStation()
{
    GroupBox1->show();
    show();
    raise();
    activateWindow();
    E_Locator->setFocus();
}

// A field's own edit menu with the window's item below it: the menu key opens the menu of the field
// that has the keyboard, and the window's item must be reachable from there too.
void TForm4::showFieldMenu(QLineEdit* field, const QPoint& at)
{
    const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
    menu->addSeparator();
    menu->addAction(OwnStationAction);
    menu->exec(field->mapToGlobal(at));
}

void TForm4::toggleFromMenu()
{
    // The keyboard goes to the locator field of the group shown.
    if (MenuToggle::toggle(*this))
        (GroupBox2->isHidden() ? E_Locator : E_Locator2)->setFocus();
}

void TForm4::E_Locator2KeyPress(QLineEdit* sender, int& key)
{
    if (key >= 'a' && key <= 'z')
        key = key - 'a' + 'A';
    if (key == enterKey)
        key = IsLocatorText(sender->text()) ? confirmedLocatorKey : 0;
    if (key == confirmedLocatorKey && sender == E_Locator)
        close();
    const bool allowed = key == backspaceKey || key == enterKey || key == confirmedLocatorKey
                         || (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z');
    if (!allowed)
        key = 0;
    E_KeyPress(sender, key);
}

void TForm4::E_Exit(QLineEdit* sender)
{
    if (!isEdited(sender))
        return;
    int key = enterKey;
    E_KeyPress(sender, key);
}

void TForm4::FormCreate()
{
    E_LangDez->setText(ownStation_.longitudeText());
    E_BreitDez->setText(ownStation_.latitudeText());
    shownMap_.restore(this, places_, MapPlaces::Tool::entry);
    if (session_.ownPosition().longitude == 0.0 && session_.ownPosition().latitude == 0.0) {
        GroupBox1->show();
        GroupBox2->hide();
    }
    int key = enterKey;
    E_KeyPress(this, key);
    if (E_Locator->text().size() != locatorLength)
        Timer1->start();
}

void TForm4::FormDestroy()
{
    ownStation_.setTexts(E_LangDez->text(), E_BreitDez->text());
}

void TForm4::Timer1Timer()
{
    if (isHidden() && E_Locator->text().size() == locatorLength) {
        Timer1->stop();
        emit startHintDue();
        return;
    }
    emit startPromptDue();
    show();
    raise();
    activateWindow();
    E_Locator->setFocus();
}

void TForm4::PositionstimerTimer()
{
    shownMap_.remember(this, places_, MapPlaces::Tool::entry);
}
