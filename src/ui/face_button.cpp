#include "ui/face_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/form1_layout.h"

namespace quorvel::ui {
namespace {

// One letter size for every legend of the window: the largest at which the
// longest legend fits its button.
qreal WindowLegendSize() {
  static const qreal size = [] {
    QStringList legends;
    QSizeF face(1e9, 1e9);
    for (const WidgetSpec& spec : Form1Layout()) {
      if (spec.face != Face::Legend) continue;
      legends << QString::fromUtf8(spec.caption);
      // The push button's frame takes about three pixels on each side.
      face = face.boundedTo(
          QSizeF(spec.width / kTwipsPerPixel - 6.0, spec.height / kTwipsPerPixel - 6.0));
    }
    return LegendLetterSize(legends, face);
  }();
  return size;
}

}  // namespace

void FaceButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  painter.drawControl(QStyle::CE_PushButtonBevel, option);
  QRectF area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  if (isDown()) area.translate(1, 1);
  PaintFace(painter, area, face_, legend_, isEnabled(), WindowLegendSize());
}

}  // namespace quorvel::ui
