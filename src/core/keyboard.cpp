// The main display's own keyboard: what typed characters do in Text1, the
// arrow keys, and the numeric-pad operators the window watches while the
// focus is elsewhere.

#include "core/calculator.h"
#include "core/keys.h"

namespace quorvel::calc {

void Text1_GotFocus(Form1& f) {
  f.ActiveField = Field::Text1;
  f.KeyPreview = false;
}

void Text1_LostFocus(Form1& f) { f.KeyPreview = true; }

void Text1_KeyPress(Form1& f, int& key_ascii) {
  const int key = key_ascii;
  if (key >= '0' && key <= '9') {
    if (f.NewEntry) FullTakeover(f);
    ClearStatus(f);
    return;
  }
  switch (key) {
    case keys::kBack:
      if (f.NewEntry) EditTakeover(f);
      ClearStatus(f);
      return;
    case keys::kReturn:
      key_ascii = 0;
      NumEqCommand_Click(f);
      return;
    case '/':
      key_ascii = 0;
      NumDivCommand_Click(f);
      return;
    case '*':
      key_ascii = 0;
      NumMULCommand_Click(f);
      return;
    case '-':
      key_ascii = 0;
      NumMinusCommand_Click(f);
      return;
    case '+':
      key_ascii = 0;
      NumPlusCommand_Click(f);
      return;
    case '.':
      if (f.NewEntry) {
        AppendToDisplay(f, "0.");
        f.Text1.SetSelStart(f.Text1.Length());
      }
      ClearStatus(f);
      if (f.Text1.Text().find('.') != std::string::npos) key_ascii = 0;
      return;
    default:
      key_ascii = 0;
      return;
  }
}

void Text1_KeyDown(Form1& f, int& key_code, int) {
  // An arrow key makes a finished value editable, without a takeover.
  if (key_code >= keys::kLeft && key_code <= keys::kDown) f.NewEntry = false;
}

void Form_KeyDown(Form1& f, int& key_code, int) {
  if (f.ActiveField != Field::Text1) return;
  switch (key_code) {
    case keys::kMultiply:
      NumMULCommand_Click(f);
      break;
    case keys::kAdd:
      NumPlusCommand_Click(f);
      break;
    case keys::kSubtract:
      NumMinusCommand_Click(f);
      break;
    case keys::kDivide:
      NumDivCommand_Click(f);
      break;
    default:
      break;
  }
}

}  // namespace quorvel::calc
