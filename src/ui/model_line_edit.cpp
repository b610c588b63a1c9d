#include "ui/model_line_edit.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/key_mapping.h"

namespace quorvel::ui {

ModelLineEdit::ModelLineEdit(Ctl control, TextBoxHost& host, QWidget* parent)
    : QLineEdit(parent), control_(control), host_(host) {
  // Text may only enter through the key handlers and the window's own
  // clipboard commands.
  setDragEnabled(false);
  setAcceptDrops(false);
  setContextMenuPolicy(Qt::NoContextMenu);
}

void ModelLineEdit::keyPressEvent(QKeyEvent* event) {
  const int typed = CharacterCode(*event);
  const int passed = host_.RouteKeyPress(control_, *event);
  if (typed != 0 && passed == 0) {
    event->accept();
    return;
  }
  if (typed != 0 && passed != typed) {
    // A handler replaced the character: type its replacement instead.
    QKeyEvent replaced(event->type(), 0, Qt::NoModifier,
                       QString::fromUcs4(reinterpret_cast<const char32_t*>(&passed), 1));
    QLineEdit::keyPressEvent(&replaced);
  } else {
    QLineEdit::keyPressEvent(event);
  }
  host_.AfterNativeEdit(control_);
}

void ModelLineEdit::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  host_.RouteKeyRelease(control_, *event);
}

void ModelLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  host_.AfterNativeEdit(control_);
  host_.RouteMouseRelease(control_);
}

}  // namespace quorvel::ui
