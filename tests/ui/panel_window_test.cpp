// The input panel and the cash-flow editor in the real window.

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QPlainTextEdit>
#include <QTimer>

#include "window_fixture.h"

class PanelWindowTest : public QObject, public quorvel::testing::WindowFixture {
  Q_OBJECT

  void TypeInto(const char* name, const QString& keys) {
    QTest::mouseClick(Find(name), Qt::LeftButton);
    QTest::keyClick(Find(name), Qt::Key_End);
    QTest::keyClicks(Find(name), keys);
  }

 private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void panelControlsAreNamedAndPlaced() {
    for (const char* name :
         {"TextN",        "TextInterest", "TextPV",   "TextFV",       "TextPMT",      "TextPer",
          "Label5",       "Label6",       "Label7",   "Label8",       "Label9",       "Label10",
          "Label11",      "Label12",      "Label13",  "CheckPayment", "CommandClear", "Frame1",
          "LabelLineNum", "TextCF",       "CommandCF"}) {
      QVERIFY2(Find(name), name);
    }
    QCOMPARE(Caption("Label6"), QStringLiteral("NPer"));
    QCOMPARE(Caption("Label8"), QStringLiteral("Present Value"));
    QCOMPARE(Caption("Label5"), QStringLiteral("Per / "));
    QCOMPARE(Caption("Label11"), QStringLiteral("Reinvest Rate"));
    QCOMPARE(Caption("Label12"), QStringLiteral("Cash Flows"));
    QCOMPARE(Find("Label7")->toolTip(), QStringLiteral("Interest per period, in percentage"));
    QCOMPARE(Find<QCheckBox>("CheckPayment")->text(), QStringLiteral("Payment At End Period"));
    QCOMPARE(Find("TextPV")->geometry(), QRect(120, 128, 81, 19));
    QCOMPARE(Find<QLineEdit>("TextPV")->alignment() & Qt::AlignRight, Qt::AlignRight);
    QCOMPARE(Find("CommandClear")->accessibleName(),
             QStringLiteral("Clear all financial calculator inputs"));
    QCOMPARE(Find("CommandCF")->accessibleName(), QStringLiteral("Enter or view cash flows"));
    QVERIFY(!Find("Frame1")->isVisible());
  }

  void tabOrderRunsFromTheDisplayThroughTheFields() {
    QCOMPARE(Focused(), Find("Text1"));
    for (const char* name : {"TextN", "TextInterest", "TextPV", "TextFV", "TextPMT", "TextPer"}) {
      QTest::keyClick(Focused(), Qt::Key_Tab);
      QCOMPARE(Focused(), Find(name));
    }
    QCOMPARE(model->ActiveField, quorvel::Field::TextPer);
  }

  void fieldsFilterTheirKeys() {
    TypeInto("TextPV", QStringLiteral("1.5.x/"));
    QCOMPARE(Text("TextPV"), QStringLiteral("1.5"));
    QTest::keyClick(Find("TextPV"), Qt::Key_Home);
    QTest::keyClick(Find("TextPV"), Qt::Key_Minus);
    QCOMPARE(Text("TextPV"), QStringLiteral("-1.5"));
    TypeInto("TextN", QStringLiteral("30*12*-"));
    QCOMPARE(Text("TextN"), QStringLiteral("30*12"));
    TypeInto("TextInterest", QStringLiteral("6/12-"));
    QCOMPARE(Text("TextInterest"), QStringLiteral("-6/12"));
    QCOMPARE(model->TextInterest.Text(), std::string("-6/12"));
  }

  void keypadTypesIntoTheFieldLastInFocus() {
    QTest::mouseClick(Find("TextPMT"), Qt::LeftButton);
    QTest::mouseClick(Find("TextDecimal"), Qt::LeftButton);
    Click("Num5Command NumDotCommand Num2Command NumSignCommand");
    QCOMPARE(Text("TextPMT"), QStringLiteral("-5.2"));
    QCOMPARE(Focused(), Find("TextPMT"));
    QCOMPARE(Text("Text1"), QStringLiteral("0"));
    QTest::mouseClick(Find("TextN"), Qt::LeftButton);
    Click("Num3Command Num0Command NumMULCommand Num1Command Num2Command NumDivCommand");
    QCOMPARE(Text("TextN"), QStringLiteral("30*12"));
    QCOMPARE(Caption("Label1"), QString());
  }

  void paymentTimingBoxSaysItsState() {
    QTest::mouseClick(Find("TextPV"), Qt::LeftButton);
    Click("CheckPayment");
    QCOMPARE(Find<QCheckBox>("CheckPayment")->text(), QStringLiteral("Payment At Begin Period"));
    QVERIFY(Find<QCheckBox>("CheckPayment")->isChecked());
    QCOMPARE(Focused(), Find("Text1"));
    QCOMPARE(model->ActiveField, quorvel::Field::Text1);
    QTest::keyClick(Find("Text1"), Qt::Key_Tab);
    Click("CheckPayment");
    QCOMPARE(Find<QCheckBox>("CheckPayment")->text(), QStringLiteral("Payment At End Period"));
    QVERIFY(!Find<QCheckBox>("CheckPayment")->isChecked());
  }

  void clearEmptiesTheFields() {
    TypeInto("TextPV", QStringLiteral("1000"));
    TypeInto("TextPer", QStringLiteral("3"));
    Click("CommandClear");
    QCOMPARE(Text("TextPV"), QString());
    QCOMPARE(Text("TextPer"), QString());
    QCOMPARE(Focused(), Find("Text1"));
  }

