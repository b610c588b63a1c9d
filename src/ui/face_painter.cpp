#include "ui/face_painter.h"

#include <algorithm>
#include <cmath>

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
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

// The face of the legends: bold and narrow, so that five letters still
// read at the size of three.
QFont LegendFont(qreal pixel_size) {
  QFont font(QStringLiteral("DejaVu Sans Condensed"));
  font.setBold(true);
  font.setPixelSize(std::max(1, qRound(pixel_size)));
  return font;
}

void Stroke(QPainter& p, const QColor& colour, const QPainterPath& path) {
  QPen pen(colour, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.strokePath(path, pen);
}

}  // namespace

qreal LegendLetterSize(const QStringList& legends, QSizeF face_size) {
  // Measured large, where widths grow in proportion to the size.
  constexpr qreal kReference = 100;
  const QFontMetricsF metrics(LegendFont(kReference));
  const qreal room = face_size.width() - 2;
  qreal size = face_size.height() * 0.52;  // cap height about two fifths of the face
  for (const QString& legend : legends) {
    const qreal width = metrics.horizontalAdvance(legend);
    if (width > 0) size = std::min(size, room * kReference / width);
  }
  return std::floor(size * 4) / 4;
}

void PaintFace(QPainter& p, const QRectF& area, Face face, const QString& legend, bool enabled,
               qreal letter_size) {
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
      // A triangle as high as the capitals, then "CF", centred together.
      const QFont font = LegendFont(letter_size / scale);
      const QFontMetricsF metrics(font);
      const qreal cap = metrics.capHeight();
      const qreal gap = cap * 0.2;
      const qreal text = metrics.horizontalAdvance(QStringLiteral("CF"));
      const qreal left = cx - (cap * 0.8 + gap + text) / 2;
      QPainterPath triangle;
      triangle.moveTo(left, cy);
      triangle.lineTo(left + cap * 0.8, cy - cap / 2);
      triangle.lineTo(left + cap * 0.8, cy + cap / 2);
      triangle.closeSubpath();
      const QColor colour(160, 0, 160);  // magenta, dark enough to read
      p.fillPath(triangle, colour);
      p.setFont(font);
      p.setPen(colour);
      p.drawText(QPointF(left + cap * 0.8 + gap, cy + cap / 2), QStringLiteral("CF"));
      break;
    }
    case Face::Legend: {
      // Every legend in one size, the one at which the longest fits.
      const QFont font = LegendFont(letter_size / scale);
      const qreal cap = QFontMetricsF(font).capHeight();
      const qreal width = QFontMetricsF(font).horizontalAdvance(legend);
      p.setFont(font);
      p.setPen(QColor(0, 0, 192));
      p.drawText(QPointF(cx - width / 2, cy + cap / 2), legend);
      break;
    }
    case Face::None:
      break;
  }
  p.restore();
}

}  // namespace quorvel::ui
