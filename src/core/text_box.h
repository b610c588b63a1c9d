#pragma once
// What a text box does with its text, caret and selection, without a window.
// Positions count characters from 0 (before the first) to the text's length.

#include <string>
#include <string_view>

namespace quorvel {

class TextBox {
 public:
  explicit TextBox(bool multi_line = false) : multi_line_(multi_line) {}

  const std::string& Text() const { return text_; }
  // Replaces the whole text; the caret goes to its end, as a user expects
  // after a value has been written into a box. A multi-line box breaks its
  // lines with CR LF only: lone CRs and LFs become CR LF.
  void SetText(std::string text);

  int Length() const { return length_; }
  int SelStart() const { return sel_start_; }
  int SelLength() const { return sel_length_; }
  // Moving the caret drops the selection; positions beyond the text are
  // clamped to its end.
  void SetSelStart(int position);
  void SetSelLength(int length);
  void Select(int start, int length);
  std::string SelText() const;
  // Replaces the selection (or inserts at the caret) and leaves the caret
  // after the new text.
  void SetSelText(std::string_view replacement);

  // What the box itself does with a typed character that its key handler let
  // through: backspace deletes, Enter breaks the line in a multi-line box,
  // anything else replaces the selection. `code` is a character code; codes
  // above 127 are Unicode code points.
  void ApplyKey(int code);
  // The Delete key.
  void DeleteForward();
  // Ctrl+Backspace and Ctrl+Delete: the selection when there is one;
  // otherwise the word before the caret with the blanks after it, or the word
  // after the caret with the blanks that follow. A number such as 12.50 is
  // one word; a sign, an operator or a line break is a word of its own.
  void DeleteWordBackward();
  void DeleteWordForward();
  // Ctrl+A.
  void SelectAll();

  bool MultiLine() const { return multi_line_; }

  // Goes up with every change of the text, caret or selection, so that a
  // window mirroring the box can skip the boxes that did not change.
  unsigned long long Revision() const { return revision_; }

  bool Visible = true;
  bool Enabled = true;

 private:
  // Deletes the bytes from `from` to `to` of the text, which hold whole
  // characters and end at or start from the caret.
  void DeleteBytes(std::size_t from, std::size_t to);

  std::string text_;
  int length_ = 0;
  int sel_start_ = 0;
  int sel_length_ = 0;
  bool multi_line_ = false;
  unsigned long long revision_ = 0;
};

struct Label {
  std::string Caption;
  bool Visible = true;
};

struct Button {
  bool Visible = true;
  bool Enabled = true;
};

struct CheckBox {
  int Value = 0;  // 0 unchecked, 1 checked
  std::string Caption;
  bool Visible = true;
  bool Enabled = true;
};

// A container; its height is in twips, as the window's layout is.
struct Frame {
  bool Visible = true;
  int Height = 0;
};

}  // namespace quorvel
