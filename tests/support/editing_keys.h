#pragma once
// The keys with which a text box can change its text besides typing, each
// tried in four places: the display after a result, the display after an
// operator key, a financial field and the cash-flow list. The model tests
// press them with Form1::Keystroke, the window tests send the real key
// events, and both check the same outcome.

#include <cstdint>
#include <sstream>
#include <string>

#include "core/form1.h"
#include "core/keys.h"
#include "core/utf8.h"

namespace quorvel::testing {

// The rule a key follows.
enum class EditRule {
  Backspace,  // passes the key handler as backspace does, then deletes
  Swallowed,  // changes nothing at all
  Cut,        // the Edit menu's commands
  Copy,
  Paste,
  Digit,      // an input method's commit of "7": a typed digit
  SelectAll,  // selects, changes no text
};

struct EditingKey {
  const char* name;  // as a key sequence is written ("Ctrl+Backspace")
  int key_code;      // 0: a commit of the input method, not a key
  int shift;
  int character;
  EditRule rule;
  // The text "46" with the caret between the digits, after the key: "|" is
  // the caret, "[...]" a selection.
  const char* after;
};

inline constexpr int kCtrl = keys::kCtrlMask;
inline constexpr int kShift = keys::kShiftMask;

inline constexpr EditingKey kEditingKeys[] = {
    {"Backspace", keys::kBack, 0, 8, EditRule::Backspace, "|6"},
    {"Ctrl+Backspace", keys::kBack, kCtrl, 0, EditRule::Backspace, "|6"},
    {"Ctrl+H", 'H', kCtrl, 8, EditRule::Backspace, "|6"},
    {"Del", keys::kDelete, 0, 0, EditRule::Backspace, "4|"},
    {"Ctrl+Del", keys::kDelete, kCtrl, 0, EditRule::Backspace, "4|"},
    {"Shift+Del", keys::kDelete, kShift, 0, EditRule::Cut, "4|6"},
    {"Ctrl+Ins", keys::kInsert, kCtrl, 0, EditRule::Copy, "4|6"},
    {"Shift+Ins", keys::kInsert, kShift, 0, EditRule::Paste, "49|6"},
    {"Ctrl+Z", 'Z', kCtrl, 26, EditRule::Swallowed, "4|6"},
    {"Ctrl+Y", 'Y', kCtrl, 25, EditRule::Swallowed, "4|6"},
    {"Ctrl+Shift+Z", 'Z', kCtrl | kShift, 26, EditRule::Swallowed, "4|6"},
    {"Ctrl+K", 'K', kCtrl, 11, EditRule::Swallowed, "4|6"},
    {"Ctrl+U", 'U', kCtrl, 21, EditRule::Swallowed, "4|6"},
    {"Ctrl+W", 'W', kCtrl, 23, EditRule::Swallowed, "4|6"},
    {"Ctrl+D", 'D', kCtrl, 4, EditRule::Swallowed, "4|6"},
    {"Ctrl+A", 'A', kCtrl, 1, EditRule::SelectAll, "[46]"},
    {"Ctrl+Shift+A", 'A', kCtrl | kShift, 1, EditRule::Swallowed, "4|6"},
    {"input method", 0, 0, '7', EditRule::Digit, "47|6"},
};

enum class EditPlace { ResultOnDisplay, OperatorPending, Field, CashFlowList };

inline constexpr EditPlace kEditPlaces[] = {EditPlace::ResultOnDisplay, EditPlace::OperatorPending,
                                            EditPlace::Field, EditPlace::CashFlowList};

inline const char* PlaceName(EditPlace place) {
  switch (place) {
    case EditPlace::ResultOnDisplay:
      return "display after 12+34=";
    case EditPlace::OperatorPending:
      return "display after 46+";
    case EditPlace::Field:
      return "TextPV";
    case EditPlace::CashFlowList:
      return "TextCF";
  }
  return "";
}

// The box the place types into and what the place puts before "46" in it.
inline Ctl PlaceBox(EditPlace place) {
  return place == EditPlace::Field          ? Ctl::TextPV
         : place == EditPlace::CashFlowList ? Ctl::TextCF
                                            : Ctl::Text1;
}
inline std::string PlacePrefix(EditPlace place) {
  return place == EditPlace::CashFlowList ? "1\r\n" : "";
}

// What the clipboard holds before the key: Shift+Insert pastes it.
inline constexpr const char* kClipboardBefore = "9";

// The calculator's state that a key may change.
struct DeskState {
  std::string box;  // the place's box, with "|" or "[...]" as in EditingKey
  std::string display;
  double first_operand = 0;
  std::string pending;
  std::string label1;
  std::string label4;
  bool new_entry = false;
  Field active_field = Field::Text1;
  std::string clipboard;

