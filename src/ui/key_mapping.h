#pragma once
// Translation of Qt's key events into the key codes and character codes the
// model's key handlers work with.

#include "core/controls.h"

class QKeyEvent;
class QString;

namespace quorvel::ui {

// Whether the key only moves the caret or extends the selection in a text
// box (arrows, Home, End, page keys, with Shift or Ctrl), so that the widget
// may handle it itself.
bool MovesOnlyTheCaret(const QKeyEvent& event);

// The Edit menu command that the platform binds the key to besides the
// menu's own shortcuts (Shift+Delete, Ctrl+Insert, Shift+Insert and the
// like); Ctl::None for other keys.
Ctl ClipboardCommand(const QKeyEvent& event);

// The key code of the key (digits and letters as their characters, the
// numeric pad's operators as 106, 107, 109, 111, arrows 37 to 40 ...); 0 for
// keys the handlers never look at.
int KeyCode(const QKeyEvent& event);

// Shift 1, Ctrl 2, Alt 4, added up.
int ShiftState(const QKeyEvent& event);

// The character the key types, as the key-press handlers see it: control
// characters included (backspace 8, Enter 13, Ctrl+letter 1 to 26), 0 when
// the key types nothing (arrows, Delete, function keys).
int CharacterCode(const QKeyEvent& event);

// Caret positions: the model counts characters, Qt counts UTF-16 units.
int ToModelPosition(const QString& text, int qt_position);
int ToQtPosition(const QString& text, int model_position);

}  // namespace quorvel::ui
