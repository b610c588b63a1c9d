#include "ui/schedule_chart.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "finance/schedule.h"

namespace quorvel::ui {
namespace {

const QColor kBalanceColor(0x1f, 0x5f, 0xbf);
const QColor kInterestColor(0xd0, 0x40, 0x20);

// Room around the plot for the axes' figures and the legend.
QRect PlotArea(const QRect& area, const QFontMetrics& metrics) {
  const int left = metrics.horizontalAdvance(QStringLiteral("-0000000000")) + 8;
  const int bottom = metrics.height() * 2 + 10;
  const int top = metrics.height() + 10;
  return area.adjusted(left, top, -16, -bottom);
}

// A step of 1, 2 or 5 times a power of ten that cuts `range` into about
// `parts` pieces.
double NiceStep(double range, int parts) {
  if (range <= 0) return 1;
  const double raw = range / parts;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double factor : {1.0, 2.0, 5.0}) {
    if (raw <= factor * power) return factor * power;
  }
  return 10 * power;
}

QString Figure(double value) { return QString::fromStdString(GeneralText(value, 10)); }

struct Scale {
  QRect plot;
  int periods;
  double low;
  double high;
  double X(double period) const {
    const double span = std::max(periods - 1, 1);
    return plot.left() + (period - 1) / span * plot.width();
  }
  double Y(double value) const {
    return plot.bottom() - (value - low) / (high - low) * plot.height();
  }
};

// One line through every period; with more periods than pixels each pixel
// column gets the first, lowest, highest and last value it covers, so that
// nothing is lost and the path stays short.
QPainterPath Line(const Scale& scale, const finance::Schedule& s,
                  double (*value)(const finance::ScheduleRow&)) {
  QPainterPath path;
  bool first_point = true;
  auto add = [&](double x, double v) {
    const QPointF point(x, scale.Y(v));
    if (first_point) {
      path.moveTo(point);
      first_point = false;
    } else {
      path.lineTo(point);
    }
  };
  const int columns = std::max(scale.plot.width(), 1);
  if (s.periods <= columns * 2) {
    for (const auto& row : s.rows) add(scale.X(row.period), value(row));
    return path;
  }
  std::size_t i = 0;
  for (int column = 0; column <= columns && i < s.rows.size(); ++column) {
    const double x = scale.plot.left() + column;
    const double first = value(s.rows[i]);
    double low = first, high = first, last = first;
    while (i < s.rows.size() && scale.X(s.rows[i].period) <= x + 1) {
      last = value(s.rows[i]);
      low = std::min(low, last);
      high = std::max(high, last);
      ++i;
    }
    for (double v : {first, low, high, last}) add(x, v);
  }
  return path;
}

double Balance(const finance::ScheduleRow& row) { return row.balance; }
double CumulativeInterest(const finance::ScheduleRow& row) { return row.cumulative_interest; }

Scale ScaleFor(const QRect& area, const QFontMetrics& metrics, const finance::Schedule& s) {
  Scale scale{PlotArea(area, metrics), s.periods, 0, 0};
  for (const auto& row : s.rows) {
    scale.low = std::min({scale.low, row.balance, row.cumulative_interest});
    scale.high = std::max({scale.high, row.balance, row.cumulative_interest});
  }
  if (scale.high - scale.low <= 0) scale.high = scale.low + 1;
  const double step = NiceStep(scale.high - scale.low, 5);
  scale.low = std::floor(scale.low / step) * step;
  scale.high = std::ceil(scale.high / step) * step;
  return scale;
}

}  // namespace

ScheduleChart::ScheduleChart(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
}

void ScheduleChart::setSchedule(const finance::Schedule* schedule) {
  schedule_ = schedule;
  marked_ = 0;
  update();
}

void ScheduleChart::setMarkedPeriod(int period) {
  if (period == marked_) return;
  marked_ = period;
  update();
}

int ScheduleChart::periodAt(QPoint point) const {
  if (!schedule_ || schedule_->rows.empty()) return 0;
  const Scale scale = ScaleFor(rect(), fontMetrics(), *schedule_);
  if (!scale.plot.adjusted(-4, 0, 4, 0).contains(point)) return 0;
  const double span = std::max(schedule_->periods - 1, 1);
  const double period =
      1 + (point.x() - scale.plot.left()) * span / std::max(scale.plot.width(), 1);
  return std::clamp(static_cast<int>(std::lround(period)), 1, schedule_->periods);
}

