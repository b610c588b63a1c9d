// The function buttons on money that flows the other way (a savings plan,
// with a negative present value) and on loans with a balloon future value;
// the estimate of the rate solvers (typed, empty, and deciding between two
// valid rates); and answers checked against references worked out without
// the engine: period-by-period schedules and closed forms evaluated with
// 50-digit decimals (Python's decimal module), and cash flows built from a
// chosen rate.

#include <gtest/gtest.h>

#include <string>

#include "calculator_session.h"

namespace quorvel {
namespace {

using testing::CalculatorSession;

class SignAndEstimate : public CalculatorSession {
 protected:
  struct Panel {
    const char* n = "";
    const char* interest = "";
    const char* pv = "";
    const char* fv = "";
    const char* pmt = "";
    const char* per = "";
    bool begin = false;
  };
  void Fill(const Panel& p) {
    f.TextN.SetText(p.n);
    f.TextInterest.SetText(p.interest);
    f.TextPV.SetText(p.pv);
    f.TextFV.SetText(p.fv);
    f.TextPMT.SetText(p.pmt);
    f.TextPer.SetText(p.per);
    f.SetValue(Ctl::CheckPayment, p.begin ? 1 : 0);
  }
  void Decimals(const char* count) {
    f.TextDecimal.SetText(count);
    f.SetFocus(Ctl::TextDecimal);
    f.SetFocus(Ctl::Text1);
  }
  std::string Messages() {
    std::string all;
    for (const auto& m : platform.messages) all += m.text + "\n";
    return all;
  }
};

struct Row {
  Ctl button;
  const char* n;
  const char* interest;
  const char* pv;
  const char* fv;
  const char* pmt;
  const char* per;
  bool begin;
  const char* shown;
};

TEST_F(SignAndEstimate, EveryFunctionOnASavingsPlanAndOnABalloonLoan) {
  // References: the schedule of balances b(k) = b(k-1) (1 + r) + pmt (with
  // payments in advance, b(k) = (b(k-1) + pmt) (1 + r)), the interest part
  // of payment k being -r times the balance it pays interest on; NPer and
  // Rate by bisection of the annuity equation. All in 50-digit decimals.
  const Row rows[] = {
      // A savings plan: 1000 paid in (negative), drawn down by 12 payments out.
      {Ctl::CommandPMT, "12", "1", "-1000", "", "", "", false, "88.85"},
      {Ctl::CommandPMT, "12", "1", "-1000", "", "", "", true, "87.97"},
      {Ctl::CommandPPMT, "12", "1", "-1000", "", "", "1", false, "78.85"},
      {Ctl::CommandIPMT, "12", "1", "-1000", "", "", "1", false, "10.00"},
      {Ctl::CommandIPMT, "12", "1", "-1000", "", "", "2", false, "9.21"},
      {Ctl::CommandPrincipal, "12", "1", "-1000", "", "", "3", false, "238.92"},
      {Ctl::CommandInterestPaid, "12", "1", "-1000", "", "", "3", false, "27.63"},
      {Ctl::CommandBalance, "12", "1", "-1000", "", "", "3", false, "761.08"},
      {Ctl::CommandIPMT, "12", "1", "-1000", "", "", "1", true, "0.00"},
      {Ctl::CommandPPMT, "12", "1", "-1000", "", "", "2", true, "78.85"},
      {Ctl::CommandPrincipal, "12", "1", "-1000", "", "", "3", true, "246.46"},
      {Ctl::CommandInterestPaid, "12", "1", "-1000", "", "", "3", true, "17.45"},
      {Ctl::CommandBalance, "12", "1", "-1000", "", "", "3", true, "753.54"},
      // Saving up: 1000 and 100 a month paid in at 0.5 % a month.
      {Ctl::CommandFV, "120", "0.5", "-1000", "", "-100", "", false, "18207.33"},
      {Ctl::CommandFV, "120", "0.5", "-1000", "", "-100", "", true, "18289.27"},
      {Ctl::CommandPV, "120", "0.5", "", "20000", "-100", "", false, "-1985.31"},
      {Ctl::CommandPMT, "120", "0.5", "-1000", "20000", "", "", false, "-110.94"},
      {Ctl::CommandN, "", "0.5", "-1000", "20000", "-100", "", false, "129.19"},
      {Ctl::CommandInterest, "120", "", "-1000", "20000", "-100", "", false, "0.63"},
      // A loan of 1000 with 500 left to pay at the end.
      {Ctl::CommandPMT, "12", "1", "1000", "-500", "", "", false, "-49.42"},
      {Ctl::CommandPMT, "12", "1", "1000", "-500", "", "", true, "-48.94"},
      {Ctl::CommandFV, "12", "1", "1000", "", "-49.42", "", false, "-500.06"},
      {Ctl::CommandFV, "12", "1", "1000", "", "-48.94", "", true, "-499.94"},
      {Ctl::CommandPV, "12", "1", "", "-500", "-49.42", "", false, "999.95"},
      {Ctl::CommandPV, "12", "1", "", "-500", "-48.94", "", true, "1000.06"},
      {Ctl::CommandN, "", "1", "1000", "-500", "-49.42", "", false, "12.00"},
      {Ctl::CommandInterest, "12", "", "1000", "-500", "-49.42", "", false, "1.00"},
      {Ctl::CommandPPMT, "12", "1", "1000", "-500", "", "1", false, "-39.42"},
      {Ctl::CommandIPMT, "12", "1", "1000", "-500", "", "2", false, "-9.61"},
      {Ctl::CommandPPMT, "12", "1", "1000", "-500", "", "2", true, "-39.42"},
      {Ctl::CommandPrincipal, "12", "1", "1000", "-500", "", "3", false, "-119.46"},
      {Ctl::CommandInterestPaid, "12", "1", "1000", "-500", "", "3", false, "-28.81"},
      {Ctl::CommandBalance, "12", "1", "1000", "-500", "", "3", false, "880.54"},
      {Ctl::CommandPrincipal, "12", "1", "1000", "-500", "", "3", true, "-128.18"},
      {Ctl::CommandInterestPaid, "12", "1", "1000", "-500", "", "3", true, "-18.63"},
      {Ctl::CommandBalance, "12", "1", "1000", "-500", "", "3", true, "871.82"},
      // The same balloon from the lender's side.
      {Ctl::CommandBalance, "12", "1", "-1000", "500", "", "3", false, "880.54"},
      {Ctl::CommandInterestPaid, "12", "1", "-1000", "500", "", "3", true, "18.63"},
  };
  for (const Row& r : rows) {
    Fill({r.n, r.interest, r.pv, r.fv, r.pmt, r.per, r.begin});
    f.Click(r.button);
    EXPECT_EQ(f.Text1.Text(), r.shown) << ControlName(r.button) << " pv " << r.pv << " fv " << r.fv
                                       << " per " << r.per << (r.begin ? " begin" : "");
  }
  EXPECT_EQ(Messages(), "");
}

TEST_F(SignAndEstimate, TheEstimateDecidesBetweenTwoValidRates) {
  // -100 now, 217 after one period and -117.3 after two: in z = 1 + r,
  // -100 z^2 + 217 z - 117.3 = -100 (z - 1.02) (z - 1.15), so 2 % and 15 %
  // both balance. The solvers take the rate nearer the estimate, which is
  // typed in percent; an empty field means 10 %.
  const struct {
    const char* estimate;
    const char* shown;
  } rows[] = {
      {"", "15.00"}, {"10", "15.00"}, {"12", "15.00"}, {"30", "15.00"},
      {"1", "2.00"}, {"3", "2.00"},   {"0.5", "2.00"}, {"-5", "2.00"},
  };
  for (const auto& row : rows) {
    Fill({"", row.estimate});
    f.TextCF.SetText("-100\r\n217\r\n-117.3");
    f.Click(Ctl::CommandIRR);
    EXPECT_EQ(f.Text1.Text(), row.shown) << "IRR, estimate " << row.estimate;
    EXPECT_EQ(f.TextInterest.Text(), row.estimate);  // the estimate stays as typed

    // The same flows as an annuity: pv -100, two payments of 217, and a
    // future value of -334.3 with the second.
    Fill({"2", row.estimate, "-100", "-334.3", "217"});
    f.Click(Ctl::CommandInterest);
    EXPECT_EQ(f.TextInterest.Text(), row.shown) << "Rate, estimate " << row.estimate;
  }
  EXPECT_EQ(Messages(), "");
}

TEST_F(SignAndEstimate, RatesOfReturnAgainstKnownAnswers) {
  Decimals("6");
  const struct {
    Ctl button;
    const char* list;
    const char* interest;
    const char* per;
    const char* shown;
  } rows[] = {
      // Built from 7 %: the last flow is what is left of 1000 after the
      // three 300s, carried forward four periods at 7 %: 278.81311 exactly.
      {Ctl::CommandIRR, "-1000\r\n300\r\n300\r\n300\r\n278.81311", "", "", "7.000000"},
      {Ctl::CommandIRR, "-1000\r\n300\r\n300\r\n300\r\n278.81311", "50", "", "7.000000"},
      // A first flow of 0: -1000 z^2 + 600 z + 600 = 0 in z = 1 + r gives
      // z = (600 + sqrt(2760000)) / 2000.
      {Ctl::CommandIRR, "0\r\n-1000\r\n600\r\n600", "", "", "13.066239"},
      // (600 x 1.12 + 600) / (1000 / 1.1), to the power 1/3, less 1.
      {Ctl::CommandMIRR, "0\r\n-1000\r\n600\r\n600", "10", "12", "11.847582"},
      // One period: 110 back for 100 is 10 %, whatever the rates.
      {Ctl::CommandMIRR, "-100\r\n110", "3", "5", "10.000000"},
      // NPV at 10 %: -1000/1.1 + 300/1.21 + 400/1.331 + 500/1.4641.
      {Ctl::CommandNPV, "-1000\r\n300\r\n400\r\n500", "10", "", "-19.124377"},
  };
  for (const auto& row : rows) {
    Fill({"", row.interest, "", "", "", row.per});
    f.TextCF.SetText(row.list);
    f.Click(row.button);
    EXPECT_EQ(f.Text1.Text(), row.shown) << ControlName(row.button) << " " << row.list;
  }
  EXPECT_EQ(Messages(), "");
}

TEST_F(SignAndEstimate, RateConversionAgainstClosedForms) {
  // (1 + i/n)^n - 1 and n ((1 + i)^(1/n) - 1), each in 50-digit decimals.
  Decimals("10");
  const struct {
    Ctl button;
    const char* interest;
    const char* n;
    const char* shown;
  } rows[] = {
      {Ctl::CommandEffect, "12", "12", "12.6825030132"},
      {Ctl::CommandEffect, "10", "365", "10.5155781616"},
      {Ctl::CommandNominal, "12.682503013196972", "12", "12.0000000000"},
      {Ctl::CommandNominal, "10", "4", "9.6454756338"},
      {Ctl::CommandNominal, "6.09", "2", "6.0000000000"},
      {Ctl::CommandEffect, "6", "2", "6.0900000000"},
  };
  for (const auto& row : rows) {
    Fill({row.n, row.interest});
    f.Click(row.button);
    EXPECT_EQ(f.Text1.Text(), row.shown) << ControlName(row.button) << " " << row.interest;
  }
  EXPECT_EQ(Messages(), "");
}

TEST_F(SignAndEstimate, BoundariesOfTheFunctions) {
  // Both sides of each limit the functions test.
  const struct {
    Ctl button;
    Panel panel;
    const char* shown;  // nullptr: the function's message
  } rows[] = {
      // The period number runs from 1 to NPer.
      {Ctl::CommandPPMT, {"12", "1", "1000", "", "", "12"}, "-87.97"},
      {Ctl::CommandPPMT, {"12", "1", "1000", "", "", "12.01"}, nullptr},
      {Ctl::CommandIPMT, {"12", "1", "1000", "", "", "1"}, "-10.00"},
      {Ctl::CommandIPMT, {"12", "1", "1000", "", "", "0.99"}, nullptr},
      // The totals count periods in 16 bits: 32766 is the last that fits.
      {Ctl::CommandPrincipal, {"40000", "0", "40000", "", "", "32766"}, "-32766.00"},
      {Ctl::CommandPrincipal, {"40000", "0", "40000", "", "", "32767"}, nullptr},
      {Ctl::CommandInterestPaid, {"12", "0", "1000", "", "", "3"}, nullptr},
      {Ctl::CommandPrincipal, {"12", "0", "1000", "", "", "3"}, "-250.00"},
      // A rate of -100 % leaves nothing to grow or discount.
      {Ctl::CommandN, {"", "-100", "1000", "", "-100"}, nullptr},
      {Ctl::CommandN, {"", "-99", "1000", "", "-100"}, "0.52"},
      {Ctl::CommandMIRR, {"", "10", "", "", "", "-100"}, nullptr},
      {Ctl::CommandMIRR, {"", "10", "", "", "", "-50"}, "-8.15"},
      // Rate conversion needs one compounding period or more and a rate above 0.
      {Ctl::CommandEffect, {"1", "12"}, "12.00"},
      {Ctl::CommandEffect, {"0.99", "12"}, nullptr},
      {Ctl::CommandNominal, {"12", "0"}, nullptr},
      {Ctl::CommandNominal, {"12", "0.0001"}, "0.00"},
  };
  for (const auto& row : rows) {
    Fill(row.panel);
    f.TextCF.SetText("-1000\r\n300\r\n400\r\n500");
    f.Text1.SetText("42");
    platform.messages.clear();
    f.Click(row.button);
    if (row.shown) {
      EXPECT_EQ(f.Text1.Text(), row.shown) << ControlName(row.button) << " " << row.panel.per;
      EXPECT_EQ(Messages(), "") << ControlName(row.button);
    } else {
      EXPECT_EQ(f.Text1.Text(), "42") << ControlName(row.button) << " " << row.panel.per;
      EXPECT_EQ(platform.messages.size(), 1u) << ControlName(row.button);
    }
  }
}

TEST_F(SignAndEstimate, PresentAndFutureValueTestTheShownFigure) {
  // 0.004 shows as 0.00 with two decimals and is reported; with three it is
  // a figure.
  const struct {
    const char* decimals;
    Ctl button;
    Panel panel;
    const char* shown;
    bool message;
  } rows[] = {
      {"2", Ctl::CommandPV, {"1", "0", "", "-0.004"}, "0.00", true},
      {"3", Ctl::CommandPV, {"1", "0", "", "-0.004"}, "0.004", false},
      {"2", Ctl::CommandFV, {"1", "0", "-0.004"}, "0.00", true},
      {"3", Ctl::CommandFV, {"1", "0", "-0.004"}, "0.004", false},
      {"2", Ctl::CommandPMT, {"1", "0", "-0.004"}, "0.00", false},
  };
  for (const auto& row : rows) {
    Decimals(row.decimals);
    Fill(row.panel);
    platform.messages.clear();
    f.Click(row.button);
    EXPECT_EQ(f.Text1.Text(), row.shown) << ControlName(row.button) << " " << row.decimals;
    EXPECT_EQ(platform.messages.size(), row.message ? 1u : 0u) << ControlName(row.button);
  }
}

}  // namespace
}  // namespace quorvel
