// The cash-flow list: a multi-line box in a frame that unrolls on its
// button, hides when the list loses the focus, and shows the caret's line.

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

#include "core/platform.h"
#include "core/utf8.h"
#include "panel/panel.h"

namespace quorvel::panel {

void CommandCF_Click(Form1& f) {
  const int target = f.Frame1.Height;
  f.Frame1.Height = 0;
  f.Frame1.Visible = true;
  // One twip per step, letting the window paint in between. A second click
  // arriving meanwhile runs its own unroll up to the height of the moment;
  // this one then carries on to the full height.
  while (f.Frame1.Height < target && !f.Unloading) {
    f.platform.DoEvents();
    f.Frame1.Height += 1;
  }
  f.Frame1.Height = target;
  f.SetFocus(Ctl::TextCF);
}

void TextCF_GotFocus(Form1& f) {
  UpdateLineNum(f);
  f.Frame1.Visible = true;
  f.ActiveField = Field::TextCF;
}

void TextCF_LostFocus(Form1& f) {
  f.KeyPreview = true;
  f.Frame1.Visible = false;
}

void TextCF_KeyPress(Form1&, int& key_ascii) {
  const int k = key_ascii;
  const bool allowed =
      (k >= '0' && k <= '9') || k == '.' || k == '$' || k == '-' || k == 8 || k == 10 || k == 13;
  if (!allowed) key_ascii = 0;
}

std::string PastedList(Form1& f, std::string_view text, const NumberFormat& format) {
  ProgressMeter progress(f.platform, text.size());
  std::string out;
  out.reserve(text.size());
  for (std::size_t start = 0; start < text.size();) {
    progress.At(start);
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == text.npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    if (std::optional<std::string> number = PlainNumericText(line, format)) {
      out += *number;
    } else {
      out += line;
    }
    // One line break as it came (the box makes every kind of it CR LF).
    start = end;
    if (start < text.size() && text[start] == '\r') out += text[start++];
    if (start < text.size() && text[start] == '\n' && (start == end || text[start - 1] == '\r')) {
      out += text[start++];
    }
  }
  return out;
}

void UpdateLineNum(Form1& f) {
  // The line is one more than the line breaks before the caret (the start
  // of the selection).
  const std::string& text = f.TextCF.Text();
  const std::size_t end = utf8::Offset(text, f.TextCF.SelStart());
  const auto breaks =
      std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(end), '\r');
  char digits[24];
  auto last = std::to_chars(digits, digits + sizeof digits, breaks + 1).ptr;
  f.LabelLineNum.Caption = " " + std::string(digits, last);
}

}  // namespace quorvel::panel
