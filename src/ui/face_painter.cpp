#include "ui/face_painter.h"

#include <algorithm>

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>

namespace quorvel::ui {
namespace {

constexpr qreal kPictureWidth = 53;
constexpr qreal kPictureHeight = 34;

const QColor kOperatorColour(204, 0, 102);  // magenta-red
const QColor kClearColour(0, 128, 0);       // green

void Letters(QPainter& p, const QString& text, const QColor& colour, qreal pixel_size) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(static_cast<int>(pixel_size));
  p.setFont(font);
  p.setPen(colour);
  p.drawText(QRectF(0, 0, kPictureWidth, kPictureHeight), Qt::AlignCenter, text);
}

void Stroke(QPainter& p, const QColor& colour, const QPainterPath& path) {
  QPen pen(colour, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.strokePath(path, pen);
}

}  // namespace

void PaintFace(QPainter& p, const QRectF& area, Face face, const QString& legend, bool enabled) {
  if (face == Face::None) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const qreal scale = std::min(area.width() / kPictureWidth, area.height() / kPictureHeight);
  p.translate(area.center());
  p.scale(scale, scale);
  p.translate(-kPictureWidth / 2, -kPictureHeight / 2);
  if (!enabled) p.setOpacity(0.4);

  const qreal cx = kPictureWidth / 2, cy = kPictureHeight / 2;
  QPainterPath path;
  switch (face) {
    case Face::Plus:
      path.moveTo(cx - 8, cy);
      path.lineTo(cx + 8, cy);
      path.moveTo(cx, cy - 8);
      path.lineTo(cx, cy + 8);
      Stroke(p, kOperatorColour, path);
      break;
    case Face::Minus:
      path.moveTo(cx - 8, cy);
      path.lineTo(cx + 8, cy);
      Stroke(p, kOperatorColour, path);
      break;
    case Face::Equals:
      path.moveTo(cx - 8, cy - 4);
      path.lineTo(cx + 8, cy - 4);
      path.moveTo(cx - 8, cy + 4);
      path.lineTo(cx + 8, cy + 4);
      Stroke(p, kOperatorColour, path);
      break;
    case Face::Multiply:
      Letters(p, QStringLiteral("X"), kOperatorColour, 20);
      break;
    case Face::Divide:
      path.moveTo(cx + 5, cy - 9);
      path.lineTo(cx - 5, cy + 9);
      Stroke(p, kOperatorColour, path);
      break;
    case Face::Backspace: {
      QPainterPath arrow;
      arrow.moveTo(cx - 12, cy);
      arrow.lineTo(cx - 3, cy - 8);
      arrow.lineTo(cx - 3, cy - 3);
      arrow.lineTo(cx + 12, cy - 3);
      arrow.lineTo(cx + 12, cy + 3);
      arrow.lineTo(cx - 3, cy + 3);
      arrow.lineTo(cx - 3, cy + 8);
      arrow.closeSubpath();
      p.fillPath(arrow, kOperatorColour);
      break;
    }
    case Face::Clear:
      Letters(p, QStringLiteral("C"), kClearColour, 18);
      break;
    case Face::AllClear:
      Letters(p, QStringLiteral("AC"), kClearColour, 18);
      break;
    case Face::ClearInputs:
      Letters(p, QStringLiteral("FC"), kClearColour, 17);
      break;
    case Face::CashFlow: {
      QPainterPath triangle;
      triangle.moveTo(cx - 17, cy);
      triangle.lineTo(cx - 7, cy - 7);
      triangle.lineTo(cx - 7, cy + 7);
      triangle.closeSubpath();
      p.fillPath(triangle, QColor(204, 0, 204));  // magenta
      QFont font(QStringLiteral("DejaVu Sans"));
      font.setBold(true);
      font.setPixelSize(15);
      p.setFont(font);
      p.setPen(QColor(204, 0, 204));
      p.drawText(QRectF(cx - 6, 0, kPictureWidth / 2 + 6, kPictureHeight),
                 Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("CF"));
      break;
    }
    case Face::Legend:
      // Short legends large, long ones ("MIRR", "ΣPPMT") smaller to fit.
      Letters(p, legend, QColor(0, 0, 192), legend.size() <= 3 ? 16 : legend.size() == 4 ? 14 : 12);
      break;
    case Face::None:
      break;
  }
  p.restore();
}

}  // namespace quorvel::ui
