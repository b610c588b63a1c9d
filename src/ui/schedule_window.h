#pragma once
// The amortization schedule window: the schedule of the panel as a table
// (a model/view table that builds no widget per row), a chart of the
// balance and the cumulative interest under it, and its exports: copy for a
// spreadsheet, CSV in the user's number format, print and PDF.

#include <QAbstractTableModel>
#include <QWidget>

#include "finance/schedule.h"

class QLabel;
class QPrinter;
class QTableView;

namespace quorvel::ui {

class ScheduleChart;

class ScheduleTableModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;
  void setSchedule(finance::Schedule schedule);
  const finance::Schedule& schedule() const { return schedule_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  finance::Schedule schedule_;
};

class AmortizationScheduleWindow : public QWidget {
  Q_OBJECT

 public:
  explicit AmortizationScheduleWindow(QWidget* owner);
  void setSchedule(finance::Schedule schedule);
  const finance::Schedule& schedule() const { return model_->schedule(); }

  // The exports, each also behind a button.
  void copyTable();
  bool saveCsv(const QString& path);
  bool savePdf(const QString& path);
  void print(QPrinter& printer);

 private:
  void markPeriod(int period);
  void chooseCsvFile();
  void choosePdfFile();
  void choosePrinter();

  ScheduleTableModel* model_;
  QLabel* summary_;
  QTableView* table_;
  ScheduleChart* chart_;
};

}  // namespace quorvel::ui