void ScheduleChart::paint(QPainter& painter, const QRect& area, const finance::Schedule& s,
                          int marked_period) {
  if (s.rows.empty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QFontMetrics metrics = painter.fontMetrics();
  const Scale scale = ScaleFor(area, metrics, s);
  const QRect& plot = scale.plot;
  const QColor ink = painter.pen().color();

  // Grid lines and figures on the value axis.
  const double step = NiceStep(scale.high - scale.low, 5);
  QColor grid = ink;
  grid.setAlpha(40);
  for (double v = scale.low; v <= scale.high + step / 2; v += step) {
    const int y = static_cast<int>(std::lround(scale.Y(v)));
    painter.setPen(grid);
    painter.drawLine(plot.left(), y, plot.right(), y);
    painter.setPen(ink);
    const QRect label(area.left(), y - metrics.height() / 2, plot.left() - area.left() - 6,
                      metrics.height());
    painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter,
                     Figure(std::abs(v) < step / 1e6 ? 0 : v));
  }
  // The period axis, with whole periods as ticks.
  const double period_step = std::max(1.0, NiceStep(s.periods - 1, 6));
  for (double p = 1; p <= s.periods; p += period_step) {
    const int x = static_cast<int>(std::lround(scale.X(p)));
    painter.drawLine(x, plot.bottom(), x, plot.bottom() + 4);
    painter.drawText(QRect(x - 40, plot.bottom() + 5, 80, metrics.height()), Qt::AlignHCenter,
                     Figure(p));
  }
  painter.drawLine(plot.bottomLeft(), plot.bottomRight());
  painter.drawLine(plot.bottomLeft(), plot.topLeft());
  painter.drawText(
      QRect(plot.left(), plot.bottom() + 5 + metrics.height(), plot.width(), metrics.height()),
      Qt::AlignHCenter, QStringLiteral("Period"));
  if (scale.low < 0 && scale.high > 0) {
    painter.setPen(QPen(ink, 1, Qt::DashLine));
    const int y = static_cast<int>(std::lround(scale.Y(0)));
    painter.drawLine(plot.left(), y, plot.right(), y);
  }

  painter.setClipRect(plot.adjusted(-2, -2, 2, 2));
  painter.setPen(QPen(kBalanceColor, 2));
  painter.drawPath(Line(scale, s, Balance));
  painter.setPen(QPen(kInterestColor, 2, Qt::SolidLine));
  painter.drawPath(Line(scale, s, CumulativeInterest));
  if (marked_period >= 1 && marked_period <= s.periods) {
    const auto& row = s.rows[static_cast<std::size_t>(marked_period - 1)];
    const double x = scale.X(marked_period);
    painter.setPen(QPen(ink, 1, Qt::DotLine));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBalanceColor);
    painter.drawEllipse(QPointF(x, scale.Y(row.balance)), 3.5, 3.5);
    painter.setBrush(kInterestColor);
    painter.drawEllipse(QPointF(x, scale.Y(row.cumulative_interest)), 3.5, 3.5);
  }
  painter.setClipping(false);

  // The legend, above the plot.
  int x = plot.left();
  const int y = area.top() + 4;
  for (const auto& [color, text] :
       {std::pair{kBalanceColor, QStringLiteral("Balance")},
        std::pair{kInterestColor, QStringLiteral("Cumulative Interest")}}) {
    painter.setPen(QPen(color, 3));
    painter.drawLine(x, y + metrics.height() / 2, x + 18, y + metrics.height() / 2);
    painter.setPen(ink);
    painter.drawText(QPoint(x + 24, y + metrics.ascent()), text);
    x += 24 + metrics.horizontalAdvance(text) + 20;
  }
  if (marked_period >= 1 && marked_period <= s.periods) {
    painter.drawText(QPoint(x, y + metrics.ascent()),
                     QStringLiteral("Period %1").arg(marked_period));
  }
  painter.restore();
}

void ScheduleChart::paintEvent(QPaintEvent*) {
  if (!schedule_) return;
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Text));
  paint(painter, rect(), *schedule_, marked_);
}

void ScheduleChart::mouseMoveEvent(QMouseEvent* event) {
  const int period = periodAt(event->position().toPoint());
  if (period != 0 && period != marked_) {
    setMarkedPeriod(period);
    emit periodHovered(period);
  }
  QWidget::mouseMoveEvent(event);
}

void ScheduleChart::leaveEvent(QEvent* event) {
  setMarkedPeriod(0);
  QWidget::leaveEvent(event);
}

}  // namespace quorvel::ui
