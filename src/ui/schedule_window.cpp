#include "ui/schedule_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include "core/identity.h"
#include "core/number_text.h"
#include "finance/schedule_text.h"
#include "ui/schedule_chart.h"
#include "ui/tool_window_parts.h"

namespace quorvel::ui {
namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string UserDecimal() { return QLocale().decimalPoint().toStdString(); }

QString Summary(const finance::Schedule& s) {
  const std::string percent = GeneralText(s.rate * 100);
  return QStringLiteral(
             "%1 periods at %2 % per period, Present Value %3, Future Value %4, "
             "Payment %5, %6")
      .arg(s.periods)
      .arg(Q(percent), Q(FixedText(s.pv, s.pattern)), Q(FixedText(s.fv, s.pattern)),
           Q(FixedText(s.payment, s.pattern)),
           s.due == 1 ? QStringLiteral("Payment At Begin Period")
                      : QStringLiteral("Payment At End Period"));
}

// Like every message of the program: the title, the text, OK, no icon.
void CouldNotWrite(QWidget* parent, const QString& path) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAppTitle),
                  QStringLiteral("The file %1 could not be written.").arg(path), QMessageBox::Ok,
                  parent);
  box.exec();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(bytes);
  return file.commit();
}

}  // namespace

void ScheduleTableModel::setSchedule(finance::Schedule schedule) {
  beginResetModel();
  schedule_ = std::move(schedule);
  endResetModel();
}

int ScheduleTableModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || schedule_.rows.empty()) return 0;
  return static_cast<int>(finance::ScheduleTableRows(schedule_));
}

int ScheduleTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(finance::kScheduleColumns.size());
}

QVariant ScheduleTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const auto column = static_cast<std::size_t>(index.column());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
      return Q(finance::ScheduleCell(schedule_, row, column));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    case Qt::FontRole:
      if (finance::IsTotalsRow(schedule_, row)) {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      return {};
    default:
      return {};
  }
}

QVariant ScheduleTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 ||
      section >= static_cast<int>(finance::kScheduleColumns.size())) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
    return Q(finance::kScheduleColumns[static_cast<std::size_t>(section)]);
  }
  return {};
}

AmortizationScheduleWindow::AmortizationScheduleWindow(QWidget* owner)
    : QWidget(owner, Qt::Window),
      model_(new ScheduleTableModel(this)),
      summary_(new QLabel(this)),
      table_(new QTableView(this)),
      chart_(new ScheduleChart(this)) {
  setObjectName(QStringLiteral("AmortizationSchedule"));
  setWindowTitle(QStringLiteral("Amortization Schedule"));
  setAttribute(Qt::WA_DeleteOnClose);
  setAccessibleName(windowTitle());

  summary_->setObjectName(QStringLiteral("ScheduleSummary"));
  summary_->setWordWrap(true);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  table_->setObjectName(QStringLiteral("ScheduleTable"));
  table_->setAccessibleName(QStringLiteral("Amortization schedule"));
  table_->setAccessibleDescription(
      QStringLiteral("One row per period, and the totals in the last row"));
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setAlternatingRowColors(true);
  table_->verticalHeader()->hide();
  // Fixed row heights and column widths: nothing is measured per row, so a
  // schedule of any length opens at once.
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  table_->horizontalHeader()->setStretchLastSection(true);
  chart_->setObjectName(QStringLiteral("ScheduleChart"));
  chart_->setAccessibleName(QStringLiteral("Chart of the balance and the cumulative interest"));
  chart_->setAccessibleDescription(
      QStringLiteral("The period under the mouse is selected in the table"));
  connect(chart_, &ScheduleChart::periodHovered, this, &AmortizationScheduleWindow::markPeriod);
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            const int period = current.row() + 1;
            chart_->setMarkedPeriod(period <= schedule().periods ? period : 0);
          });

  QPushButton* copy =
      ToolButton(this, "ScheduleCopy", QStringLiteral("&Copy"),
                 QStringLiteral("Copy the table, tab-separated, for a spreadsheet"));
  QPushButton* csv = ToolButton(this, "ScheduleSaveCsv", QStringLiteral("Save CS&V..."),
                                QStringLiteral("Save the table as a CSV file"));
  QPushButton* print = ToolButton(this, "SchedulePrint", QStringLiteral("&Print..."),
                                  QStringLiteral("Print the table and the chart"));
  QPushButton* pdf = ToolButton(this, "ScheduleSavePdf", QStringLiteral("Save P&DF..."),
                                QStringLiteral("Save the table and the chart as a PDF file"));
  QPushButton* close = ToolButton(this, "ScheduleClose", QStringLiteral("Close"),
                                  QStringLiteral("Close the schedule"));
  connect(copy, &QPushButton::clicked, this, &AmortizationScheduleWindow::copyTable);
  connect(csv, &QPushButton::clicked, this, &AmortizationScheduleWindow::chooseCsvFile);
  connect(print, &QPushButton::clicked, this, &AmortizationScheduleWindow::choosePrinter);
  connect(pdf, &QPushButton::clicked, this, &AmortizationScheduleWindow::choosePdfFile);
  ToolWindowKeys(this, table_, &AmortizationScheduleWindow::copyTable);

  QHBoxLayout* buttons = ButtonRow(this, {copy, csv, print, pdf}, close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(table_, 3);
  layout->addWidget(chart_, 2);
  layout->addLayout(buttons);
  resize(820, 640);
}

