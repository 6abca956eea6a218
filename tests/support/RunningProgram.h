// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include "app/Program.h"
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
#include "session/Session.h"
#include "settings/ParameterSettings.h"
#include "settings/TForm3.h"
#include "support/Controls.h"

// The program a whole-program test runs: set while a ProgramFolder has started one, or while a
// RunningProgram::Use names one the test made itself. Each window is null while there is none.
class RunningProgram {
public:
    static Program* get() { return current_; }

    class Use {
    public:
        explicit Use(Program& program) : before_(current_) { current_ = &program; }
        ~Use() { current_ = before_; }
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;

    private:
        Program* before_;
    };

private:
    static inline Program* current_ = nullptr;
};

inline Session* session() { return RunningProgram::get() ? &RunningProgram::get()->session() : nullptr; }
inline TFormA* formA() { return RunningProgram::get() ? RunningProgram::get()->mainWindow() : nullptr; }
inline TFormHelpAbout* formHelpAbout() { return RunningProgram::get() ? RunningProgram::get()->aboutWindow() : nullptr; }
inline TForm1* form1() { return RunningProgram::get() ? RunningProgram::get()->mercatorWindow() : nullptr; }
inline TForm10* form10() { return RunningProgram::get() ? RunningProgram::get()->beamWindow() : nullptr; }
inline TF_Rotor* rotorLink() { return RunningProgram::get() ? RunningProgram::get()->rotorLink() : nullptr; }
inline TFormHilfe* formHilfe() { return RunningProgram::get() ? RunningProgram::get()->helpWindow() : nullptr; }
inline TForm2* form2() { return RunningProgram::get() ? RunningProgram::get()->crosshairWindow() : nullptr; }
inline ParameterSettings* parameters()
{
    return RunningProgram::get() ? &RunningProgram::get()->parameters() : nullptr;
}
inline TForm3* form3() { return RunningProgram::get() ? RunningProgram::get()->parameterWindow() : nullptr; }
inline TForm4* form4() { return RunningProgram::get() ? RunningProgram::get()->entryWindow() : nullptr; }
inline TForm6* form6() { return RunningProgram::get() ? RunningProgram::get()->rotorPanel() : nullptr; }
inline TForm7* form7() { return RunningProgram::get() ? RunningProgram::get()->directionsWindow() : nullptr; }

// A control of the parameter window, by its object name; the window keeps its controls private.
template <typename Control> Control* parameterControl(const char* name)
{
    return control<Control>(form3(), name);
}

// A control or menu item of the main window, by its object name; the window keeps them private.
template <typename Control = QAction> Control* mainControl(const char* name)
{
    return control<Control>(formA(), name);
}
