// The fifteen function buttons on the window model: arguments from the
// fields, results in the right boxes, captions, focus and the one message of
// every failure.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "calculator_session.h"
#include "finance/function_buttons.h"
#include "finance/function_table.h"

namespace quorvel {
namespace {

using testing::CalculatorSession;

constexpr char kVerify[] = "Error! Please verify your input parameters.\r\n";

class FunctionButtons : public CalculatorSession {
 protected:
  // Fills the panel: NPer, Interest, PV, FV, PMT, Per.
  void Fields(const char* n, const char* interest, const char* pv, const char* fv, const char* pmt,
              const char* per = "") {
    f.TextN.SetText(n);
    f.TextInterest.SetText(interest);
    f.TextPV.SetText(pv);
    f.TextFV.SetText(fv);
    f.TextPMT.SetText(pmt);
    f.TextPer.SetText(per);
  }
  std::string LastMessage() {
    return platform.messages.empty() ? "" : platform.messages.back().text;
  }
};

struct SolverCase {
  Ctl button;
  const char* n;
  const char* interest;
  const char* pv;
  const char* fv;
  const char* pmt;
  bool begin;
  Ctl field;
  const char* shown;
  const char* caption;
};

TEST_F(FunctionButtons, SolversWriteTheSolvedFieldAndTheDisplay) {
  const SolverCase cases[] = {
      {Ctl::CommandPMT, "12", "1", "1000", "", "", false, Ctl::TextPMT, "-88.85", "Payment "},
      {Ctl::CommandPMT, "12", "1", "1000", "", "", true, Ctl::TextPMT, "-87.97", "Payment "},
      {Ctl::CommandN, "", "1", "1000", "", "-88.85", false, Ctl::TextN, "12.00",
       "Number of payment periods "},
      {Ctl::CommandInterest, "12", "", "1000", "", "-88.85", false, Ctl::TextInterest, "1.00",
       "Interest Rate "},
      {Ctl::CommandFV, "120", "0.5", "", "", "-100", false, Ctl::TextFV, "16387.93",
       "Future Value "},
      {Ctl::CommandFV, "120", "0.5", "", "", "-100", true, Ctl::TextFV, "16469.87",
       "Future Value "},
      {Ctl::CommandPV, "10", "8", "", "", "-500", false, Ctl::TextPV, "3355.04", "Present Value "},
      {Ctl::CommandPV, "10", "0", "", "", "-500", false, Ctl::TextPV, "5000.00", "Present Value "},
      {Ctl::CommandPMT, "30*12", "6/12", "100000", "", "", false, Ctl::TextPMT, "-599.55",
       "Payment "},
      {Ctl::CommandInterest, "50", "", "-250", "", "35", false, Ctl::TextInterest, "13.98",
       "Interest Rate "},
  };
  for (const auto& c : cases) {
    Fields(c.n, c.interest, c.pv, c.fv, c.pmt);
    f.SetValue(Ctl::CheckPayment, c.begin ? 1 : 0);
    f.Click(c.button);
    EXPECT_EQ(f.TextBoxOf(c.field)->Text(), c.shown) << ControlName(c.button);
    EXPECT_EQ(f.Text1.Text(), c.shown) << ControlName(c.button);
    EXPECT_EQ(f.Label4.Caption, c.caption);
    EXPECT_EQ(f.Focused(), c.field);
    EXPECT_TRUE(platform.messages.empty()) << LastMessage();
  }
}

TEST_F(FunctionButtons, ASolveLeavesTheOtherFieldsAndTheCalculator) {
  Keys("7 + 2");
  Fields("12", "1", "1000", "", "");
  f.Click(Ctl::CommandPMT);
  EXPECT_EQ(f.TextN.Text(), "12");
  EXPECT_EQ(f.TextInterest.Text(), "1");
  EXPECT_EQ(f.TextPV.Text(), "1000");
  EXPECT_EQ(f.TextFV.Text(), "");
  EXPECT_EQ(f.PendingOperator, "+");
  EXPECT_EQ(f.FirstOperand, 7);
  EXPECT_EQ(f.ActiveField, Field::TextPMT);
  // The result is an ordinary display value for the calculator.
  Keys("=");
  EXPECT_EQ(f.Text1.Text(), "-81.85");
}

struct AmortizationCase {
  Ctl button;
  const char* per;
  bool begin;
  const char* shown;
};

TEST_F(FunctionButtons, AmortizationShowsInTheDisplayOnly) {
  const AmortizationCase cases[] = {
      {Ctl::CommandPPMT, "1", false, "-78.85"},
      {Ctl::CommandIPMT, "1", false, "-10.00"},
      {Ctl::CommandPPMT, "2", false, "-79.64"},
      {Ctl::CommandIPMT, "2", false, "-9.21"},
      {Ctl::CommandPrincipal, "3", false, "-238.92"},
      {Ctl::CommandInterestPaid, "3", false, "-27.63"},
      {Ctl::CommandBalance, "3", false, "761.08"},
      {Ctl::CommandPrincipal, "12", false, "-1000.00"},
      {Ctl::CommandInterestPaid, "12", false, "-66.19"},
      {Ctl::CommandBalance, "12", false, "0.00"},
      {Ctl::CommandPPMT, "1", true, "-87.97"},
      {Ctl::CommandIPMT, "1", true, "0.00"},
      {Ctl::CommandPrincipal, "3", true, "-246.46"},
      {Ctl::CommandInterestPaid, "3", true, "-17.45"},
      {Ctl::CommandBalance, "3", true, "753.54"},
  };
  for (const auto& c : cases) {
    Fields("12", "1", "1000", "", "", c.per);
    f.SetValue(Ctl::CheckPayment, c.begin ? 1 : 0);
    f.Click(c.button);
    EXPECT_EQ(f.Text1.Text(), c.shown) << ControlName(c.button) << " per " << c.per;
    EXPECT_EQ(f.TextPer.Text(), c.per);
    EXPECT_EQ(f.Focused(), Ctl::Text1);
    EXPECT_TRUE(platform.messages.empty()) << LastMessage();
  }
  f.SetValue(Ctl::CheckPayment, 0);
  Fields("12", "0", "1000", "", "", "3");
  f.Click(Ctl::CommandPrincipal);
  EXPECT_EQ(f.Text1.Text(), "-250.00");
  f.Click(Ctl::CommandBalance);
  EXPECT_EQ(f.Text1.Text(), "750.00");
  EXPECT_EQ(f.Label4.Caption, "Outstanding Balance ");
}

struct FailureCase {
  Ctl button;
  const char* n;
  const char* interest;
  const char* pv;
  const char* pmt;
  const char* per;
  const char* signature;
};

TEST_F(FunctionButtons, FailuresShowOneMessageAndChangeNothing) {
  const FailureCase cases[] = {
      {Ctl::CommandN, "", "0", "1000", "0", "",
       "NPer(Interest, Payment, Present Value[, Future Value[, Payment Due]])"},
      {Ctl::CommandPMT, "", "1", "1000", "", "",
       "PMT(Interest, NPer, Present Value[, Future Value[, Payment Due]])"},
      {Ctl::CommandPMT, "12/0", "1", "1000", "", "",
       "PMT(Interest, NPer, Present Value[, Future Value[, Payment Due]])"},
      {Ctl::CommandPMT, "12", "5/", "1000", "", "",
       "PMT(Interest, NPer, Present Value[, Future Value[, Payment Due]])"},
      {Ctl::CommandPPMT, "12", "1", "1000", "", "13",
       "PPMT(Interest, Per, NPer, Present Value[, Future Value[, Payment Due]])"},
      {Ctl::CommandIPMT, "12", "1", "1000", "", "0",
       "IPMT(Interest, Per, NPer, Present Value[, Future Value[, Payment Due]])"},
      {Ctl::CommandPrincipal, "12", "1", "1000", "", "13",
       "TPPMT(Interest, Per, NPer, Present Value[, Future Value[, Payment Due]])"},
      {Ctl::CommandInterestPaid, "12", "0", "1000", "", "3",
       "TIPMT(Interest, Per, NPer, Present Value[, Future Value[, Payment Due]])"},
      {Ctl::CommandBalance, "12", "1", "1000", "", "",
       "BAL(Interest, Per, NPer, Present Value[, Future Value[, Payment Due]])"},
      {Ctl::CommandEffect, "0.5", "12", "", "", "", "EFFECT(Interest, NPer)"},
      {Ctl::CommandNominal, "12", "-5", "", "", "", "NOMINAL(Interest, NPer)"},
      {Ctl::CommandEffect, "12/0", "12", "", "", "", "EFFECT(Interest, NPer)"},
  };
  for (const auto& c : cases) {
    Fields(c.n, c.interest, c.pv, "", c.pmt, c.per);
    f.Text1.SetText("42");
    f.Label4.Caption = "status";
    platform.messages.clear();
    f.Click(c.button);
    ASSERT_EQ(platform.messages.size(), 1u) << ControlName(c.button);
    EXPECT_EQ(platform.messages[0].text, kVerify + std::string(c.signature));
    EXPECT_EQ(platform.messages[0].title, "Quorvel Calculator");
    EXPECT_EQ(f.Text1.Text(), "42") << ControlName(c.button);
    EXPECT_EQ(f.Label4.Caption, "status");
    EXPECT_EQ(f.TextN.Text(), c.n);
    EXPECT_EQ(f.TextInterest.Text(), c.interest);
    EXPECT_EQ(f.TextPMT.Text(), c.pmt);
    EXPECT_FALSE(f.Frame1.Visible);
  }
}

TEST_F(FunctionButtons, AFieldBeyondTheRangeIsAnError) {
  const std::string huge = "1" + std::string(400, '0');
  Fields("10", "8", huge.c_str(), "", "-500");
  f.Click(Ctl::CommandFV);
  EXPECT_EQ(LastMessage(),
            std::string(kVerify) + "FV(Interest, NPer, Payment[, Present Value[, Payment Due]])");
  EXPECT_EQ(f.TextFV.Text(), "");
}

TEST_F(FunctionButtons, RateMessageAsksForAnEstimate) {
  Fields("10", "", "100", "100", "0");
  f.Click(Ctl::CommandInterest);
  EXPECT_EQ(LastMessage(), std::string(kVerify) +
                               "Or provide your estimate Rate.\r\n"
                               "Rate(NPer, Payment, Present Value[, Future Value[, Payment "
                               "Due[, Interest/guess]]])");
  EXPECT_EQ(f.TextInterest.Text(), "");
}

TEST_F(FunctionButtons, ZeroPresentOrFutureValueIsShownThenReported) {
  Fields("", "", "", "", "");
  f.Click(Ctl::CommandPV);
  EXPECT_EQ(f.TextPV.Text(), "0.00");
  EXPECT_EQ(f.Text1.Text(), "0.00");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(LastMessage(),
            std::string(kVerify) + "PV(Interest, NPer, Payment[, Future Value[, Payment Due]])");
  Fields("1", "0", "0.004", "", "");
  f.Click(Ctl::CommandFV);
  EXPECT_EQ(f.TextFV.Text(), "0.00");
  EXPECT_EQ(platform.messages.size(), 2u);
  // A payment too small to show is shown without a message.
  Fields("1", "0", "0.004", "", "");
  f.Click(Ctl::CommandPMT);
  EXPECT_EQ(f.TextPMT.Text(), "0.00");
  EXPECT_EQ(platform.messages.size(), 2u);
}

TEST_F(FunctionButtons, RateConversions) {
  const struct {
    Ctl button;
    const char* interest;
    const char* n;
    const char* shown;
  } cases[] = {
      {Ctl::CommandEffect, "12", "12", "12.68"},
      {Ctl::CommandNominal, "12", "12", "11.39"},
      {Ctl::CommandNominal, "12.682503", "12", "12.00"},
      {Ctl::CommandEffect, "12", "1", "12.00"},
      {Ctl::CommandNominal, "12", "1", "12.00"},
      {Ctl::CommandNominal, "12", "4", "11.49"},
      {Ctl::CommandEffect, "12", "2.5", "12.44"},
      {Ctl::CommandEffect, "12/12", "12", "1.00"},
  };
  for (const auto& c : cases) {
    Fields(c.n, c.interest, "", "", "");
    f.Click(c.button);
    EXPECT_EQ(f.Text1.Text(), c.shown) << ControlName(c.button) << ' ' << c.interest;
  }
  EXPECT_TRUE(platform.messages.empty()) << LastMessage();
}

TEST_F(FunctionButtons, DecimalPlacesApplyFromTheNextResult) {
  Fields("12", "1", "1000", "", "");
  f.SetFocus(Ctl::TextDecimal);
  f.TextDecimal.SetText("4");
  f.Click(Ctl::CommandPMT);
  EXPECT_EQ(f.TextPMT.Text(), "-88.8488");
  f.TextDecimal.SetText("0");
  f.SetFocus(Ctl::TextDecimal);
  f.Click(Ctl::CommandPMT);
  EXPECT_EQ(f.TextPMT.Text(), "-89");
}

class CashFlowButtons : public FunctionButtons {
 protected:
  void List(const std::string& text) { f.TextCF.SetText(text); }
};

TEST_F(CashFlowButtons, NetPresentValueAndRatesOfReturn) {
  const struct {
    Ctl button;
    const char* interest;
    const char* per;
    const char* shown;
    const char* caption;
  } cases[] = {
      {Ctl::CommandNPV, "10", "", "-19.12", "Net Present Value "},
      {Ctl::CommandIRR, "", "", "8.90", "Internal Rate Of Return (%) "},
      {Ctl::CommandIRR, "8.9", "", "8.90", "Internal Rate Of Return (%) "},
      {Ctl::CommandMIRR, "10", "12", "9.82", "Modified Internal Rate Of Return (%) "},
  };
  for (const auto& c : cases) {
    List("-1000\r\n300\r\n400\r\n500");
    Fields("", c.interest, "", "", "", c.per);
    f.Click(c.button);
    EXPECT_EQ(f.Text1.Text(), c.shown) << ControlName(c.button);
    EXPECT_EQ(f.Label4.Caption, c.caption);
    EXPECT_EQ(f.TextCF.Text(), "-1000.00\r\n300.00\r\n400.00\r\n500.00\r\n");
    EXPECT_EQ(f.Focused(), Ctl::Text1);
    EXPECT_FALSE(f.Frame1.Visible);
  }
  EXPECT_TRUE(platform.messages.empty()) << LastMessage();
}

// Lines of words, "$" or group separators are no longer dropped but
// reported (see the cash-flow list's own tests); empty lines still go.
TEST_F(CashFlowButtons, ListIsTidiedAndEmptyLinesGo) {
  List("\r\n-1000\r\n300\r\n\r\n 400 \r\n1000\r\n500");
  Fields("", "10", "", "", "");
  f.Click(Ctl::CommandNPV);
  EXPECT_EQ(f.TextCF.Text(), "-1000.00\r\n300.00\r\n400.00\r\n1000.00\r\n500.00\r\n");
  const std::vector<double> expected = {-1000, 300, 400, 1000, 500};
  EXPECT_EQ(f.CashFlows, expected);
}

TEST_F(CashFlowButtons, FailuresReopenTheEditor) {
  const struct {
    Ctl button;
    const char* list;
    const char* message;
  } cases[] = {
      {Ctl::CommandNPV, "", "NPV(Interest, Cash Flows)"},
      {Ctl::CommandIRR, "", "Or provide your estimate Rate.\r\nIRR(Cash Flows[,Interest/guess])"},
      {Ctl::CommandMIRR, "", "MIRR(Cash Flows,Interest, Reinvest Rate)"},
      {Ctl::CommandNPV, "0\r\n-1000\r\n600\r\n600", "NPV(Interest, Cash Flows)"},
      {Ctl::CommandIRR, "100\r\n200",
       "Or provide your estimate Rate.\r\nIRR(Cash Flows[,Interest/guess])"},
      {Ctl::CommandMIRR, "100\r\n200", "MIRR(Cash Flows,Interest, Reinvest Rate)"},
  };
  for (const auto& c : cases) {
    f.SetFocus(Ctl::Text1);
    List(c.list);
    Fields("", "10", "", "", "", "12");
    f.Text1.SetText("42");
    platform.messages.clear();
    f.Click(c.button);
    ASSERT_EQ(platform.messages.size(), 1u) << ControlName(c.button) << " " << c.list;
    EXPECT_EQ(LastMessage(), kVerify + std::string(c.message));
    EXPECT_TRUE(f.Frame1.Visible);
    EXPECT_EQ(f.Frame1.Height, 2400);
    EXPECT_EQ(f.Focused(), Ctl::TextCF);
    EXPECT_EQ(f.Text1.Text(), "42");
  }
}

TEST_F(CashFlowButtons, IrrAndMirrAcceptAFirstValueOfZero) {
  // IRR: -1000 z^2 + 600 z + 600 = 0 in z = 1 + r, so z = (600 + sqrt(2760000)) / 2000.
  // MIRR: ((600 x 1.12 + 600) / (1000 / 1.1))^(1/3) - 1.
  const struct {
    Ctl button;
    const char* shown;
  } cases[] = {{Ctl::CommandIRR, "13.07"}, {Ctl::CommandMIRR, "11.85"}};
  for (const auto& c : cases) {
    List("0\r\n-1000\r\n600\r\n600");
    Fields("", "10", "", "", "", "12");
    f.Click(c.button);
    EXPECT_EQ(f.Text1.Text(), c.shown) << ControlName(c.button);
    EXPECT_EQ(f.TextCF.Text(), "0.00\r\n-1000.00\r\n600.00\r\n600.00\r\n");
    EXPECT_TRUE(platform.messages.empty()) << ControlName(c.button) << LastMessage();
  }
}

// The list is read and written with "." for the decimal point, the only
// one its key filter lets in, whatever the user's format; it used to be
// written with the user's separator, which the filter then refused.
TEST_F(CashFlowButtons, ListIsReadAndWrittenWithThePointInEveryFormat) {
  const NumberFormat formats[] = {{",", "."}, {",", "\u202F"}, {".", ","}};
  for (const NumberFormat& format : formats) {
    platform.number_format = format;
    List("-1000\r\n300\r\n400.5\r\n500");
    Fields("", "10", "", "", "");
    f.Click(Ctl::CommandNPV);
    const std::string first = f.Text1.Text();
    const char* tidy = "-1000.00\r\n300.00\r\n400.50\r\n500.00\r\n";
    EXPECT_EQ(f.TextCF.Text(), tidy);
    f.Click(Ctl::CommandNPV);  // the tidied list reads back as the same values
    EXPECT_EQ(f.Text1.Text(), first) << format.decimal_separator;
    EXPECT_EQ(f.TextCF.Text(), tidy);
    const std::vector<double> expected = {-1000, 300, 400.5, 500};
    EXPECT_EQ(f.CashFlows, expected);
  }
  EXPECT_TRUE(platform.messages.empty()) << LastMessage();
}

TEST_F(CashFlowButtons, RoundedValuesAreUsedFromTheNextClick) {
  f.TextDecimal.SetText("0");
  f.SetFocus(Ctl::TextDecimal);
  f.SetFocus(Ctl::Text1);
  List("-1000\r\n300.4\r\n800");
  Fields("", "10", "", "", "");
  f.Click(Ctl::CommandNPV);
  EXPECT_EQ(f.CashFlows[1], 300.4);
  EXPECT_EQ(f.TextCF.Text(), "-1000\r\n300\r\n800\r\n");
  f.Click(Ctl::CommandNPV);
  EXPECT_EQ(f.CashFlows[1], 300);
}

// The table of functions is the only place a function is described; what a
// new entry gets wrong shows here rather than as a button that does another
// function's work.
TEST(FunctionTable, EveryEntryIsItsOwn) {
  std::set<Ctl> buttons;
  std::set<std::string_view> names, pages;
  std::set<std::pair<int, int>> places;
  for (const finance::FunctionDescriptor& function : finance::kFunctions) {
    const std::string_view name = function.Name();
    EXPECT_TRUE(buttons.insert(function.button).second) << name;
    EXPECT_TRUE(names.insert(name).second) << name;
    EXPECT_TRUE(pages.insert(function.help_page).second) << name;
    EXPECT_TRUE(places.insert({function.place.left, function.place.top}).second) << name;
    EXPECT_TRUE(std::string_view(function.signature).ends_with(")")) << name;
    EXPECT_TRUE(std::string_view(function.caption).ends_with(" ")) << name;
    EXPECT_FALSE(name.empty() || name.size() == std::string_view(function.signature).size());
    EXPECT_EQ(finance::FunctionNamed(name), &function);
    EXPECT_NE(function.call.evaluate, nullptr) << name;
  }
}

// Every button in the table is wired to its own entry: with one set of
// fields that suits them all, each click ends in its own caption.
TEST_F(CashFlowButtons, EveryFunctionButtonRunsItsOwnFunction) {
  for (const finance::FunctionDescriptor& function : finance::kFunctions) {
    f.Label4.Caption = "";
    List("-1000\r\n300\r\n400\r\n500");
    Fields("12", "1", "1000", "", "-100", "3");
    f.Click(function.button);
    EXPECT_EQ(f.Label4.Caption, function.caption) << function.Name();
  }
  EXPECT_TRUE(platform.messages.empty()) << LastMessage();
}

TEST(GetRateOrPeriod, EvaluatesOneQuotientOrProduct) {
  const struct {
    const char* text;
    std::optional<double> value;
  } cases[] = {
      {"12/12", 1}, {"30*12", 360},      {"2*3/4", 0.5},  {"12/4/2", 3},
      {"12/", {}},  {"5/0", {}},         {"0/0", {}},     {"abc", 0},
      {"1,000", 1}, {" 1 000", 1000},    {"-2.5x", -2.5}, {"", 0},
      {"6/-3", -2}, {"1e300*1e300", {}}, {"1e400", {}},   {"1/1e-320", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(finance::GetRateOrPeriod(c.text), c.value) << c.text;
  }
}

}  // namespace
}  // namespace quorvel
