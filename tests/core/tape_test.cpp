// The calculation tape: which work leaves a line, what the line says, how
// many lines are kept, and a line's value brought back into the display.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator_session.h"
#include "core/tape.h"

namespace quorvel {
namespace {

using testing::CalculatorSession;

class TapeSession : public CalculatorSession {
 protected:
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (const TapeLine& line : f.tape.Lines()) lines.push_back(line.text);
    return lines;
  }
};

struct TapeCase {
  const char* keys;
  std::vector<std::string> lines;
};

TEST_F(TapeSession, EveryFinishedCalculationLeavesOneLine) {
  const TapeCase cases[] = {
      {"5 + 3 =", {"5  +  3 = 8"}},
      {"5 + 3 X 2 =", {"5  +  3 = 8", "8 * 2 = 16"}},
      {"9 - 4 =", {"9  -  4 = 5"}},
      {"1 / 4 =", {"1 / 4 = 0.25"}},
      // Constant mode: every equals repeats the operation, and each is a line.
      {"2 + + 3 = =", {"2  +  3 = 5", "2  +  5 = 7"}},
      {"9 Sqr", {"sqrt(9) = 3"}},
      {"3 X^2", {"3^2 = 9"}},
      {"4 1/X", {"1 / 4 = 0.25"}},
      {"1 2 M 5 M+ M-", {"M = 12", "M: 12  +  5 = 17", "M: 17  -  5 = 12"}},
      {"1 2 M MR MC", {"M = 12", "MR = 12", "MC"}},
      // Memory add without memory in use does nothing, and leaves no line.
      {"5 M+ M-", {}},
      // Errors, as the status bar shows them.
      {"5 / 0 =", {"Error! Divide by zero."}},
      {"0 Sqr", {"Error! Sqrt negative number or zero."}},
      {"0 1/X", {"Error! Divide by zero."}},
      // Typing, clearing and the operator key alone finish nothing.
      {"1 2 3 BS +/- C AC +", {}},
  };
  for (const TapeCase& c : cases) {
    SCOPED_TRACE(c.keys);
    f.tape.Clear();
    Keys("AC MC");
    f.tape.Clear();
    Keys(c.keys);
    EXPECT_EQ(Lines(), c.lines);
  }
}

TEST_F(TapeSession, AnOverflowIsAnErrorLine) {
  f.Text1.SetText("1e308");
  Keys("X 1 0 =");
  EXPECT_EQ(Lines(), std::vector<std::string>{"Calculation error! Possibility Overflow."});
  f.Text1.SetText("1e999");
  Keys("Sqr");
  EXPECT_EQ(Lines().back(), "Calculation error! Possibility Overflow.");
}

TEST_F(TapeSession, FinancialResultsCarryTheirCaption) {
  f.TextInterest.SetText("1");
  f.TextN.SetText("12");
  f.TextPV.SetText("1000");
  f.TextPer.SetText("3");
  for (Ctl button : {Ctl::CommandPMT, Ctl::CommandBalance, Ctl::CommandInterestPaid}) {
    f.Click(button);
  }
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Payment -88.85", "Outstanding Balance 761.08",
                                               "Total Interest Payment -27.63"}));
  // A failed function shows its message box and leaves no line.
  f.TextPer.SetText("13");
  f.Click(Ctl::CommandBalance);
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(f.tape.Size(), 3u);
}

TEST_F(TapeSession, KeepsTheNewestTenThousandLines) {
  struct Counter : TapeObserver {
    std::size_t appended = 0, dropped = 0, cleared = 0;
    void TapeAppended(std::size_t d) override {
      ++appended;
      dropped += d;
    }
    void TapeCleared() override { ++cleared; }
  } counter;
  Tape tape;
  tape.SetObserver(&counter);
  for (int i = 0; i < 10005; ++i) tape.Append({"line " + std::to_string(i), "", ""});
  EXPECT_EQ(tape.Size(), Tape::kMaxLines);
  EXPECT_EQ(tape[0].text, "line 5");
  EXPECT_EQ(tape[Tape::kMaxLines - 1].text, "line 10004");
  EXPECT_EQ(counter.appended, 10005u);
  EXPECT_EQ(counter.dropped, 5u);
  EXPECT_EQ(tape.Text(1, 2), "line 6\nline 7\n");
  EXPECT_EQ(tape.Text(9999, 5), "line 10004\n");
  tape.Clear();
  EXPECT_EQ(tape.Size(), 0u);
  EXPECT_EQ(counter.cleared, 1u);
}

TEST_F(TapeSession, ALineComesBackAsAFinishedValue) {
  Keys("5 + 3 = AC 2 X");
  ASSERT_EQ(f.tape.Size(), 1u);
  ASSERT_TRUE(calc::RecallTapeLine(f, f.tape[0]));
  EXPECT_EQ(f.Text1.Text(), "8");
  EXPECT_EQ(f.Label4.Caption, "5  +  3");
  EXPECT_EQ(f.Focused(), Ctl::Text1);
  // The next digit starts a new number; the recalled value is the operand.
  Keys("4 =");
  EXPECT_EQ(f.Text1.Text(), "32");
  // The recall itself is no calculation.
  EXPECT_EQ(f.tape.Size(), 2u);
  EXPECT_EQ(f.tape[1].text, "8 * 4 = 32");
}

// Whatever was being typed when the line is recalled, the recalled value is
// finished: the next digit starts a new number instead of joining it.
TEST_F(TapeSession, TheDigitAfterARecallStartsANewNumber) {
  const struct {
    const char* before;  // typed after "5 + 3 =", before the recall
    const char* after;
    const char* display;
  } cases[] = {
      {"AC 2", "4", "4"},
      {"AC 2 .", "4", "4"},
      {"7", "4 5", "45"},
      {"AC 2 X", "4 =", "32"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before);
    Keys("AC 5 + 3 =");
    const TapeLine line = f.tape[f.tape.Size() - 1];
    Keys(c.before);
    ASSERT_TRUE(calc::RecallTapeLine(f, line));
    Keys(c.after);
    EXPECT_EQ(f.Text1.Text(), c.display);
  }
}

TEST_F(TapeSession, AFinancialLineComesBackAsItWasShown) {
  f.TextInterest.SetText("1");
  f.TextN.SetText("12");
  f.TextPV.SetText("1000");
  f.Click(Ctl::CommandPMT);
  Keys("AC 7");
  ASSERT_TRUE(calc::RecallTapeLine(f, f.tape[0]));
  EXPECT_EQ(f.Text1.Text(), "-88.85");
  EXPECT_EQ(f.Label4.Caption, "Payment ");
  Keys("X 1 2 =");
  EXPECT_EQ(f.Text1.Text(), "-1066.2");
}

TEST_F(TapeSession, LinesWithoutAValueChangeNothing) {
  Keys("5 / 0 = 7");
  ASSERT_EQ(f.tape.Size(), 1u);
  EXPECT_FALSE(calc::RecallTapeLine(f, f.tape[0]));
  EXPECT_EQ(f.Text1.Text(), "7");
  EXPECT_EQ(f.Label4.Caption, "");
}

}  // namespace
}  // namespace quorvel
