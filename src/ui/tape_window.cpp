#include "ui/tape_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "core/identity.h"
#include "ui/form1_window.h"
#include "ui/tool_window_parts.h"

namespace quorvel::ui {

TapeListModel::TapeListModel(Tape& tape, QObject* parent)
    : QAbstractListModel(parent), tape_(tape), shown_(static_cast<int>(tape.Size())) {
  tape_.SetObserver(this);
}

TapeListModel::~TapeListModel() { tape_.SetObserver(nullptr); }

int TapeListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shown_;
}

QVariant TapeListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= shown_) return {};
  const TapeLine& line = tape_[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
      return QString::fromStdString(line.text);
    case Qt::ToolTipRole:
      return line.value.empty() ? QVariant()
                                : QStringLiteral("Double-click to put %1 into the display")
                                      .arg(QString::fromStdString(line.value));
    default:
      return {};
  }
}

void TapeListModel::TapeAppended(std::size_t dropped) {
  if (dropped > 0) {
    beginRemoveRows({}, 0, static_cast<int>(dropped) - 1);
    shown_ -= static_cast<int>(dropped);
    endRemoveRows();
  }
  beginInsertRows({}, shown_, shown_);
  ++shown_;
  endInsertRows();
}

void TapeListModel::TapeCleared() {
  beginResetModel();
  shown_ = 0;
  endResetModel();
}

CalculationTapeWindow::CalculationTapeWindow(Form1Window& owner)
    : QWidget(&owner, Qt::Window),
      owner_(owner),
      model_(new TapeListModel(owner.model().tape, this)),
      list_(new QListView(this)) {
  setObjectName(QStringLiteral("CalculationTape"));
  setWindowTitle(QStringLiteral("Calculation Tape"));
  setAttribute(Qt::WA_DeleteOnClose);
  setAccessibleName(windowTitle());

  list_->setObjectName(QStringLiteral("TapeList"));
  list_->setAccessibleName(QStringLiteral("Calculation tape"));
  list_->setAccessibleDescription(QStringLiteral(
      "Every calculation in order; double-click or Enter puts a line's value into the display"));
  list_->setModel(model_);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setUniformItemSizes(true);
  QFont mono(QStringLiteral("DejaVu Sans Mono"));
  mono.setPointSizeF(list_->font().pointSizeF());
  list_->setFont(mono);
  connect(list_, &QListView::doubleClicked, this,
          [this](const QModelIndex& index) { recall(index.row()); });
  for (const QKeySequence& enter : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
    auto* shortcut =
        new QShortcut(enter, list_, this, [this] { recall(list_->currentIndex().row()); });
    shortcut->setContext(Qt::WidgetShortcut);
  }
  // New lines scroll into view while the user is at the end of the tape.
  connect(model_, &QAbstractItemModel::rowsInserted, this, [this] { list_->scrollToBottom(); });

  QPushButton* copy = ToolButton(this, "TapeCopy", QStringLiteral("&Copy"),
                                 QStringLiteral("Copy the selected lines"));
  QPushButton* copy_all = ToolButton(this, "TapeCopyAll", QStringLiteral("Copy &All"),
                                     QStringLiteral("Copy every line of the tape"));
  QPushButton* clear = ToolButton(this, "TapeClear", QStringLiteral("C&lear"),
                                  QStringLiteral("Remove every line from the tape"));
  QPushButton* save = ToolButton(this, "TapeSave", QStringLiteral("&Save..."),
                                 QStringLiteral("Save the tape as a text file"));
  QPushButton* close =
      ToolButton(this, "TapeClose", QStringLiteral("Close"), QStringLiteral("Close the tape"));
  connect(copy, &QPushButton::clicked, this, &CalculationTapeWindow::copySelection);
  connect(copy_all, &QPushButton::clicked, this, &CalculationTapeWindow::copyAll);
  connect(clear, &QPushButton::clicked, this, &CalculationTapeWindow::clear);
  connect(save, &QPushButton::clicked, this, &CalculationTapeWindow::chooseFile);
  ToolWindowKeys(this, list_, &CalculationTapeWindow::copySelection);

  QHBoxLayout* buttons = ButtonRow(this, {copy, copy_all, clear, save}, close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  resize(380, 460);
  list_->scrollToBottom();
}

void CalculationTapeWindow::copySelection() {
  QModelIndexList rows = list_->selectionModel()->selectedRows();
  std::sort(rows.begin(), rows.end(),
            [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  std::string text;
  for (const QModelIndex& index : rows) {
    text += owner_.model().tape.Text(static_cast<std::size_t>(index.row()), 1);
  }
  if (!text.empty()) QApplication::clipboard()->setText(QString::fromStdString(text));
}

void CalculationTapeWindow::copyAll() {
  const std::string text = owner_.model().tape.Text();
  if (!text.empty()) QApplication::clipboard()->setText(QString::fromStdString(text));
}

void CalculationTapeWindow::clear() { owner_.model().tape.Clear(); }

bool CalculationTapeWindow::saveText(const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  file.write(QByteArray::fromStdString(owner_.model().tape.Text()));
  return file.commit();
}

void CalculationTapeWindow::recall(int row) {
  const Tape& tape = owner_.model().tape;
  if (row < 0 || static_cast<std::size_t>(row) >= tape.Size()) return;
  const TapeLine line = tape[static_cast<std::size_t>(row)];
  bool recalled = false;
  owner_.Route([&] { recalled = calc::RecallTapeLine(owner_.model(), line); });
  // The user goes on calculating with the value in the main window.
  if (recalled) owner_.activateWindow();
}

void CalculationTapeWindow::chooseFile() {
  const QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("Save Tape"), QStringLiteral("calculation-tape.txt"),
      QStringLiteral("Text files (*.txt);;All files (*)"));
  if (path.isEmpty() || saveText(path)) return;
  QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAppTitle),
                  QStringLiteral("The file %1 could not be written.").arg(path), QMessageBox::Ok,
                  this);
  box.exec();
}

}  // namespace quorvel::ui
