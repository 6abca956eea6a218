#include "app/TFormA.h"

#include "app/Basis.h"
#include "app/CursorPanel.h"
#include "app/ReferenceDataLoader.h"
#include "app/SettingsFile.h"
#include "app/WindowGeometry.h"
#include "app/ErrorBox.h"
#include "app/FileReplacement.h"
#include "app/ImageWidget.h"
#include "app/ProgramLayout.h"
#include "app/WindowPlace.h"
#include "beam/TForm10.h"
#include "entry/TForm4.h"
#include "geo/AppError.h"
#include "geo/CountryLookup.h"
#include "help/TFormHelpAbout.h"
#include "help/TFormHilfe.h"
#include "logger/Logger32Link.h"
#include "mercator/TForm1.h"
#include "mercator/TForm2.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"
#include "rotor/TForm6.h"
#include "rotor/TForm7.h"
#include "settings/TForm3.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

TFormA* FormA = nullptr;

namespace {

QString logger32Caption(Logger32Link::State state)
{
    switch (state) {
    case Logger32Link::State::NotFound:
        return QStringLiteral("Logger32 NOT found");
    case Logger32Link::State::NotConnected:
        return QStringLiteral("Logger32 NOT connected");
    case Logger32Link::State::Connected:
        return QStringLiteral("Logger32 connected");
    case Logger32Link::State::Start:
        break;
    }
    return QStringLiteral("Logger32");
}

void toggleVisible(QWidget* window)
{
    if (window)
        window->setVisible(!window->isVisible());
}

} // namespace

TFormA::TFormA(const QString& executableFolder) : executableFolder_(executableFolder)
{
    FormA = this;
    setWindowTitle(ErrorBox::programTitle);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setGeometry(designedLeft, designedTop, designedWidth, designedHeight);
    buildMenu();
    buildControls();
    ErrorBox::guard([this] { FormCreate(); });
}

void TFormA::buildControls()
{
    client_ = new QWidget(this);
    setCentralWidget(client_);

    P_Cursor = new CursorPanel(client_);
    P_Cursor->setObjectName(QStringLiteral("P_Cursor"));
    P_Cursor->resize(cursorPanelWidth, cursorPanelHeight);
    QLabel** labels[] = {&Label1, &Label2, &Label3, &Label4};
    const int tops[] = {7, 20, 33, 46};
    for (int i = 0; i < 4; ++i) {
        *labels[i] = new QLabel(P_Cursor);
        (*labels[i])->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        (*labels[i])->setGeometry(7, tops[i], cursorPanelWidth - 7, 13);
    }
    P_Cursor->hide();

    StartPanel = new QLabel(QStringLiteral("eigenen Locator eingeben, dann Eingabetaste"), client_);
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
    StartPanel->hide();

    Button1 = new QPushButton(QStringLiteral("OK"), StartPanel);
    Button1->setObjectName(QStringLiteral("Button1"));
    // Return and keypad Enter press it when it has the focus, as Space does.
    Button1->setAutoDefault(true);
    Button1->hide();
    connect(Button1, &QPushButton::clicked, this, [this] { ErrorBox::guard([this] { Button1Click(); }); });

    ResizeTimer = new QTimer(this);
    ResizeTimer->setInterval(50);
    ResizeTimer->setSingleShot(true);
    connect(ResizeTimer, &QTimer::timeout, this, [this] { ErrorBox::guard([this] { ResizeTimerTimer(); }); });

    // Enabled by the program entry once every window exists.
    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, [this] { ErrorBox::guard([this] { Timer1Timer(); }); });

    logger32Link = new Logger32Link(this);
    connect(logger32Link, &Logger32Link::changed, this, [this] { Logger32->setText(logger32Caption(logger32Link->state())); });
}

