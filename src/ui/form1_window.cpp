#include "ui/form1_window.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "core/calculator.h"
#include "core/indicators.h"
#include "core/platform.h"
#include "shell/main_window.h"
#include "ui/face_button.h"
#include "ui/fitting_label.h"
#include "ui/form1_layout.h"
#include "ui/key_mapping.h"
#include "ui/status_label.h"
#include "ui/tool_windows.h"
#include "ui/vector_icons.h"
#include "ui/wrapping_check_box.h"

namespace quorvel::ui {
namespace {

int Pixels(int twips) { return twips / kTwipsPerPixel; }

Qt::Alignment AlignmentOf(Align align) {
  switch (align) {
    case Align::Center:
      return Qt::AlignCenter;
    case Align::Right:
      return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

QString NameOf(Ctl control) {
  const std::string_view name = ControlName(control);
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

Form1Window::Form1Window(Form1& model, shell::Module1& module, QWidget* parent)
    : QMainWindow(parent), model_(model), module_(module) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Quorvel Calculator"));
  setWindowIcon(VectorIcon(Picture::Logo));
  auto* client = new QWidget(this);
  client->setFixedSize(Pixels(kClientWidthTwips), Pixels(kClientHeightTwips));
  QFont font = client->font();
  font.setPixelSize(11);
  client->setFont(font);
  setCentralWidget(client);
  BuildWidgets(client);
  BuildMenusAndToolbar(client);
  // The schedule and the tape: a context menu and two shortcuts.
  new ToolWindows(*this);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  shown_revision_.fill(~0ULL);
  Mirror();
}

void Form1Window::BuildWidgets(QWidget* client) {
  QWidget* previous = nullptr;
  for (const WidgetSpec& spec : Form1Layout()) {
    const Ctl control = spec.control;
    QWidget* parent = spec.parent == Ctl::None ? client : widgetFor(spec.parent);
    QWidget* widget = nullptr;
    switch (spec.kind) {
      case WidgetKind::TextBox: {
        auto* edit = new ModelLineEdit(control, *this, parent);
        edit->setAlignment(AlignmentOf(spec.align));
        widget = edit;
        break;
      }
      case WidgetKind::MultiLineTextBox:
        widget = new ModelTextEdit(control, *this, parent);
        break;
      case WidgetKind::Label: {
        // The status bar cuts a long text visibly, with an ellipsis; the
        // line number of a long list widens its label.
        QLabel* label = nullptr;
        if (control == Ctl::Label4) {
          label = new StatusLabel(parent);
        } else if (control == Ctl::LabelLineNum) {
          label = new FittingLabel(parent);
        } else {
          label = new QLabel(parent);
        }
        label->setAlignment(AlignmentOf(spec.align));
        label->setWordWrap(spec.height >= 375);  // room for two lines
        widget = label;
        break;
      }
      case WidgetKind::Button:
      case WidgetKind::PictureButton: {
        QPushButton* button =
            spec.kind == WidgetKind::PictureButton
                ? new FaceButton(spec.face, QString::fromUtf8(spec.caption), parent)
                : new QPushButton(QString::fromUtf8(spec.caption), parent);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, control] { Route([this, control] { model_.Click(control); }); });
        widget = button;
        break;
      }
      case WidgetKind::CheckBox: {
        auto* box = new WrappingCheckBox(parent);
        connect(box, &QCheckBox::clicked, this,
                [this, control] { Route([this, control] { model_.Click(control); }); });
        widget = box;
        break;
      }
      case WidgetKind::Frame: {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        frame->setAutoFillBackground(true);
        widget = frame;
        break;
      }
    }
    widget->setObjectName(NameOf(control));
    widget->setGeometry(Pixels(spec.left), Pixels(spec.top), Pixels(spec.width),
                        Pixels(spec.height));
    const QString tooltip = QString::fromUtf8(spec.tooltip);
    if (!tooltip.isEmpty()) {
      widget->setToolTip(tooltip);
      widget->setAccessibleDescription(tooltip);
    }
    if (spec.kind == WidgetKind::PictureButton) widget->setAccessibleName(tooltip);
    widget->installEventFilter(this);
    widgets_[Index(control)] = widget;
    controls_[widget] = control;
    if (widget->focusPolicy() != Qt::NoFocus) {
      if (previous) setTabOrder(previous, widget);
      previous = widget;
    }
  }

  QFont display = widgetFor(Ctl::Text1)->font();
  display.setPixelSize(18);
  widgetFor(Ctl::Text1)->setFont(display);
  widgetFor(Ctl::Label4)->setStyleSheet(QStringLiteral("color: #e00000;"));
  for (Ctl indicator : {Ctl::Label1, Ctl::Label2, Ctl::Label3}) {
    QFont bold = widgetFor(indicator)->font();
    bold.setBold(true);
    widgetFor(indicator)->setFont(bold);
  }
  // Text boxes are known by the captions above them; every control
  // describes itself with its tooltip, or its caption's.
  const struct {
    Ctl box;
    Ctl label;
    const char* name;
  } captions[] = {{Ctl::Text1, Ctl::None, "Display"},
                  {Ctl::TextN, Ctl::Label6, "NPer"},
                  {Ctl::TextInterest, Ctl::Label7, "Interest"},
                  {Ctl::TextPV, Ctl::Label8, "Present Value"},
                  {Ctl::TextFV, Ctl::Label9, "Future Value"},
                  {Ctl::TextPMT, Ctl::Label10, "Payment"},
                  {Ctl::TextPer, Ctl::Label11, "Per / Reinvest Rate"},
                  {Ctl::TextDecimal, Ctl::Label13, "Decimal Place"},
                  {Ctl::TextCF, Ctl::Label12, "Cash Flows"}};
  for (const auto& entry : captions) {
    QWidget* box = widgetFor(entry.box);
    box->setAccessibleName(QString::fromLatin1(entry.name));
    if (entry.label != Ctl::None) {
      auto* label = static_cast<QLabel*>(widgetFor(entry.label));
      label->setBuddy(box);
      if (box->accessibleDescription().isEmpty()) {
        box->setAccessibleDescription(label->toolTip());
      }
    }
  }
  for (QWidget* widget : widgets_) {
    if (!widget || widget->focusPolicy() == Qt::NoFocus) continue;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      if (widget->accessibleName().isEmpty()) widget->setAccessibleName(button->text());
      if (widget->accessibleDescription().isEmpty()) {
        widget->setAccessibleDescription(button->toolTip().isEmpty() ? button->text()
                                                                     : button->toolTip());
      }
    }
  }

