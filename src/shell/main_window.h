#pragma once
// The main window's life: wiring every subsystem's handlers to the window's
// controls, the load sequence that puts them into their first state, and
// the two ways the program ends.

#include "core/form1.h"
#include "shell/module1.h"

namespace quorvel::shell {

// Registers the handlers of every subsystem with the window's controls.
void RegisterHandlers(Form1& f, Module1& m);

// The window's load sequence, run before it is first shown.
void Form_Load(Form1& f, Module1& m);

// The window is shown: its first control in tab order, the display, takes
// the focus.
void Form_Shown(Form1& f);

// The window is closing, by its close box or the system: the settings file
// keeps its position.
void Form_Unload(Form1& f, Module1& m);

// The window commands that hand over to the shell.
void MenuHelpTopics_Click(Form1& f);
void MenuAbout_Click(Form1& f);
// Saves the position and ends the program at once: the window's unload does
// not run, so the file is written once.
void MenuExit_Click(Form1& f, Module1& m);

}  // namespace quorvel::shell
