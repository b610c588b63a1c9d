// Cut, Copy and Paste on the focused text box, and the toolbar that offers
// them with the window commands.

#include <optional>
#include <string>

#include "core/calculator.h"
#include "core/indicators.h"
#include "core/number_text.h"
#include "core/platform.h"
#include "panel/panel.h"

namespace quorvel::panel {
namespace {

// The text box that has the focus; the commands do nothing elsewhere (a
// button or the check box).
TextBox* FocusedBox(Form1& f) { return f.TextBoxOf(f.Focused()); }

}  // namespace

void MenuCopy_Click(Form1& f) {
  TextBox* box = FocusedBox(f);
  if (!box) return;
  f.platform.ClipboardClear();
  const std::string selected = box->SelText();
  if (!selected.empty()) f.platform.ClipboardSetText(selected);
}

void MenuCut_Click(Form1& f) {
  TextBox* box = FocusedBox(f);
  if (!box) return;
  MenuCopy_Click(f);
  box->SetSelText("");
}

void MenuPaste_Click(Form1& f) {
  TextBox* box = FocusedBox(f);
  if (!box) return;
  // What the program copied itself writes "." for the decimal point in every
  // locale and must paste back as the same value; text from elsewhere is
  // written in the user's format.
  const NumberFormat format =
      f.platform.ClipboardTextIsOwn() ? kProgramNumberFormat : f.platform.UserNumberFormat();
  const std::string text = f.platform.ClipboardText();
  const std::optional<std::string> number = PlainNumericText(text, format);
  if (!number && f.ActiveField != Field::TextCF) return;
  if (f.ActiveField == Field::Text1 && f.NewEntry) {
    // The shown value becomes the first operand, as when a digit is typed,
    // but the pasted number joins the text on display.
    calc::EditTakeover(f);
    f.Label1.Caption.clear();
  }
  // A number goes into a one-line box as the calculator reads numbers, so
  // that group separators or a comma for the decimal point keep its value;
  // the cash-flow list takes every line, its numbers written the same way.
  if (box->MultiLine()) {
    box->SetSelText(PastedList(f, f.platform.ClipboardText(), format));
  } else {
    box->SetSelText(number ? *number : f.platform.ClipboardText());
  }
}

void Toolbar1_ButtonClick(Form1& f, const std::string& key) {
  if (key == toolbar_keys::kCut) {
    f.RaiseClick(Ctl::MenuCut);
  } else if (key == toolbar_keys::kCopy) {
    f.RaiseClick(Ctl::MenuCopy);
  } else if (key == toolbar_keys::kPaste) {
    f.RaiseClick(Ctl::MenuPaste);
  } else if (key == toolbar_keys::kHelp) {
    f.RaiseClick(Ctl::MenuHelpTopics);
  } else if (key == toolbar_keys::kExit) {
    f.RaiseClick(Ctl::MenuExit);
  }
}

}  // namespace quorvel::panel
