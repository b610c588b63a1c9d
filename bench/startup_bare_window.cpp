// startup_bare_window: the yardstick for the program's start-up time and
// memory. A plain Qt Widgets window with what a calculator window has at
// least: a line edit over a grid of buttons, shown at once.

#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare Window"));
  auto* column = new QVBoxLayout(&window);
  auto* display = new QLineEdit(QStringLiteral("0"));
  display->setAlignment(Qt::AlignRight);
  column->addWidget(display);
  auto* grid = new QGridLayout;
  const char* captions[] = {"MC",   "MR",  "M+", "M-", "C",  "7",  "8", "9", "/",
                            "Sqrt", "4",   "5",  "6",  "*",  "x2", "1", "2", "3",
                            "-",    "1/x", "0",  ".",  "+-", "+",  "="};
  int index = 0;
  for (const char* caption : captions) {
    grid->addWidget(new QPushButton(QString::fromLatin1(caption)), index / 5, index % 5);
    ++index;
  }
  column->addLayout(grid);
  window.show();
  display->setFocus();
  return QApplication::exec();
}
