#pragma once
// Text boxes on screen whose text only the main window's model changes: a
// single-line box (QLineEdit) and the multi-line cash-flow list
// (QPlainTextEdit). Keys, input-method commits and the clipboard keys go to
// the model, which edits its own text box; the widget then shows the result.
// The widgets themselves only move the caret and the selection. Drops, the
// context menu and the middle button's paste are refused.

#include <QLineEdit>
#include <QPlainTextEdit>

#include "core/controls.h"
#include "core/platform.h"
#include "core/text_box.h"

class QKeyEvent;

namespace quorvel::ui {

// What a routed text box asks of the window that owns the model.
class TextBoxHost {
 public:
  virtual ~TextBoxHost() = default;
  // A key for the model: key down, then whatever the key does to the box.
  virtual void RouteKeyPress(Ctl control, const QKeyEvent& event) = 0;
  // A key that only moves the caret or the selection: its key down, before
  // the widget moves them.
  virtual void RouteCaretKey(Ctl control, const QKeyEvent& event) = 0;
  // Characters that arrive without a key (an input method's commit).
  virtual void RouteCommittedText(Ctl control, const QString& text) = 0;
  virtual void RouteKeyRelease(Ctl control, const QKeyEvent& event) = 0;
  virtual void RouteMouseRelease(Ctl control) = 0;
  // Runs a window command (the clipboard's Cut, Copy, Paste) for a key that
  // the widget would otherwise handle itself.
  virtual void RouteCommand(Ctl command) = 0;
  // The user moved the caret or the selection in the widget.
  virtual void CaretMoved(Ctl control) = 0;
  // The widget changed its text by itself, which only the model may do: the
  // model's text is shown again.
  virtual void TextChangedBehindTheModel(Ctl control) = 0;
  // Takes what the widget's own handling of a key or the mouse did.
  virtual void AfterNativeEdit(Ctl control) = 0;
  // Where showing a long text reports its progress.
  virtual Platform& platform() = 0;
};

// Copies between a text widget and its model. Positions in the model count
// characters, and the model breaks lines with CR LF.
class ModelTextWidget {
 public:
  virtual ~ModelTextWidget() = default;
  // The caret and the selection the user left in the widget.
  virtual void PullInto(TextBox& box) const = 0;
  virtual void PushFrom(const TextBox& box) = 0;
};

class ModelLineEdit : public QLineEdit, public ModelTextWidget {
 public:
  ModelLineEdit(Ctl control, TextBoxHost& host, QWidget* parent);
  void PullInto(TextBox& box) const override;
  void PushFrom(const TextBox& box) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // Without the focus the box shows the start of its text, so that a long
  // number keeps its sign and whole part in sight; the caret and selection
  // it had (or that the model gave it) come back with the focus.
  void ShowStart();
  void ShowKeptSelection();

  Ctl control_;
  TextBoxHost& host_;
  // Changes made by the program, which the host must not take for the
  // user's.
  bool quiet_ = false;
  // The selection from anchor to caret in Qt positions, kept while the
  // widget shows the start of its text.
  int kept_anchor_ = 0;
  int kept_caret_ = 0;
};

class ModelTextEdit : public QPlainTextEdit, public ModelTextWidget {
 public:
  ModelTextEdit(Ctl control, TextBoxHost& host, QWidget* parent);
  void PullInto(TextBox& box) const override;
  void PushFrom(const TextBox& box) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void ShowText(const QString& shown, const QString& wanted);
  void ReplaceLines(int at, QStringView old_lines, QStringView new_lines, ProgressMeter& progress);
  static int ModelPosition(const QString& plain, int widget_position);
  static int WidgetPosition(const QString& plain, int model_position);
  Ctl control_;
  TextBoxHost& host_;
  bool quiet_ = false;
};

}  // namespace quorvel::ui
