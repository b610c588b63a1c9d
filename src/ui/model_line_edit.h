#pragma once
// A single-line text box whose keys, mouse releases and edits go through the
// main window's model before (and instead of) the widget's own handling.

#include <QLineEdit>

#include "core/controls.h"

namespace quorvel::ui {

// What a routed text box asks of the window that owns the model.
class TextBoxHost {
 public:
  virtual ~TextBoxHost() = default;
  // Runs key down and key press through the model; returns the character
  // code the widget should still type (0: none, the key is consumed).
  // `types_character` tells whether the key types one at all.
  virtual int RouteKeyPress(Ctl control, const class QKeyEvent& event) = 0;
  // After the widget's own handling of a key or the mouse.
  virtual void AfterNativeEdit(Ctl control) = 0;
  virtual void RouteKeyRelease(Ctl control, const class QKeyEvent& event) = 0;
  virtual void RouteMouseRelease(Ctl control) = 0;
};

class ModelLineEdit : public QLineEdit {
 public:
  ModelLineEdit(Ctl control, TextBoxHost& host, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Ctl control_;
  TextBoxHost& host_;
};

}  // namespace quorvel::ui
