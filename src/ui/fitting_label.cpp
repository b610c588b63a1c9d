#include "ui/fitting_label.h"

#include <algorithm>

namespace quorvel::ui {

void FittingLabel::TextChanged() {
  if (!designed_.isValid()) designed_ = geometry();
  const QMargins margins = contentsMargins();
  const int needed =
      fontMetrics().horizontalAdvance(text()) + 2 * margin() + margins.left() + margins.right() + 1;
  QRect place = designed_;
  if (needed > place.width() && parentWidget()) {
    const int right_edge = std::max(place.right(), parentWidget()->contentsRect().right() - 2);
    place.setRight(std::min(right_edge, place.left() + needed - 1));
    if (place.width() < needed) place.setLeft(std::max(0, place.right() - needed + 1));
  }
  if (geometry() != place) setGeometry(place);
  // Over a neighbour's empty end, never under it.
  if (place != designed_) raise();
}

}  // namespace quorvel::ui
