#include "ui/model_text_widgets.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
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
  if (text_changed) {
    // Only the part that differs is replaced, so that a long list keeps its
    // scroll position and a keystroke costs no more than reading the text.
    const qsizetype shorter = std::min(shown.size(), wanted.size());
    qsizetype head = 0;
    while (head < shorter && shown.at(head) == wanted.at(head)) ++head;
    qsizetype tail = 0;
    while (tail < shorter - head &&
           shown.at(shown.size() - 1 - tail) == wanted.at(wanted.size() - 1 - tail)) {
      ++tail;
    }
    // Never split a surrogate pair.
    if (head > 0 && shown.at(head - 1).isHighSurrogate()) --head;
    if (tail > 0 && shown.at(shown.size() - tail).isLowSurrogate()) --tail;
    QTextCursor edit(document());
    edit.setPosition(static_cast<int>(head));
    edit.setPosition(static_cast<int>(shown.size() - tail), QTextCursor::KeepAnchor);
    edit.insertText(wanted.mid(head, wanted.size() - tail - head));
  }
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
