// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "settings/TForm3.h"

#include "base/Rounding.h"
#include "session/Session.h"
#include "settings/LanguageMenu.h"
#include "settings/ParameterRules.h"
#include "settings/ParameterSettings.h"
#include "widgets/CloseOnEscape.h"
#include "widgets/ErrorBox.h"
#include "widgets/GlyphOverhang.h"
#include "widgets/GuardedConnection.h"
#include "widgets/ImageWidget.h"
#include "widgets/MenuToggle.h"
#include "widgets/RadioGroup.h"
#include "widgets/WindowPlace.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QPushButton>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTimer>

#include <algorithm>

namespace {

// Window layout, pixels: a 5 pixel border around the groups.
constexpr int border = 5;
constexpr int fullWidth = 319;
constexpr int editHeight = 18;
constexpr int statesHeight = 3 * editHeight;  // the cluster's state and the log's, which may run over two
const QRect groupBox1Rect(border, border, 170, 170);
const QRect groupBox3Rect(border + 176, border, 143, 118);
const QRect groupBox2Rect(border + 176, border + 117, 143, 53);
const QRect azimutRect(border, border + 170, fullWidth, 72);
const QRect elevationRect(border, border + 242, fullWidth, 52);
const QRect wsjtxRect(border, border + 294, fullWidth, 70);
const QRect sunRect(border, border + 364, fullWidth, 62);
const QRect clusterRect(border, border + 426, fullWidth, 124);

const QColor typingColour(255, 255, 0);

QGroupBox* addGroup(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(geometry);
    return group;
}

QLineEdit* addEdit(QWidget* parent, const char* name, const QString& text, int maxLength, int width)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    edit->resize(width, editHeight);
    return edit;
}

QCheckBox* addCheckBox(QWidget* parent, const char* name, const QString& caption, const QPoint& at)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(true);
    box->move(at);
    box->resize(box->sizeHint());
    return box;
}

constexpr int gap = 3;  // pixels between a caption and its field

// A caption on the line of a field whose top is y; returns where the field after it starts.
int addLabel(QWidget* parent, const QString& caption, int x, int y)
{
    auto* label = new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);  // keeps the runs of blanks some captions use as spacing
    label->resize(label->sizeHint());
    label->move(x, y + (editHeight - label->height()) / 2);
    return x + label->width() + gap;
}

int rightOf(const QWidget* widget)
{
    return widget->x() + widget->width() + gap;
}

void setFieldColour(QLineEdit* edit, const QColor& colour)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, colour);
    edit->setPalette(palette);
}

// The accepted state: the field background of the system palette again.
void markAccepted(QLineEdit* edit)
{
    setFieldColour(edit, QApplication::palette(edit).color(QPalette::Base));
}

void markTyping(QLineEdit* edit)
{
    setFieldColour(edit, typingColour);
}

// Shows a text only when it differs, so that the cursor of a field being read stays put.
void showText(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace

TForm3::TForm3(Session& session, ParameterSettings& settings)
    : session_(session), settings_(settings)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Parameter"));
    closeOnEscape(this);
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    // The main window's font, narrowed: the group sizes are fixed in pixels and the common
    // fallback fonts are wider than the one they were laid out for.
    QFont narrow(QStringLiteral("MS Sans Serif"), 8);
    narrow.setStretch(QFont::Condensed);
    setFont(narrow);
    buildControls();
    connect(&session_, &Session::rotorStatusChanged, this, &TForm3::showRotorStatus);
    connect(&session_, &Session::rotorLinkLost, this, [this] { showRotorGroups(false); });
    ErrorBox::guard([this] { FormCreate(); });
}

void TForm3::toggleFromMenu()
{
    // The keyboard comes along, to the first of the window's controls.
    MenuToggle::toggle(*this);
}

TForm3::~TForm3()
{
    // Destroying the fields takes their focus away; that is no user leaving Edit1.
    for (QLineEdit* edit : numberFields())
        edit->removeEventFilter(this);
    E_WsjtxAdresse->removeEventFilter(this);
    E_WsjtxPort->removeEventFilter(this);
}

std::array<QLineEdit*, 6> TForm3::numberFields() const
{
    return {Edit1, Edit2, EditElevation, E_IstElevation, E_Ueberlappung, E_Oeffnung};
}

