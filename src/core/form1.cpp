#include "core/form1.h"

#include "core/keys.h"
#include "core/platform.h"
#include "core/utf8.h"

namespace quorvel {

Form1::Form1(Platform& platform_services) : platform(platform_services) {
  // Design-time captions and sizes.
  Label5.Caption = "Per / ";
  Label6.Caption = "NPer";
  Label7.Caption = "Interest";
  Label8.Caption = "Present Value";
  Label9.Caption = "Future Value";
  Label10.Caption = "Payment";
  Label11.Caption = "Reinvest Rate";
  Label12.Caption = "Cash Flows";
  Label13.Caption = "Decimal Place";
  CheckPayment.Caption = "Payment At End Period";
  Frame1.Height = 2400;
}

TextBox* Form1::TextBoxOf(Ctl control) {
  switch (control) {
#define QUORVEL_CASE(name) \
  case Ctl::name:          \
    return &name;
    QUORVEL_TEXT_BOXES(QUORVEL_CASE)
    QUORVEL_MULTI_LINE_TEXT_BOXES(QUORVEL_CASE)
#undef QUORVEL_CASE
    default:
      return nullptr;
  }
}

Label* Form1::LabelOf(Ctl control) {
  switch (control) {
#define QUORVEL_CASE(name) \
  case Ctl::name:          \
    return &name;
    QUORVEL_LABELS(QUORVEL_CASE)
#undef QUORVEL_CASE
    default:
      return nullptr;
  }
}

Button* Form1::ButtonOf(Ctl control) {
  switch (control) {
#define QUORVEL_CASE(name) \
  case Ctl::name:          \
    return &name;
    QUORVEL_BUTTONS(QUORVEL_CASE)
#undef QUORVEL_CASE
    default:
      return nullptr;
  }
}

CheckBox* Form1::CheckBoxOf(Ctl control) {
  switch (control) {
#define QUORVEL_CASE(name) \
  case Ctl::name:          \
    return &name;
    QUORVEL_CHECK_BOXES(QUORVEL_CASE)
#undef QUORVEL_CASE
    default:
      return nullptr;
  }
}

Frame* Form1::FrameOf(Ctl control) {
  switch (control) {
#define QUORVEL_CASE(name) \
  case Ctl::name:          \
    return &name;
    QUORVEL_FRAMES(QUORVEL_CASE)
#undef QUORVEL_CASE
    default:
      return nullptr;
  }
}

void Form1::SetValue(Ctl check_box, int value) {
  CheckBox* box = CheckBoxOf(check_box);
  if (!box || box->Value == value) return;
  box->Value = value;
  RaiseClick(check_box);
}

void Form1::SetFocus(Ctl control) {
  if (control == focused_) return;
  Ctl previous = focused_;
  focused_ = control;
  if (previous != Ctl::None) {
    if (auto& lost = On(previous).LostFocus) lost();
  }
  if (control != Ctl::None && focused_ == control) {
    if (auto& got = On(control).GotFocus) got();
  }
}

void Form1::RaiseClick(Ctl control) {
  if (auto& click = On(control).Click) click();
}

void Form1::ButtonClick(Ctl toolbar, const std::string& key) {
  if (auto& click = On(toolbar).ButtonClick) click(key);
}

void Form1::Click(Ctl control) {
  SetFocus(control);
  if (CheckBox* box = CheckBoxOf(control)) {
    SetValue(control, box->Value == 0 ? 1 : 0);
  } else {
    RaiseClick(control);
  }
}

void Form1::KeyDown(Ctl target, int key_code, int shift) {
  if (KeyPreview && Form_KeyDown) Form_KeyDown(key_code, shift);
  if (key_code == 0) return;
  if (auto& down = On(target).KeyDown) down(key_code, shift);
}

int Form1::KeyPress(Ctl target, int key_ascii) {
  if (auto& press = On(target).KeyPress) press(key_ascii);
  return key_ascii;
}

void Form1::KeyUp(Ctl target, int key_code, int shift) {
  if (auto& up = On(target).KeyUp) up(key_code, shift);
}

void Form1::MouseUp(Ctl target) {
  if (auto& up = On(target).MouseUp) up();
}

int Form1::ProgramCharacter(int key_code, int character) {
  if (character == 0) return 0;
  // Numbers are typed with "." in every locale; under a decimal comma the
  // comma key (and the numeric pad's decimal key, whatever it types) gives
  // the point, so that "1,5" is not read as 15.
  if (key_code == keys::kDecimal) return '.';
  const std::string separator = platform.UserNumberFormat().decimal_separator;
  if (separator.empty() || separator == ".") return character;
  std::size_t i = 0;
  const int decimal = static_cast<int>(utf8::Next(separator, i));
  return i == separator.size() && decimal == character ? '.' : character;
}

void Form1::TypeCharacter(Ctl target, int character) {
  const int passed = KeyPress(target, character);
  if (TextBox* box = TextBoxOf(target); box && passed != 0) box->ApplyKey(passed);
}

void Form1::PressKey(Ctl target, int key_code, int shift, int character) {
  KeyDown(target, key_code, shift);
  TextBox* box = TextBoxOf(target);
  if (!box) {
    if (character != 0) KeyPress(target, ProgramCharacter(key_code, character));
    return;
  }
  const bool ctrl = shift & keys::kCtrlMask;
  const bool shifted = shift & keys::kShiftMask;
  if (key_code == keys::kDelete && shifted && !ctrl) return RaiseClick(Ctl::MenuCut);
  if (key_code == keys::kInsert && ctrl && !shifted) return RaiseClick(Ctl::MenuCopy);
  if (key_code == keys::kInsert && shifted && !ctrl) return RaiseClick(Ctl::MenuPaste);
  if (key_code == 'A' &&
      (shift & (keys::kCtrlMask | keys::kShiftMask | keys::kAltMask)) == keys::kCtrlMask) {
    return box->SelectAll();
  }
  if (character != 0) return TypeCharacter(target, ProgramCharacter(key_code, character));

  void (TextBox::*erase)() = nullptr;
  if (key_code == keys::kDelete) {
    erase = ctrl ? &TextBox::DeleteWordForward : &TextBox::DeleteForward;
  } else if (key_code == keys::kBack && ctrl) {
    erase = &TextBox::DeleteWordBackward;
  }
  if (!erase) return;
  const int passed = KeyPress(target, keys::kBack);
  if (passed == keys::kBack) {
    (box->*erase)();
  } else if (passed != 0) {
    box->ApplyKey(passed);
  }
}

void Form1::Keystroke(int key_code, int character, int shift) {
  // The key stays with the control that had the focus when it went down,
  // even if a handler moves the focus meanwhile.
  const Ctl target = focused_;
  PressKey(target, key_code, shift, character);
  TextBox* box = TextBoxOf(target);
  if (box && character == 0) {
    switch (key_code) {
      case keys::kLeft:
        box->SetSelStart(box->SelStart() - 1);
        break;
      case keys::kRight:
        box->SetSelStart(box->SelStart() + box->SelLength() + 1);
        break;
      case keys::kHome:
        box->SetSelStart(0);
        break;
      case keys::kEnd:
        box->SetSelStart(box->Length());
        break;
      default:
        break;
    }
  }
  KeyUp(target, key_code, shift);
}

void Form1::Type(std::string_view characters) {
  for (std::size_t i = 0; i < characters.size();) {
    const auto code = static_cast<int>(utf8::Next(characters, i));
    Keystroke(keys::KeyCodeForCharacter(code), code);
  }
}

}  // namespace quorvel
