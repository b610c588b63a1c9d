// Thousands of random sessions on the window model: keypad clicks, typed
// keys, focus changes, pastes and function buttons in seeded random order,
// with the model's invariants checked after every step.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "calculator_session.h"
#include "core/calculator.h"
#include "core/number_text.h"

namespace quorvel {
namespace {

const Ctl kKeypad[] = {
    Ctl::Num0Command,      Ctl::Num1Command,      Ctl::Num2Command,    Ctl::Num3Command,
    Ctl::Num4Command,      Ctl::Num5Command,      Ctl::Num6Command,    Ctl::Num7Command,
    Ctl::Num8Command,      Ctl::Num9Command,      Ctl::NumDotCommand,  Ctl::NumSignCommand,
    Ctl::CommandBackSpace, Ctl::NumCCommand,      Ctl::NumACCommand,   Ctl::NumPlusCommand,
    Ctl::NumMinusCommand,  Ctl::NumMULCommand,    Ctl::NumDivCommand,  Ctl::NumEqCommand,
    Ctl::NumSqRtCommand,   Ctl::NumSquareCommand, Ctl::CommandInvertX, Ctl::NumMCommand,
    Ctl::NumMPlusCommand,  Ctl::NumMMinusCommand, Ctl::NumMRCommand,   Ctl::NumMCCommand,
    Ctl::CheckPayment,     Ctl::CommandClear,     Ctl::CommandCF};
const Ctl kFunctions[] = {Ctl::CommandN,       Ctl::CommandInterest,  Ctl::CommandPV,
                          Ctl::CommandFV,      Ctl::CommandPMT,       Ctl::CommandPPMT,
                          Ctl::CommandIPMT,    Ctl::CommandPrincipal, Ctl::CommandInterestPaid,
                          Ctl::CommandBalance, Ctl::CommandNPV,       Ctl::CommandIRR,
                          Ctl::CommandMIRR,    Ctl::CommandEffect,    Ctl::CommandNominal};
const Ctl kBoxes[] = {Ctl::Text1,  Ctl::TextDecimal, Ctl::TextN,   Ctl::TextInterest,
                      Ctl::TextPV, Ctl::TextFV,      Ctl::TextPMT, Ctl::TextPer};
const char* const kPastes[] = {"5",
                               "-1,250.5",
                               "1e308",
                               "-1e308",
                               "abc",
                               "0",
                               "1e-320",
                               "12/12",
                               "3.5",
                               "",
                               "100\n-50",
                               "9"
                               "99999999999999999"};

bool HasNonNumberWord(const std::string& text) {
  std::string lower;
  for (char c : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

class RandomSessions : public testing::CalculatorSession {
 protected:
  struct Snapshot {
    std::vector<std::string> fields;
    std::string display, status;
  };
  Snapshot Take() {
    Snapshot s;
    for (Ctl box : kBoxes) s.fields.push_back(f.TextBoxOf(box)->Text());
    s.display = f.Text1.Text();
    s.status = f.Label4.Caption;
    return s;
  }

  void CheckInvariants(const std::string& step) {
    const std::string& l1 = f.Label1.Caption;
    ASSERT_TRUE(l1.empty() || l1 == "+" || l1 == "-" || l1 == "X" || l1 == "/") << step << l1;
    ASSERT_TRUE(f.Label2.Caption.empty() || f.Label2.Caption == "M") << step;
    ASSERT_TRUE(f.Label3.Caption.empty() || f.Label3.Caption == "K") << step;
    ASSERT_FALSE(HasNonNumberWord(f.Text1.Text())) << step << f.Text1.Text();
    ASSERT_FALSE(HasNonNumberWord(f.Label4.Caption)) << step << f.Label4.Caption;
    for (Ctl box : kBoxes) ASSERT_FALSE(HasNonNumberWord(f.TextBoxOf(box)->Text())) << step;
    ASSERT_TRUE(std::isfinite(f.FirstOperand)) << step;
    ASSERT_TRUE(std::isfinite(f.ConstantValue)) << step;
    ASSERT_TRUE(std::isfinite(f.MemoryValue)) << step;
    // A finished value on display is a readable number, unless equals has
    // just reported that it is not.
    if (f.NewEntry && f.Label4.Caption != calc::kOverflow) {
      ASSERT_TRUE(std::isfinite(TextValue(f.Text1.Text()))) << step;
    }
    ASSERT_NE(ControlOf(f.ActiveField), Ctl::None);
  }
};

TEST_F(RandomSessions, KeepTheirInvariants) {
  const std::string typed = "0123456789.+-*/\r\b.eE$ax=,9999999999";
  int failures_checked = 0;
  for (unsigned seed = 1; seed <= 3000; ++seed) {
    std::mt19937 random(seed);
    auto pick = [&random](std::size_t n) {
      return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    shell::Form_Load(f, module);
    f.SetFocus(Ctl::Text1);
    f.TextDecimal.SetText(std::to_string(pick(6)));
    for (int step = 0; step < 60; ++step) {
      std::string what;
      switch (pick(6)) {
        case 0:
        case 1: {
          const Ctl key = kKeypad[pick(std::size(kKeypad))];
          what = "click " + std::string(ControlName(key));
          if (key == Ctl::CommandCF && pick(4) != 0) continue;  // the unroll is slow-ish
          f.Click(key);
          break;
        }
        case 2: {
          const char c = typed[pick(typed.size())];
          what = std::string("type ") + c;
          f.Type(std::string(1, c));
          break;
        }
        case 3: {
          const Ctl box = kBoxes[pick(std::size(kBoxes))];
          what = "focus " + std::string(ControlName(box));
          f.SetFocus(box);
          break;
        }
        case 4: {
          const std::string text = kPastes[pick(std::size(kPastes))];
          what = "paste " + text;
          platform.clipboard = text;
          f.RaiseClick(pick(3) == 0 ? Ctl::MenuCut : Ctl::MenuPaste);
          break;
        }
        case 5: {
          const Ctl button = kFunctions[pick(std::size(kFunctions))];
          what = "function " + std::string(ControlName(button));
          const Snapshot before = Take();
          const std::size_t messages = platform.messages.size();
          f.Click(button);
          if (platform.messages.size() > messages) {
            ++failures_checked;
            Snapshot after = Take();
            // PV and FV show a result that reads as zero before they report it.
            const bool zero_shown = (button == Ctl::CommandPV || button == Ctl::CommandFV) &&
                                    TextValue(f.Text1.Text()) == 0;
            if (!zero_shown) {
              ASSERT_EQ(after.fields, before.fields) << "seed " << seed << ' ' << what;
              ASSERT_EQ(after.display, before.display) << "seed " << seed << ' ' << what;
              ASSERT_EQ(after.status, before.status) << "seed " << seed << ' ' << what;
            }
          }
          break;
        }
      }
      CheckInvariants("seed " + std::to_string(seed) + " step " + std::to_string(step) + " " +
                      what + ": ");
    }
  }
  EXPECT_GT(failures_checked, 100);  // the sessions did reach the error paths
}

}  // namespace
}  // namespace quorvel