void TForm3::buildControls()
{
    GroupBox1 = addGroup(this, "GroupBox1", tr("für beide Karten"), groupBox1Rect);
    RG_MausPos = new RadioGroup(tr("Anzeige Mausposition"), {tr("Ein"), tr("Aus")}, 2, GroupBox1);
    RG_MausPos->setObjectName(QStringLiteral("RG_MausPos"));
    RG_MausPos->setGeometry(5, 15, 160, 38);
    RG_StaedteInseln = new RadioGroup(tr("Anzeige Städte/Inseln"), {tr("Ein"), tr("Aus")}, 2, GroupBox1);
    RG_StaedteInseln->setObjectName(QStringLiteral("RG_StaedteInseln"));
    RG_StaedteInseln->setGeometry(5, 55, 160, 38);
    GB_Staedtekreise = addGroup(GroupBox1, "GB_Staedtekreise", tr("Anzeige Städte/Inseln"), QRect(5, 95, 160, 44));
    Edit2 = addEdit(GB_Staedtekreise, "Edit2", QStringLiteral("3"), 1, 20);
    Edit2->move(addLabel(GB_Staedtekreise, tr("Kreisdurchmesser:"), 8, 18), 18);
    E_AziFehl = addEdit(GroupBox1, "E_AziFehl", QString(), 0, 36);
    E_AziFehl->move(addLabel(GroupBox1, tr("Anzeigeabweichung"), 8, 145), 145);
    addLabel(GroupBox1, QStringLiteral("deg"), rightOf(E_AziFehl), 145);

    GroupBox3 = addGroup(this, "GroupBox3", tr("Mercatorkarte"), groupBox3Rect);
    GB_LocRaster = new RadioGroup(
        tr("Locatorraster"), {tr("kein"), tr("grob (z.B. JO)"), tr("mittel (z.B. JO45)"), tr("fein (z.B. JO45RT)")}, 1,
        GroupBox3);
    GB_LocRaster->setObjectName(QStringLiteral("GB_LocRaster"));
    GB_LocRaster->setGeometry(5, 15, 133, 98);

    GroupBox2 = addGroup(this, "GroupBox2", tr("Beamkarte"), groupBox2Rect);
    Edit1 = addEdit(GroupBox2, "Edit1", QStringLiteral("5000"), 0, 34);
    Edit1->move(addLabel(GroupBox2, tr("Entfernungskreise:"), 6, 24), 24);
    addLabel(GroupBox2, QStringLiteral("km"), rightOf(Edit1), 24);

    GB_Azimut = addGroup(this, "GB_Azimut", tr("Azimutrotor"), azimutRect);
    CB_RotSofort = addCheckBox(GB_Azimut, "CB_RotSofort", tr("Rotorstart nach Locatoreingabe sofort"), {8, 19});
    CB_Optimiert = addCheckBox(GB_Azimut, "CB_Optimiert", tr("optimierter Fahrweg"), {8, 44});
    E_Ueberlappung = addEdit(GB_Azimut, "E_Ueberlappung", QStringLiteral("15"), 2, 24);
    E_Ueberlappung->move(addLabel(GB_Azimut, tr("Überlappungswinkel"), 170, 43), 43);
    addLabel(GB_Azimut, QStringLiteral("deg"), rightOf(E_Ueberlappung), 43);

    GB_Elevation = addGroup(this, "GB_Elevation", tr("Elevationsrotor"), elevationRect);
    // Two lines in 52 pixels: the box a little lower than its natural height would need.
    CB_Elevation =
        addCheckBox(GB_Elevation, "CB_Elevation", tr("Elevation bei Programmstart auf Grundeinstellung"), {8, 16});
    CB_Elevation->resize(CB_Elevation->width(), 16);
    EditElevation = addEdit(GB_Elevation, "EditElevation", QStringLiteral("3"), 3, 30);
    EditElevation->move(addLabel(GB_Elevation, tr("Grundeinstellung = "), 8, 32), 32);
    E_IstElevation = addEdit(GB_Elevation, "E_IstElevation", QString(), 3, 30);
    E_IstElevation->setEnabled(false);
    E_IstElevation->move(addLabel(GB_Elevation, tr("Grad            Ist :"), rightOf(EditElevation), 32), 32);
    addLabel(GB_Elevation, tr("Grad"), rightOf(E_IstElevation), 32);

    GB_Wsjtx = addGroup(this, "GB_Wsjtx", QStringLiteral("WSJT-X / JTDX"), wsjtxRect);
    CB_Wsjtx = addCheckBox(GB_Wsjtx, "CB_Wsjtx", tr("Partner über UDP übernehmen"), {8, 16});
    CB_Wsjtx->resize(CB_Wsjtx->width(), 16);
    E_WsjtxAdresse = addEdit(GB_Wsjtx, "E_WsjtxAdresse", QString(), 39, 90);
    E_WsjtxAdresse->move(addLabel(GB_Wsjtx, tr("Adresse:"), 8, 32), 32);
    E_WsjtxPort = addEdit(GB_Wsjtx, "E_WsjtxPort", QString(), 5, 40);
    E_WsjtxPort->move(addLabel(GB_Wsjtx, QStringLiteral("Port:"), rightOf(E_WsjtxAdresse) + 4, 32), 32);
    L_WsjtxZustand = new QLabel(GB_Wsjtx);
    L_WsjtxZustand->setObjectName(QStringLiteral("L_WsjtxZustand"));
    // A row of its own: "empfangsbereit, auch aus dem Netz" is wider than the room beside the port.
    L_WsjtxZustand->setGeometry(8, 50, fullWidth - 16, editHeight);

    GB_Sonne = addGroup(this, "GB_Sonne", tr("Sonne und Beschriftung"), sunRect);
    CB_Graulinie = addCheckBox(GB_Sonne, "CB_Graulinie", tr("Tag und Nacht zeigen"), {8, 16});
    CB_Beschriftung = addCheckBox(GB_Sonne, "CB_Beschriftung", tr("Karten beschriften"), {170, 16});
    E_Oeffnung = addEdit(GB_Sonne, "E_Oeffnung", QStringLiteral("0"), 3, 30);
    E_Oeffnung->move(addLabel(GB_Sonne, tr("Öffnungswinkel der Antenne:"), 8, 38), 38);
    addLabel(GB_Sonne, tr("deg (0: aus)"), rightOf(E_Oeffnung), 38);

    GB_Cluster = addGroup(this, "GB_Cluster", tr("DX-Cluster und Logbuch"), clusterRect);
    E_ClusterHost = addEdit(GB_Cluster, "E_ClusterHost", QString(), 100, 96);
    E_ClusterHost->move(addLabel(GB_Cluster, QStringLiteral("Cluster:"), 8, 16), 16);
    E_ClusterPort = addEdit(GB_Cluster, "E_ClusterPort", QString(), 5, 40);
    E_ClusterPort->move(addLabel(GB_Cluster, QStringLiteral("Port:"), rightOf(E_ClusterHost) + 4, 16), 16);
    E_ClusterCall = addEdit(GB_Cluster, "E_ClusterCall", QString(), 20, 64);
    E_ClusterCall->move(addLabel(GB_Cluster, QStringLiteral("Call:"), rightOf(E_ClusterPort) + 4, 16), 16);
    E_Logbuch = addEdit(GB_Cluster, "E_Logbuch", QString(), 0, 196);
    E_Logbuch->move(addLabel(GB_Cluster, tr("Logbuch (ADIF):"), 8, 40), 40);
    B_Logbuch = new QPushButton(QStringLiteral("…"), GB_Cluster);
    B_Logbuch->setObjectName(QStringLiteral("B_Logbuch"));
    B_Logbuch->setGeometry(rightOf(E_Logbuch), 40, 24, editHeight);
    L_ClusterZustand = new QLabel(GB_Cluster);
    L_ClusterZustand->setObjectName(QStringLiteral("L_ClusterZustand"));
    // Three lines: the cluster's state and the log's, which may run over two.
    L_ClusterZustand->setWordWrap(true);
    L_ClusterZustand->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    L_ClusterZustand->setGeometry(8, 63, fullWidth - 16, statesHeight);

    // The language is chosen from the window's context menu: the groups fill the window, whose
    // size stays as it was laid out.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    addAction((new LanguageMenu(settings_, session_.folders().translationsFolder(), this))->menuAction());

    showRotorGroups(false);
    setFixedSize(border + fullWidth + border, clusterRect.bottom() + 1 + border);

    for (QLineEdit* edit : numberFields())
        edit->installEventFilter(this);
    E_WsjtxAdresse->installEventFilter(this);
    E_WsjtxPort->installEventFilter(this);
    connect(CB_Wsjtx, &QCheckBox::clicked, &settings_, &ParameterSettings::setWsjtxEnabled);
    connect(RG_MausPos, &RadioGroup::itemClicked, this,
            [this] { settings_.setMousePositionShown(ParameterSettings::onOffAt(RG_MausPos->itemIndex())); });
    connect(RG_StaedteInseln, &RadioGroup::itemClicked, this,
            [this] { settings_.setCitiesShown(ParameterSettings::onOffAt(RG_StaedteInseln->itemIndex())); });
    connect(GB_LocRaster, &RadioGroup::itemClicked, this,
            [this] { settings_.setLocatorGrid(GB_LocRaster->itemIndex()); });
    connectGuarded(CB_Elevation, &QCheckBox::clicked, this, &TForm3::CB_ElevationClick);
    connect(CB_RotSofort, &QCheckBox::toggled, &settings_, &ParameterSettings::setRotorStartImmediately);
    connect(CB_Optimiert, &QCheckBox::toggled, &settings_, &ParameterSettings::setOptimisedPath);
    connect(CB_Graulinie, &QCheckBox::toggled, &settings_, &ParameterSettings::setGreylineShown);
    connect(CB_Beschriftung, &QCheckBox::toggled, &settings_, &ParameterSettings::setMapLabelsShown);
    for (QLineEdit* edit : {E_ClusterHost, E_ClusterPort, E_ClusterCall})
        connect(edit, &QLineEdit::editingFinished, this, &TForm3::takeCluster);
    connect(E_Logbuch, &QLineEdit::editingFinished, this, [this] { settings_.setLogText(E_Logbuch->text()); });
    connect(B_Logbuch, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("Logbuch wählen"), E_Logbuch->text(),
                                                          tr("ADIF (*.adi *.ADI);;Alle Dateien (*)"));
        if (path.isEmpty())
            return;
        E_Logbuch->setText(path);
        settings_.setLogText(path);
    });
}