  // The payment-timing caption wraps onto two lines in a smaller, narrower
  // type.
  QFont small(QStringLiteral("DejaVu Sans Condensed"));
  small.setPixelSize(10);
  widgetFor(Ctl::CheckPayment)->setFont(small);
  widgetFor(Ctl::Frame1)->raise();
}

void Form1Window::BuildMenusAndToolbar(QWidget* client) {
  // Menu items and toolbar buttons never take the focus: the clipboard
  // commands work on the box the user was in.
  auto item = [this](QMenu* menu, Ctl control, const char* caption, QKeySequence shortcut) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(NameOf(control));
    if (!shortcut.isEmpty()) {
      action->setShortcut(shortcut);
      action->setShortcutContext(Qt::WindowShortcut);
    }
    connect(action, &QAction::triggered, this,
            [this, control] { Route([this, control] { model_.RaiseClick(control); }); });
    return action;
  };
  QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit"));
  edit->setObjectName(NameOf(Ctl::MenuEdit));
  item(edit, Ctl::MenuCut, "Cut", QKeySequence(Qt::CTRL | Qt::Key_X));
  item(edit, Ctl::MenuCopy, "Copy", QKeySequence(Qt::CTRL | Qt::Key_C));
  item(edit, Ctl::MenuPaste, "Paste", QKeySequence(Qt::CTRL | Qt::Key_V));
  item(edit, Ctl::MenuExit, "Exit", {});
  QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
  help->setObjectName(NameOf(Ctl::MenuHelp));
  item(help, Ctl::MenuHelpTopics, "Help Topics", {});
  item(help, Ctl::MenuAbout, "About", {});

