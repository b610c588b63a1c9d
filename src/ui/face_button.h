#pragma once
// A push button whose face is a picture drawn by PaintFace.

#include <QPushButton>

#include "ui/face_painter.h"

namespace quorvel::ui {

class FaceButton : public QPushButton {
 public:
  FaceButton(Face face, QString legend, QWidget* parent)
      : QPushButton(parent), face_(face), legend_(std::move(legend)) {}

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Face face_;
  QString legend_;
};

}  // namespace quorvel::ui