  void cashFlowEditorOpensTracksLinesAndHides() {
    Click("CommandCF");
    QVERIFY(Find("Frame1")->isVisible());
    QCOMPARE(Find("Frame1")->height(), 160);
    QCOMPARE(Focused(), Find("TextCF"));
    QCOMPARE(Caption("LabelLineNum"), QStringLiteral(" 1"));
    auto* list = Find<QPlainTextEdit>("TextCF");
    QTest::keyClicks(list, QStringLiteral("-1000a"));
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClicks(list, QStringLiteral("300 x"));
    QTest::keyClick(list, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(list, QStringLiteral("400"));
    QCOMPARE(model->TextCF.Text(), std::string("-1000\r\n300\r\n400"));
    QCOMPARE(list->toPlainText(), QStringLiteral("-1000\n300\n400"));
    QCOMPARE(Caption("LabelLineNum"), QStringLiteral(" 3"));
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(Caption("LabelLineNum"), QStringLiteral(" 2"));
    QCOMPARE(model->TextCF.SelStart(), 10);  // after "300" in the model's CR LF text
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Backspace);
    QCOMPARE(model->TextCF.Text(), std::string("-1000300\r\n400"));
    QCOMPARE(Caption("LabelLineNum"), QStringLiteral(" 1"));
    QTest::mouseClick(Find("Text1"), Qt::LeftButton);
    QVERIFY(!Find("Frame1")->isVisible());
    Click("CommandCF");
    QCOMPARE(list->toPlainText(), QStringLiteral("-1000300\n400"));
  }

  void lineIndicatorCountsCharactersOfPastedText() {
    // "€" is three bytes and one UTF-16 unit, "𝟙" four bytes and two units;
    // the caret and the indicator count characters.
    Click("CommandCF");
    QApplication::clipboard()->setText(QStringLiteral("€€\n𝟙5\n€"));
    window->findChild<QAction*>(QStringLiteral("MenuPaste"))->trigger();
    auto* list = Find<QPlainTextEdit>("TextCF");
    QCOMPARE(model->TextCF.Text(), std::string("€€\r\n𝟙5\r\n€"));
    const struct {
      Qt::Key key;
      int caret;
      const char* shown;
    } moves[] = {{Qt::Key_Home, 8, " 3"}, {Qt::Key_Up, 4, " 2"},   {Qt::Key_End, 6, " 2"},
                 {Qt::Key_Left, 5, " 2"}, {Qt::Key_Left, 4, " 2"}, {Qt::Key_Up, 0, " 1"},
                 {Qt::Key_End, 2, " 1"},  {Qt::Key_Down, 6, " 2"}};
    for (const auto& move : moves) {
      QTest::keyClick(list, move.key);
      QCOMPARE(model->TextCF.SelStart(), move.caret);
      QCOMPARE(Caption("LabelLineNum"), QString::fromLatin1(move.shown));
    }
  }

  void secondClickDuringTheUnrollEndsFullyOpen() {
    // A zero timer runs at every pass of the unroll through the event loop.
    int clicked_at = -1;
    QTimer poll;
    poll.setInterval(0);
    connect(&poll, &QTimer::timeout, [&] {
      if (clicked_at < 0 && model->Frame1.Height >= 1000) {
        clicked_at = model->Frame1.Height;
        QTest::mouseClick(Find("CommandCF"), Qt::LeftButton);
      }
    });
    poll.start();
    Click("CommandCF");
    poll.stop();
    QCOMPARE(clicked_at, 1000);
    QCOMPARE(model->Frame1.Height, 2400);
    QCOMPARE(Find("Frame1")->height(), 160);
    QVERIFY(Find("Frame1")->isVisible());
    QCOMPARE(Focused(), Find("TextCF"));
  }

  void closingDuringTheUnrollStopsIt() {
    QTimer::singleShot(0, window.get(), [this] { window->close(); });
    Click("CommandCF");
    QVERIFY(!window->isVisible());
    QVERIFY(model->Unloading);
    QCOMPARE(model->Frame1.Height, 2400);
  }

  // A line the list cannot read is not dropped: the editor opens again with
  // the caret at its start, the list as typed.
  void unreadableLineOpensTheEditorOnIt() {
    TypeInto("TextInterest", QStringLiteral("10"));
    Click("CommandCF");
    auto* list = Find<QPlainTextEdit>("TextCF");
    QTest::keyClicks(list, QStringLiteral("-1000"));
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClicks(list, QStringLiteral("1.2.3"));
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClicks(list, QStringLiteral("600"));
    Click("CommandNPV");
    QCOMPARE(platform->messages.size(), std::size_t{1});
    QCOMPARE(Focused(), list);
    QCOMPARE(list->toPlainText(), QStringLiteral("-1000\n1.2.3\n600"));
    QCOMPARE(list->textCursor().blockNumber(), 1);
    QCOMPARE(list->textCursor().positionInBlock(), 0);
    QCOMPARE(Caption("LabelLineNum"), QStringLiteral(" 2"));
    QCOMPARE(Text("Text1"), QStringLiteral("0"));
  }

  void keypadFromTheListOnlyFocusesTheDisplay() {
    Click("CommandCF");
    QTest::keyClicks(Find("TextCF"), QStringLiteral("5"));
    Click("Num7Command");
    QCOMPARE(Focused(), Find("Text1"));
    QCOMPARE(Text("Text1"), QStringLiteral("0"));
    QVERIFY(!Find("Frame1")->isVisible());
  }
};

QTEST_MAIN(PanelWindowTest)
#include "panel_window_test.moc"
