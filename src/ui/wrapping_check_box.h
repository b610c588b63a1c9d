#pragma once
// A check box whose caption wraps onto a second line, so that a long
// caption fits the narrow place the panel gives it.

#include <QCheckBox>

namespace quorvel::ui {

class WrappingCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& position) const override;
};

}  // namespace quorvel::ui
