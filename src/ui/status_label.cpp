#include "ui/status_label.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace quorvel::ui {

QString StatusLabel::ShownText() const {
  const int room = contentsRect().width() - 2 * (margin() + std::max(0, indent()));
  return fontMetrics().elidedText(text(), Qt::ElideRight, std::max(0, room));
}

void StatusLabel::TextChanged() {
  if (!tip_is_text_) own_tip_ = toolTip();
  tip_is_text_ = IsCut();
  const QString tip = tip_is_text_ ? text() : own_tip_;
  if (toolTip() != tip) setToolTip(tip);
  update();
}

void StatusLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int inset = margin() + std::max(0, indent());
  const QRect area = contentsRect().adjusted(inset, margin(), -inset, -margin());
  style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()),
                        palette(), isEnabled(), ShownText(), foregroundRole());
}

void StatusLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  TextChanged();
}

}  // namespace quorvel::ui
