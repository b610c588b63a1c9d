#pragma once
// A label that shows all of its text even where the text outgrows the
// label's designed width, as the cash-flow editor's line number does past
// four digits. It keeps its designed place while the text fits; beyond, it
// widens to the right as far as its parent's edge, then to the left.

#include <QLabel>

namespace quorvel::ui {

class FittingLabel : public QLabel {
 public:
  explicit FittingLabel(QWidget* parent = nullptr) : QLabel(parent) {}

  // To be called after setText. The place the label has the first time is
  // its designed one.
  void TextChanged();

 private:
  QRect designed_;
};

}  // namespace quorvel::ui