void TForm3::showRotorGroups(bool visible)
{
    GB_Azimut->setVisible(visible);
    GB_Elevation->setVisible(visible);
}

void TForm3::FormCreate()
{
    WindowPlace::restore(this, settings_.windowPlace());
    Edit1->setText(QString::number(settings_.circleSpacingKm()));
    followSettings();
}

template <typename Show>
void TForm3::follow(void (ParameterSettings::*changed)(), Show show)
{
    show();
    connect(&settings_, changed, this, show);
}

void TForm3::followSettings()
{
    const ParameterSettings& s = settings_;
    follow(&ParameterSettings::mousePositionShownChanged,
           [this, &s] { RG_MausPos->setItemIndex(ParameterSettings::indexOf(s.mousePositionShown())); });
    follow(&ParameterSettings::citiesShownChanged,
           [this, &s] { RG_StaedteInseln->setItemIndex(ParameterSettings::indexOf(s.citiesShown())); });
    follow(&ParameterSettings::cityMarkerSizeChanged,
           [this, &s] { showText(Edit2, QString::number(s.cityMarkerSize())); });
    follow(&ParameterSettings::elevationAtStartChanged, [this, &s] {
        CB_Elevation->setChecked(s.elevationAtStart());
        EditElevation->setEnabled(s.elevationAtStart());
    });
    follow(&ParameterSettings::elevationChanged, [this, &s] { showText(EditElevation, s.elevationText()); });
    follow(&ParameterSettings::overlapChanged, [this, &s] { showText(E_Ueberlappung, s.overlapText()); });
    follow(&ParameterSettings::displayOffsetChanged, [this, &s] { showText(E_AziFehl, s.displayOffsetText()); });
    follow(&ParameterSettings::locatorGridChanged, [this, &s] { GB_LocRaster->setItemIndex(s.locatorGrid()); });
    follow(&ParameterSettings::rotorStartImmediatelyChanged,
           [this, &s] { CB_RotSofort->setChecked(s.rotorStartImmediately()); });
    follow(&ParameterSettings::optimisedPathChanged, [this, &s] { CB_Optimiert->setChecked(s.optimisedPath()); });
    follow(&ParameterSettings::openingAngleChanged,
           [this, &s] { showText(E_Oeffnung, QString::number(s.openingAngleDegrees())); });
    follow(&ParameterSettings::greylineShownChanged, [this, &s] { CB_Graulinie->setChecked(s.greylineShown()); });
    follow(&ParameterSettings::mapLabelsShownChanged, [this, &s] { CB_Beschriftung->setChecked(s.mapLabelsShown()); });
    follow(&ParameterSettings::clusterChanged, [this, &s] {
        showText(E_ClusterHost, s.cluster().host);
        showText(E_ClusterPort, s.cluster().port);
        showText(E_ClusterCall, s.cluster().call);
    });
    follow(&ParameterSettings::logChanged, [this, &s] { showText(E_Logbuch, s.logText()); });
    // Address and port are shown once: only their own fields change them, and a port being typed
    // must not be put back when the address is taken.
    E_WsjtxAdresse->setText(s.wsjtx().address);
    E_WsjtxPort->setText(QString::number(s.wsjtx().port));
    follow(&ParameterSettings::wsjtxChanged, [this, &s] { CB_Wsjtx->setChecked(s.wsjtx().enabled); });
}

