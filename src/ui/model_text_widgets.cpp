#include "ui/model_text_widgets.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <limits>

#include "ui/key_mapping.h"

namespace quorvel::ui {
namespace {

// Sets a flag for as long as it lives.
class Quiet {
 public:
  explicit Quiet(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
  ~Quiet() { flag_ = was_; }
  Quiet(const Quiet&) = delete;
  Quiet& operator=(const Quiet&) = delete;

 private:
  bool& flag_;
  bool was_;
};

// Nothing enters by the context menu or by the input method's own editing
// (its commits are routed as typed characters).
void LockDown(QWidget* widget) {
  widget->setAcceptDrops(false);
  widget->setContextMenuPolicy(Qt::NoContextMenu);
  widget->setAttribute(Qt::WA_InputMethodEnabled, false);
}

// Tells the host what the user changed in the widget, unless the program
// made the change (`quiet`).
template <class Widget>
void ReportChanges(Widget* widget, Ctl control, TextBoxHost& host, const bool& quiet) {
  QObject::connect(widget, &Widget::textChanged, widget, [control, &host, &quiet] {
    if (!quiet) host.TextChangedBehindTheModel(control);
  });
  auto moved = [control, &host, &quiet] {
    if (!quiet) host.CaretMoved(control);
  };
  QObject::connect(widget, &Widget::cursorPositionChanged, widget, moved);
  QObject::connect(widget, &Widget::selectionChanged, widget, moved);
}

// A key press in a routed box: the platform's clipboard keys run the Edit
// menu's commands, keys that only move the caret are the widget's own (after
// their key down), every other key goes to the model, which edits its box.
// Returns whether the widget should handle the key itself.
bool RouteKey(Ctl control, TextBoxHost& host, QKeyEvent* event) {
  event->accept();
  if (const Ctl command = ClipboardCommand(*event); command != Ctl::None) {
    host.RouteCommand(command);
    return false;
  }
  if (MovesOnlyTheCaret(*event)) {
    host.RouteCaretKey(control, *event);
    return true;
  }
  host.RouteKeyPress(control, *event);
  return false;
}

void RouteCommit(Ctl control, TextBoxHost& host, QInputMethodEvent* event) {
  // The text being composed is not shown; what the input method commits is
  // typed through the model, as typed keys are.
  if (!event->commitString().isEmpty()) host.RouteCommittedText(control, event->commitString());
  event->accept();
}

// The lengths of the start and the end two texts have in common, which
// never overlap and never split a surrogate pair.
struct CommonEnds {
  qsizetype head = 0;
  qsizetype tail = 0;
};

CommonEnds CommonEndsOf(QStringView shown, QStringView wanted) {
  const qsizetype shorter = std::min(shown.size(), wanted.size());
  CommonEnds same;
  while (same.head < shorter && shown[same.head] == wanted[same.head]) ++same.head;
  while (same.tail < shorter - same.head &&
         shown[shown.size() - 1 - same.tail] == wanted[wanted.size() - 1 - same.tail]) {
    ++same.tail;
  }
  if (same.head > 0 && shown[same.head - 1].isHighSurrogate()) --same.head;
  if (same.tail > 0 && shown[shown.size() - same.tail].isLowSurrogate()) --same.tail;
  return same;
}

// The document's characters from `from` to `to` become `text`.
void Replace(QTextCursor& edit, int from, int to, const QString& text) {
  edit.setPosition(from);
  edit.setPosition(to, QTextCursor::KeepAnchor);
  edit.insertText(text);
}

// A change of up to this many characters is shown in one go; a longer one
// in steps of about this many.
constexpr qsizetype kCharactersPerStep = qsizetype{1} << 16;

// Where the line that starts at `from` ends: at its line break, or at the
// end of the text.
qsizetype LineEnd(QStringView text, qsizetype from) {
  const qsizetype found = text.indexOf(QLatin1Char('\n'), from);
  return found < 0 ? text.size() : found;
}

// The end of the step that starts at `from`: after the first line break
// that follows a step's length of characters, or at the end of the text.
qsizetype StepEnd(QStringView text, qsizetype from) {
  if (text.size() - from <= kCharactersPerStep) return text.size();
  const qsizetype found = text.indexOf(QLatin1Char('\n'), from + kCharactersPerStep);
  return found < 0 ? text.size() : found + 1;
}

}  // namespace

// --- Single-line box ------------------------------------------------------------

ModelLineEdit::ModelLineEdit(Ctl control, TextBoxHost& host, QWidget* parent)
    : QLineEdit(parent), control_(control), host_(host) {
  LockDown(this);
  setDragEnabled(false);
  // No limit on the length: the model keeps every character it is given,
  // and the box shows them all, so what is computed is what is shown.
  setMaxLength(std::numeric_limits<int>::max());
  ReportChanges(this, control_, host_, quiet_);
}

void ModelLineEdit::PullInto(TextBox& box) const {
  const QString shown = text();
  int anchor = kept_anchor_;
  int caret = kept_caret_;
  if (hasFocus()) {
    caret = cursorPosition();
    anchor = hasSelectedText() ? selectionStart() + selectionEnd() - caret : caret;
  }
  const int start = ToModelPosition(shown, std::min(anchor, caret));
  const int end = ToModelPosition(shown, std::max(anchor, caret));
  box.Select(start, end - start);
}

void ModelLineEdit::PushFrom(const TextBox& box) {
  const Quiet quiet(quiet_);
  const QString wanted = QString::fromStdString(box.Text());
  if (text() != wanted) setText(wanted);
  kept_anchor_ = ToQtPosition(wanted, box.SelStart());
  kept_caret_ = ToQtPosition(wanted, box.SelStart() + box.SelLength());
  if (hasFocus()) {
    ShowKeptSelection();
  } else {
    ShowStart();
  }
}

void ModelLineEdit::ShowStart() {
  if (hasSelectedText() || cursorPosition() != 0) setCursorPosition(0);
}

void ModelLineEdit::ShowKeptSelection() {
  const int caret = cursorPosition();
  const int anchor = hasSelectedText() ? selectionStart() + selectionEnd() - caret : caret;
  if (caret == kept_caret_ && anchor == kept_anchor_) return;
  if (kept_caret_ == kept_anchor_) {
    setCursorPosition(kept_caret_);
  } else {
    setSelection(kept_anchor_, kept_caret_ - kept_anchor_);
  }
}

void ModelLineEdit::focusInEvent(QFocusEvent* event) {
  {
    const Quiet quiet(quiet_);
    ShowKeptSelection();
  }
  // Entered by Tab, the box selects all its text, as a text box does.
  QLineEdit::focusInEvent(event);
}

void ModelLineEdit::focusOutEvent(QFocusEvent* event) {
  // The selection stays the model's when the focus moves to a keypad key,
  // which works at its start; the widget would drop it.
  kept_caret_ = cursorPosition();
  kept_anchor_ = hasSelectedText() ? selectionStart() + selectionEnd() - kept_caret_ : kept_caret_;
  const Quiet quiet(quiet_);
  QLineEdit::focusOutEvent(event);
  ShowStart();
}

void ModelLineEdit::keyPressEvent(QKeyEvent* event) {
  if (!RouteKey(control_, host_, event)) return;
  QLineEdit::keyPressEvent(event);
  event->accept();  // seen once: not again by the controls around the box
  host_.AfterNativeEdit(control_);
}

void ModelLineEdit::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  host_.RouteKeyRelease(control_, *event);
}

void ModelLineEdit::inputMethodEvent(QInputMethodEvent* event) {
  RouteCommit(control_, host_, event);
}

void ModelLineEdit::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) return event->accept();
  QLineEdit::mousePressEvent(event);
}

void ModelLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::MiddleButton) QLineEdit::mouseReleaseEvent(event);
  host_.AfterNativeEdit(control_);
  host_.RouteMouseRelease(control_);
}

void ModelLineEdit::dragEnterEvent(QDragEnterEvent* event) { event->ignore(); }
void ModelLineEdit::dragMoveEvent(QDragMoveEvent* event) { event->ignore(); }
void ModelLineEdit::dropEvent(QDropEvent* event) { event->ignore(); }

// --- Multi-line box ---------------------------------------------------------------

ModelTextEdit::ModelTextEdit(Ctl control, TextBoxHost& host, QWidget* parent)
    : QPlainTextEdit(parent), control_(control), host_(host) {
  LockDown(this);
  viewport()->setAcceptDrops(false);
  setTabChangesFocus(true);
  setUndoRedoEnabled(false);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  ReportChanges(this, control_, host_, quiet_);
}

// Each paragraph break of the widget ("\n" in its plain text) is CR LF in
// the model, and the model counts characters where Qt counts UTF-16 units.
int ModelTextEdit::ModelPosition(const QString& plain, int widget_position) {
  int model = 0;
  for (int i = 0; i < widget_position && i < plain.size(); ++i) {
    const QChar c = plain.at(i);
    if (!c.isLowSurrogate()) model += c == QLatin1Char('\n') ? 2 : 1;
  }
  return model;
}

int ModelTextEdit::WidgetPosition(const QString& plain, int model_position) {
  int i = 0;
  for (int model = 0; i < plain.size() && model < model_position; ++i) {
    const QChar c = plain.at(i);
    if (!c.isHighSurrogate()) model += c == QLatin1Char('\n') ? 2 : 1;
  }
  return i;
}

void ModelTextEdit::PullInto(TextBox& box) const {
  const QString plain = toPlainText();
  const QTextCursor cursor = textCursor();
  const int start = ModelPosition(plain, cursor.selectionStart());
  const int end = ModelPosition(plain, cursor.selectionEnd());
  box.Select(start, end - start);
}

void ModelTextEdit::PushFrom(const TextBox& box) {
  const Quiet quiet(quiet_);
  QString wanted = QString::fromStdString(box.Text());
  wanted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  const QString shown = toPlainText();
  const bool text_changed = shown != wanted;
  if (text_changed) ShowText(shown, wanted);
  const int anchor = WidgetPosition(wanted, box.SelStart());
  const int position = WidgetPosition(wanted, box.SelStart() + box.SelLength());
  // Set again after an edit even where it stands: Up and Down then keep the
  // column the caret now has.
  QTextCursor cursor = textCursor();
  if (text_changed || cursor.anchor() != anchor || cursor.position() != position) {
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
  }
}

