// Building numbers with the keypad, in the display or in the financial entry
// box last in focus.

#include <algorithm>
#include <cmath>
#include <string>

#include "core/calculator.h"
#include "core/number_text.h"
#include "core/utf8.h"

namespace quorvel::calc {
namespace {

bool Contains(std::string_view text, std::string_view what) {
  return text.find(what) != std::string_view::npos;
}

// Both takeovers make the finished value the first operand. A display that
// cannot be read (equals has just reported it beyond the range of a double)
// keeps the old operand rather than storing infinity.
void TakeOverOperands(Form1& f) {
  double value = TextValue(f.Text1.Text());
  if (std::isfinite(value)) f.FirstOperand = value;
  if (!f.Label1.Caption.empty()) f.PendingOperator = f.Label1.Caption;
  f.NewEntry = false;
}

// Sign change of a box's text: a leading "-" (blanks before it aside) goes,
// otherwise one goes in front of the trimmed text.
void ToggleSign(TextBox& box, int caret) {
  const std::string& text = box.Text();
  std::size_t first = text.find_first_not_of(' ');
  if (first != std::string::npos && text[first] == '-') {
    std::string changed = text;
    changed.erase(first, 1);
    box.SetText(std::move(changed));
    box.SetSelStart(std::max(caret - 1, 0));
  } else {
    std::size_t last = text.find_last_not_of(' ');
    std::string trimmed = first == std::string::npos ? "" : text.substr(first, last - first + 1);
    box.SetText("-" + trimmed);
    box.SetSelStart(caret + 1);
  }
}

}  // namespace

Ctl EntryField(Field active_field) {
  if (active_field == Field::Text1 || active_field == Field::TextCF) return Ctl::None;
  return ControlOf(active_field);
}

void FullTakeover(Form1& f) {
  TakeOverOperands(f);
  f.Label1.Caption.clear();
  f.Text1.SetText("");
}

void EditTakeover(Form1& f) { TakeOverOperands(f); }

std::string AppendNumeric(Form1& f, std::string_view text, std::string_view characters) {
  if (Contains(text, "-") || Contains(text, ".") || TextValue(text) != 0) {
    std::string out(utf8::Left(text, f.CaretPosition));
    out += characters;
    out += utf8::Mid(text, f.CaretPosition);
    return out;
  }
  // A text worth nothing ("0", "00", empty) gives way to the new characters.
  return std::string(characters);
}

void AppendToDisplay(Form1& f, std::string_view characters) {
  if (f.NewEntry) FullTakeover(f);
  f.Text1.SetText(AppendNumeric(f, f.Text1.Text(), characters));
  ClearStatus(f);
}

std::string AppendDot(Form1& f, std::string_view text) {
  if (Contains(text, ".")) {
    f.CaretPosition -= 1;  // the caller's increment leaves the caret in place
    return std::string(text);
  }
  const bool display = f.ActiveField == Field::Text1;
  if (TextValue(text) == 0) {
    std::string result = "0.";
    if (display) {
      AppendToDisplay(f, "0.");
      result = f.Text1.Text();
    }
    f.CaretPosition += 1;
    return result;
  }
  if (display) {
    AppendToDisplay(f, ".");
    return f.Text1.Text();
  }
  return AppendNumeric(f, text, ".");
}

std::string TextRightShift(std::string_view text, int position) {
  if (text.empty()) return std::string(text);
  std::string out(utf8::Left(text, position - 1));
  out += utf8::Mid(text, position);
  return out;
}

void EnterNumeric(Form1& f, std::string_view characters) {
  if (f.ActiveField == Field::Text1) {
    f.CaretPosition = f.Text1.SelStart();
    AppendToDisplay(f, characters);
    f.Text1.SetSelStart(f.CaretPosition + 1);
    f.SetFocus(Ctl::Text1);
    return;
  }
  Ctl field = EntryField(f.ActiveField);
  if (field == Ctl::None) {
    f.SetFocus(Ctl::Text1);
    return;
  }
  TextBox& box = *f.TextBoxOf(field);
  f.CaretPosition = box.SelStart();
  box.SetText(AppendNumeric(f, box.Text(), characters));
  box.SetSelStart(f.CaretPosition + 1);
  f.SetFocus(field);
}

void DigitKey_Click(Form1& f, char digit) { EnterNumeric(f, std::string(1, digit)); }

void NumDotCommand_Click(Form1& f) {
  if (f.ActiveField == Field::Text1) {
    f.CaretPosition = f.Text1.SelStart();
    if (f.NewEntry) {
      AppendToDisplay(f, "0.");
      f.CaretPosition += 1;
    } else {
      f.Text1.SetText(AppendDot(f, f.Text1.Text()));
    }
    f.Text1.SetSelStart(f.CaretPosition + 1);
    f.SetFocus(Ctl::Text1);
    return;
  }
  Ctl field = EntryField(f.ActiveField);
  if (field == Ctl::None) {
    f.SetFocus(Ctl::Text1);
    return;
  }
  TextBox& box = *f.TextBoxOf(field);
  f.CaretPosition = box.SelStart();
  box.SetText(AppendDot(f, box.Text()));
  box.SetSelStart(f.CaretPosition + 1);
  f.SetFocus(field);
}

void NumSignCommand_Click(Form1& f) {
  if (f.ActiveField == Field::Text1) {
    f.CaretPosition = f.Text1.SelStart();
    if (f.NewEntry) EditTakeover(f);
    ToggleSign(f.Text1, f.CaretPosition);
    f.SetFocus(Ctl::Text1);
    ClearStatus(f);
    return;
  }
  if (f.ActiveField == Field::TextN) {  // the number of periods never goes negative
    f.SetFocus(Ctl::TextN);
    return;
  }
  Ctl field = EntryField(f.ActiveField);
  if (field == Ctl::None) {
    f.SetFocus(Ctl::Text1);
    return;
  }
  TextBox& box = *f.TextBoxOf(field);
  f.CaretPosition = box.SelStart();
  ToggleSign(box, f.CaretPosition);
  f.SetFocus(field);
}

void CommandBackSpace_Click(Form1& f) {
  if (f.ActiveField == Field::Text1) {
    if (f.NewEntry) EditTakeover(f);
    int caret = f.Text1.SelStart();
    if (caret > 0) {
      f.Text1.SetText(TextRightShift(f.Text1.Text(), caret));
      f.Text1.SetSelStart(caret - 1);
    }
    ClearStatus(f);
    f.SetFocus(Ctl::Text1);
    return;
  }
  Ctl field = EntryField(f.ActiveField);
  if (field == Ctl::None) return;
  TextBox& box = *f.TextBoxOf(field);
  int caret = box.SelStart();
  if (caret > 0) {
    box.SetText(TextRightShift(box.Text(), caret));
    box.SetSelStart(caret - 1);
  }
  f.SetFocus(field);
}

void NumCCommand_Click(Form1& f) {
  // Right after an operator key the display still holds the first operand,
  // not yet taken over; take it over now so that clearing the display clears
  // only the second operand.
  if (f.NewEntry && !f.Label1.Caption.empty()) EditTakeover(f);
  f.Text1.SetText("0");
  f.SetFocus(Ctl::Text1);
}

void NumACCommand_Click(Form1& f) {
  f.Text1.SetText("0");
  f.FirstOperand = 0;
  f.ConstantValue = 0;
  f.Label1.Caption.clear();
  f.Label3.Caption.clear();
  ClearStatus(f);
  f.PendingOperator.clear();
  f.SetFocus(Ctl::Text1);
}

}  // namespace quorvel::calc
