#include "ui/wrapping_check_box.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quorvel::ui {

void WrappingCheckBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
  QStyleOptionButton box = option;
  box.rect = QRect(indicator.left(), (height() - indicator.height()) / 2, indicator.width(),
                   indicator.height());
  painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, box);
  const int left = box.rect.right() + 3;
  const QRect text_area(left, 0, width() - left, height());
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(text_area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect =
        painter.boundingRect(text_area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text())
            .adjusted(-1, 0, 1, 0);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

bool WrappingCheckBox::hitButton(const QPoint& position) const { return rect().contains(position); }

}  // namespace quorvel::ui
