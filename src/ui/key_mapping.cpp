#include "ui/key_mapping.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QString>

#include "core/keys.h"

namespace quorvel::ui {

bool MovesOnlyTheCaret(const QKeyEvent& event) {
  // The keys a text widget moves by; Ctrl+A is not among them, since the
  // model selects the whole text itself.
  static constexpr QKeySequence::StandardKey kCaretKeys[] = {QKeySequence::MoveToNextChar,
                                                             QKeySequence::MoveToPreviousChar,
                                                             QKeySequence::MoveToNextWord,
                                                             QKeySequence::MoveToPreviousWord,
                                                             QKeySequence::MoveToNextLine,
                                                             QKeySequence::MoveToPreviousLine,
                                                             QKeySequence::MoveToNextPage,
                                                             QKeySequence::MoveToPreviousPage,
                                                             QKeySequence::MoveToStartOfLine,
                                                             QKeySequence::MoveToEndOfLine,
                                                             QKeySequence::MoveToStartOfBlock,
                                                             QKeySequence::MoveToEndOfBlock,
                                                             QKeySequence::MoveToStartOfDocument,
                                                             QKeySequence::MoveToEndOfDocument,
                                                             QKeySequence::SelectNextChar,
                                                             QKeySequence::SelectPreviousChar,
                                                             QKeySequence::SelectNextWord,
                                                             QKeySequence::SelectPreviousWord,
                                                             QKeySequence::SelectNextLine,
                                                             QKeySequence::SelectPreviousLine,
                                                             QKeySequence::SelectNextPage,
                                                             QKeySequence::SelectPreviousPage,
                                                             QKeySequence::SelectStartOfLine,
                                                             QKeySequence::SelectEndOfLine,
                                                             QKeySequence::SelectStartOfBlock,
                                                             QKeySequence::SelectEndOfBlock,
                                                             QKeySequence::SelectStartOfDocument,
                                                             QKeySequence::SelectEndOfDocument,
                                                             QKeySequence::Deselect};
  if (event.matches(QKeySequence::SelectAll)) return false;  // whatever else it may be bound to
  for (QKeySequence::StandardKey key : kCaretKeys) {
    if (event.matches(key)) return true;
  }
  return false;
}

Ctl ClipboardCommand(const QKeyEvent& event) {
  if (event.matches(QKeySequence::Cut)) return Ctl::MenuCut;
  if (event.matches(QKeySequence::Copy)) return Ctl::MenuCopy;
  if (event.matches(QKeySequence::Paste)) return Ctl::MenuPaste;
  return Ctl::None;
}

int KeyCode(const QKeyEvent& event) {
  const int key = event.key();
  const bool keypad = event.modifiers() & Qt::KeypadModifier;
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    return keypad ? keys::kNumpad0 + (key - Qt::Key_0) : '0' + (key - Qt::Key_0);
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Asterisk:
      return keypad ? keys::kMultiply : '8';
    case Qt::Key_Plus:
      return keypad ? keys::kAdd : 187;
    case Qt::Key_Minus:
      return keypad ? keys::kSubtract : 189;
    case Qt::Key_Slash:
      return keypad ? keys::kDivide : 191;
    case Qt::Key_Period:
      return keypad ? keys::kDecimal : 190;
    case Qt::Key_Comma:  // the numeric pad's decimal key under a decimal comma
      return keypad ? keys::kDecimal : 188;
    case Qt::Key_Equal:
      return 187;
    case Qt::Key_Backspace:
      return keys::kBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return keys::kTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return keys::kReturn;
    case Qt::Key_Escape:
      return keys::kEscape;
    case Qt::Key_Space:
      return keys::kSpace;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return keys::kEnd;
    case Qt::Key_Home:
      return keys::kHome;
    case Qt::Key_Left:
      return keys::kLeft;
    case Qt::Key_Up:
      return keys::kUp;
    case Qt::Key_Right:
      return keys::kRight;
    case Qt::Key_Down:
      return keys::kDown;
    case Qt::Key_Insert:
      return keys::kInsert;
    case Qt::Key_Delete:
      return keys::kDelete;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    case Qt::Key_Alt:
      return 18;
    default:
      return 0;
  }
}

int ShiftState(const QKeyEvent& event) {
  int state = 0;
  if (event.modifiers() & Qt::ShiftModifier) state |= keys::kShiftMask;
  if (event.modifiers() & Qt::ControlModifier) state |= keys::kCtrlMask;
  if (event.modifiers() & Qt::AltModifier) state |= keys::kAltMask;
  return state;
}

int CharacterCode(const QKeyEvent& event) {
  const int key = event.key();
  const auto modifiers = event.modifiers();
  // Ctrl+Enter types a line feed, plain Enter a carriage return.
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    return modifiers & Qt::ControlModifier ? 10 : keys::kReturn;
  }
  if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier)) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 1 + (key - Qt::Key_A);
    return 0;
  }
  if (key == Qt::Key_Backspace) return keys::kBack;
  const QString text = event.text();
  if (text.isEmpty()) return 0;
  char32_t code = text.at(0).unicode();
  if (text.size() > 1 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate()) {
    code = QChar::surrogateToUcs4(text.at(0), text.at(1));
  }
  if (code == 127 || key == Qt::Key_Delete) return 0;
  return static_cast<int>(code);
}

int ToModelPosition(const QString& text, int qt_position) {
  int model = 0;
  for (int i = 0; i < qt_position && i < text.size(); ++i) {
    if (!text.at(i).isLowSurrogate()) ++model;
  }
  return model;
}

int ToQtPosition(const QString& text, int model_position) {
  int i = 0;
  for (int seen = 0; i < text.size() && seen < model_position; ++i) {
    if (!text.at(i).isHighSurrogate()) ++seen;
  }
  return i;
}

}  // namespace quorvel::ui