void TFormA::buildMenu()
{
    QMenuBar* bar = menuBar();
    const auto handler = [this](void (TFormA::*method)()) {
        return [this, method] { ErrorBox::guard([this, method] { (this->*method)(); }); };
    };
    const auto topAction = [&](const QString& name, const QString& caption, void (TFormA::*method)()) {
        QAction* action = bar->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler(method));
        return action;
    };
    const auto topMenu = [&](const QString& name, const QString& caption, void (TFormA::*onOpen)()) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        if (onOpen)
            connect(menu, &QMenu::aboutToShow, this, handler(onOpen));
        return menu;
    };
    const auto subItem = [&](QMenu* menu, const QString& name, const QString& caption, void (TFormA::*method)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        if (method)
            connect(action, &QAction::triggered, this, handler(method));
        return action;
    };

    Parameter1 = topAction(QStringLiteral("Parameter1"), QStringLiteral("Parameter"), &TFormA::Parameter1Click);
    Locator1 = topAction(QStringLiteral("Locator1"), QStringLiteral("Locator"), &TFormA::Locator1Click);
    Karten1 = topMenu(QStringLiteral("Karten1"), QStringLiteral("Mercatorkarte"), &TFormA::Karten1Click);
    ZoomMercator = subItem(Karten1, QStringLiteral("ZoomMercator"), QStringLiteral("Zoom -"), &TFormA::ZoomMercatorClick);
    Leer = subItem(Karten1, QStringLiteral("Leer"), QStringLiteral("-------------"), nullptr);
    Beamkarte1 = topMenu(QStringLiteral("Beamkarte1"), QStringLiteral("Beamkarte"), &TFormA::Beamkarte1Click);
    Zoom1 = subItem(Beamkarte1, QStringLiteral("Zoom1"), QStringLiteral("Zoom +"), &TFormA::Zoom1Click);
    Zoom2 = subItem(Beamkarte1, QStringLiteral("Zoom2"), QStringLiteral("Zoom -"), &TFormA::Zoom2Click);
    Feststationen1 = topAction(QStringLiteral("Feststationen1"), QStringLiteral("Feststationen"), &TFormA::Feststationen1Click);
    Feststationen1->setVisible(false);
    StayOnTop1 = topAction(QStringLiteral("StayOnTop1"), QStringLiteral("StayOnTop"), &TFormA::StayOnTop1Click);
    StayOnTop1->setCheckable(true);
    // StayOnTop1Click inverts the check mark itself, so Qt's own toggle is undone first.
    disconnect(StayOnTop1, &QAction::triggered, nullptr, nullptr);
    connect(StayOnTop1, &QAction::triggered, this, [this] {
        StayOnTop1->setChecked(!StayOnTop1->isChecked());
        ErrorBox::guard([this] { StayOnTop1Click(); });
    });
    Logger32 = topAction(QStringLiteral("Logger32"), QStringLiteral("Logger32"), &TFormA::Logger32Click);
    Hilfe1 = topMenu(QStringLiteral("Hilfe1"), QStringLiteral("Hilfe"), nullptr);
    About1 = subItem(Hilfe1, QStringLiteral("About1"), QStringLiteral("About"), &TFormA::About1Click);
    Hilfe2 = subItem(Hilfe1, QStringLiteral("Hilfe2"), QStringLiteral("Hilfe"), &TFormA::Hilfe2Click);
}

void TFormA::FormCreate()
{
    const ProgramLayout layout = ProgramLayout::of(executableFolder_);
    programFolder = layout.programFolder();
    dataFolder = layout.dataFolder();
    writableFolder = layout.writableFolder();
    const bool writableFolderMade = layout.makeWritableFolder();
    // The settings object comes first, although the file opens in a later step: every window
    // created after this one reads and writes through it, also when a step below fails.
    IniFile = new SettingsFile(writableFolder + QStringLiteral("Corvane.ini"));
    // Copies left by a run killed in the middle of a save; this is the only instance running.
    FileReplacement::removeLeftovers(IniFile->path());
    if (!QDir::setCurrent(programFolder))
        throw AppError(QStringLiteral("Der Ordner %1 kann nicht zum aktuellen Ordner gemacht werden").arg(programFolder));
    Registry::writeString(QStringLiteral("Corvane"), QStringLiteral("Pfad"), programFolder);
    // The callsign list only adds a way to name partners: without it the lookups find nothing.
    callsignTable = CallsignTable::load(dataFolder + QStringLiteral("Karten/Rufzeichen.txt"));
    ReferenceDataLoader::readCountryRaster(dataFolder + QStringLiteral("Karten/Landeskennung.arr"), *countryRaster);
    countryList.clear();
    countryList = ReferenceDataLoader::readCountryList(dataFolder + QStringLiteral("Karten/Laenderliste.txt"));
    setGeometry(WindowGeometry::onScreen(IniFile->readInteger(QStringLiteral("Main"), QStringLiteral("Links"), 36),
                                         IniFile->readInteger(QStringLiteral("Main"), QStringLiteral("Oben"), 136),
                                         IniFile->readInteger(QStringLiteral("Main"), QStringLiteral("Breit"), 600),
                                         IniFile->readInteger(QStringLiteral("Main"), QStringLiteral("Hoch"), 352)));
    cityTable = ReferenceDataLoader::readCityTable(dataFolder + QStringLiteral("Karten/Citys.txt"));
    logger32Link->ConnectLogger32();
    // Reported last, so that the reference data are read all the same.
    if (!writableFolderMade)
        throw AppError(QStringLiteral("Der Ordner %1 kann nicht angelegt werden; Einstellungen werden nicht gespeichert").arg(writableFolder));
}

void TFormA::FormDestroy()
{
    logger32Link->shutdown();
    if (IniFile) {
        // The settings file goes away even when a write fails, so that no later window writes to it.
        const std::unique_ptr<SettingsFile> file(IniFile);
        IniFile = nullptr;
        const QRect bounds = geometry();
        file->writeInteger(QStringLiteral("Main"), QStringLiteral("Links"), bounds.left());
        file->writeInteger(QStringLiteral("Main"), QStringLiteral("Oben"), bounds.top());
        file->writeInteger(QStringLiteral("Main"), QStringLiteral("Breit"), bounds.width());
        file->writeInteger(QStringLiteral("Main"), QStringLiteral("Hoch"), bounds.height());
        file->writeBool(QStringLiteral("Main"), QStringLiteral("StayOnTop"), isStayOnTop());
    }
}

