#include "app/Program.h"

#include "app/SettingsFile.h"
#include "app/TFormA.h"
#include "beam/TForm10.h"
#include "entry/TForm4.h"
#include "help/TFormHelpAbout.h"
#include "help/TFormHilfe.h"
#include "mercator/TForm1.h"
#include "mercator/TForm2.h"
#include "partner/PartnerLinks.h"
#include "rotor/TF_Rotor.h"
#include "rotor/TForm6.h"
#include "rotor/TForm7.h"
#include "session/Session.h"
#include "settings/TForm3.h"
#include "widgets/ErrorBox.h"

#include <QApplication>
#include <QTimer>

#include <type_traits>

namespace {

template <typename T, typename = void>
struct HasFormDestroy : std::false_type {};
template <typename T>
struct HasFormDestroy<T, std::void_t<decltype(std::declval<T&>().FormDestroy())>> : std::true_type {};

// Window constructors run their creation handler; a failure there skips the rest of that handler
// only, so the window still exists. The main window takes the executable's folder.
template <typename Window>
Window* construct(const QString& executableFolder)
{
    if constexpr (std::is_constructible_v<Window, QString>)
        return new Window(executableFolder);
    else
        return new Window();
}

// A map redraws for a new target or own station after the crosshair window, made after it, has
// come up for them (slots run in the order they were connected): it draws the target only while
// that window is open. The parameter window's layers come after it too.
template <typename Map>
void redrawOnNews(Map* map)
{
    if (!map)
        return;
    QObject::connect(session, &Session::targetChanged, map, &Map::redrawIfShown);
    QObject::connect(session, &Session::ownPositionChanged, map, &Map::redrawIfShown);
    if (Form3)
        QObject::connect(Form3, &TForm3::mapLayersChanged, map, &Map::redrawIfShown);
}

} // namespace

Program::Program(QString executableFolder)
    : executableFolder_(std::move(executableFolder)), session_(std::make_unique<Session>())
{
}

Program::~Program()
{
    destroyWindows();
}

template <typename Window>
void Program::create(Window*& instance)
{
    Window* window = nullptr;
    ErrorBox::guard([&] { window = construct<Window>(executableFolder_); });
    if (!window) {
        instance = nullptr;  // a constructor that failed after publishing itself
        return;
    }
    Created created{window, {}, [&instance] { instance = nullptr; }};
    if constexpr (HasFormDestroy<Window>::value)
        created.formDestroy = [window] { window->FormDestroy(); };
    windows_.push_back(std::move(created));
}

void Program::createWindows()
{
    create(FormA);
    create(FormHelpAbout);
    create(Form1);
    create(Form10);
    create(F_Rotor);
    create(FormHilfe);
    create(Form2);
    create(Form3);
    create(Form4);
    create(Form6);
    create(Form7);
    connectWindows();
    ErrorBox::guard([this] {
        partnerLinks_ = std::make_unique<PartnerLinks>();
        connectPartnerLinks();
    });
}

void Program::connectWindows()
{
    redrawOnNews(Form1);
    redrawOnNews(Form10);
}

void Program::connectPartnerLinks()
{
    PartnerLinks* links = partnerLinks_.get();
    if (Form6)
        QObject::connect(links, &PartnerLinks::partnerNamed, Form6, &TForm6::takePartner);
    if (Form3) {
        QObject::connect(Form3, &TForm3::wsjtxSettingsChanged, links,
                         [links] { links->listen(Form3->wsjtxSettings()); });
        QObject::connect(links, &PartnerLinks::wsjtxStateChanged, Form3, &TForm3::showWsjtxState);
    }
    links->listen(Form3 ? Form3->wsjtxSettings() : WsjtxSettings());
}

int Program::run()
{
    // Only closing the main window ends the run, not closing the last tool window.
    QApplication::setQuitOnLastWindowClosed(false);
    FormA->show();
    FormA->allWindowsCreated();
    return QApplication::exec();
}

void Program::destroyWindows()
{
    // Every window saves its place on the way out: the file is written once, at the end.
    if (session->IniFile)
        session->IniFile->holdWrites();
    partnerLinks_.reset();
    // No timer runs once shut-down begins: an error box shown by a FormDestroy runs an event
    // loop, and nothing may then work on windows that are half gone.
    for (const Created& created : windows_)
        for (QTimer* timer : created.window->findChildren<QTimer*>())
            timer->stop();
    while (!windows_.empty()) {
        Created last = std::move(windows_.back());
        windows_.pop_back();
        if (last.formDestroy)
            ErrorBox::guard(last.formDestroy);
        last.forget();
        delete last.window;
    }
}
