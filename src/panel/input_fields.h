#pragma once
// The financial input fields: which entry box the keypad edits.

#include "core/form1.h"

namespace quorvel::panel {

// Registers the input fields' handlers with the window.
void RegisterInputFields(Form1& f);

}  // namespace quorvel::panel