// Only the part that differs is replaced, so that a long list keeps its
// scroll position and a keystroke costs no more than reading the text.
void ModelTextEdit::ShowText(const QString& shown, const QString& wanted) {
  const CommonEnds same = CommonEndsOf(shown, wanted);
  qsizetype head = same.head;
  qsizetype old_end = shown.size() - same.tail;
  qsizetype new_end = wanted.size() - same.tail;
  if ((old_end - head) + (new_end - head) <= kCharactersPerStep) {
    QTextCursor edit(document());
    edit.beginEditBlock();
    Replace(edit, static_cast<int>(head), static_cast<int>(old_end),
            wanted.mid(head, new_end - head));
    edit.endEditBlock();
    return;
  }
  // A long change: whole lines, in steps, between which the window paints
  // and shows the progress. The text document takes a couple of
  // microseconds for each line it gains, which a million lines make
  // seconds.
  head = head == 0 ? 0 : shown.lastIndexOf(QLatin1Char('\n'), head - 1) + 1;
  const qsizetype line_end = shown.indexOf(QLatin1Char('\n'), old_end);
  const qsizetype widen = (line_end < 0 ? shown.size() : line_end) - old_end;
  old_end += widen;
  new_end += widen;
  const QStringView old_lines = QStringView(shown).sliced(head, old_end - head);
  const QStringView new_lines = QStringView(wanted).sliced(head, new_end - head);
  ProgressMeter progress(host_.platform(),
                         static_cast<std::size_t>(old_lines.size() + new_lines.size()));
  ReplaceLines(static_cast<int>(head), old_lines, new_lines, progress);
}

// Line for line first: a line that stays a line only has the characters
// that differ replaced, which costs far less than a new line does. Lines
// left over are then taken out or put in, in steps.
void ModelTextEdit::ReplaceLines(int at, QStringView old_lines, QStringView new_lines,
                                 ProgressMeter& progress) {
  QTextCursor edit(document());
  qsizetype o = 0;
  qsizetype n = 0;
  qsizetype next_step = kCharactersPerStep;
  edit.beginEditBlock();
  for (;;) {
    const qsizetype old_break = LineEnd(old_lines, o);
    const qsizetype new_break = LineEnd(new_lines, n);
    const QStringView old_line = old_lines.sliced(o, old_break - o);
    const QStringView new_line = new_lines.sliced(n, new_break - n);
    if (old_line != new_line) {
      const CommonEnds same = CommonEndsOf(old_line, new_line);
      Replace(edit, at + static_cast<int>(same.head),
              at + static_cast<int>(old_line.size() - same.tail),
              new_line.sliced(same.head, new_line.size() - same.tail - same.head).toString());
    }
    at += static_cast<int>(new_line.size());
    o = old_break;
    n = new_break;
    if (o == old_lines.size() || n == new_lines.size()) break;
    ++at;
    ++o;
    ++n;
    if (o + n >= next_step) {
      edit.endEditBlock();
      progress.At(static_cast<std::size_t>(o + n));
      next_step = o + n + kCharactersPerStep;
      edit.beginEditBlock();
    }
  }
  edit.endEditBlock();
  // What is left of one side starts with a line break.
  while (o < old_lines.size()) {
    const qsizetype end = StepEnd(old_lines, o);
    Replace(edit, at, at + static_cast<int>(end - o), QString());
    o = end;
    progress.At(static_cast<std::size_t>(o + n));
  }
  while (n < new_lines.size()) {
    const qsizetype end = StepEnd(new_lines, n);
    Replace(edit, at, at, new_lines.sliced(n, end - n).toString());
    at += static_cast<int>(end - n);
    n = end;
    progress.At(static_cast<std::size_t>(o + n));
  }
}

void ModelTextEdit::keyPressEvent(QKeyEvent* event) {
  if (!RouteKey(control_, host_, event)) return;
  QPlainTextEdit::keyPressEvent(event);
  event->accept();
  host_.AfterNativeEdit(control_);
}

void ModelTextEdit::keyReleaseEvent(QKeyEvent* event) {
  QPlainTextEdit::keyReleaseEvent(event);
  host_.RouteKeyRelease(control_, *event);
}

void ModelTextEdit::inputMethodEvent(QInputMethodEvent* event) {
  RouteCommit(control_, host_, event);
}

void ModelTextEdit::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) return event->accept();
  QPlainTextEdit::mousePressEvent(event);
}

void ModelTextEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::MiddleButton) QPlainTextEdit::mouseReleaseEvent(event);
  host_.AfterNativeEdit(control_);
  host_.RouteMouseRelease(control_);
}

void ModelTextEdit::dragEnterEvent(QDragEnterEvent* event) { event->ignore(); }
void ModelTextEdit::dragMoveEvent(QDragMoveEvent* event) { event->ignore(); }
void ModelTextEdit::dropEvent(QDropEvent* event) { event->ignore(); }

}  // namespace quorvel::ui
