#pragma once
// The dialog that shows how far long work has got. The work is the
// model's, in the middle of a handler, so the dialog lets no input through
// while it runs: it blocks its window and updates without running the
// user's events, which would otherwise reach the blocked window and be
// lost. Nor does it take the keyboard: keys typed meanwhile stay the main
// window's and reach it, in order, once the work is done.

#include <QDialog>
#include <cstddef>

class QProgressBar;

namespace quorvel::ui {

class WorkProgress : public QDialog {
 public:
  explicit WorkProgress(QWidget* owner);
  // `done` of `total`; the bar moves, nothing else runs.
  void ShowProgress(std::size_t done, std::size_t total);
  // What the bar shows, in thousandths.
  int Thousandths() const;

 private:
  QProgressBar* bar_;
};

}  // namespace quorvel::ui