int TFormA::clientWidth() const
{
    return client_->width();
}

int TFormA::clientHeight() const
{
    return client_->height();
}

void TFormA::setClientSize(int width, int height)
{
    // The menu bar and any frame stay as they are; only the client area takes the new size.
    resize(this->width() - client_->width() + width, this->height() - client_->height() + height);
}

void TFormA::showCursorLines(const QString& position, const QString& distance, const QString& bearing, const QString& country)
{
    Label1->setText(position);
    Label2->setText(distance);
    Label3->setText(bearing);
    Label4->setText(country);
    QLabel* const labels[] = {Label1, Label2, Label3, Label4};
    // The panel keeps its designed width unless a line needs more in the font at hand.
    const int widest = cursorPanelFit_.widest({position, distance, bearing, country}, Label1->font(),
                                              [&](int line) { return labels[line]->sizeHint().width(); });
    const int margin = labels[0]->x();  // pixels, on either side
    const int width = std::max(int(cursorPanelWidth), widest + 2 * margin);
    if (width == P_Cursor->width())
        return;
    P_Cursor->resize(width, P_Cursor->height());
    for (QLabel* label : labels)
        label->resize(width - margin, label->height());
}

void TFormA::lookupCountry(double longitude, double latitude, QString& countryName, QString& prefix) const
{
    CountryLookup(*countryRaster, countryList).lookupCountry(longitude, latitude, countryName, prefix);
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
    if (Form1 && !Form1->Karte->isHidden()) {
        if (!Form1->hasMapBitmap())
            return;
        Form1->Karte->setGeometry(0, 0, clientWidth(), clientHeight());
        Form1->RedrawMap();
        setClientSize(clientWidth(), Form1->Karte->height());
    } else if (Form10) {
        Form10->BeamKarte->setGeometry(0, 0, clientHeight(), clientHeight());
        Form10->RedrawBeamMap();
        setClientSize(Form10->BeamKarte->width(), clientHeight());
    }
    if (Form6)
        Form6->move((clientWidth() - Form6->width()) / 2, clientHeight() - Form6->clientHeight() - Form6->borderWidth());
}

void TFormA::Timer1Timer()
{
    Timer1->stop();
    const bool onTop = IniFile && IniFile->readBool(QStringLiteral("Main"), QStringLiteral("StayOnTop"), false);
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
    StayOnTop1->setText(on ? QStringLiteral("StayOnTop *") : QStringLiteral("StayOnTop  "));
    if (on == isStayOnTop())
        return;
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (wasVisible)
        show();  // changing the flags hides a window
}

void TFormA::Button1Click()
{
    if (!Form4 || !Form4->isVisible())
        StartPanel->hide();
}

void TFormA::Parameter1Click()
{
    toggleVisible(Form3);
}

void TFormA::Locator1Click()
{
    toggleVisible(Form4);
}

void TFormA::Feststationen1Click()
{
    toggleVisible(Form7);
}

void TFormA::Karten1Click()
{
    if (!Form1)
        return;
    if (Form10)
        Form10->BeamKarte->hide();
    Form1->Karte->show();
    setClientSize(Form1->Karte->width(), Form1->Karte->height());
    Form1->RedrawMap();
    if (Form4)
        WindowPlace::restore(Form4, {Form1->LocatorPos_X, Form1->LocatorPos_Y});
    if (Form2)
        WindowPlace::restore(Form2, {Form1->FadenkreuzAnzeigePos_X, Form1->FadenkreuzAnzeigePos_Y});
    if (IniFile)
        IniFile->writeBool(QStringLiteral("Main"), QStringLiteral("Mercatorkarte"), true);
    ZoomMercator->setVisible(Form1->zoomDepth() > 1);
}

void TFormA::Beamkarte1Click()
{
    if (Form10)
        Form10->Beamkarte1Click();
}

void TFormA::Zoom1Click()
{
    if (Form10)
        Form10->ZoomPlusClick();
}

void TFormA::Zoom2Click()
{
    if (Form10)
        Form10->ZoomMinusClick();
}

void TFormA::ZoomMercatorClick()
{
    if (Form1)
        Form1->Zoom1Click();
}

void TFormA::Hilfe2Click()
{
    if (FormHilfe)
        FormHilfe->ShowHelp(dataFolder + QStringLiteral("Help/Corvane.htm"), QString());
}

void TFormA::About1Click()
{
    if (FormHelpAbout)
        FormHelpAbout->show();
}

void TFormA::Logger32Click()
{
    if (logger32Link->isUp())
        logger32Link->DisconnectLogger32();
    else
        logger32Link->ConnectLogger32();
}