void AmortizationScheduleWindow::setSchedule(finance::Schedule schedule) {
  model_->setSchedule(std::move(schedule));
  // Each column as wide as its heading and its widest figure, measured on
  // the rows where figures are largest (the first, the last and the
  // totals) rather than on every row, so that a schedule of any length
  // opens at once.
  const finance::Schedule& s = model_->schedule();
  const QFontMetrics metrics = table_->fontMetrics();
  QFont bold = table_->font();
  bold.setBold(true);
  const QFontMetrics bold_metrics(bold);
  const std::size_t totals = finance::ScheduleTableRows(s) - 1;
  for (int c = 0; c < model_->columnCount(); ++c) {
    const auto column = static_cast<std::size_t>(c);
    int width = bold_metrics.horizontalAdvance(Q(finance::kScheduleColumns[column]));
    for (std::size_t row : {std::size_t{0}, totals - 1}) {
      width = std::max(width, metrics.horizontalAdvance(Q(finance::ScheduleCell(s, row, column))));
    }
    width = std::max(width,
                     bold_metrics.horizontalAdvance(Q(finance::ScheduleCell(s, totals, column))));
    table_->setColumnWidth(c, width + 16);
  }
  summary_->setText(Summary(model_->schedule()));
  chart_->setSchedule(&model_->schedule());
}

void AmortizationScheduleWindow::markPeriod(int period) {
  const QModelIndex index = model_->index(period - 1, 0);
  if (!index.isValid()) return;
  table_->selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  table_->scrollTo(index);
}

void AmortizationScheduleWindow::copyTable() {
  const std::string text = finance::ScheduleDelimited(schedule(), '\t', UserDecimal());
  QApplication::clipboard()->setText(QString::fromStdString(text));
}

bool AmortizationScheduleWindow::saveCsv(const QString& path) {
  const std::string decimal = UserDecimal();
  const std::string text =
      finance::ScheduleDelimited(schedule(), finance::CsvFieldSeparator(decimal), decimal);
  return WriteFile(path, QByteArray::fromStdString(text));
}

bool AmortizationScheduleWindow::savePdf(const QString& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setDocName(windowTitle());
  print(printer);
  return printer.printerState() != QPrinter::Error;
}

// The printout: the summary and the chart on the first page, then the
// table, its headings repeated on every page.
void AmortizationScheduleWindow::print(QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return;
  const finance::Schedule& s = schedule();
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(8);
  painter.setFont(font);
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const QRect area(0, 0, page.width(), page.height());
  const QFontMetrics metrics = painter.fontMetrics();
  const int line = metrics.height() * 13 / 10;

  int y = 0;
  QFont title = font;
  title.setPointSizeF(12);
  title.setBold(true);
  painter.setFont(title);
  painter.drawText(QRect(0, y, area.width(), line * 2), Qt::AlignLeft | Qt::AlignVCenter,
                   windowTitle());
  y += line * 2;
  painter.setFont(font);
  const QRect summary(0, y, area.width(), line * 3);
  painter.drawText(summary, Qt::AlignLeft | Qt::TextWordWrap, Summary(s));
  y += line * 3;
  const int chart_height = area.height() / 3;
  painter.setPen(Qt::black);
  ScheduleChart::paint(painter, QRect(0, y, area.width(), chart_height), s, 0);
  y += chart_height + line;

  const int columns = static_cast<int>(finance::kScheduleColumns.size());
  const int width = area.width() / columns;
  auto headings = [&] {
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    for (int c = 0; c < columns; ++c) {
      painter.drawText(QRect(c * width, y, width - 4, line), Qt::AlignRight | Qt::AlignVCenter,
                       Q(finance::kScheduleColumns[static_cast<std::size_t>(c)]));
    }
    painter.setFont(font);
    y += line;
    painter.drawLine(0, y, area.width(), y);
  };
  headings();
  const std::size_t rows = finance::ScheduleTableRows(s);
  for (std::size_t r = 0; r < rows; ++r) {
    if (y + line > area.height()) {
      printer.newPage();
      y = 0;
      headings();
    }
    if (finance::IsTotalsRow(s, r)) {
      painter.drawLine(0, y, area.width(), y);
      QFont bold = font;
      bold.setBold(true);
      painter.setFont(bold);
    }
    for (int c = 0; c < columns; ++c) {
      painter.drawText(QRect(c * width, y, width - 4, line), Qt::AlignRight | Qt::AlignVCenter,
                       Q(finance::ScheduleCell(s, r, static_cast<std::size_t>(c))));
    }
    y += line;
  }
  painter.end();
}

void AmortizationScheduleWindow::chooseCsvFile() {
  const QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("Save CSV"), QStringLiteral("amortization-schedule.csv"),
      QStringLiteral("CSV files (*.csv);;All files (*)"));
  if (path.isEmpty()) return;
  if (!saveCsv(path)) {
    CouldNotWrite(this, path);
  }
}

void AmortizationScheduleWindow::choosePdfFile() {
  const QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("Save PDF"), QStringLiteral("amortization-schedule.pdf"),
      QStringLiteral("PDF files (*.pdf);;All files (*)"));
  if (path.isEmpty()) return;
  if (!savePdf(path)) {
    CouldNotWrite(this, path);
  }
}

void AmortizationScheduleWindow::choosePrinter() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(windowTitle());
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(QStringLiteral("Print Amortization Schedule"));
  if (dialog.exec() != QDialog::Accepted) return;
  print(printer);
}

}  // namespace quorvel::ui