  bool operator==(const DeskState&) const = default;
};

inline std::string Describe(const DeskState& state) {
  std::ostringstream out;
  auto visible = [](std::string text) {
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, "/");
    return text;
  };
  out << "box " << visible(state.box) << ", display " << state.display << ", first "
      << state.first_operand << ", pending '" << state.pending << "', Label1 '" << state.label1
      << "', Label4 '" << state.label4 << "', NewEntry " << state.new_entry << ", ActiveField "
      << static_cast<int>(state.active_field) << ", clipboard '" << state.clipboard << "'";
  return out.str();
}
inline void PrintTo(const DeskState& state, std::ostream* out) { *out << Describe(state); }

// The box's text with its caret or selection marked.
inline std::string Marked(const TextBox& box) {
  std::string text = box.Text();
  const std::size_t start = utf8::Offset(text, box.SelStart());
  if (box.SelLength() == 0) return text.insert(start, "|");
  const std::size_t end = utf8::Offset(text, box.SelStart() + box.SelLength());
  text.insert(end, "]");
  return text.insert(start, "[");
}

inline DeskState StateOf(Form1& f, EditPlace place, const std::string& clipboard) {
  DeskState state;
  state.box = Marked(*f.TextBoxOf(PlaceBox(place)));
  state.display = f.Text1.Text();
  state.first_operand = f.FirstOperand;
  state.pending = f.PendingOperator;
  state.label1 = f.Label1.Caption;
  state.label4 = f.Label4.Caption;
  state.new_entry = f.NewEntry;
  state.active_field = f.ActiveField;
  state.clipboard = clipboard;
  return state;
}

// The state each place starts from; the caret stands between 4 and 6.
inline DeskState StateBefore(EditPlace place) {
  DeskState state;
  state.box = PlacePrefix(place) + "4|6";
  state.clipboard = kClipboardBefore;
  switch (place) {
    case EditPlace::ResultOnDisplay:
      state.display = "46";
      state.first_operand = 12;
      state.label4 = "12  +  34";
      state.new_entry = true;
      break;
    case EditPlace::OperatorPending:
      state.display = "46";
      state.first_operand = 46;
      state.pending = state.label1 = "+";
      state.new_entry = true;
      break;
    case EditPlace::Field:
      state.display = "0";
      state.active_field = Field::TextPV;
      break;
    case EditPlace::CashFlowList:
      state.display = "0";
      state.active_field = Field::TextCF;
      break;
  }
  return state;
}

// The state after the key: the box edited as the row says; in the display,
// a finished value taken over as its plain-key twin takes it over.
inline DeskState StateAfter(const EditingKey& key, EditPlace place) {
  DeskState state = StateBefore(place);
  const bool display = PlaceBox(place) == Ctl::Text1;
  state.box = key.rule == EditRule::SelectAll ? "[" + PlacePrefix(place) + "46]"
                                              : PlacePrefix(place) + key.after;
  if (key.rule == EditRule::Cut || key.rule == EditRule::Copy) state.clipboard.clear();
  if (!display) return state;
  auto take_over = [&] {
    state.first_operand = 46;
    state.pending = state.label1;
    state.new_entry = false;
  };
  switch (key.rule) {
    case EditRule::Backspace:
      take_over();  // Label1 stays, the status bar is cleared
      state.label4.clear();
      break;
    case EditRule::Paste:
      take_over();
      state.label1.clear();
      break;
    case EditRule::Digit:
      take_over();  // a new number: the display starts afresh
      state.label1.clear();
      state.label4.clear();
      state.box = "7|";
      break;
    case EditRule::Swallowed:
    case EditRule::Cut:
    case EditRule::Copy:
    case EditRule::SelectAll:
      break;
  }
  std::string shown = state.box;
  for (const char* mark : {"|", "[", "]"}) {
    if (auto at = shown.find(mark); at != std::string::npos) shown.erase(at, 1);
  }
  state.display = shown;
  return state;
}

}  // namespace quorvel::testing
