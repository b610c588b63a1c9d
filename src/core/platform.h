#pragma once
// Every service the model needs from the desktop goes through this interface:
// the window layer implements it, tests implement it with a recording fake.

#include <string>

#include "core/number_text.h"

namespace quorvel {

class Platform {
 public:
  virtual ~Platform() = default;

  // A modal message box with a single OK button and no icon.
  virtual void ShowMessage(const std::string& text, const std::string& title) = 0;
  // Lets the window events that are waiting run once, then returns.
  virtual void DoEvents() = 0;

  virtual void ClipboardClear() = 0;
  virtual void ClipboardSetText(const std::string& text) = 0;
  // The clipboard's plain text; empty when it holds none.
  virtual std::string ClipboardText() = 0;

  // The decimal and digit-group separators of the user's number format.
  virtual NumberFormat UserNumberFormat() = 0;

  // The directory that holds the program (and its files).
  virtual std::string ProgramDirectory() = 0;
  // Ends the program at once, without closing its windows first.
  virtual void EndProgram() = 0;
};

}  // namespace quorvel
