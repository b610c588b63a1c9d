#pragma once
// The amortization schedule as a chart: the balance and the cumulative
// interest over the periods, with axes and a legend. The period under the
// mouse is marked, and told to whoever shows the table.

#include <QWidget>

namespace quorvel::finance {
struct Schedule;
}

namespace quorvel::ui {

class ScheduleChart : public QWidget {
  Q_OBJECT

 public:
  explicit ScheduleChart(QWidget* parent = nullptr);

  // The schedule stays the caller's and must outlive the chart's use of it.
  void setSchedule(const finance::Schedule* schedule);
  // Marks a period (1 to the number of periods), or none with 0.
  void setMarkedPeriod(int period);
  int markedPeriod() const { return marked_; }
  // The period drawn at a point of the widget; 0 outside the plot.
  int periodAt(QPoint point) const;

  // Draws the chart of `schedule` into `area`: the window and the printout
  // share it.
  static void paint(QPainter& painter, const QRect& area, const finance::Schedule& schedule,
                    int marked_period);

  QSize sizeHint() const override { return {560, 220}; }
  QSize minimumSizeHint() const override { return {240, 140}; }

 signals:
  void periodHovered(int period);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  const finance::Schedule* schedule_ = nullptr;
  int marked_ = 0;
};

}  // namespace quorvel::ui
