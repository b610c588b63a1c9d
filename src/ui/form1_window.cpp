#include "ui/form1_window.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>

#include "shell/main_window.h"
#include "ui/face_button.h"
#include "ui/form1_layout.h"
#include "ui/key_mapping.h"

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

}  // namespace

Form1Window::Form1Window(Form1& model, QWidget* parent) : QMainWindow(parent), model_(model) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Quorvel Calculator"));
  auto* client = new QWidget(this);
  client->setFixedSize(Pixels(kClientWidthTwips), Pixels(kClientHeightTwips));
  setCentralWidget(client);
  BuildWidgets(client);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  Mirror();
}

void Form1Window::BuildWidgets(QWidget* client) {
  QWidget* previous = nullptr;
  for (const WidgetSpec& spec : Form1Layout()) {
    const Ctl control = spec.control;
    QWidget* widget = nullptr;
    switch (spec.kind) {
      case WidgetKind::TextBox: {
        auto* edit = new ModelLineEdit(control, *this, client);
        edit->setAlignment(AlignmentOf(spec.align));
        auto edited = [this, control] {
          if (!mirroring_) edited_[static_cast<std::size_t>(control)] = true;
        };
        connect(edit, &QLineEdit::textChanged, this, edited);
        connect(edit, &QLineEdit::cursorPositionChanged, this, edited);
        connect(edit, &QLineEdit::selectionChanged, this, edited);
        widget = edit;
        break;
      }
      case WidgetKind::Label: {
        auto* label = new QLabel(client);
        label->setAlignment(AlignmentOf(spec.align));
        label->setWordWrap(true);
        widget = label;
        break;
      }
      case WidgetKind::Button:
      case WidgetKind::PictureButton: {
        QPushButton* button = spec.kind == WidgetKind::PictureButton
                                  ? new FaceButton(spec.face, client)
                                  : new QPushButton(QString::fromUtf8(spec.caption), client);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, control] { Route([this, control] { model_.Click(control); }); });
        widget = button;
        break;
      }
    }
    const QString name = QString::fromUtf8(ControlName(control).data(),
                                           static_cast<qsizetype>(ControlName(control).size()));
    widget->setObjectName(name);
    widget->setGeometry(Pixels(spec.left), Pixels(spec.top), Pixels(spec.width),
                        Pixels(spec.height));
    const QString tooltip = QString::fromUtf8(spec.tooltip);
    if (!tooltip.isEmpty()) {
      widget->setToolTip(tooltip);
      widget->setAccessibleDescription(tooltip);
    }
    if (spec.kind == WidgetKind::PictureButton) widget->setAccessibleName(tooltip);
    widget->installEventFilter(this);
    widgets_[static_cast<std::size_t>(control)] = widget;
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
}

Ctl Form1Window::ControlOf(QObject* object) const {
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    if (widgets_[i] == object) return static_cast<Ctl>(i);
  }
  return Ctl::None;
}

void Form1Window::Route(const std::function<void()>& action) {
  TakeUserEdits();
  action();
  Mirror();
}

void Form1Window::TakeUserEdits() {
  for (std::size_t i = 0; i < edited_.size(); ++i) {
    if (edited_[i]) TakeUserEdit(static_cast<Ctl>(i));
  }
}

void Form1Window::TakeUserEdit(Ctl control) {
  edited_[static_cast<std::size_t>(control)] = false;
  auto* edit = qobject_cast<QLineEdit*>(widgetFor(control));
  TextBox* box = model_.TextBoxOf(control);
  if (!edit || !box) return;
  const QString text = edit->text();
  std::string utf8 = text.toStdString();
  if (utf8 != box->Text()) box->SetText(std::move(utf8));
  if (edit->hasSelectedText()) {
    int start = ToModelPosition(text, edit->selectionStart());
    int end = ToModelPosition(text, edit->selectionEnd());
    box->Select(start, end - start);
  } else {
    box->SetSelStart(ToModelPosition(text, edit->cursorPosition()));
  }
}

void Form1Window::Mirror() {
  mirroring_ = true;
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    const Ctl control = static_cast<Ctl>(i);
    QWidget* widget = widgets_[i];
    if (!widget) continue;
    if (TextBox* box = model_.TextBoxOf(control)) {
      auto* edit = static_cast<QLineEdit*>(widget);
      const QString text = QString::fromStdString(box->Text());
      if (edit->text() != text) edit->setText(text);
      const int start = ToQtPosition(text, box->SelStart());
      const int end = ToQtPosition(text, box->SelStart() + box->SelLength());
      if (end > start) {
        if (edit->selectionStart() != start || edit->selectionEnd() != end) {
          edit->setSelection(start, end - start);
        }
      } else if (edit->hasSelectedText() || edit->cursorPosition() != start) {
        edit->setCursorPosition(start);
      }
      if (widget->isHidden() == box->Visible) widget->setVisible(box->Visible);
      if (widget->isEnabled() != box->Enabled) widget->setEnabled(box->Enabled);
    } else if (Label* label = model_.LabelOf(control)) {
      auto* qlabel = static_cast<QLabel*>(widget);
      const QString caption = QString::fromStdString(label->Caption);
      if (qlabel->text() != caption) qlabel->setText(caption);
      if (widget->isHidden() == label->Visible) widget->setVisible(label->Visible);
    } else if (Button* button = model_.ButtonOf(control)) {
      if (widget->isHidden() == button->Visible) widget->setVisible(button->Visible);
      if (widget->isEnabled() != button->Enabled) widget->setEnabled(button->Enabled);
    }
  }
  if (QWidget* focus = widgetFor(model_.Focused()); focus && focusWidget() != focus) {
    focus->setFocus(Qt::OtherFocusReason);
  }
  mirroring_ = false;
}

int Form1Window::RouteKeyPress(Ctl control, const QKeyEvent& event) {
  const int code = KeyCode(event);
  const int shift = ShiftState(event);
  Route([&] { model_.KeyDown(control, code, shift); });
  const int character = CharacterCode(event);
  if (character == 0) return 0;
  int passed = 0;
  Route([&] { passed = model_.KeyPress(control, character); });
  return passed;
}

void Form1Window::AfterNativeEdit(Ctl) { TakeUserEdits(); }

void Form1Window::RouteKeyRelease(Ctl control, const QKeyEvent& event) {
  const int code = KeyCode(event);
  const int shift = ShiftState(event);
  Route([&] { model_.KeyUp(control, code, shift); });
}

void Form1Window::RouteMouseRelease(Ctl control) {
  Route([&] { model_.MouseUp(control); });
}

bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
  const Ctl control = ControlOf(watched);
  if (control == Ctl::None) return QMainWindow::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusIn: {
      // Switching windows or opening a menu leaves the window's own focus
      // where it was.
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

}  // namespace quorvel::ui
