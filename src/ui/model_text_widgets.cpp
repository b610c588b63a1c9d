#include "ui/model_text_widgets.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/key_mapping.h"

namespace quorvel::ui {
namespace {

// Text may only enter through the key handlers and the window's own
// clipboard commands: no drops, no input-method commits, no context menu,
// no middle-button paste of the X selection.
void LockDown(QWidget* widget) {
  widget->setAcceptDrops(false);
  widget->setContextMenuPolicy(Qt::NoContextMenu);
  widget->setAttribute(Qt::WA_InputMethodEnabled, false);
}

// Runs a key through the host, then lets the widget type what passed.
template <class Native>
void TypeThroughModel(Ctl control, TextBoxHost& host, QKeyEvent* event, Native native,
                      bool line_break_as_return) {
  // The clipboard keys the widget knows besides Ctrl+X, C and V (Shift+Insert
  // and the like) go through the window's own commands, which test what is
  // pasted; the widget never pastes by itself.
  const struct {
    QKeySequence::StandardKey key;
    Ctl command;
  } clipboard_keys[] = {{QKeySequence::Cut, Ctl::MenuCut},
                        {QKeySequence::Copy, Ctl::MenuCopy},
                        {QKeySequence::Paste, Ctl::MenuPaste}};
  for (const auto& entry : clipboard_keys) {
    if (event->matches(entry.key)) {
      host.RouteCommand(entry.command);
      event->accept();
      return;
    }
  }
  const int typed = CharacterCode(*event);
  const int passed = host.RouteKeyPress(control, *event);
  if (typed != 0 && passed == 0) {
    event->accept();
    return;
  }
  if (typed != 0 && line_break_as_return && (passed == 13 || passed == 10)) {
    // Any line break becomes a plain paragraph break in the widget.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    native(&enter);
  } else if (typed != 0 && passed != typed) {
    // A handler replaced the character: type its replacement instead.
    const char32_t code = static_cast<char32_t>(passed);
    QKeyEvent replaced(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUcs4(&code, 1));
    native(&replaced);
  } else {
    native(event);
  }
  host.AfterNativeEdit(control);
}

}  // namespace

// --- Single-line box ------------------------------------------------------------

ModelLineEdit::ModelLineEdit(Ctl control, TextBoxHost& host, QWidget* parent)
    : QLineEdit(parent), control_(control), host_(host) {
  LockDown(this);
  setDragEnabled(false);
}

void ModelLineEdit::PullInto(TextBox& box, bool text_changed) const {
  const QString shown = text();
  if (text_changed) {
    std::string utf8 = shown.toStdString();
    if (utf8 != box.Text()) box.SetText(std::move(utf8));
  }
  if (hasSelectedText()) {
    const int start = ToModelPosition(shown, selectionStart());
    const int end = ToModelPosition(shown, selectionEnd());
    box.Select(start, end - start);
  } else {
    box.SetSelStart(ToModelPosition(shown, cursorPosition()));
  }
}

void ModelLineEdit::PushFrom(const TextBox& box) {
  const QString wanted = QString::fromStdString(box.Text());
  if (text() != wanted) setText(wanted);
  const int start = ToQtPosition(wanted, box.SelStart());
  const int end = ToQtPosition(wanted, box.SelStart() + box.SelLength());
  if (end > start) {
    if (selectionStart() != start || selectionEnd() != end) setSelection(start, end - start);
  } else if (hasSelectedText() || cursorPosition() != start) {
    setCursorPosition(start);
  }
}

void ModelLineEdit::keyPressEvent(QKeyEvent* event) {
  TypeThroughModel(
      control_, host_, event, [this](QKeyEvent* key) { QLineEdit::keyPressEvent(key); }, false);
}

void ModelLineEdit::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  host_.RouteKeyRelease(control_, *event);
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

// --- Multi-line box ---------------------------------------------------------------

ModelTextEdit::ModelTextEdit(Ctl control, TextBoxHost& host, QWidget* parent)
    : QPlainTextEdit(parent), control_(control), host_(host) {
  LockDown(this);
  viewport()->setAcceptDrops(false);
  setTabChangesFocus(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setLineWrapMode(QPlainTextEdit::NoWrap);
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

void ModelTextEdit::PullInto(TextBox& box, bool text_changed) const {
  const QString plain = toPlainText();
  if (text_changed) box.SetText(plain.toStdString());  // the box makes each LF a CR LF
  const QTextCursor cursor = textCursor();
  const int start = ModelPosition(plain, cursor.selectionStart());
  const int end = ModelPosition(plain, cursor.selectionEnd());
  box.Select(start, end - start);
}

void ModelTextEdit::PushFrom(const TextBox& box) {
  QString wanted = QString::fromStdString(box.Text());
  wanted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (toPlainText() != wanted) setPlainText(wanted);
  const int anchor = WidgetPosition(wanted, box.SelStart());
  const int position = WidgetPosition(wanted, box.SelStart() + box.SelLength());
  QTextCursor cursor = textCursor();
  if (cursor.anchor() != anchor || cursor.position() != position) {
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
  }
}

void ModelTextEdit::keyPressEvent(QKeyEvent* event) {
  TypeThroughModel(
      control_, host_, event, [this](QKeyEvent* key) { QPlainTextEdit::keyPressEvent(key); }, true);
}

void ModelTextEdit::keyReleaseEvent(QKeyEvent* event) {
  QPlainTextEdit::keyReleaseEvent(event);
  host_.RouteKeyRelease(control_, *event);
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

}  // namespace quorvel::ui
