// The amortization schedule and the calculation tape in the real window:
// the context menu and the shortcuts that open them, Esc, the exports, the
// chart's mark and a tape line brought back into the display.

#include <QAbstractItemModel>
#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QListView>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTimer>

#include "temp_dir.h"
#include "ui/schedule_chart.h"
#include "window_fixture.h"

using quorvel::testing::TempDir;

class ToolWindowsTest : public QObject, public quorvel::testing::WindowFixture {
  Q_OBJECT

  QMenu* Menu() { return Find<QMenu>("Form1ContextMenu"); }
  QWidget* Schedule() {
    return window->findChild<QWidget*>(QStringLiteral("AmortizationSchedule"));
  }
  QWidget* Tape() { return window->findChild<QWidget*>(QStringLiteral("CalculationTape")); }
  template <class T = QWidget>
  T* In(QWidget* parent, const char* name) {
    T* widget = parent->findChild<T*>(QString::fromLatin1(name));
    if (!widget) qFatal("no widget %s", name);
    return widget;
  }
  void Type(const char* field, const QString& keys) {
    QTest::mouseClick(Find(field), Qt::LeftButton);
    QTest::keyClicks(Find(field), keys);
  }
  void Loan() {
    Type("TextInterest", QStringLiteral("1"));
    Type("TextN", QStringLiteral("12"));
    Type("TextPV", QStringLiteral("1000"));
  }
  // A right click at `point` of `widget`, passed up as Qt passes it.
  void RightClick(QWidget* widget, QPoint point) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, widget->mapToGlobal(point));
    QApplication::sendEvent(widget, &event);
  }
  QString Cell(QAbstractItemModel* model, int row, int column) {
    return model->index(row, column).data().toString();
  }
  // Answers the next file dialog with `path`.
  void AnswerFileDialog(const QString& path) {
    QTimer::singleShot(0, [path] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) qFatal("no file dialog");
      dialog->selectFile(path);
      QMetaObject::invokeMethod(dialog, "accept");
    });
  }
  void CloseWithEsc(QWidget* tool) {
    QTRY_COMPARE(QApplication::activeWindow(), tool);
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : tool,
                    Qt::Key_Escape);
    QVERIFY(!tool->isVisible());
  }

 private slots:
  void init() { Open(); }
  void cleanup() {
    QLocale::setDefault(QLocale::c());
    Close();
  }

  void contextMenuOnEverythingButTheTextBoxes() {
    const QStringList texts{Menu()->actions()[0]->text(), Menu()->actions()[1]->text()};
    QCOMPARE(texts, QStringList({"Amortization Schedule...", "Calculation Tape..."}));
    QCOMPARE(Menu()->actions()[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+A")));
    QCOMPARE(Menu()->actions()[1]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+T")));
    const struct {
      const char* name;
      bool menu;
    } targets[] = {{"Label4", true},         {"Label8", true},      {"CommandPMT", true},
                   {"CommandBalance", true}, {"Num5Command", true}, {"NumMRCommand", true},
                   {"CheckPayment", true},   {"Text1", false},      {"TextPV", false},
                   {"TextDecimal", false},   {"TextCF", false}};
    for (const auto& t : targets) {
      if (std::string_view(t.name) == "TextCF") Click("CommandCF");  // the list shows
      QWidget* widget = Find(t.name);
      QWidget* receiver = widget;
      if (auto* list = qobject_cast<QPlainTextEdit*>(widget)) receiver = list->viewport();
      RightClick(receiver, QPoint(3, 3));
      QVERIFY2(Menu()->isVisible() == t.menu, t.name);
      Menu()->hide();
    }
    // The window's own background.
    QWidget* client = window->centralWidget();
    RightClick(client, QPoint(client->width() - 3, client->height() - 3));
    QVERIFY(Menu()->isVisible());
    Menu()->hide();
    // From the keyboard (the Menu key) the focused control decides.
    for (const auto& [name, menu] : {std::pair{"Text1", false}, std::pair{"CommandPMT", true}}) {
      Find(name)->setFocus();
      QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(2, 2),
                            Find(name)->mapToGlobal(QPoint(2, 2)));
      QApplication::sendEvent(Find(name), &key);
      QVERIFY2(Menu()->isVisible() == menu, name);
      Menu()->hide();
    }
    // The menu tree is untouched.
    QCOMPARE(window->menuBar()->actions().size(), 2);
  }

  void menuItemsOpenTheWindows() {
    Loan();
    Menu()->actions()[0]->trigger();
    QVERIFY(Schedule() && Schedule()->isVisible());
    Menu()->actions()[1]->trigger();
    QVERIFY(Tape() && Tape()->isVisible());
    for (QWidget* tool : {Schedule(), Tape()}) {
      QVERIFY(tool->isWindow());
      QCOMPARE(tool->parentWidget(), window.get());
      QVERIFY(!tool->isModal());
      QVERIFY(!tool->accessibleName().isEmpty());
    }
    QCOMPARE(Schedule()->windowTitle(), QStringLiteral("Amortization Schedule"));
    // Assistive technology finds a table with its column headings.
    QAccessibleInterface* table =
        QAccessible::queryAccessibleInterface(In(Schedule(), "ScheduleTable"));
    QVERIFY(table && table->tableInterface());
    QCOMPARE(table->role(), QAccessible::Table);
    QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Amortization schedule"));
    QCOMPARE(table->tableInterface()->columnCount(), 7);
    QCOMPARE(table->tableInterface()->columnDescription(4), QStringLiteral("Cumulative Interest"));
    QAccessibleInterface* tape = QAccessible::queryAccessibleInterface(In(Tape(), "TapeList"));
    QVERIFY(tape);
    QCOMPARE(tape->role(), QAccessible::List);
    for (const char* name : {"ScheduleChart", "ScheduleCopy", "ScheduleSavePdf"}) {
      QVERIFY2(!In(Schedule(), name)->accessibleName().isEmpty() ||
                   !qobject_cast<QPushButton*>(In(Schedule(), name))->text().isEmpty(),
               name);
    }
    QCOMPARE(Tape()->windowTitle(), QStringLiteral("Calculation Tape"));
    // Asked again, the open schedule is remade from the panel as it is now.
    QWidget* first = Schedule();
    // Typed over, as a user would: the boxes take no edit that bypasses the
    // calculator.
    QTest::mouseClick(Find("TextN"), Qt::LeftButton);
    QTest::keyClick(Find("TextN"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Find("TextN"), QStringLiteral("24"));
    Menu()->actions()[0]->trigger();
    QCOMPARE(Schedule(), first);
    QCOMPARE(In<QTableView>(Schedule(), "ScheduleTable")->model()->rowCount(), 25);
  }

  void shortcutsWorkWhateverHasTheFocus() {
    Loan();
    for (const char* focus : {"Text1", "TextN", "TextPMT", "TextDecimal", "CommandPMT"}) {
      if (qobject_cast<QLineEdit*>(Find(focus))) {
        QTest::mouseClick(Find(focus), Qt::LeftButton);
      } else {
        Find(focus)->setFocus();
      }
      QVERIFY(QTest::qWaitForWindowActive(window.get()));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_T,
                      Qt::ControlModifier | Qt::ShiftModifier);
      QVERIFY2(Tape() && Tape()->isVisible(), focus);
      CloseWithEsc(Tape());
      window->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(window.get()));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_A,
                      Qt::ControlModifier | Qt::ShiftModifier);
      QVERIFY2(Schedule() && Schedule()->isVisible(), focus);
      CloseWithEsc(Schedule());
      window->activateWindow();
    }
    // Nothing was typed by the shortcuts.
    QCOMPARE(Text("TextN"), QStringLiteral("12"));
    QCOMPARE(Text("TextDecimal"), QStringLiteral("2"));
  }

  void theScheduleIsTheButtonsTable() {
    Loan();
    QTest::keyClick(Find("TextPV"), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    auto* table = In<QTableView>(Schedule(), "ScheduleTable");
    QAbstractItemModel* model = table->model();
    QCOMPARE(model->rowCount(), 13);
    QStringList headings;
    for (int c = 0; c < model->columnCount(); ++c) {
      headings << model->headerData(c, Qt::Horizontal).toString();
    }
    QCOMPARE(headings, QStringList({"Period", "Payment", "Interest", "Principal",
                                    "Cumulative Interest", "Cumulative Principal", "Balance"}));
    QStringList third, total;
    for (int c = 0; c < 7; ++c) third << Cell(model, 2, c);
    for (int c = 0; c < 7; ++c) total << Cell(model, 12, c);
    QCOMPARE(third, QStringList({"3", "-88.85", "-8.42", "-80.43", "-27.63", "-238.92", "761.08"}));
    QCOMPARE(total, QStringList({"Total", "-1066.19", "-66.19", "-1000.00", "", "", ""}));
    // The same period through the BAL button.
    Type("TextPer", QStringLiteral("3"));
    Click("CommandBalance");
    QCOMPARE(Text("Text1"), Cell(model, 2, 6));
    QVERIFY(platform->messages.empty());
  }

  void fieldsThatMakeNoScheduleGiveOneMessage() {
    Type("TextN", QStringLiteral("12"));
    QTest::keyClick(Find("TextN"), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(platform->messages.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(platform->messages[0].text).contains("Present Value"));
    QVERIFY(!Schedule());
    QCOMPARE(Text("TextN"), QStringLiteral("12"));
  }

  void theChartMarksThePeriodUnderTheMouse() {
    Loan();
    Menu()->actions()[0]->trigger();
    auto* chart = In<quorvel::ui::ScheduleChart>(Schedule(), "ScheduleChart");
    auto* table = In<QTableView>(Schedule(), "ScheduleTable");
    QVERIFY(QTest::qWaitForWindowExposed(Schedule()));
    for (int x = 0; x < chart->width(); x += 4) {
      const int period = chart->periodAt(QPoint(x, chart->height() / 2));
      if (period != 7) continue;
      QTest::mouseMove(chart, QPoint(x, chart->height() / 2));
      break;
    }
    QCOMPARE(chart->markedPeriod(), 7);
    // Both lines are drawn: the chart holds many pixels of each colour.
    const QImage image = chart->grab().toImage();
    int balance = 0, interest = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, y) & 0xffffff;
        balance += pixel == 0x1f5fbf;
        interest += pixel == 0xd04020;
      }
    }
    QVERIFY2(balance > chart->width() / 2, qPrintable(QString::number(balance)));
    QVERIFY2(interest > chart->width() / 2, qPrintable(QString::number(interest)));
    QCOMPARE(table->currentIndex().row(), 6);
    QVERIFY(table->selectionModel()->isRowSelected(6, {}));
    // A row chosen in the table is marked in the chart.
    table->selectRow(2);
    QCOMPARE(chart->markedPeriod(), 3);
  }

  void exportsUseTheUsersDecimalSeparator_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("tsvRow");
    QTest::addColumn<QString>("csvRow");
    QTest::newRow("en") << QLocale(QLocale::English, QLocale::UnitedStates)
                        << "3\t-88.85\t-8.42\t-80.43\t-27.63\t-238.92\t761.08"
                        << "3,-88.85,-8.42,-80.43,-27.63,-238.92,761.08";
    QTest::newRow("de") << QLocale(QLocale::German, QLocale::Germany)
                        << "3\t-88,85\t-8,42\t-80,43\t-27,63\t-238,92\t761,08"
                        << "3;-88,85;-8,42;-80,43;-27,63;-238,92;761,08";
    QTest::newRow("fr") << QLocale(QLocale::French, QLocale::France)
                        << "3\t-88,85\t-8,42\t-80,43\t-27,63\t-238,92\t761,08"
                        << "3;-88,85;-8,42;-80,43;-27,63;-238,92;761,08";
  }
  void exportsUseTheUsersDecimalSeparator() {
    QFETCH(QLocale, locale);
    QFETCH(QString, tsvRow);
    QFETCH(QString, csvRow);
    QLocale::setDefault(locale);
    Loan();
    Menu()->actions()[0]->trigger();
    QTest::mouseClick(In(Schedule(), "ScheduleCopy"), Qt::LeftButton);
    const QStringList copied = QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    QCOMPARE(copied[0], QStringLiteral("Period\tPayment\tInterest\tPrincipal\tCumulative "
                                       "Interest\tCumulative Principal\tBalance"));
    QCOMPARE(copied[3], tsvRow);
    TempDir dir;
    const QString csv = QString::fromStdString(dir / "schedule.csv");
    AnswerFileDialog(csv);
    QTest::mouseClick(In(Schedule(), "ScheduleSaveCsv"), Qt::LeftButton);
    const QStringList lines =
        QString::fromStdString(TempDir::Read(csv.toStdString())).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 15);  // headings, 12 periods, totals, and the last line's end
    QCOMPARE(lines[3], csvRow);
    QVERIFY(lines[13].startsWith(QStringLiteral("Total")));
  }

  void savesAPdf() {
    Loan();
    Menu()->actions()[0]->trigger();
    TempDir dir;
    const QString pdf = QString::fromStdString(dir / "schedule.pdf");
    AnswerFileDialog(pdf);
    QTest::mouseClick(In(Schedule(), "ScheduleSavePdf"), Qt::LeftButton);
    const std::string bytes = TempDir::Read(pdf.toStdString());
    QVERIFY(bytes.size() > 1000);
    QCOMPARE(QByteArray::fromStdString(bytes.substr(0, 5)), QByteArray("%PDF-"));
  }

  void theTapeListsEveryCalculation() {
    Click("Num5Command NumPlusCommand Num3Command NumEqCommand");
    Loan();
    Click("CommandPMT");
    QTest::keyClick(Find("TextPMT"), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    auto* list = In<QListView>(Tape(), "TapeList");
    QAbstractItemModel* model = list->model();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(Cell(model, 0, 0), QStringLiteral("5  +  3 = 8"));
    QCOMPARE(Cell(model, 1, 0), QStringLiteral("Payment -88.85"));
    // A calculation while the tape is open appears at once.
    Click("NumSqRtCommand");
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(Cell(model, 2, 0), QStringLiteral("Error! Sqrt negative number or zero."));

    QTest::mouseClick(In(Tape(), "TapeCopyAll"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("5  +  3 = 8\nPayment -88.85\nError! Sqrt negative number or zero.\n"));
    list->selectionModel()->select(model->index(1, 0), QItemSelectionModel::ClearAndSelect);
    QTest::mouseClick(In(Tape(), "TapeCopy"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Payment -88.85\n"));

    TempDir dir;
    const QString file = QString::fromStdString(dir / "tape.txt");
    AnswerFileDialog(file);
    QTest::mouseClick(In(Tape(), "TapeSave"), Qt::LeftButton);
    QCOMPARE(QString::fromStdString(TempDir::Read(file.toStdString())),
             QStringLiteral("5  +  3 = 8\nPayment -88.85\nError! Sqrt negative number or zero.\n"));

    QTest::mouseClick(In(Tape(), "TapeClear"), Qt::LeftButton);
    QCOMPARE(model->rowCount(), 0);
  }

  void aDoubleClickedLineGoesIntoTheDisplay() {
    Click("Num5Command NumPlusCommand Num3Command NumEqCommand Num2Command NumMULCommand");
    QTest::keyClick(Find("Text1"), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    auto* list = In<QListView>(Tape(), "TapeList");
    QTRY_COMPARE(QApplication::activeWindow(), Tape());
    const QRect line = list->visualRect(list->model()->index(0, 0));
    // A double click, as the mouse delivers it: a click, then the second
    // press as a double click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
    QCOMPARE(Text("Text1"), QStringLiteral("2"));  // one click only chooses
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line.center());
    QCOMPARE(Text("Text1"), QStringLiteral("8"));
    QCOMPARE(Caption("Label4"), QStringLiteral("5  +  3"));
    // A finished value: the next digit starts a new number.
    Click("Num4Command NumEqCommand");
    QCOMPARE(Text("Text1"), QStringLiteral("32"));
    QCOMPARE(list->model()->rowCount(), 2);
    // Enter on a line does the same.
    list->setCurrentIndex(list->model()->index(1, 0));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(Text("Text1"), QStringLiteral("32"));
    QCOMPARE(Caption("Label4"), QStringLiteral("8 * 4"));
  }

  void theTapeWindowKeepsTheNewestLines() {
    QTest::keyClick(Find("Text1"), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    QAbstractItemModel* model = In<QListView>(Tape(), "TapeList")->model();
    for (int i = 0; i < 10003; ++i) this->model->tape.Append({"line " + std::to_string(i), "", ""});
    QCOMPARE(model->rowCount(), 10000);
    QCOMPARE(Cell(model, 0, 0), QStringLiteral("line 3"));
    QCOMPARE(Cell(model, 9999, 0), QStringLiteral("line 10002"));
  }

  void theToolWindowsCloseWithTheProgram() {
    Loan();
    Menu()->actions()[0]->trigger();
    Menu()->actions()[1]->trigger();
    QPointer<QWidget> schedule = Schedule();
    QPointer<QWidget> tape = Tape();
    window->close();
    QVERIFY(!schedule || !schedule->isVisible());
    QVERIFY(!tape || !tape->isVisible());
  }
};

QTEST_MAIN(ToolWindowsTest)
#include "tool_windows_test.moc"
