#include "ui/tool_window_parts.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace quorvel::ui {

QPushButton* ToolButton(QWidget* window, const char* name, const QString& text,
                        const QString& description) {
  auto* button = new QPushButton(text, window);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  button->setAccessibleDescription(description);
  return button;
}

QHBoxLayout* ButtonRow(QWidget* window, std::initializer_list<QPushButton*> actions,
                       QPushButton* close) {
  QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
  auto* row = new QHBoxLayout;
  for (QPushButton* action : actions) row->addWidget(action);
  row->addStretch();
  row->addWidget(close);
  return row;
}

}  // namespace quorvel::ui
