#pragma once
// The whole program as it runs: start-up with its single-instance rule and
// splash window, the main window, and the end.

namespace quorvel::ui {

// Runs the program in an existing QApplication; returns its exit code.
int RunProgram();

}  // namespace quorvel::ui