  auto* toolbar = new QToolBar(client);
  toolbar->setObjectName(NameOf(Ctl::Toolbar1));
  toolbar->setFocusPolicy(Qt::NoFocus);
  toolbar->setMovable(false);
  toolbar->setIconSize(QSize(16, 16));
  toolbar->setGeometry(0, 0, Pixels(kClientWidthTwips), 28);
  const struct {
    std::string_view key;
    Picture picture;
  } buttons[] = {{toolbar_keys::kCut, Picture::Cut},
                 {toolbar_keys::kCopy, Picture::Copy},
                 {toolbar_keys::kPaste, Picture::Paste},
                 {toolbar_keys::kHelp, Picture::Help},
                 {toolbar_keys::kExit, Picture::Exit}};
  for (const auto& button : buttons) {
    const QString key =
        QString::fromLatin1(button.key.data(), static_cast<qsizetype>(button.key.size()));
    QAction* action = toolbar->addAction(VectorIcon(button.picture), key);
    action->setObjectName(QStringLiteral("Toolbar1") + key);
    action->setToolTip(key);
    connect(action, &QAction::triggered, this, [this, key] {
      Route([this, key] { model_.ButtonClick(Ctl::Toolbar1, key.toStdString()); });
    });
    if (QWidget* face = toolbar->widgetForAction(action)) {
      face->setObjectName(key);
      face->setFocusPolicy(Qt::NoFocus);
      face->setAccessibleName(key);
      face->setAccessibleDescription(key);
    }
  }
  widgets_[Index(Ctl::Toolbar1)] = toolbar;
}

Ctl Form1Window::ControlOf(QObject* object) const {
  const auto found = controls_.find(object);
  return found == controls_.end() ? Ctl::None : found->second;
}

ModelTextWidget* Form1Window::TextWidgetFor(Ctl control) const {
  return dynamic_cast<ModelTextWidget*>(widgetFor(control));
}

void Form1Window::Route(const std::function<void()>& action) {
  // The handler's long work and the mirror of a long result show as one.
  const WorkSpan work(model_.platform);
  TakeUserEdits();
  action();
  Mirror();
}

void Form1Window::TakeUserEdits() {
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    if (!text_changed_[i] && !caret_moved_[i]) continue;
    const Ctl control = static_cast<Ctl>(i);
    TextBox* box = model_.TextBoxOf(control);
    if (ModelTextWidget* widget = TextWidgetFor(control); widget && box) {
      if (text_changed_[i]) {
        // Only the model edits; the next mirror shows its text again.
        shown_revision_[i] = ~0ULL;
      } else {
        widget->PullInto(*box);
        shown_revision_[i] = box->Revision();
      }
    }
    text_changed_[i] = caret_moved_[i] = false;
  }
}

void Form1Window::Mirror() {
  mirroring_ = true;
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    const Ctl control = static_cast<Ctl>(i);
    QWidget* widget = widgets_[i];
    if (!widget) continue;
    bool visible = true;
    bool enabled = true;
    if (TextBox* box = model_.TextBoxOf(control)) {
      if (shown_revision_[i] != box->Revision()) {
        const bool text_changed = control == Ctl::Text1 && box->Text() != shown_display_;
        TextWidgetFor(control)->PushFrom(*box);
        shown_revision_[i] = box->Revision();
        if (text_changed) AnnounceDisplay(widget, box->Text());
      }
      visible = box->Visible;
      enabled = box->Enabled;
    } else if (Label* label = model_.LabelOf(control)) {
      auto* qlabel = static_cast<QLabel*>(widget);
      const QString caption = QString::fromStdString(label->Caption);
      if (qlabel->text() != caption) {
        qlabel->setText(caption);
        if (control == Ctl::Label4) {
          static_cast<StatusLabel*>(qlabel)->TextChanged();
          AnnounceStatus(qlabel, label->Caption);
        } else if (control == Ctl::LabelLineNum) {
          static_cast<FittingLabel*>(qlabel)->TextChanged();
        }
      }
      visible = label->Visible;
    } else if (CheckBox* check = model_.CheckBoxOf(control)) {
      auto* qcheck = static_cast<QCheckBox*>(widget);
      const QString caption = QString::fromStdString(check->Caption);
      if (qcheck->text() != caption) qcheck->setText(caption);
      if (qcheck->isChecked() != (check->Value != 0)) qcheck->setChecked(check->Value != 0);
      visible = check->Visible;
      enabled = check->Enabled;
    } else if (Frame* frame = model_.FrameOf(control)) {
      const int height = Pixels(frame->Height);
      if (widget->height() != height) widget->resize(widget->width(), height);
      visible = frame->Visible;
    } else if (Button* button = model_.ButtonOf(control)) {
      visible = button->Visible;
      enabled = button->Enabled;
    }
    if (widget->isHidden() == visible) widget->setVisible(visible);
    if (widget->isEnabled() != enabled) widget->setEnabled(enabled);
  }
  if (isEnabled() != model_.Enabled) setEnabled(model_.Enabled);
  if (QWidget* focus = widgetFor(model_.Focused()); focus && focusWidget() != focus) {
    focus->setFocus(Qt::OtherFocusReason);
  }
  mirroring_ = false;
}

