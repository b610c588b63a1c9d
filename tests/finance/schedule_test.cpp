// The amortization schedule against the buttons: for every period of
// several loans, savings plans and a balloon loan, each figure of the row is
// the text the IPMT, PPMT, TIPMT, TPPMT, BAL and PMT buttons show for it.

#include <gtest/gtest.h>

#include <string>

#include "calculator_session.h"
#include "core/calculator.h"
#include "core/number_text.h"
#include "finance/function_buttons.h"
#include "finance/schedule.h"
#include "finance/schedule_text.h"

namespace quorvel {
namespace {

using testing::CalculatorSession;

struct Annuity {
  const char* name;
  const char* n;
  const char* interest;
  const char* pv;
  const char* fv;
  bool begin;
  const char* decimals;
};

class ScheduleFromPanel : public CalculatorSession {
 protected:
  void Fill(const Annuity& a) {
    f.TextN.SetText(a.n);
    f.TextInterest.SetText(a.interest);
    f.TextPV.SetText(a.pv);
    f.TextFV.SetText(a.fv);
    f.TextPMT.SetText("");
    f.SetValue(Ctl::CheckPayment, a.begin ? 1 : 0);
    f.TextDecimal.SetText(a.decimals);
    f.DisplayFormat = PatternFor(calc::DecimalPlaces(a.decimals));
  }
  // What the button shows for period `per`; empty when it shows its message.
  std::string Shown(Ctl button, int per) {
    f.TextPer.SetText(GeneralText(per));
    const std::size_t messages = platform.messages.size();
    f.Text1.SetText("?");
    f.Click(button);
    return platform.messages.size() == messages ? f.Text1.Text() : std::string();
  }
};

TEST_F(ScheduleFromPanel, EveryRowIsWhatTheButtonsShow) {
  const Annuity cases[] = {
      {"loan", "12", "1", "1000", "", false, "2"},
      {"loan, payments in advance", "12", "1", "1000", "", true, "2"},
      {"mortgage", "30*12", "6/12", "200000", "", false, "2"},
      {"car loan, four decimals", "48", "0.75", "25000", "", true, "4"},
      {"interest-free loan", "10", "0", "1000", "", false, "2"},
      {"savings plan", "120", "0.5", "", "16387.93", false, "2"},
      {"savings plan, deposits in advance", "60", "0.4", "", "10000", true, "3"},
      {"savings with a first deposit", "36", "0.3", "-2000", "9000", false, "2"},
      {"balloon loan", "60", "0.5", "20000", "-5000", false, "2"},
      {"no decimals", "24", "1.5", "5000", "", false, "0"},
  };
  for (const Annuity& a : cases) {
    SCOPED_TRACE(a.name);
    Fill(a);
    const auto schedule = finance::ScheduleFromPanel(f);
    ASSERT_TRUE(schedule);
    ASSERT_TRUE(platform.messages.empty());
    const std::string& pattern = schedule->pattern;
    EXPECT_EQ(pattern, f.DisplayFormat);
    EXPECT_EQ(schedule->periods, *finance::GetRateOrPeriod(a.n));
    ASSERT_EQ(schedule->rows.size(), static_cast<std::size_t>(schedule->periods));
    f.Click(Ctl::CommandPMT);
    const std::string payment = f.Text1.Text();
    f.TextPMT.SetText("");
    for (const finance::ScheduleRow& row : schedule->rows) {
      SCOPED_TRACE(row.period);
      EXPECT_EQ(FixedText(row.payment, pattern), payment);
      EXPECT_EQ(FixedText(row.interest, pattern), Shown(Ctl::CommandIPMT, row.period));
      EXPECT_EQ(FixedText(row.principal, pattern), Shown(Ctl::CommandPPMT, row.period));
      // The total buttons report a total of exactly 0 as a failure; the
      // schedule shows the zero.
      const std::string interest_total = Shown(Ctl::CommandInterestPaid, row.period);
      if (interest_total.empty()) {
        EXPECT_EQ(row.cumulative_interest, 0.0);
      } else {
        EXPECT_EQ(FixedText(row.cumulative_interest, pattern), interest_total);
      }
      const std::string principal_total = Shown(Ctl::CommandPrincipal, row.period);
      const std::string balance = Shown(Ctl::CommandBalance, row.period);
      if (principal_total.empty()) {
        EXPECT_EQ(row.cumulative_principal, 0.0);
        EXPECT_EQ(balance, "");
      } else {
        EXPECT_EQ(FixedText(row.cumulative_principal, pattern), principal_total);
        EXPECT_EQ(FixedText(row.balance, pattern), balance);
      }
      platform.messages.clear();
    }
    const auto& last = schedule->rows.back();
    EXPECT_EQ(schedule->total_interest, last.cumulative_interest);
    EXPECT_EQ(schedule->total_principal, last.cumulative_principal);
    EXPECT_NEAR(schedule->total_payment, schedule->payment * schedule->periods,
                1e-9 * std::abs(schedule->total_payment));
  }
}

TEST_F(ScheduleFromPanel, ALoanEndsPaidAndABalloonLoanOwesItsBalloon) {
  Fill({"loan", "12", "1", "1000", "", false, "2"});
  auto schedule = finance::ScheduleFromPanel(f);
  ASSERT_TRUE(schedule);
  EXPECT_EQ(FixedText(schedule->rows.back().balance, "0.00"), "0.00");
  EXPECT_EQ(FixedText(schedule->total_interest, "0.00"), "-66.19");
  EXPECT_EQ(FixedText(schedule->total_principal, "0.00"), "-1000.00");
  Fill({"balloon loan", "60", "0.5", "20000", "-5000", false, "2"});
  schedule = finance::ScheduleFromPanel(f);
  ASSERT_TRUE(schedule);
  EXPECT_EQ(FixedText(schedule->rows.back().balance, "0.00"), "5000.00");
}

TEST_F(ScheduleFromPanel, ATypedPaymentMustBeThePaymentOfTheOtherFields) {
  const struct {
    const char* payment;
    bool accepted;
  } cases[] = {
      {"-88.85", true}, {"-88.8488", true}, {"-88.8", true},  {"-89", true},     {" ", true},
      {"-88.7", false}, {"-100", false},    {"88.85", false}, {"-88.86", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.payment);
    Fill({"loan", "12", "1", "1000", "", false, "2"});
    f.TextPMT.SetText(c.payment);
    platform.messages.clear();
    const auto schedule = finance::ScheduleFromPanel(f);
    EXPECT_EQ(schedule.has_value(), c.accepted);
    EXPECT_EQ(platform.messages.size(), c.accepted ? 0u : 1u);
    if (schedule) EXPECT_EQ(FixedText(schedule->payment, "0.0000"), "-88.8488");
    if (!c.accepted) EXPECT_NE(platform.messages[0].text.find("Payment"), std::string::npos);
  }
}

TEST_F(ScheduleFromPanel, FieldsThatMakeNoScheduleAreNamedInOneMessage) {
  const struct {
    Annuity fields;
    const char* named;
  } cases[] = {
      {{"no periods", "", "1", "1000", "", false, "2"}, "NPer"},
      {{"half a period", "12.5", "1", "1000", "", false, "2"}, "NPer"},
      {{"too many periods", "32768", "1", "1000", "", false, "2"}, "NPer"},
      {{"division by zero", "12/0", "1", "1000", "", false, "2"}, "NPer"},
      {{"rate of -100 %", "12", "-100", "1000", "", false, "2"}, "Interest"},
      {{"rate over zero", "12", "1/0", "1000", "", false, "2"}, "Interest"},
      {{"nothing to pay", "12", "1", "", "", false, "2"}, "Present Value"},
      {{"huge present value", "12", "1", "1e999", "", false, "2"}, "Present Value"},
      {{"huge future value", "12", "1", "1000", "-1e999", false, "2"}, "Future Value"},
      {{"overflowing rate", "32767", "1e6", "1000", "", false, "2"}, "Interest"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fields.name);
    Fill(c.fields);
    platform.messages.clear();
    const std::string display = f.Text1.Text();
    EXPECT_FALSE(finance::ScheduleFromPanel(f));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Quorvel Calculator");
    const std::string& text = platform.messages[0].text;
    EXPECT_EQ(text.find("\r\n" + std::string(c.named)), text.find("\r\n")) << text;
    EXPECT_EQ(f.Text1.Text(), display);
    EXPECT_EQ(f.tape.Size(), 0u);
  }
}

TEST(BuildSchedule, TheLongestScheduleHasEveryPeriod) {
  const auto schedule = finance::BuildSchedule(0.0001, finance::kMaxSchedulePeriods, 1000, 0, 0);
  ASSERT_TRUE(schedule);
  EXPECT_EQ(schedule->rows.size(), 32767u);
  EXPECT_EQ(schedule->rows.back().period, 32767);
  EXPECT_EQ(FixedText(schedule->rows.back().balance, "0.00"), "0.00");
  EXPECT_FALSE(finance::BuildSchedule(0.005, finance::kMaxSchedulePeriods + 1, 1000, 0, 0));
  EXPECT_FALSE(finance::BuildSchedule(0.005, 0, 1000, 0, 0));
}

TEST(ScheduleText, CellsAndDelimitedText) {
  auto schedule = finance::BuildSchedule(0.01, 2, 1000, 0, 1);
  ASSERT_TRUE(schedule);
  schedule->pattern = "0.000";
  const struct {
    std::size_t row, column;
    const char* text;
  } cells[] = {{0, 0, "1"},      {0, 1, "-502.488"},  {0, 2, "0.000"}, {0, 6, "497.512"},
               {1, 2, "-4.975"}, {1, 6, "0.000"},     {2, 0, "Total"}, {2, 1, "-1004.975"},
               {2, 2, "-4.975"}, {2, 3, "-1000.000"}, {2, 4, ""},      {2, 6, ""}};
  for (const auto& c : cells) {
    EXPECT_EQ(finance::ScheduleCell(*schedule, c.row, c.column), c.text)
        << c.row << "," << c.column;
  }
  EXPECT_EQ(finance::CsvFieldSeparator(","), ';');
  EXPECT_EQ(finance::CsvFieldSeparator("."), ',');
  EXPECT_EQ(finance::CsvFieldSeparator("\xd9\xab"), ',');  // the Arabic decimal separator
  const std::string csv = finance::ScheduleDelimited(*schedule, ';', ",");
  EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
            "Period;Payment;Interest;Principal;Cumulative Interest;Cumulative Principal;Balance");
  EXPECT_NE(csv.find("\r\nTotal;-1004,975;-4,975;-1000,000;;;\r\n"), std::string::npos);
  // A figure that holds the field separator is quoted.
  const std::string clash = finance::ScheduleDelimited(*schedule, ',', ",");
  EXPECT_NE(clash.find("\r\n1,\"-502,488\",\"0,000\","), std::string::npos) << clash;
}

}  // namespace
}  // namespace quorvel
