// Editing in the real window: every key with which a text box could change
// its text, sent as the real key event, changes it only through the model,
// so that the calculator's state and what the boxes show never part ways.
// Also run under German and French number formats (see CMakeLists.txt).

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLocale>
#include <QMimeData>
#include <QPlainTextEdit>

#include "editing_keys.h"
#include "window_fixture.h"

using quorvel::Ctl;
using quorvel::testing::EditingKey;
using quorvel::testing::EditPlace;

class EditingWindowTest : public QObject, public quorvel::testing::WindowFixture {
  Q_OBJECT

  QClipboard* Clipboard() { return QGuiApplication::clipboard(); }
  QWidget* BoxWidget(EditPlace place) { return window->widgetFor(PlaceBox(place)); }

  // Puts the caret where a mouse click would, and lets the window take it.
  void PutCaret(Ctl box, int position) {
    if (auto* list = qobject_cast<QPlainTextEdit*>(window->widgetFor(box))) {
      QTextCursor cursor = list->textCursor();
      cursor.setPosition(position);
      list->setTextCursor(cursor);
    } else {
      static_cast<QLineEdit*>(window->widgetFor(box))->setCursorPosition(position);
    }
    window->AfterNativeEdit(box);
  }

  // The starting state of a place, reached with clicks and keys; the caret
  // stands between 4 and 6.
  void Prepare(EditPlace place) {
    Clipboard()->setText(QString::fromLatin1(quorvel::testing::kClipboardBefore));
    switch (place) {
      case EditPlace::ResultOnDisplay:
        Click("Num1Command Num2Command NumPlusCommand Num3Command Num4Command NumEqCommand");
        PutCaret(Ctl::Text1, 1);
        break;
      case EditPlace::OperatorPending:
        Click("Num4Command Num6Command NumPlusCommand");
        PutCaret(Ctl::Text1, 1);
        break;
      case EditPlace::Field:
        QTest::mouseClick(Find("TextPV"), Qt::LeftButton);
        QTest::keyClicks(Find("TextPV"), QStringLiteral("46"));
        PutCaret(Ctl::TextPV, 1);
        break;
      case EditPlace::CashFlowList:
        Click("CommandCF");
        QTest::keyClick(Find("TextCF"), Qt::Key_1);
        QTest::keyClick(Find("TextCF"), Qt::Key_Return);
        QTest::keyClicks(Find("TextCF"), QStringLiteral("46"));
        PutCaret(Ctl::TextCF, 3);
        break;
    }
  }

  // The box as the widget shows it, marked as the model's state is.
  std::string Shown(Ctl box) {
    QString text;
    int anchor = 0;
    int caret = 0;
    if (auto* list = qobject_cast<QPlainTextEdit*>(window->widgetFor(box))) {
      text = list->toPlainText();
      anchor = list->textCursor().anchor();
      caret = list->textCursor().position();
    } else {
      auto* edit = static_cast<QLineEdit*>(window->widgetFor(box));
      text = edit->text();
      caret = edit->cursorPosition();
      anchor =
          edit->hasSelectedText() ? edit->selectionStart() + edit->selectionEnd() - caret : caret;
    }
    const int start = std::min(anchor, caret);
    const int end = std::max(anchor, caret);
    if (start == end) {
      text.insert(start, QLatin1Char('|'));
    } else {
      text.insert(end, QLatin1Char(']'));
      text.insert(start, QLatin1Char('['));
    }
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
  }

  // The calculator's state, read from the model, and the box and the
  // display as the widgets show them.
  void CompareState(EditPlace place, const quorvel::testing::DeskState& expected,
                    const char* where) {
    const auto state = StateOf(*model, place, Clipboard()->text().toStdString());
    QVERIFY2(state == expected,
             qPrintable(QString::fromLatin1(where) + QStringLiteral("\n got ") +
                        QString::fromStdString(Describe(state)) + QStringLiteral("\n expected ") +
                        QString::fromStdString(Describe(expected))));
    QCOMPARE(Shown(PlaceBox(place)), expected.box);
    QCOMPARE(Text("Text1").toStdString(), expected.display);
  }

