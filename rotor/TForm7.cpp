// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotor/TForm7.h"

#include "startup/ProgramLayout.h"
#include "base/Rounding.h"
#include "platform/Dialogs.h"
#include "rotor/DirectionLine.h"
#include "rotor/DirectionsFile.h"
#include "rotor/OptimisedPath.h"
#include "rotor/TF_Rotor.h"
#include "session/Session.h"
#include "widgets/CloseOnEscape.h"
#include "widgets/ErrorBox.h"
#include "widgets/GuardedConnection.h"
#include "widgets/MenuToggle.h"
#include "widgets/WholeGlyphRows.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QValidator>
#include <QVBoxLayout>


namespace {

constexpr double fullTurn = 360;        // degrees
constexpr double elevationTurn = 180;   // degrees: elevations run from 0 to 180
constexpr double designedDpi = 120;     // the layout's sizes are for this resolution, pixels per inch
constexpr int minIdentifierLength = 2;  // characters

// The identifier field: a TAB, CR or LF would split the record line, so they become blanks; with
// "Nur Großbuchstaben" letters are upper case.
class IdentifierValidator : public QValidator {
public:
    IdentifierValidator(bool upperCase, QObject* parent) : QValidator(parent), upperCase_(upperCase) {}

    State validate(QString& input, int&) const override
    {
        for (QChar& c : input)
            if (c == u'\t' || c == u'\r' || c == u'\n')
                c = u' ';
        if (upperCase_)
            input = input.toUpper();
        return Acceptable;
    }

private:
    bool upperCase_;
};

QString wholeDegrees(double degrees)
{
    return QString::number(roundHalfEven(degrees));
}

} // namespace

TForm7::TForm7(Session& session, TF_Rotor* rotorLink)
    : session_(session), rotorLink_(rotorLink)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(tr("Richtungen"));
    closeOnEscape(this);
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    buildControls();
    if (rotorLink_)
        connect(rotorLink_, &TF_Rotor::connecting, this, &TForm7::LoadDirectionsIfChanged);
    ErrorBox::guard([this] { FormCreate(); });
}

