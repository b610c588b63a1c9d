// Every key the program treats specially, sent as the real Qt key event to
// the real widget, with what the model made of it: the numeric pad against
// the main keyboard, Enter against Ctrl+Enter and the pad's Enter, arrows
// against other movement keys, control and AltGr combinations.

#include "window_fixture.h"

class KeyMappingWindowTest : public QObject, public quorvel::testing::WindowFixture {
  Q_OBJECT

  // The calculator's state in one line: display, operation and constant
  // indicators, whether the display holds a finished value, the pending
  // operation.
  QString State() {
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(Text("Text1"), Caption("Label1"), Caption("Label3"),
             model->NewEntry ? QStringLiteral("new") : QStringLiteral("edit"),
             QString::fromStdString(model->PendingOperator));
  }

 private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void keys_data() {
    QTest::addColumn<QString>("clicks");  // buttons and boxes clicked first
    QTest::addColumn<QString>("target");  // the widget that has the focus
    QTest::addColumn<QString>("before");  // typed there first
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");  // typed there afterwards
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("list");  // the cash-flow list, CR LF between lines

    const int pad = Qt::KeypadModifier;
    const int ctrl = Qt::ControlModifier;
    const int none = Qt::NoModifier;
    const QString noText;
    // The operators of the numeric pad act while the focus is outside the
    // display and the display was the last entry box; the main keyboard's
    // operator characters are only characters there.
    const struct {
      Qt::Key key;
      const char* text;
      const char* symbol;
    } operators[] = {{Qt::Key_Plus, "+", "+"},
                     {Qt::Key_Minus, "-", "-"},
                     {Qt::Key_Asterisk, "*", "X"},
                     {Qt::Key_Slash, "/", "/"}};
    for (const auto& op : operators) {
      const QString text = QString::fromLatin1(op.text);
      const QString symbol = QString::fromLatin1(op.symbol);
      QTest::addRow("pad %s in the decimal places", op.text)
          << "Num9Command"
          << "TextDecimal"
          << "" << int(op.key) << pad << text << "" << QStringLiteral("9|%1||new|%1").arg(symbol)
          << "";
      QTest::addRow("main %s in the decimal places", op.text)
          << "Num9Command"
          << "TextDecimal"
          << "" << int(op.key) << none << text << ""
          << "9|||edit|"
          << "";
      QTest::addRow("pad %s on a button", op.text)
          << "Num9Command"
          << "NumEqCommand"
          << "" << int(op.key) << pad << text << "" << QStringLiteral("9|%1||new|%1").arg(symbol)
          << "";
      QTest::addRow("main %s on a button", op.text) << "Num9Command"
                                                    << "NumEqCommand"
                                                    << "" << int(op.key) << none << text << ""
                                                    << "9|||edit|"
                                                    << "";
      QTest::addRow("pad %s in the display", op.text)
          << "Num9Command"
          << "Text1"
          << "" << int(op.key) << pad << text << "" << QStringLiteral("9|%1||new|%1").arg(symbol)
          << "";
      QTest::addRow("pad %s after a financial field", op.text)
          << "Num9Command TextPV"
          << "TextDecimal"
          << "" << int(op.key) << pad << text << ""
          << "9|||edit|"
          << "";
    }
    QTest::addRow("pad + after the cash-flow list") << "Num9Command CommandCF"
                                                    << "TextDecimal"
                                                    << "" << int(Qt::Key_Plus) << pad << "+"
                                                    << ""
                                                    << "9|||edit|"
                                                    << "";

    // Enter is the equals key; Ctrl+Enter types a line feed, which the
    // display refuses.
    const char* sum = "Num5Command NumPlusCommand Num3Command";
    QTest::addRow("Enter") << sum << "Text1"
                           << "" << int(Qt::Key_Return) << none << "\r"
                           << ""
                           << "8|||new|"
                           << "";
    QTest::addRow("pad Enter") << sum << "Text1"
                               << "" << int(Qt::Key_Enter) << pad << "\r"
                               << ""
                               << "8|||new|"
                               << "";
    QTest::addRow("Shift+Enter") << sum << "Text1"
                                 << "" << int(Qt::Key_Return) << int(Qt::ShiftModifier) << "\r"
                                 << ""
                                 << "8|||new|"
                                 << "";
    QTest::addRow("Ctrl+Enter") << sum << "Text1"
                                << "" << int(Qt::Key_Return) << ctrl << "\r"
                                << ""
                                << "3|||edit|+"
                                << "";
    QTest::addRow("Ctrl+pad Enter") << sum << "Text1"
                                    << "" << int(Qt::Key_Enter) << (ctrl | pad) << "\r"
                                    << ""
                                    << "3|||edit|+"
                                    << "";

    // The arrows make a finished value editable; other movement keys do not.
    const char* operand = "Num5Command NumPlusCommand";
    const struct {
      const char* name;
      Qt::Key key;
      int modifiers;
      const char* state;
    } moves[] = {{"Left", Qt::Key_Left, none, "5|+||edit|+"},
                 {"Right", Qt::Key_Right, none, "5|+||edit|+"},
                 {"Up", Qt::Key_Up, none, "5|+||edit|+"},
                 {"Down", Qt::Key_Down, none, "5|+||edit|+"},
                 {"Shift+Left", Qt::Key_Left, int(Qt::ShiftModifier), "5|+||edit|+"},
                 {"pad Left", Qt::Key_Left, pad, "5|+||edit|+"},
                 {"Home", Qt::Key_Home, none, "5|+||new|+"},
                 {"End", Qt::Key_End, none, "5|+||new|+"}};
    for (const auto& move : moves) {
      QTest::addRow("%s after an operator", move.name)
          << operand << "Text1"
          << "" << int(move.key) << move.modifiers << noText << "" << move.state << "";
    }
    QTest::addRow("Left then a digit") << operand << "Text1"
                                       << "" << int(Qt::Key_Left) << none << noText << "3\r"
                                       << "40|||new|"
                                       << "";
    QTest::addRow("Down then a digit") << operand << "Text1"
                                       << "" << int(Qt::Key_Down) << none << noText << "3\r"
                                       << "58|||new|"
                                       << "";
    QTest::addRow("Backspace after an operator") << operand << "Text1"
                                                 << "" << int(Qt::Key_Backspace) << none << "\b"
                                                 << "3\r"
                                                 << "8|||new|"
                                                 << "";

    // Control combinations type nothing; AltGr (Ctrl+Alt) types its character.
    QTest::addRow("Ctrl+digit") << "Num1Command"
                                << "Text1"
                                << "" << int(Qt::Key_5) << ctrl << "5"
                                << ""
                                << "1|||edit|"
                                << "";
    QTest::addRow("pad digit") << "Num1Command"
                               << "Text1"
                               << "" << int(Qt::Key_5) << pad << "5"
                               << ""
                               << "15|||edit|"
                               << "";
    QTest::addRow("AltGr character in the list")
        << "CommandCF"
        << "TextCF"
        << "1" << int(Qt::Key_Dollar) << (ctrl | int(Qt::AltModifier)) << "$"
        << ""
        << "0|||edit|"
        << "1$";
    QTest::addRow("AltGr character the list refuses")
        << "CommandCF"
        << "TextCF"
        << "1" << int(Qt::Key_5) << (ctrl | int(Qt::AltModifier)) << "€"
        << ""
        << "0|||edit|"
        << "1";
    QTest::addRow("Ctrl+digit after a result")
        << "Num5Command NumPlusCommand Num3Command NumEqCommand"
        << "Text1"
        << "" << int(Qt::Key_5) << ctrl << "5"
        << ""
        << "8|||new|"
        << "";
    QTest::addRow("Ctrl+digit in the list") << "CommandCF"
                                            << "TextCF"
                                            << "1" << int(Qt::Key_5) << ctrl << "5"
                                            << ""
                                            << "0|||edit|"
                                            << "1";

    // Every kind of Enter breaks a line of the cash-flow list.
    QTest::addRow("Enter in the list") << "CommandCF"
                                       << "TextCF"
                                       << "1" << int(Qt::Key_Return) << none << "\r"
                                       << "2"
                                       << "0|||edit|"
                                       << "1\r\n2";
    QTest::addRow("pad Enter in the list") << "CommandCF"
                                           << "TextCF"
                                           << "1" << int(Qt::Key_Enter) << pad << "\r"
                                           << "2"
                                           << "0|||edit|"
                                           << "1\r\n2";
    QTest::addRow("Ctrl+Enter in the list") << "CommandCF"
                                            << "TextCF"
                                            << "1" << int(Qt::Key_Return) << ctrl << "\r"
                                            << "2"
                                            << "0|||edit|"
                                            << "1\r\n2";
  }

  void keys() {
    QFETCH(QString, clicks);
    QFETCH(QString, target);
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(QString, after);
    QFETCH(QString, state);
    QFETCH(QString, list);

    Click(qPrintable(clicks));
    QWidget* widget = Find(qPrintable(target));
    widget->setFocus(Qt::OtherFocusReason);
    QCOMPARE(Focused(), widget);
    QTest::keyClicks(widget, before);
    QTest::sendKeyEvent(QTest::Press, widget, Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));
    QTest::sendKeyEvent(QTest::Release, widget, Qt::Key(key), text,
                        Qt::KeyboardModifiers(modifiers));
    for (const QChar c : after) {
      if (c == QLatin1Char('\r')) {
        QTest::keyClick(Focused(), Qt::Key_Return);
      } else {
        QTest::keyClicks(Focused(), QString(c));
      }
    }
    QCOMPARE(State(), state);
    QCOMPARE(QString::fromStdString(model->TextCF.Text()), list);
  }
};

QTEST_MAIN(KeyMappingWindowTest)
#include "key_mapping_window_test.moc"