void TForm3::FormDestroy()
{
    // What the fields hold at shut-down is kept, confirmed or not, so that nothing typed is lost.
    settings_.setElevationText(EditElevation->text());
    settings_.setOverlapText(E_Ueberlappung->text());
    settings_.setDisplayOffsetText(E_AziFehl->text());
    settings_.setWindowPlace(WindowPlace::of(this));
    settings_.save();
}

// The display deviation takes effect only when the user closes the window with its own button;
// the main window's menu item merely hides it.
void TForm3::FormClose()
{
    applyDisplayOffset();
    hide();
}

void TForm3::closeEvent(QCloseEvent* event)
{
    ErrorBox::guard([this] { FormClose(); });
    event->accept();
}

void TForm3::applyDisplayOffset()
{
    const QString text = ParameterRules::displayOffsetSetting(E_AziFehl->text()).text;
    E_AziFehl->setText(text);
    settings_.setDisplayOffsetText(text);
}

bool TForm3::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit)
        return false;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        markTyping(edit);
        if (edit == E_WsjtxAdresse) {
            ErrorBox::guard([this, key] { E_WsjtxAdresseKeyPress(key->key()); });
            return false;
        }
        if (!ParameterRules::keepsKey(key->key(), key->text(), key->modifiers().testFlag(Qt::ControlModifier)))
            return true;  // the field never sees it
        ErrorBox::guard([this, edit, key] { keyPressed(edit, key->key()); });
        return false;
    }
    if (event->type() == QEvent::FocusOut && edit == Edit1) {
        // Another window coming to the front or a popup is no leaving of the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            ErrorBox::guard([this] { Edit1Exit(); });
    }
    return false;
}