// A new value on display and every status message reach assistive
// technology as they appear, not only when the user moves to them.
void Form1Window::AnnounceDisplay(QWidget* display, const std::string& text) {
  shown_display_ = text;
  const QString value = QString::fromStdString(text);
  emit announced(value, false);
  if (!QAccessible::isActive()) return;
  QAccessibleValueChangeEvent event(display, value);
  QAccessible::updateAccessibility(&event);
}

void Form1Window::AnnounceStatus(QWidget* status, const std::string& text) {
  const bool error = model_.StatusIsError;
  if (!text.empty()) emit announced(QString::fromStdString(text), error);
  if (!QAccessible::isActive()) return;
  QAccessibleEvent changed(status, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
  if (error) {
    QAccessibleEvent alert(status, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
  }
}

void Form1Window::RouteKeyPress(Ctl control, const QKeyEvent& event) {
  const int code = KeyCode(event);
  const int shift = ShiftState(event);
  const int character = CharacterCode(event);
  Route([&] { model_.PressKey(control, code, shift, character); });
}

void Form1Window::RouteCaretKey(Ctl control, const QKeyEvent& event) {
  const int code = KeyCode(event);
  const int shift = ShiftState(event);
  Route([&] { model_.KeyDown(control, code, shift); });
}

void Form1Window::RouteCommittedText(Ctl control, const QString& text) {
  Route([&] {
    for (const char32_t character : text.toUcs4()) {
      model_.TypeCharacter(control, static_cast<int>(character));
    }
  });
}

void Form1Window::CaretMoved(Ctl control) {
  if (!mirroring_) caret_moved_[Index(control)] = true;
}

void Form1Window::TextChangedBehindTheModel(Ctl control) {
  if (!mirroring_) text_changed_[Index(control)] = true;
}

void Form1Window::AfterNativeEdit(Ctl) {
  Route([] {});
}

void Form1Window::RouteKeyRelease(Ctl control, const QKeyEvent& event) {
  const int code = KeyCode(event);
  const int shift = ShiftState(event);
  Route([&] { model_.KeyUp(control, code, shift); });
}

void Form1Window::RouteCommand(Ctl command) {
  Route([&] { model_.RaiseClick(command); });
}

void Form1Window::RouteMouseRelease(Ctl control) {
  Route([&] { model_.MouseUp(control); });
}

bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
  const Ctl control = ControlOf(watched);
  if (control == Ctl::None) return QMainWindow::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::ShortcutOverride: {
      // Ctrl+X, Ctrl+C and Ctrl+V are the menu's, not the text box's own.
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy) ||
          key->matches(QKeySequence::Paste)) {
        event->ignore();
        return true;
      }
      break;
    }
    case QEvent::FocusIn: {
      // Switching windows or opening a menu leaves the window's own focus
      // where it was; focus moved by the mirror is already the model's.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (!mirroring_ && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
          reason != Qt::MenuBarFocusReason) {
        Route([&] { model_.SetFocus(control); });
      }
      break;
    }
    case QEvent::KeyPress:
      // Text boxes route their own keys; other controls only have the
      // window's preview and their key-down event.
      if (!model_.TextBoxOf(control)) {
        auto* key = static_cast<QKeyEvent*>(event);
        Route([&] { model_.KeyDown(control, KeyCode(*key), ShiftState(*key)); });
      }
      break;
    case QEvent::KeyRelease:
      if (!model_.TextBoxOf(control)) {
        auto* key = static_cast<QKeyEvent*>(event);
        Route([&] { model_.KeyUp(control, KeyCode(*key), ShiftState(*key)); });
      }
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

void Form1Window::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shown_) {
    shown_ = true;
    Route([this] { shell::Form_Shown(model_); });
  }
}

void Form1Window::closeEvent(QCloseEvent* event) {
  Route([this] { shell::Form_Unload(model_, module_); });
  event->accept();
  // No other window of the program outlives the main one.
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window != this && window->isVisible()) window->close();
  }
}

}  // namespace quorvel::ui
