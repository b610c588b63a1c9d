// The function buttons in the real window.

#include <QFrame>
#include <QPlainTextEdit>

#include "window_fixture.h"

class FunctionsWindowTest : public QObject, public quorvel::testing::WindowFixture {
  Q_OBJECT

  void Type(const char* field, const QString& keys) {
    QTest::mouseClick(Find(field), Qt::LeftButton);
    QTest::keyClicks(Find(field), keys);
  }

 private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void buttonsAreNamedPlacedAndDescribed() {
    const struct {
      const char* name;
      QRect geometry;
      const char* tooltip;
    } buttons[] = {
        {"CommandN", {144, 168, 41, 25}, "Calc payment periods"},
        {"CommandPMT", {336, 168, 41, 25}, "Calc payment made per period"},
        {"CommandBalance", {336, 200, 41, 25}, "Calc outstanding balance at Per period"},
        {"CommandIRR",
         {192, 232, 41, 25},
         "Calc internal rate of return for a series of periodic cash flows"},
        {"CommandEffect", {96, 168, 41, 25}, "Calculate effective annual interest rate"},
        {"CommandNominal", {96, 200, 41, 25}, "Calculate nominal annual interest rate"},
    };
    for (const auto& b : buttons) {
      auto* button = Find<QPushButton>(b.name);
      QCOMPARE(button->geometry(), b.geometry);
      QCOMPARE(button->toolTip(), QString::fromUtf8(b.tooltip));
      QCOMPARE(button->accessibleName(), QString::fromUtf8(b.tooltip));
      QVERIFY(button->text().isEmpty());
    }
  }

  // The Tab key visits the function buttons row by row, the rate
  // conversions first, then the cash-flow and clear buttons.
  void tabVisitsTheFunctionButtonsInOrder() {
    const QStringList expected = {"CommandEffect",    "CommandNominal",      "CommandN",
                                  "CommandInterest",  "CommandPV",           "CommandFV",
                                  "CommandPMT",       "CommandPPMT",         "CommandIPMT",
                                  "CommandPrincipal", "CommandInterestPaid", "CommandBalance",
                                  "CommandIRR",       "CommandMIRR",         "CommandNPV",
                                  "CommandCF",        "CommandClear"};
    QStringList visited;
    QWidget* widget = Find("CheckPayment");
    while (visited.size() < expected.size()) {
      widget = widget->nextInFocusChain();
      if (widget->focusPolicy() & Qt::TabFocus) visited << widget->objectName();
    }
    QCOMPARE(visited, expected);
  }

  void paymentOfALoan() {
    Type("TextInterest", QStringLiteral("1"));
    Type("TextN", QStringLiteral("12"));
    Type("TextPV", QStringLiteral("1000"));
    Click("CommandPMT");
    QCOMPARE(Text("TextPMT"), QStringLiteral("-88.85"));
    QCOMPARE(Text("Text1"), QStringLiteral("-88.85"));
    QCOMPARE(Caption("Label4"), QStringLiteral("Payment "));
    QCOMPARE(Focused(), Find("TextPMT"));
    Click("CheckPayment CommandPMT");
    QCOMPARE(Text("TextPMT"), QStringLiteral("-87.97"));
    Click("CommandN");
    QCOMPARE(Text("TextN"), QStringLiteral("12.00"));
    QVERIFY(platform->messages.empty());
  }

  void failureShowsOneMessageAndChangesNothing() {
    Type("TextPV", QStringLiteral("1000"));
    Click("Num7Command");  // into TextPV, the last entry box
    Click("CommandPMT");
    QCOMPARE(platform->messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(platform->messages[0].text),
             QStringLiteral("Error! Please verify your input parameters.\r\nPMT(Interest, NPer, "
                            "Present Value[, Future Value[, Payment Due]])"));
    QCOMPARE(QString::fromStdString(platform->messages[0].title),
             QStringLiteral("Quorvel Calculator"));
    QCOMPARE(Text("TextPMT"), QString());
    QCOMPARE(Text("Text1"), QStringLiteral("0"));
  }

  void cashFlowsAreTidiedAndAFailureReopensTheEditor() {
    Click("CommandCF");
    auto* list = Find<QPlainTextEdit>("TextCF");
    QTest::keyClicks(list, QStringLiteral("-1000"));
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClicks(list, QStringLiteral("300"));
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClicks(list, QStringLiteral("400"));
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClicks(list, QStringLiteral("500"));
    Type("TextInterest", QStringLiteral("10"));
    QVERIFY(!Find("Frame1")->isVisible());
    Click("CommandNPV");
    QCOMPARE(Text("Text1"), QStringLiteral("-19.12"));
    QCOMPARE(list->toPlainText(), QStringLiteral("-1000.00\n300.00\n400.00\n500.00\n"));
    Click("CommandIRR");
    QCOMPARE(Text("Text1"), QStringLiteral("8.90"));
    QCOMPARE(Caption("Label4"), QStringLiteral("Internal Rate Of Return (%) "));
    QVERIFY(platform->messages.empty());

    Click("CommandClear");
    Click("CommandMIRR");
    QCOMPARE(platform->messages.size(), std::size_t{1});
    QVERIFY(Find("Frame1")->isVisible());
    QCOMPARE(Find("Frame1")->height(), 160);
    QCOMPARE(Focused(), Find("TextCF"));
    QCOMPARE(Text("Text1"), QStringLiteral("8.90"));
  }
};

QTEST_MAIN(FunctionsWindowTest)
#include "functions_window_test.moc"
