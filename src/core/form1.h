#pragma once
// The main window without a toolkit: every control's state, the window's
// variables, the focus, and the table of event handlers that the calculator,
// the panel and the financial functions register. The window layer mirrors
// this object into real widgets and routes the widgets' events into it.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/controls.h"
#include "core/tape.h"
#include "core/text_box.h"

namespace quorvel {

class Platform;

// The entry boxes the keypad can type into, as ActiveField names them. The
// numbers are the codes the window has always kept.
enum class Field : std::int16_t {
  Text1 = 0,
  TextN = 1,
  TextInterest = 2,
  TextPV = 3,
  TextFV = 4,
  TextPMT = 5,
  TextPer = 6,
  TextCF = 7,
};

// Each code with its box; the only place that pairs the two.
inline constexpr std::array<std::pair<Field, Ctl>, 8> kFieldControls = {{
    {Field::Text1, Ctl::Text1},
    {Field::TextN, Ctl::TextN},
    {Field::TextInterest, Ctl::TextInterest},
    {Field::TextPV, Ctl::TextPV},
    {Field::TextFV, Ctl::TextFV},
    {Field::TextPMT, Ctl::TextPMT},
    {Field::TextPer, Ctl::TextPer},
    {Field::TextCF, Ctl::TextCF},
}};

// The box of a code.
constexpr Ctl ControlOf(Field field) {
  for (const auto& [code, control] : kFieldControls) {
    if (code == field) return control;
  }
  return Ctl::None;
}

// The code of an entry box; none for any other control.
constexpr std::optional<Field> FieldOf(Ctl control) {
  for (const auto& [code, box] : kFieldControls) {
    if (box == control) return code;
  }
  return std::nullopt;
}

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
  // The entry box that last received the focus.
  Field ActiveField = Field::Text1;
  // The caret of the box the keypad is editing, between reading and writing.
  int CaretPosition = 0;
  // True while the display shows a finished value.
  bool NewEntry = false;
  std::string DisplayFormat = "0.00";
  // True while the status bar Label4 shows an error message.
  bool StatusIsError = false;
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
  // What happens between a key's down and up in `target`, with the key's
  // code, shift state and the character it types (0 for none). The key-down
  // handlers run first. Then, in a text box, the box alone changes its text:
  // - a typed character passes the key handler, and what passes is applied;
  //   the key of the user's decimal separator (and the numeric pad's decimal
  //   key) types the program's decimal point ".";
  // - the keys that delete without typing (Delete, Ctrl+Delete,
  //   Ctrl+Backspace) pass the key handler as the backspace they resemble,
  //   so that they take over a finished value as backspace does, then delete;
  // - Shift+Delete, Ctrl+Insert and Shift+Insert are the Edit menu's Cut,
  //   Copy and Paste, as Ctrl+X, C and V are;
  // - Ctrl+A selects the whole text, and no handler sees it as a character.
  // Moving the caret is left to the caller.
  void PressKey(Ctl target, int key_code, int shift, int character);
  // A character that arrives without a key, such as an input method's
  // commit: the key handler, then the box, as for a typed character.
  void TypeCharacter(Ctl target, int character);
  void KeyUp(Ctl target, int key_code, int shift = 0);
  void MouseUp(Ctl target);

  // --- Driving the model as a user does (tests, scripted sessions) --------
  // One key stroke on the focused control: PressKey, then the caret keys
  // (arrows, Home, End) move the caret, then key up.
  void Keystroke(int key_code, int character, int shift = 0);
  // Types each character of a UTF-8 text on the main keyboard.
  void Type(std::string_view characters);

 private:
  // The character a box receives for one typed on the keyboard.
  int ProgramCharacter(int key_code, int character);

  Ctl focused_ = Ctl::None;
  std::array<EventHandlers, kControlCount> handlers_;
};

}  // namespace quorvel