void TForm3::keyPressed(QLineEdit* edit, int key)
{
    if (edit == Edit1)
        Edit1KeyPress(key);
    else if (edit == Edit2)
        takeWholeNumber(Edit2, key, ParameterRules::acceptsMarkerSize, &ParameterSettings::setCityMarkerSize);
    else if (edit == E_Ueberlappung)
        E_UeberlappungKeyPress(key);
    else if (edit == E_Oeffnung)
        takeWholeNumber(E_Oeffnung, key, ParameterRules::acceptsOpeningAngle, &ParameterSettings::setOpeningAngleDegrees);
    else if (edit == E_WsjtxPort)
        E_WsjtxPortKeyPress(key);
    else
        EditElevationKeyPress(key);
}

void TForm3::Edit1KeyPress(int key)
{
    if (ParameterRules::isEnter(key))
        Edit1Exit();
}

// The field cannot be left until it holds an accepted spacing.
void TForm3::Edit1Exit()
{
    if (!ParameterRules::acceptsCircleSpacing(Edit1->text())) {
        // Setting the focus from within its own focus change would be undone by that change.
        QTimer::singleShot(0, Edit1, [edit = Edit1] { edit->setFocus(Qt::OtherFocusReason); });
        return;
    }
    markAccepted(Edit1);
    settings_.setCircleSpacingKm(ParameterRules::toInteger(Edit1->text()));
}

void TForm3::takeWholeNumber(QLineEdit* edit, int key, bool (*accepts)(const QString&), void (ParameterSettings::*set)(int))
{
    if (!ParameterRules::isEnter(key)) {
        markTyping(edit);
        return;
    }
    if (!accepts(edit->text()))
        return;  // stays yellow; the old value stays in force
    markAccepted(edit);
    (settings_.*set)(ParameterRules::toInteger(edit->text()));
}

