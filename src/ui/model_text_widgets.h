#pragma once
// Text boxes on screen whose keys, mouse releases and edits go through the
// main window's model before (and instead of) the widget's own handling: a
// single-line box (QLineEdit) and the multi-line cash-flow list
// (QPlainTextEdit).

#include <QLineEdit>
#include <QPlainTextEdit>

#include "core/controls.h"
#include "core/text_box.h"

class QKeyEvent;

namespace quorvel::ui {

// What a routed text box asks of the window that owns the model.
class TextBoxHost {
 public:
  virtual ~TextBoxHost() = default;
  // Runs key down and key press through the model; returns the character
  // code the widget should still type (0: none).
  virtual int RouteKeyPress(Ctl control, const QKeyEvent& event) = 0;
  // After the widget's own handling of a key or the mouse.
  virtual void AfterNativeEdit(Ctl control) = 0;
  virtual void RouteKeyRelease(Ctl control, const QKeyEvent& event) = 0;
  virtual void RouteMouseRelease(Ctl control) = 0;
  // Runs a window command (the clipboard's Cut, Copy, Paste) for a key that
  // the widget would otherwise handle itself, such as Shift+Insert.
  virtual void RouteCommand(Ctl command) = 0;
};

// Copies between a text widget and its model. Positions in the model count
// characters, and the model breaks lines with CR LF.
class ModelTextWidget {
 public:
  virtual ~ModelTextWidget() = default;
  virtual void PullInto(TextBox& box, bool text_changed) const = 0;
  virtual void PushFrom(const TextBox& box) = 0;
};

class ModelLineEdit : public QLineEdit, public ModelTextWidget {
 public:
  ModelLineEdit(Ctl control, TextBoxHost& host, QWidget* parent);
  void PullInto(TextBox& box, bool text_changed) const override;
  void PushFrom(const TextBox& box) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Ctl control_;
  TextBoxHost& host_;
};

class ModelTextEdit : public QPlainTextEdit, public ModelTextWidget {
 public:
  ModelTextEdit(Ctl control, TextBoxHost& host, QWidget* parent);
  void PullInto(TextBox& box, bool text_changed) const override;
  void PushFrom(const TextBox& box) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  static int ModelPosition(const QString& plain, int widget_position);
  static int WidgetPosition(const QString& plain, int model_position);
  Ctl control_;
  TextBoxHost& host_;
};

}  // namespace quorvel::ui