void TForm7::buildControls()
{
    const double scale = logicalDpiY() / designedDpi;
    const auto scaled = [scale](int pixels) { return int(pixels * scale + 0.5); };
    QFont fixedFont(QStringLiteral("Courier New"));
    fixedFont.setStyleHint(QFont::TypeWriter);

    auto* layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);  // the window sizes itself to its contents
    layout->setContentsMargins(4, 4, 4, 4);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    // Letters of their own for Alt; J and L stay free for the rotor keys of every window.
    Neu2 = MainMenu1->addAction(tr("&Neu"));
    Neu2->setObjectName(QStringLiteral("Neu2"));
    RotorSTOP1 = MainMenu1->addAction(QStringLiteral("&Rotor STOP"));
    RotorSTOP1->setObjectName(QStringLiteral("RotorSTOP1"));
    layout->setMenuBar(MainMenu1);

    RG = new QListWidget(this);
    RG->setObjectName(QStringLiteral("RG"));
    RG->setFixedSize(scaled(185), scaled(225));
    RG->setItemDelegate(new WholeGlyphRows(RG));
    layout->addWidget(RG, 0, Qt::AlignTop);

    GroupBox1 = new QGroupBox(tr("Datensatz"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    // At least the designed size; wider where the captions need it in the font at hand.
    GroupBox1->setMinimumSize(scaled(209), scaled(225));
    layout->addWidget(GroupBox1, 0, Qt::AlignTop);
    auto* editor = new QGridLayout(GroupBox1);
    const auto addEdit = [&](QLineEdit*& edit, const QString& name, const QString& caption, int row, int column, int span) {
        edit = new QLineEdit(GroupBox1);
        edit->setObjectName(name);
        edit->setFont(fixedFont);
        auto* label = new QLabel(caption, GroupBox1);
        label->setBuddy(edit);
        editor->addWidget(label, row, column, 1, span);
        editor->addWidget(edit, row + 1, column, 1, span);
    };
    Cap = new QCheckBox(tr("Nur Großbuchstaben"), GroupBox1);
    Cap->setObjectName(QStringLiteral("Cap"));
    Cap->setChecked(true);
    editor->addWidget(Cap, 0, 0, 1, 2);
    addEdit(E_Kennung, QStringLiteral("E_Kennung"), tr("Rufzeichen oder Kennung"), 1, 0, 2);
    addEdit(E_Azimut, QStringLiteral("E_Azimut"), tr("Azimut"), 3, 0, 1);
    addEdit(E_Elevation, QStringLiteral("E_Elevation"), QStringLiteral("Elevation"), 3, 1, 1);
    auto* buttons = new QHBoxLayout;
    const auto addButton = [&](QPushButton*& button, const QString& name, const QString& caption) {
        button = new QPushButton(caption, GroupBox1);
        button->setObjectName(name);
        buttons->addWidget(button);
    };
    addButton(Speichern, QStringLiteral("Speichern"), tr("Speichern"));
    addButton(Abbrechen, QStringLiteral("Abbrechen"), tr("Abbrechen"));
    addButton(B_Loeschen, QStringLiteral("B_Loeschen"), tr("Löschen"));
    editor->setRowStretch(5, 1);
    editor->addLayout(buttons, 6, 0, 1, 2);
    GroupBox1->hide();

    connectGuarded(Neu2, &QAction::triggered, this, &TForm7::Neu1Click);
    connectGuarded(RotorSTOP1, &QAction::triggered, this, &TForm7::RotorSTOP1Click);
    // Programmatic selections are made under a signal blocker, so only the user's reach RGClick:
    // every click on an entry, the one already selected included, and a selection moved by the
    // keyboard (a selection moved by the mouse is its click).
    connectGuarded(RG, &QListWidget::itemClicked, this, &TForm7::RGClick);
    connectGuarded(RG, &QListWidget::itemSelectionChanged, this, [this] {
        if (QApplication::mouseButtons() == Qt::NoButton)
            RGClick();
    });
    connectGuarded(RG, &QListWidget::itemDoubleClicked, this, &TForm7::RGDblClick);
    connectGuarded(Speichern, &QPushButton::clicked, this, &TForm7::SpeichernClick);
    connectGuarded(Abbrechen, &QPushButton::clicked, this, &TForm7::AbbrechenClick);
    connectGuarded(B_Loeschen, &QPushButton::clicked, this, &TForm7::LoeschenClick);
    connectGuarded(Cap, &QCheckBox::clicked, this, &TForm7::CapClick);
}

void TForm7::FormCreate()
{
    CapClick();
    LoadDirections();
}

bool TForm7::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        ErrorBox::guard([this] { FormActivate(); });
    return QWidget::event(event);
}

void TForm7::toggleFromMenu()
{
    // The keyboard comes along, to the list: the arrow keys choose an entry, Alt and a letter the menu.
    if (MenuToggle::toggle(*this))
        RG->setFocus();
}

void TForm7::FormActivate()
{
    selectRow(-1);
    withdrawTarget();
}

QString TForm7::dataPath() const
{
    return DirectionsFile::besideRotorProgram(session_.rotorState().rotorProgramFolder);
}

int TForm7::selectedRow() const
{
    const auto selected = RG->selectedItems();
    return selected.isEmpty() ? -1 : RG->row(selected.first());
}

void TForm7::selectRow(int row)
{
    const QSignalBlocker blocker(RG);
    if (row >= 0) {
        RG->setCurrentRow(row);
        return;
    }
    // Nothing chosen and no row under the cursor, also when the list takes the keyboard next: the
    // first arrow key chooses the first entry.
    RG->setCurrentIndex(QModelIndex());
    RG->clearSelection();
}

void TForm7::LoadDirections()
{
    const QSignalBlocker blocker(RG);
    const QStringList before = directions_.lines();
    const int selected = selectedRow();
    RG->clear();
    if (directions_.load(dataPath()) != DirectionsList::Loaded::read)
        return;
    RG->addItems(directions_.identifiers());
    // The rotor link reloads at every connection attempt; an unchanged list keeps its selection,
    // so that an open editor still replaces the line it was opened for instead of adding one.
    if (directions_.lines() == before)
        selectRow(selected);
}

void TForm7::LoadDirectionsIfChanged()
{
    if (directions_.changedSince(dataPath()))
        LoadDirections();
}

void TForm7::storeLines(const QStringList& lines)
{
    // The user's own folder, where an installed rotor program's list goes, may not exist yet; a
    // failure shows in the write.
    ProgramLayout::of(session_.rotorState().rotorProgramFolder).makeWritableFolder();
    directions_.store(dataPath(), lines);
    LoadDirections();
}