  void AddPlaces() {
    QTest::addColumn<int>("place");
    for (EditPlace place : quorvel::testing::kEditPlaces) {
      QTest::newRow(PlaceName(place)) << static_cast<int>(place);
    }
  }

 private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void everyEditingKeyGoesThroughTheModel_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("place");
    int index = 0;
    for (const EditingKey& key : quorvel::testing::kEditingKeys) {
      for (EditPlace place : quorvel::testing::kEditPlaces) {
        QTest::addRow("%s in %s", key.name, PlaceName(place)) << index << static_cast<int>(place);
      }
      ++index;
    }
  }
  void everyEditingKeyGoesThroughTheModel() {
    QFETCH(int, key);
    QFETCH(int, place);
    const EditingKey& row = quorvel::testing::kEditingKeys[key];
    const auto where = static_cast<EditPlace>(place);
    Prepare(where);
    CompareState(where, quorvel::testing::StateBefore(where), "before");
    QWidget* box = BoxWidget(where);
    QCOMPARE(Focused(), box);
    if (row.key_code == 0) {
      QInputMethodEvent commit;
      commit.setCommitString(QString(QChar(row.character)));
      QApplication::sendEvent(box, &commit);
    } else {
      const QKeyCombination combination =
          QKeySequence::fromString(QString::fromLatin1(row.name))[0];
      QTest::keyClick(box, combination.key(), combination.keyboardModifiers());
    }
    CompareState(where, StateAfter(row, where), row.name);
  }

  void dropsAndTheMiddleButtonChangeNothing_data() { AddPlaces(); }
  void dropsAndTheMiddleButtonChangeNothing() {
    QFETCH(int, place);
    const auto where = static_cast<EditPlace>(place);
    Prepare(where);
    QWidget* box = BoxWidget(where);
    QWidget* target = box;
    if (auto* list = qobject_cast<QPlainTextEdit*>(box)) target = list->viewport();
    QMimeData dragged;
    dragged.setText(QStringLiteral("77"));
    const QPointF middle = QRectF(target->rect()).center();
    QDragEnterEvent enter(middle.toPoint(), Qt::CopyAction, &dragged, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(!enter.isAccepted());
    QDropEvent drop(middle, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QVERIFY(!drop.isAccepted());
    CompareState(where, quorvel::testing::StateBefore(where), "drop");

    if (Clipboard()->supportsSelection()) {
      Clipboard()->setText(QStringLiteral("77"), QClipboard::Selection);
    }
    QTest::mouseClick(target, Qt::MiddleButton, {}, middle.toPoint());
    CompareState(where, quorvel::testing::StateBefore(where), "middle button");
  }

  void textChangedBehindTheModelIsTakenBack() {
    // Should a widget ever edit by a path of its own, the model's text is
    // shown again at the next event; the calculator never sees the edit.
    Prepare(EditPlace::Field);
    Find<QLineEdit>("TextPV")->insert(QStringLiteral("77"));
    QTest::keyClick(Find("TextPV"), Qt::Key_Left);
    QCOMPARE(Text("TextPV"), QStringLiteral("46"));
    QCOMPARE(model->TextPV.Text(), std::string("46"));

    Prepare(EditPlace::CashFlowList);
    auto* list = Find<QPlainTextEdit>("TextCF");
    list->insertPlainText(QStringLiteral("x"));
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(list->toPlainText(), QStringLiteral("1\n46"));
    QCOMPARE(Caption("LabelLineNum"), QStringLiteral(" 2"));
  }

  void ctrlBackspaceAfterAnOperatorKeepsTheFirstOperand() {
    QWidget* display = Find("Text1");
    QTest::keyClicks(display, QStringLiteral("5+"));
    QTest::keyClick(display, Qt::Key_Backspace, Qt::ControlModifier);
    QCOMPARE(Text("Text1"), QString());
    QTest::keyClick(display, Qt::Key_3);
    QTest::keyClick(display, Qt::Key_Return);
    QCOMPARE(Text("Text1"), QStringLiteral("8"));
    QCOMPARE(Caption("Label4"), QStringLiteral("5  +  3"));
  }

  void keypadWorksAtTheStartOfTheSelection() {
    // Selected from left to right, so that the widget's caret is at the
    // selection's end when the focus moves to the keypad key.
    Click("Num1Command Num2Command Num3Command Num4Command");
    QWidget* display = Find("Text1");
    QTest::keyClick(display, Qt::Key_Home);
    QTest::keyClick(display, Qt::Key_Right);
    QTest::keyClick(display, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(display, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(Find<QLineEdit>("Text1")->selectedText(), QStringLiteral("23"));
    Click("CommandBackSpace");
    QCOMPARE(Text("Text1"), QStringLiteral("234"));
    QCOMPARE(Focused(), display);
    QCOMPARE(Find<QLineEdit>("Text1")->cursorPosition(), 0);
    QCOMPARE(model->Text1.SelStart(), 0);

    QTest::keyClick(display, Qt::Key_End, Qt::ShiftModifier);   // "234"
    QTest::keyClick(display, Qt::Key_Left, Qt::ShiftModifier);  // "23"
    Click("Num5Command");
    QCOMPARE(Text("Text1"), QStringLiteral("5234"));
    QCOMPARE(Find<QLineEdit>("Text1")->cursorPosition(), 1);
  }

  void equalsAfterAnOverflowEndsTheCalculation() {
    Click("Num5Command NumPlusCommand Num1Command");
    const QString huge = QStringLiteral("1") + QString(400, QLatin1Char('0'));
    QTest::keyClicks(Find("Text1"), QString(400, QLatin1Char('0')));
    Click("NumEqCommand");
    QCOMPARE(Caption("Label4"), QStringLiteral("Calculation error! Possibility Overflow."));
    QCOMPARE(Text("Text1"), huge);
    Click("NumCCommand Num2Command NumPlusCommand Num3Command NumEqCommand");
    QCOMPARE(Text("Text1"), QStringLiteral("5"));
    QCOMPARE(Caption("Label4"), QStringLiteral("2  +  3"));
  }

  void ctrlASelectsTheWholeText_data() { AddPlaces(); }
  void ctrlASelectsTheWholeText() {
    QFETCH(int, place);
    const auto where = static_cast<EditPlace>(place);
    Prepare(where);
    QTest::keyClick(BoxWidget(where), Qt::Key_A, Qt::ControlModifier);
    const std::string all = "[" + PlacePrefix(where) + "46]";
    QCOMPARE(Shown(PlaceBox(where)), all);
    QCOMPARE(quorvel::testing::Marked(*model->TextBoxOf(PlaceBox(where))), all);
    // Typing then replaces the whole text, as in any text box.
    QTest::keyClick(BoxWidget(where), Qt::Key_8);
    QCOMPARE(Shown(PlaceBox(where)), std::string("8|"));
  }

  void theDecimalSeparatorKeyTypesThePoint_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QString>("typed");
    const bool comma = QLocale::system().decimalPoint() == QStringLiteral(",");
    // The comma key types a comma only where it is not the decimal separator;
    // the boxes take no comma, so "1,5" is then "15".
    const QString comma_result = comma ? QStringLiteral("1.5") : QStringLiteral("15");
    for (const char* box : {"Text1", "TextPV", "TextInterest", "TextCF"}) {
      QTest::addRow("%s comma", box) << box << int(Qt::Key_Comma) << false << comma_result;
      QTest::addRow("%s point", box) << box << int(Qt::Key_Period) << false << "1.5";
      QTest::addRow("%s pad comma", box) << box << int(Qt::Key_Comma) << true << "1.5";
      QTest::addRow("%s pad point", box) << box << int(Qt::Key_Period) << true << "1.5";
    }
  }
  void theDecimalSeparatorKeyTypesThePoint() {
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(QString, typed);
    QWidget* widget = Find(qPrintable(box));
    if (box == QStringLiteral("TextCF")) {
      Click("CommandCF");
    } else {
      QTest::mouseClick(widget, Qt::LeftButton);
      QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);  // the display's "0" goes
    }
    const Qt::KeyboardModifiers modifiers = keypad ? Qt::KeypadModifier : Qt::NoModifier;
    const QString text = key == Qt::Key_Comma ? QStringLiteral(",") : QStringLiteral(".");
    QTest::keyClick(widget, Qt::Key_1);
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
    QTest::keyClick(widget, Qt::Key_5);
    QCOMPARE(QString::fromStdString(
                 model->TextBoxOf(*quorvel::ControlByName(box.toStdString()))->Text()),
             typed);
    if (auto* list = qobject_cast<QPlainTextEdit*>(widget)) {
      QCOMPARE(list->toPlainText(), typed);
    } else {
      QCOMPARE(static_cast<QLineEdit*>(widget)->text(), typed);
    }
  }

  void typedValueIsTheValueComputed() {
    QWidget* display = Find("Text1");
    QTest::keyClick(display, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(display, QStringLiteral("1"));
    QTest::keyClick(display, Qt::Key_Comma, Qt::KeypadModifier);
    QTest::keyClicks(display, QStringLiteral("5+1"));
    QTest::keyClick(display, Qt::Key_Return);
    QCOMPARE(Text("Text1"), QStringLiteral("2.5"));
  }

  void longPastesAreShownAsComputed_data() {
    QTest::addColumn<QString>("box");
    QTest::newRow("display") << "Text1";
    QTest::newRow("field") << "TextPV";
  }
  void longPastesAreShownAsComputed() {
    QFETCH(QString, box);
    const QString pasted = QString(40000, QLatin1Char('0')) + QStringLiteral("123");
    Clipboard()->setText(pasted);
    QWidget* widget = Find(qPrintable(box));
    QTest::mouseClick(widget, Qt::LeftButton);
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Text(qPrintable(box)), pasted);
    QCOMPARE(model->TextBoxOf(*quorvel::ControlByName(box.toStdString()))->Text(),
             pasted.toStdString());
    if (box == QStringLiteral("Text1")) {
      Click("NumPlusCommand Num1Command NumEqCommand");
      QCOMPARE(Text("Text1"), QStringLiteral("124"));
    }
  }

  void aFieldWithoutTheFocusShowsTheStartOfItsText() {
    QTest::mouseClick(Find("TextDecimal"), Qt::LeftButton);
    QTest::keyClick(Find("TextDecimal"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Find("TextDecimal"), QStringLiteral("12"));
    for (const auto& [name, value] : {std::pair{"TextN", "360"}, std::pair{"TextInterest", "0.5"},
                                      std::pair{"TextPV", "175000"}}) {
      QTest::mouseClick(Find(name), Qt::LeftButton);
      QTest::keyClicks(Find(name), QString::fromLatin1(value));
    }
    Click("CommandPMT");
    auto* payment = Find<QLineEdit>("TextPMT");
    QVERIFY(payment->text().startsWith(QStringLiteral("-1049.")));
    QVERIFY(payment->fontMetrics().horizontalAdvance(payment->text()) >
            payment->contentsRect().width());  // too long for the field
    // Written by the program, the result is shown from its start, with the
    // focus and without it.
    QCOMPARE(Focused(), payment);
    QCOMPARE(payment->cursorPosition(), 0);
    QTest::mouseClick(Find("TextDecimal"), Qt::LeftButton);
    QCOMPARE(payment->cursorPosition(), 0);

    // With the focus the field is a text box: the caret goes where the user
    // puts it, and the end of the text comes into sight.
    QTest::mouseClick(payment, Qt::LeftButton);
    QTest::keyClick(payment, Qt::Key_End);
    QCOMPARE(payment->cursorPosition(), payment->text().size());
    QCOMPARE(model->TextPMT.SelStart(), model->TextPMT.Length());
    // Leaving keeps the caret in the model (the keypad types there) while
    // the field shows its start again.
    QTest::mouseClick(Find("TextDecimal"), Qt::LeftButton);
    QCOMPARE(payment->cursorPosition(), 0);
    Click("Num7Command");
    QVERIFY(payment->text().endsWith(QStringLiteral("7")));
    QCOMPARE(Focused(), payment);
    QCOMPARE(payment->cursorPosition(), payment->text().size());
  }
};

QTEST_MAIN(EditingWindowTest)
#include "editing_window_test.moc"
