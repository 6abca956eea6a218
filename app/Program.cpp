#include "app/Program.h"

#include "app/Basis.h"
#include "app/ErrorBox.h"
#include "app/TFormA.h"
#include "beam/TForm10.h"
#include "entry/TForm4.h"
#include "help/TFormHelpAbout.h"
#include "help/TFormHilfe.h"
#include "mercator/TForm1.h"
#include "mercator/TForm2.h"
#include "rotor/TF_Rotor.h"
#include "rotor/TForm6.h"
#include "rotor/TForm7.h"
#include "settings/TForm3.h"

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

} // namespace

Program::Program(QString executableFolder) : executableFolder_(std::move(executableFolder)) {}

Program::~Program()
{
    destroyWindows();
}

template <typename Window>
void Program::create()
{
    Window* window = nullptr;
    ErrorBox::guard([&] { window = construct<Window>(executableFolder_); });
    if (!window)
        return;
    Created created{window, {}};
    if constexpr (HasFormDestroy<Window>::value)
        created.formDestroy = [window] { window->FormDestroy(); };
    windows_.push_back(std::move(created));
}

void Program::createWindows()
{
    create<TFormA>();
    create<TFormHelpAbout>();
    create<TForm1>();
    create<TForm10>();
    create<TF_Rotor>();
    create<TFormHilfe>();
    create<TForm2>();
    create<TForm3>();
    create<TForm4>();
    create<TForm6>();
    create<TForm7>();
}

int Program::run()
{
    // Only closing the main window ends the run, not closing the last tool window.
    QApplication::setQuitOnLastWindowClosed(false);
    FormA->show();
    FormA->Timer1->start();
    return QApplication::exec();
}

void Program::destroyWindows()
{
    while (!windows_.empty()) {
        Created last = std::move(windows_.back());
        windows_.pop_back();
        if (last.formDestroy)
            ErrorBox::guard(last.formDestroy);
        delete last.window;
    }
    FormA = nullptr;
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    Form6 = nullptr;
    Form7 = nullptr;
    Form10 = nullptr;
    F_Rotor = nullptr;
    FormHilfe = nullptr;
    FormHelpAbout = nullptr;
}
