#pragma once
// The calculation tape window: the tape's lines in a list that follows the
// tape as it grows (no widget per line), with copy, clear and save; a line
// chosen with a double click or Enter goes back into the display.

#include <QAbstractListModel>
#include <QWidget>

#include "core/tape.h"

class QListView;

namespace quorvel::ui {

class Form1Window;

class TapeListModel : public QAbstractListModel, public TapeObserver {
 public:
  TapeListModel(Tape& tape, QObject* parent);
  ~TapeListModel() override;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  void TapeAppended(std::size_t dropped) override;
  void TapeCleared() override;

 private:
  Tape& tape_;
  int shown_ = 0;  // the rows the view knows of
};

class CalculationTapeWindow : public QWidget {
  Q_OBJECT

 public:
  explicit CalculationTapeWindow(Form1Window& owner);

  void copySelection();
  void copyAll();
  void clear();
  bool saveText(const QString& path);
  // Puts the value of line `row` into the main window's display.
  void recall(int row);

 private:
  void chooseFile();

  Form1Window& owner_;
  TapeListModel* model_;
  QListView* list_;
};

}  // namespace quorvel::ui
