#pragma once
// The main window without a toolkit: every control's state, the window's
// variables, the focus, and the table of event handlers that the calculator,
// the panel and the financial functions register. The window layer mirrors
// this object into real widgets and routes the widgets' events into it.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/controls.h"
#include "core/tape.h"
#include "core/text_box.h"

namespace quorvel {

class Platform;

struct EventHandlers {
  std::function<void()> Click;
  std::function<void()> GotFocus;
  std::function<void()> LostFocus;
  std::function<void()> MouseUp;
  // A typed character; setting it to 0 swallows it.
  std::function<void(int& key_ascii)> KeyPress;
  std::function<void(int& key_code, int shift)> KeyDown;
  std::function<void(int& key_code, int shift)> KeyUp;
  // A toolbar's button, named by its key.
  std::function<void(const std::string& key)> ButtonClick;
};

struct Form1 {
  explicit Form1(Platform& platform);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  Platform& platform;

  // Controls.
#define QUORVEL_MEMBER(name) TextBox name;
  QUORVEL_TEXT_BOXES(QUORVEL_MEMBER)
#undef QUORVEL_MEMBER
#define QUORVEL_MEMBER(name) TextBox name{true};
  QUORVEL_MULTI_LINE_TEXT_BOXES(QUORVEL_MEMBER)
#undef QUORVEL_MEMBER
#define QUORVEL_MEMBER(name) Label name;
  QUORVEL_LABELS(QUORVEL_MEMBER)
#undef QUORVEL_MEMBER
#define QUORVEL_MEMBER(name) CheckBox name;
  QUORVEL_CHECK_BOXES(QUORVEL_MEMBER)
#undef QUORVEL_MEMBER
#define QUORVEL_MEMBER(name) Frame name;
  QUORVEL_FRAMES(QUORVEL_MEMBER)
#undef QUORVEL_MEMBER
#define QUORVEL_MEMBER(name) Button name;
  QUORVEL_BUTTONS(QUORVEL_MEMBER)
#undef QUORVEL_MEMBER

  // Window variables of the desk calculator and the panel.
  double MemoryValue = 0;
  double FirstOperand = 0;
  double ConstantValue = 0;
  std::string PendingOperator;
  // The entry box that last received the focus: 0 Text1, 1 TextN,
  // 2 TextInterest, 3 TextPV, 4 TextFV, 5 TextPMT, 6 TextPer, 7 TextCF.
  std::int16_t ActiveField = 0;
  // The caret of the box the keypad is editing, between reading and writing.
  int CaretPosition = 0;
  // True while the display shows a finished value.
  bool NewEntry = false;
  std::string DisplayFormat = "0.00";
  // While on, the window sees every key before the focused control.
  bool KeyPreview = false;
  // The window as a whole takes input (off while the About window is open).
  bool Enabled = true;
  // The cash flows of the list, as the last NPV, IRR or MIRR read them.
  std::vector<double> CashFlows;
  // Set once the window has begun to close: work that waits on the window's
  // events (an animation) stops.
  bool Unloading = false;
  // What was calculated since the program started.
  Tape tape;

  TextBox* TextBoxOf(Ctl control);
  Label* LabelOf(Ctl control);
  Button* ButtonOf(Ctl control);
  CheckBox* CheckBoxOf(Ctl control);
  Frame* FrameOf(Ctl control);

  // Sets a check box's value as the program does; a change runs its Click
  // handler, as a click would.
  void SetValue(Ctl check_box, int value);

  // --- Focus -------------------------------------------------------------
  Ctl Focused() const { return focused_; }
  // Moves the focus: the old control's LostFocus, then the new one's
  // GotFocus, both before this returns. Focusing the focused control does
  // nothing.
  void SetFocus(Ctl control);

  // --- Events as the window delivers them -----------------------------------
  EventHandlers& On(Ctl control) { return handlers_[static_cast<std::size_t>(control)]; }
  std::function<void(int& key_code, int shift)> Form_KeyDown;

  // Runs a control's Click handler without moving the focus: a handler
  // calling another control's handler, or a menu item chosen (menus and
  // toolbars never take the focus).
  void RaiseClick(Ctl control);
  // A toolbar button clicked; the toolbar keeps the focus where it was.
  void ButtonClick(Ctl toolbar, const std::string& key);
  // A click by the user: the control takes the focus, then its Click runs
  // (a check box first changes its value).
  void Click(Ctl control);
  // Key down in `target`: the window's preview first (while KeyPreview is
  // on), then the control's own handler.
  void KeyDown(Ctl target, int key_code, int shift = 0);
  // The key handler of `target` for a typed character; returns the code
  // that the box should still apply (0 when swallowed).
  int KeyPress(Ctl target, int key_ascii);
  void KeyUp(Ctl target, int key_code, int shift = 0);
  void MouseUp(Ctl target);

  // --- Driving the model as a user does (tests, scripted sessions) --------
  // One key stroke on the focused control: key down, the character (when
  // the key types one) through the key handler into the box, key up. Keys
  // that type nothing do their own editing: arrows, Home, End, Delete.
  void Keystroke(int key_code, int character);
  // Types each character of a UTF-8 text on the main keyboard.
  void Type(std::string_view characters);

 private:
  Ctl focused_ = Ctl::None;
  std::array<EventHandlers, kControlCount> handlers_;
};

}  // namespace quorvel