double TForm7::OptimiseListTarget(double azimuth) const
{
    return OptimisedPath::listTarget(azimuth, OptimisedPath::Travel::of(session_.rotorState()));
}

void TForm7::withdrawTarget()
{
    rotorLink_->withdrawTarget();
    rotorLink_->setTargetElevation(session_.rotorState().rotorElevation);
}

void TForm7::hideEditor()
{
    GroupBox1->hide();
}

void TForm7::RGClick()
{
    hideEditor();
    const int row = selectedRow();
    if (!directions_.contains(row))
        return;
    const QString line = directions_.lines().at(row);
    const RotorState& rotor = session_.rotorState();
    const double azimuth = OptimisedPath::intoRange(DirectionLine::localeNumber(DirectionLine::clickAzimuth(line)),
                                                    rotor.rotorMinAzimuth, rotor.rotorMaxAzimuth, fullTurn);
    // The choice turns the antenna.
    rotorLink_->turnTo(OptimiseListTarget(azimuth));
    rotorLink_->setTargetElevation(DirectionLine::localeNumber(DirectionLine::clickElevation(line)));
}

void TForm7::RGDblClick()
{
    const int row = selectedRow();
    if (!directions_.contains(row))
        return;
    const DirectionLine::Fields fields = DirectionLine::editFields(directions_.lines().at(row));
    E_Kennung->setText(fields.identifier);
    E_Azimut->setText(fields.azimuth);
    E_Elevation->setText(fields.elevation);
    GroupBox1->show();
    E_Azimut->setFocus();
    withdrawTarget();
}

void TForm7::Neu1Click()
{
    E_Kennung->clear();
    GroupBox1->show();
    E_Kennung->setFocus();
    selectRow(-1);
    withdrawTarget();
    // A new entry starts with the antenna's present direction; without a reading it is typed.
    const auto azimuth = session_.rotorState().rotorAzimuth;
    E_Azimut->setText(azimuth ? wholeDegrees(*azimuth) : QString());
    E_Elevation->setText(wholeDegrees(session_.rotorState().rotorElevation));
}

void TForm7::RotorSTOP1Click()
{
    withdrawTarget();
    rotorLink_->stop();
}

void TForm7::SpeichernClick()
{
    const auto azimuth = DirectionLine::editorNumber(E_Azimut->text());
    if (!azimuth) {
        Dialogs::current().warning(ErrorBox::programTitle, tr("Fehler im Azimutwinkel"));
        return;
    }
    const RotorState& rotor = session_.rotorState();
    E_Azimut->setText(
        wholeDegrees(OptimisedPath::intoRange(*azimuth, rotor.rotorMinAzimuth, rotor.rotorMaxAzimuth, fullTurn)));
    const auto elevation = DirectionLine::editorNumber(E_Elevation->text());
    if (!elevation) {
        Dialogs::current().warning(ErrorBox::programTitle, tr("Fehler im Elevationswinkel"));
        return;
    }
    E_Elevation->setText(wholeDegrees(OptimisedPath::intoRange(*elevation, 0, elevationTurn, elevationTurn)));
    const QString identifier = E_Kennung->text();
    if (identifier.size() < minIdentifierLength)
        return;

    const QString line = DirectionLine::compose(identifier, E_Azimut->text(), E_Elevation->text());
    storeLines(directions_.withRecord(selectedRow(), line));

    int found = -1;
    for (int i = 0; i < RG->count(); ++i)
        if (RG->item(i)->text() == identifier)
            found = i;
    selectRow(found);
    hideEditor();
    E_Kennung->clear();
    E_Azimut->clear();
    E_Elevation->clear();
}

void TForm7::LoeschenClick()
{
    const int row = selectedRow();
    if (!directions_.contains(row))
        return;
    const QString question = tr("Soll der Datensatz: %1\nwirklich gelöscht werden?").arg(RG->item(row)->text());
    if (!Dialogs::current().confirm(ErrorBox::programTitle, question))
        return;
    storeLines(directions_.withoutRecord(row));
    hideEditor();
}

void TForm7::AbbrechenClick()
{
    hideEditor();
}

void TForm7::CapClick()
{
    delete E_Kennung->validator();
    E_Kennung->setValidator(new IdentifierValidator(Cap->isChecked(), E_Kennung));
}
