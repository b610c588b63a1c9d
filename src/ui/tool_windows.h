#pragma once
// The main window's context menu, with the amortization schedule and the
// calculation tape, and their shortcuts, which work whatever control has the
// focus. The text boxes keep refusing a context menu; the menu bar and the
// toolbar keep theirs. Both windows belong to the main window: they stay
// above it, close with Esc and close with it, and remember nothing.

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;

namespace quorvel::ui {

class AmortizationScheduleWindow;
class CalculationTapeWindow;
class Form1Window;

class ToolWindows : public QObject {
  Q_OBJECT

 public:
  explicit ToolWindows(Form1Window& window);

  // Builds the schedule from the panel and shows it, or shows the message
  // that names the field that makes none. An open schedule is rebuilt.
  void openSchedule();
  void openTape();

  // The open windows, or nullptr.
  AmortizationScheduleWindow* schedule() const;
  CalculationTapeWindow* tape() const;
  QMenu* contextMenu() const { return menu_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Form1Window& window_;
  QMenu* menu_;
  QPointer<AmortizationScheduleWindow> schedule_;
  QPointer<CalculationTapeWindow> tape_;
};

}  // namespace quorvel::ui
