#pragma once
// The main window on screen. It builds the widgets from the layout table,
// routes every widget event into the model's handlers and mirrors the model
// back into the widgets afterwards. It decides nothing itself.

#include <QMainWindow>
#include <array>
#include <functional>
#include <unordered_map>

#include "core/form1.h"
#include "shell/module1.h"
#include "ui/model_text_widgets.h"

class QAction;

namespace quorvel::ui {

class Form1Window : public QMainWindow, public TextBoxHost {
  Q_OBJECT

 public:
  Form1Window(Form1& model, shell::Module1& module, QWidget* parent = nullptr);

  Form1& model() { return model_; }
  QWidget* widgetFor(Ctl control) const { return widgets_[Index(control)]; }

  // Copies the model into the widgets: texts, carets, captions, visibility,
  // sizes, and the focus. Boxes whose model did not change are skipped, so
  // this stays cheap with a long cash-flow list.
  void Mirror();

  // Runs `action` on the model between taking in what the user changed in
  // the widgets and mirroring the result back.
  void Route(const std::function<void()>& action);

  // TextBoxHost
  void RouteKeyPress(Ctl control, const QKeyEvent& event) override;
  void RouteCaretKey(Ctl control, const QKeyEvent& event) override;
  void RouteCommittedText(Ctl control, const QString& text) override;
  void RouteKeyRelease(Ctl control, const QKeyEvent& event) override;
  void RouteMouseRelease(Ctl control) override;
  void RouteCommand(Ctl command) override;
  void CaretMoved(Ctl control) override;
  void TextChangedBehindTheModel(Ctl control) override;
  void AfterNativeEdit(Ctl control) override;
  Platform& platform() override { return model_.platform; }

 signals:
  // A new value on display, or a status message (`alert` for an error), as
  // it is told to assistive technology.
  void announced(const QString& text, bool alert);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  static std::size_t Index(Ctl control) { return static_cast<std::size_t>(control); }
  void BuildWidgets(QWidget* client);
  void BuildMenusAndToolbar(QWidget* client);
  void TakeUserEdits();
  Ctl ControlOf(QObject* object) const;
  ModelTextWidget* TextWidgetFor(Ctl control) const;
  void AnnounceDisplay(QWidget* display, const std::string& text);
  void AnnounceStatus(QWidget* status, const std::string& text);

  Form1& model_;
  shell::Module1& module_;
  std::array<QWidget*, kControlCount> widgets_{};
  // The other way round, for the event filter, which sees every event.
  std::unordered_map<const QObject*, Ctl> controls_;
  // What changed in a text widget since the model last saw it: the caret
  // or selection moved by the user, or a text the model did not write.
  std::array<bool, kControlCount> text_changed_{};
  std::array<bool, kControlCount> caret_moved_{};
  // The model revision each text widget shows.
  std::array<unsigned long long, kControlCount> shown_revision_{};
  std::string shown_display_;
  bool mirroring_ = false;
  bool shown_ = false;
};

}  // namespace quorvel::ui
