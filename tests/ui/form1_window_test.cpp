// The main window on the offscreen platform: real widgets, clicked and typed
// into by object name, checked by what they show.

#include <QAbstractButton>
#include <QAccessible>
#include <QPlainTextEdit>

#include "window_fixture.h"

using quorvel::Ctl;

class Form1WindowTest : public QObject, public quorvel::testing::WindowFixture {
  Q_OBJECT

  QString Display() { return Text("Text1"); }

 private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void windowHasItsTitleSizeAndControls() {
    QCOMPARE(window->objectName(), QStringLiteral("Form1"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Quorvel Calculator"));
    QCOMPARE(window->centralWidget()->size(), QSize(393, 488));
    for (int i = 1; i < quorvel::kControlCount; ++i) {
      const auto control = static_cast<Ctl>(i);
      if (!window->widgetFor(control)) continue;  // built by the panel's window code
      const auto name = quorvel::ControlName(control);
      QVERIFY2(window->findChild<QWidget*>(QString::fromLatin1(name.data(), name.size())),
               name.data());
    }
    for (const char* name : {"Text1",
                             "Label1",
                             "Label2",
                             "Label3",
                             "Label4",
                             "TextDecimal",
                             "Label13",
                             "Num0Command",
                             "Num9Command",
                             "NumDotCommand",
                             "NumSignCommand",
                             "CommandBackSpace",
                             "NumCCommand",
                             "NumACCommand",
                             "NumPlusCommand",
                             "NumMinusCommand",
                             "NumMULCommand",
                             "NumDivCommand",
                             "NumEqCommand",
                             "NumSqRtCommand",
                             "NumSquareCommand",
                             "CommandInvertX",
                             "NumMCommand",
                             "NumMPlusCommand",
                             "NumMMinusCommand",
                             "NumMRCommand",
                             "NumMCCommand"}) {
      QVERIFY2(Find(name), name);
    }
    QCOMPARE(Find("Text1")->geometry(), QRect(72, 64, 281, 33));
    QCOMPARE(Find("Label4")->geometry(), QRect(146, 40, 207, 18));
    QCOMPARE(Find("NumEqCommand")->geometry(), QRect(240, 440, 57, 33));
    QCOMPARE(Find("NumMCCommand")->geometry(), QRect(320, 280, 33, 17));
    QCOMPARE(Caption("Label13"), QStringLiteral("Decimal Place"));
    QCOMPARE(Find<QLineEdit>("TextDecimal")->text(), QStringLiteral("2"));
    QCOMPARE(Display(), QStringLiteral("0"));
    QCOMPARE(Focused(), Find("Text1"));
  }

  void pictureButtonsHaveAccessibleNamesFromTheirTooltips() {
    for (const char* name : {"NumPlusCommand", "NumMinusCommand", "NumMULCommand", "NumDivCommand",
                             "NumEqCommand", "CommandBackSpace", "NumCCommand", "NumACCommand"}) {
      auto* button = Find<QPushButton>(name);
      QVERIFY2(button->text().isEmpty(), name);
      QVERIFY2(!button->toolTip().isEmpty(), name);
      QCOMPARE(button->accessibleName(), button->toolTip());
    }
    QCOMPARE(Find("NumMinusCommand")->toolTip(), QStringLiteral("Substrate operator"));
    QCOMPARE(Find("NumEqCommand")->toolTip(), QStringLiteral("Calcuate result"));
    QCOMPARE(Find<QPushButton>("NumSqRtCommand")->text(), QStringLiteral("Sqr"));
    QCOMPARE(Find("Text1")->toolTip(), QStringLiteral("Main Display or Entry Box"));
  }

  void everyControlHasANameAndADescription() {
    int walked = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
      const bool interactive = qobject_cast<QAbstractButton*>(widget) ||
                               qobject_cast<QLineEdit*>(widget) ||
                               qobject_cast<QPlainTextEdit*>(widget);
      if (!interactive || widget->objectName().isEmpty() ||
          widget->objectName().startsWith(QLatin1String("qt_"))) {
        continue;
      }
      QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
      QVERIFY2(face, qPrintable(widget->objectName()));
      QVERIFY2(!face->text(QAccessible::Name).isEmpty(), qPrintable(widget->objectName()));
      QVERIFY2(!face->text(QAccessible::Description).isEmpty(), qPrintable(widget->objectName()));
      ++walked;
    }
    QVERIFY(walked >= 60);
    QCOMPARE(Find("TextPV")->accessibleName(), QStringLiteral("Present Value"));
    QCOMPARE(Find("TextPV")->accessibleDescription(), QStringLiteral("Present value"));
  }

  void resultsAndErrorsAreAnnounced() {
    QList<QPair<QString, bool>> announced;
    connect(window.get(), &quorvel::ui::Form1Window::announced, this,
            [&](const QString& text, bool alert) {
              announced.append({text, alert});
            });
    Click("Num8Command NumDivCommand Num4Command NumEqCommand");
    Click("NumDivCommand Num0Command NumEqCommand");
    QVERIFY(announced.contains(qMakePair(QStringLiteral("2"), false)));
    QVERIFY(announced.contains(qMakePair(QStringLiteral("8 / 4"), false)));
    QVERIFY(announced.contains(qMakePair(QStringLiteral("Error! Divide by zero."), true)));
  }

  void clickedKeysWorkTheCalculator() {
    Click("Num1Command Num2Command NumPlusCommand Num3Command NumEqCommand");
    QCOMPARE(Display(), QStringLiteral("15"));
    QCOMPARE(Caption("Label4"), QStringLiteral("12  +  3"));
    QCOMPARE(Focused(), Find("Text1"));
    Click("NumMULCommand NumMULCommand");
    QCOMPARE(Caption("Label1"), QStringLiteral("X"));
    QCOMPARE(Caption("Label3"), QStringLiteral("K"));
    Click("Num2Command NumEqCommand");
    QCOMPARE(Display(), QStringLiteral("30"));
    Click("NumMCommand");
    QCOMPARE(Caption("Label2"), QStringLiteral("M"));
    Click("NumACCommand");
    QCOMPARE(Display(), QStringLiteral("0"));
    QCOMPARE(Caption("Label3"), QString());
    QCOMPARE(Caption("Label2"), QStringLiteral("M"));
  }

  void typedKeysWorkTheCalculator() {
    QTest::keyClicks(Find("Text1"), QStringLiteral("12+3"));
    QTest::keyClick(Find("Text1"), Qt::Key_Return);
    QCOMPARE(Display(), QStringLiteral("15"));
    QCOMPARE(Caption("Label4"), QStringLiteral("12  +  3"));
    QTest::keyClick(Find("Text1"), Qt::Key_7);  // a new number after the result
    QCOMPARE(Display(), QStringLiteral("7"));
    QTest::keyClicks(Find("Text1"), QStringLiteral("a =."));
    QCOMPARE(Display(), QStringLiteral("7."));
    QTest::keyClick(Find("Text1"), Qt::Key_Backspace);
    QTest::keyClick(Find("Text1"), Qt::Key_Backspace);
    QCOMPARE(Display(), QString());
  }

  void arrowKeyMakesTheShownValueEditable() {
    Click("Num5Command");
    QTest::keyClick(Find("Text1"), Qt::Key_Plus);
    QTest::keyClick(Find("Text1"), Qt::Key_Right);
    QTest::keyClick(Find("Text1"), Qt::Key_3);
    QTest::keyClick(Find("Text1"), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(Display(), QStringLiteral("58"));
    QCOMPARE(Caption("Label4"), QStringLiteral("5  +  53"));
  }

  void keypadTypesAtTheCaretTheUserLeft() {
    Click("Num1Command Num2Command");
    QTest::keyClick(Find("Text1"), Qt::Key_Home);
    Click("Num5Command");
    QCOMPARE(Display(), QStringLiteral("512"));
    QCOMPARE(Find<QLineEdit>("Text1")->cursorPosition(), 1);
  }

  void numericPadOperatorFromTheDecimalPlacesField() {
    Click("Num9Command");
    QTest::mouseClick(Find("TextDecimal"), Qt::LeftButton);
    QCOMPARE(Focused(), Find("TextDecimal"));
    QTest::keyClick(Find("TextDecimal"), Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(Caption("Label1"), QStringLiteral("+"));
    QCOMPARE(Focused(), Find("Text1"));
    QCOMPARE(Find<QLineEdit>("TextDecimal")->text(), QStringLiteral("2"));
  }

  void decimalPlacesFieldFiltersItsKeys() {
    QTest::mouseClick(Find("TextDecimal"), Qt::LeftButton);
    QTest::keyClick(Find("TextDecimal"), Qt::Key_End);
    QTest::keyClicks(Find("TextDecimal"), QStringLiteral("a-.5"));
    QTest::keyClick(Find("TextDecimal"), Qt::Key_Return);
    QCOMPARE(Find<QLineEdit>("TextDecimal")->text(), QStringLiteral("25"));
    QCOMPARE(model->TextDecimal.Text(), std::string("25"));
    QTest::mouseClick(Find("Text1"), Qt::LeftButton);
    QCOMPARE(model->DisplayFormat, std::string("0.000000000000000"));  // at most 15
  }

  void errorsShowInTheStatusBar() {
    Click("Num8Command NumDivCommand Num0Command NumEqCommand");
    QCOMPARE(Caption("Label4"), QStringLiteral("Error! Divide by zero."));
    QCOMPARE(Display(), QStringLiteral("0"));
    Click("NumSqRtCommand");
    QCOMPARE(Caption("Label4"), QStringLiteral("Error! Sqrt negative number or zero."));
    QVERIFY(platform->messages.empty());
  }
};

QTEST_MAIN(Form1WindowTest)
#include "form1_window_test.moc"
