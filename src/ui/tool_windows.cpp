#include "ui/tool_windows.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolBar>
#include <optional>

#include "finance/schedule.h"
#include "ui/form1_window.h"
#include "ui/schedule_window.h"
#include "ui/tape_window.h"

namespace quorvel::ui {
namespace {

template <class T>
bool Within(QWidget* widget) {
  for (; widget; widget = widget->parentWidget()) {
    if (qobject_cast<T*>(widget)) return true;
  }
  return false;
}

void Present(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace

ToolWindows::ToolWindows(Form1Window& window)
    : QObject(&window), window_(window), menu_(new QMenu(&window)) {
  menu_->setObjectName(QStringLiteral("Form1ContextMenu"));
  auto item = [this](const char* name, const QString& text, QKeySequence keys,
                     void (ToolWindows::*open)()) {
    auto* action = new QAction(text, &window_);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    // A window shortcut, so that it works in every control of the window,
    // the text boxes included.
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, open);
    window_.addAction(action);
    menu_->addAction(action);
  };
  item("MenuAmortizationSchedule", QStringLiteral("Amortization Schedule..."),
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), &ToolWindows::openSchedule);
  item("MenuCalculationTape", QStringLiteral("Calculation Tape..."),
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), &ToolWindows::openTape);
  window_.installEventFilter(this);
}

AmortizationScheduleWindow* ToolWindows::schedule() const { return schedule_; }
CalculationTapeWindow* ToolWindows::tape() const { return tape_; }

void ToolWindows::openSchedule() {
  std::optional<finance::Schedule> built;
  window_.Route([&] { built = finance::ScheduleFromPanel(window_.model()); });
  if (!built) return;
  if (!schedule_) schedule_ = new AmortizationScheduleWindow(&window_);
  schedule_->setSchedule(std::move(*built));
  Present(schedule_);
}

void ToolWindows::openTape() {
  if (!tape_) tape_ = new CalculationTapeWindow(window_);
  Present(tape_);
}

// The main window sees a context-menu request after every control under the
// mouse (or with the focus, from the keyboard) has passed it on.
bool ToolWindows::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &window_ || event->type() != QEvent::ContextMenu) return false;
  auto* request = static_cast<QContextMenuEvent*>(event);
  QWidget* origin = request->reason() == QContextMenuEvent::Mouse ? window_.childAt(request->pos())
                                                                  : window_.focusWidget();
  if (Within<QMenuBar>(origin) || Within<QToolBar>(origin)) return false;
  if (Within<QLineEdit>(origin) || Within<QPlainTextEdit>(origin)) {
    event->accept();
    return true;
  }
  menu_->popup(request->globalPos());
  event->accept();
  return true;
}

}  // namespace quorvel::ui
