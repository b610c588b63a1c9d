#pragma once
// The main window on screen. It builds the widgets from the layout table,
// routes every widget event into the model's handlers and mirrors the model
// back into the widgets afterwards. It decides nothing itself.

#include <QMainWindow>
#include <array>
#include <functional>

#include "core/form1.h"
#include "ui/model_line_edit.h"

class QLabel;
class QLineEdit;
class QAbstractButton;

namespace quorvel::ui {

class Form1Window : public QMainWindow, public TextBoxHost {
  Q_OBJECT

 public:
  explicit Form1Window(Form1& model, QWidget* parent = nullptr);

  Form1& model() { return model_; }
  QWidget* widgetFor(Ctl control) const { return widgets_[static_cast<std::size_t>(control)]; }

  // Copies the model into the widgets: texts, carets, captions, visibility,
  // and the focus.
  void Mirror();

  // Runs `action` on the model between taking in what the user changed in
  // the widgets and mirroring the result back.
  void Route(const std::function<void()>& action);

  // TextBoxHost
  int RouteKeyPress(Ctl control, const QKeyEvent& event) override;
  void AfterNativeEdit(Ctl control) override;
  void RouteKeyRelease(Ctl control, const QKeyEvent& event) override;
  void RouteMouseRelease(Ctl control) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildWidgets(QWidget* client);
  void TakeUserEdits();
  void TakeUserEdit(Ctl control);
  Ctl ControlOf(QObject* object) const;

  Form1& model_;
  std::array<QWidget*, kControlCount> widgets_{};
  std::array<bool, kControlCount> edited_{};
  bool mirroring_ = false;
  bool shown_ = false;
};

}  // namespace quorvel::ui
