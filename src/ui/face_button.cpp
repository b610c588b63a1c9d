#include "ui/face_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quorvel::ui {

void FaceButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  painter.drawControl(QStyle::CE_PushButtonBevel, option);
  QRectF area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  if (isDown()) area.translate(1, 1);
  PaintFace(painter, area, face_, legend_, isEnabled());
}

}  // namespace quorvel::ui
