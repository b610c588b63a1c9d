#pragma once
// The main window's life: wiring every subsystem's handlers to the window's
// controls, and the load sequence that puts them into their first state.

#include "core/form1.h"

namespace quorvel::shell {

// Registers the handlers of every subsystem with the window's controls.
void RegisterHandlers(Form1& f);

// The window's load sequence, run before it is first shown.
void Form_Load(Form1& f);

// The window is closing, by its close box or the system.
void Form_Unload(Form1& f);

// The window is shown: its first control in tab order, the display, takes
// the focus.
void Form_Shown(Form1& f);

}  // namespace quorvel::shell