void TForm3::E_UeberlappungKeyPress(int key)
{
    if (!ParameterRules::isEnter(key))
        return;
    markAccepted(E_Ueberlappung);
    // An unreadable angle is none: an empty field, 0 degrees.
    if (!ParameterRules::readLocaleNumber(E_Ueberlappung->text()))
        E_Ueberlappung->clear();
    settings_.setOverlapText(E_Ueberlappung->text());
}

// Shared by EditElevation and the read-only E_IstElevation; both act on EditElevation.
void TForm3::EditElevationKeyPress(int key)
{
    markTyping(EditElevation);
    if (!ParameterRules::isEnter(key) || EditElevation->text().isEmpty())
        return;
    markAccepted(EditElevation);
    emit rotorTargetWithdrawn();  // only the elevation is to move
    settings_.setElevationText(EditElevation->text());
}

void TForm3::CB_ElevationClick()
{
    // The field is enabled before its text is read, so that an unreadable text can still be corrected.
    settings_.setElevationAtStart(CB_Elevation->isChecked());
    if (CB_Elevation->isChecked()) {
        emit targetElevationChosen(ParameterRules::toInteger(EditElevation->text()));
    } else {
        emit targetElevationChosen(session_.rotorState().rotorElevation);
    }
}

void TForm3::takeCluster()
{
    settings_.setCluster({E_ClusterHost->text(), E_ClusterPort->text(), E_ClusterCall->text()});
}

void TForm3::showClusterState(const QString& state)
{
    clusterState_ = state;
    showStates();
}

void TForm3::showLogState(const QString& state)
{
    logState_ = state;
    showStates();
}

void TForm3::showStates()
{
    QStringList lines;
    for (const QString& state : {clusterState_, logState_})
        if (!state.isEmpty())
            lines << state;
    L_ClusterZustand->setText(lines.join(u'\n'));
    // Three lines are laid out; more (an error naming a long path) make the label, its group and
    // the window grow with them, in the font at hand, and shrink back after. Pixels.
    const int needed = std::max(statesHeight, L_ClusterZustand->heightForWidth(L_ClusterZustand->width()) +
                                                  2 * GlyphOverhang::of(L_ClusterZustand->font()));
    const int grown = needed - L_ClusterZustand->height();
    L_ClusterZustand->resize(L_ClusterZustand->width(), needed);
    GB_Cluster->resize(GB_Cluster->width(), GB_Cluster->height() + grown);
    setFixedSize(width(), height() + grown);
}

void TForm3::showRotorStatus()
{
    const RotorState& rotor = session_.rotorState();
    if (!rotor.rotorAzimuth) {
        showRotorGroups(false);
        return;
    }
    E_IstElevation->setText(QString::number(roundHalfEven(rotor.rotorElevation)));
    emit targetElevationChosen(settings_.elevationAtStart() ? settings_.elevationDegrees() : rotor.rotorElevation);
    if (rotor.rotorConnected)
        showRotorGroups(true);
}

void TForm3::E_WsjtxAdresseKeyPress(int key)
{
    if (ParameterRules::isEnter(key) && WsjtxSettings::acceptsAddress(E_WsjtxAdresse->text())) {
        markAccepted(E_WsjtxAdresse);
        settings_.setWsjtxAddress(E_WsjtxAdresse->text().trimmed());
    }
}

void TForm3::E_WsjtxPortKeyPress(int key)
{
    if (!ParameterRules::isEnter(key))
        return;
    if (const auto port = WsjtxSettings::readPort(E_WsjtxPort->text())) {
        markAccepted(E_WsjtxPort);
        settings_.setWsjtxPort(*port);
    }
}

void TForm3::showWsjtxState(bool enabled, bool listening, bool openToNetwork, const QString& portTaken)
{
    if (!enabled)
        L_WsjtxZustand->setText(tr("aus"));
    else if (!listening)
        L_WsjtxZustand->setText(portTaken.isEmpty() ? tr("nicht nutzbar") : portTaken);
    else
        L_WsjtxZustand->setText(openToNetwork ? tr("empfangsbereit, auch aus dem Netz") : tr("empfangsbereit"));
}
