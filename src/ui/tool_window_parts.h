#pragma once
// What the schedule and the tape windows share: a row of named buttons with a
// Close button at its right end, Esc to close, and the copy keys on their
// list.

#include <QString>
#include <initializer_list>

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace quorvel::ui {

// A button of a tool window: named for tests and assistive technology, and
// never the default, so that Enter in the list stays the list's.
QPushButton* ToolButton(QWidget* window, const char* name, const QString& text,
                        const QString& description);

// The buttons left to right, a stretch, then Close, which closes `window`.
QHBoxLayout* ButtonRow(QWidget* window, std::initializer_list<QPushButton*> actions,
                       QPushButton* close);

// Esc closes the window; the copy keys, pressed in `view`, run `copy`.
template <typename Window, typename Slot>
void ToolWindowKeys(Window* window, QWidget* view, Slot copy);

}  // namespace quorvel::ui

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace quorvel::ui {

template <typename Window, typename Slot>
void ToolWindowKeys(Window* window, QWidget* view, Slot copy) {
  auto* copy_keys = new QShortcut(QKeySequence::Copy, view, window, copy);
  copy_keys->setContext(Qt::WidgetShortcut);
  new QShortcut(QKeySequence(Qt::Key_Escape), window, window, &QWidget::close);
}

}  // namespace quorvel::ui
