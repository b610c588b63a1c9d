#include "ui/vector_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>
#include <algorithm>

namespace quorvel::ui {
namespace {

// Each picture is drawn on a 32 by 32 grid.
void PaintLogo(QPainter& p) {
  // A calculator: a dark blue body, a display, and a grid of keys with one
  // accent key.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 60, 130));
  p.drawRoundedRect(QRectF(5, 2, 22, 28), 3, 3);
  p.setBrush(QColor(200, 235, 210));
  p.drawRect(QRectF(8, 5, 16, 6));
  p.setPen(QPen(QColor(20, 90, 40), 1.2));
  p.drawLine(QPointF(15, 9), QPointF(22, 9));
  p.setPen(Qt::NoPen);
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      const bool accent = row == 2 && col == 2;
      p.setBrush(accent ? QColor(230, 120, 30) : QColor(235, 238, 245));
      p.drawRoundedRect(QRectF(8 + col * 5.7, 14 + row * 5.3, 4.4, 4), 0.8, 0.8);
    }
  }
}

void PaintCut(QPainter& p) {
  QPen steel(QColor(90, 90, 100), 1.8, Qt::SolidLine, Qt::RoundCap);
  p.setPen(steel);
  p.drawLine(QPointF(10, 4), QPointF(20, 20));
  p.drawLine(QPointF(22, 4), QPointF(12, 20));
  p.setPen(QPen(QColor(180, 20, 20), 2.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(10, 24), 4, 4);
  p.drawEllipse(QPointF(22, 24), 4, 4);
}

void Page(QPainter& p, const QRectF& r) {
  p.setPen(QPen(QColor(60, 60, 70), 1.2));
  p.setBrush(Qt::white);
  p.drawRect(r);
  p.setPen(QPen(QColor(120, 130, 160), 1));
  for (qreal y = r.top() + 4; y < r.bottom() - 2; y += 3.5) {
    p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
  }
}

void PaintCopy(QPainter& p) {
  Page(p, QRectF(5, 4, 14, 18));
  Page(p, QRectF(13, 10, 14, 18));
}

void PaintPaste(QPainter& p) {
  p.setPen(QPen(QColor(90, 60, 20), 1.2));
  p.setBrush(QColor(190, 140, 70));
  p.drawRoundedRect(QRectF(5, 5, 18, 24), 2, 2);
  p.setBrush(QColor(150, 150, 160));
  p.drawRect(QRectF(10, 3, 8, 5));
  Page(p, QRectF(14, 12, 14, 17));
}

void PaintHelp(QPainter& p) {
  QPainterPath balloon;
  balloon.addRoundedRect(QRectF(3, 3, 26, 20), 8, 8);
  QPainterPath tail;
  tail.moveTo(9, 21);
  tail.lineTo(7, 29);
  tail.lineTo(15, 22);
  tail.closeSubpath();
  p.setPen(QPen(QColor(70, 70, 90), 1.2));
  p.setBrush(Qt::white);
  p.drawPath(balloon.united(tail));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(17);
  p.setFont(font);
  p.setPen(QColor(20, 70, 200));
  p.drawText(QRectF(3, 3, 26, 20), Qt::AlignCenter, QStringLiteral("?"));
}

void PaintExit(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 30, 30));
  p.drawEllipse(QRectF(3, 3, 26, 26));
  p.setPen(QPen(Qt::white, 3.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(11, 11), QPointF(21, 21));
  p.drawLine(QPointF(21, 11), QPointF(11, 21));
}

class PictureWidget : public QWidget {
 public:
  PictureWidget(Picture picture, int side, QWidget* parent) : QWidget(parent), picture_(picture) {
    setFixedSize(side, side);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    PaintPicture(painter, rect(), picture_);
  }

 private:
  Picture picture_;
};

class VectorIconEngine : public QIconEngine {
 public:
  explicit VectorIconEngine(Picture picture) : picture_(picture) {}
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    if (mode == QIcon::Disabled) painter->setOpacity(0.4);
    PaintPicture(*painter, rect, picture_);
    painter->restore();
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
  }
  QIconEngine* clone() const override { return new VectorIconEngine(picture_); }

 private:
  Picture picture_;
};

}  // namespace

void PaintPicture(QPainter& p, const QRectF& area, Picture picture) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const qreal side = std::min(area.width(), area.height());
  p.translate(area.center().x() - side / 2, area.center().y() - side / 2);
  p.scale(side / 32, side / 32);
  switch (picture) {
    case Picture::Logo:
      PaintLogo(p);
      break;
    case Picture::Cut:
      PaintCut(p);
      break;
    case Picture::Copy:
      PaintCopy(p);
      break;
    case Picture::Paste:
      PaintPaste(p);
      break;
    case Picture::Help:
      PaintHelp(p);
      break;
    case Picture::Exit:
      PaintExit(p);
      break;
  }
  p.restore();
}

QIcon VectorIcon(Picture picture) { return QIcon(new VectorIconEngine(picture)); }

QWidget* PictureView(Picture picture, int side, QWidget* parent) {
  return new PictureWidget(picture, side, parent);
}

}  // namespace quorvel::ui
