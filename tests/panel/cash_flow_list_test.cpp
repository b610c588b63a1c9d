// The numbers of the cash-flow list under the user's number formats: what
// is typed and pasted there is the value the functions use, and a line that
// cannot be read is shown to the user, not dropped.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator_session.h"
#include "core/number_text.h"

namespace quorvel {
namespace {

using testing::CalculatorSession;

constexpr char kVerify[] = "Error! Please verify your input parameters.\r\n";

struct Format {
  const char* name;
  NumberFormat format;
};

// English, German, French (with the narrow no-break space Qt reports) and
// Swiss formats.
const Format kFormats[] = {
    {"en", {".", ","}},
    {"de", {",", "."}},
    {"fr", {",", "\u202F"}},
    {"ch", {".", "'"}},
};

class CashFlowList : public CalculatorSession {
 protected:
  void OpenList() {
    f.Click(Ctl::CommandCF);
    f.TextCF.SetText("");
  }
  void Paste(const std::string& text) {
    platform.clipboard = text;
    f.RaiseClick(Ctl::MenuPaste);
  }
  void Compute(Ctl button, const char* interest = "10", const char* per = "12") {
    f.TextInterest.SetText(interest);
    f.TextPer.SetText(per);
    f.Click(button);
  }
  std::string LastMessage() {
    return platform.messages.empty() ? "" : platform.messages.back().text;
  }
};

// The list's key filter lets only "." through, so "." is the decimal point
// of what is typed there, whatever the user's format.
TEST_F(CashFlowList, TypedLinesUseThePointInEveryFormat) {
  for (const Format& c : kFormats) {
    platform.number_format = c.format;
    OpenList();
    f.Type("-100\r60.5\r60.5");
    Compute(Ctl::CommandNPV);
    EXPECT_EQ(f.Text1.Text(), "4.55") << c.name;
    const std::vector<double> expected = {-100, 60.5, 60.5};
    EXPECT_EQ(f.CashFlows, expected) << c.name;
    // The tidied list is written in the form it is read in, so the next
    // click reads the same values.
    EXPECT_EQ(f.TextCF.Text(), "-100.00\r\n60.50\r\n60.50\r\n") << c.name;
    Compute(Ctl::CommandNPV);
    EXPECT_EQ(f.CashFlows, expected) << c.name;
    EXPECT_EQ(f.Text1.Text(), "4.55") << c.name;
    EXPECT_TRUE(platform.messages.empty()) << c.name << ": " << LastMessage();
  }
}

// A list from elsewhere is written in the user's format; the paste turns
// its numbers into the list's own form, as it does for the fields.
TEST_F(CashFlowList, PastedListIsReadInTheUsersFormat) {
  const struct {
    NumberFormat format;
    const char* clipboard;
    const char* list;
  } cases[] = {
      {{".", ","}, "-1,000\n300\n400.5\n500", "-1000\r\n300\r\n400.5\r\n500"},
      {{",", "."}, "-1.000\r\n300\r\n400,5\r\n500\r\n", "-1000\r\n300\r\n400.5\r\n500\r\n"},
      {{",", "\u202F"}, "-1\u202F000\n300\n400,5\n500", "-1000\r\n300\r\n400.5\r\n500"},
      {{",", "\u202F"}, "-1\u00A0000\n300\n400,5\n500", "-1000\r\n300\r\n400.5\r\n500"},
      {{",", "\u202F"}, "-1 000\n300\n400,5\n500", "-1000\r\n300\r\n400.5\r\n500"},
      {{",", "\u00A0"}, "-1\u202F000\n300\n400,5\n500", "-1000\r\n300\r\n400.5\r\n500"},
  };
  for (const auto& c : cases) {
    platform.number_format = c.format;
    OpenList();
    Paste(c.clipboard);
    EXPECT_EQ(f.TextCF.Text(), c.list) << c.clipboard;
    Compute(Ctl::CommandNPV);
    const std::vector<double> expected = {-1000, 300, 400.5, 500};
    EXPECT_EQ(f.CashFlows, expected) << c.clipboard;
    EXPECT_TRUE(platform.messages.empty()) << c.clipboard << ": " << LastMessage();
  }
}

TEST_F(CashFlowList, PasteKeepsWhatIsNotANumberForTheUserToSee) {
  platform.number_format = {",", "."};
  OpenList();
  f.Type("5\r");
  Paste("-1.000\nyear 2\n\n60,5");
  EXPECT_EQ(f.TextCF.Text(), "5\r\n-1000\r\nyear 2\r\n\r\n60.5");
  EXPECT_EQ(f.LabelLineNum.Caption, " 2");  // the paste alone changes no indicator
}

// A line that cannot be read takes the function's error path: the list is
// left as typed and the editor opens on that line.
TEST_F(CashFlowList, UnreadableLineIsShownNotDropped) {
  const struct {
    Ctl button;
    const char* list;
    const char* message;
    const char* line;
  } cases[] = {
      {Ctl::CommandNPV, "-1000\r\n1.2.3\r\n500\r\n600", "NPV(Interest, Cash Flows)", " 2"},
      {Ctl::CommandNPV, "-$1000\r\n500\r\n600", "NPV(Interest, Cash Flows)", " 1"},
      {Ctl::CommandIRR, "-1000\r\n500\r\n\r\n600\r\n1-2",
       "Or provide your estimate Rate.\r\nIRR(Cash Flows[,Interest/guess])", " 5"},
      {Ctl::CommandMIRR, "-1000\r\n500$\r\n600", "MIRR(Cash Flows,Interest, Reinvest Rate)", " 2"},
      {Ctl::CommandNPV, "-1000\r\n500\r\n600\r\n.", "NPV(Interest, Cash Flows)", " 4"},
      {Ctl::CommandIRR, "-1000\r\n500\r\n600,5",
       "Or provide your estimate Rate.\r\nIRR(Cash Flows[,Interest/guess])", " 3"},
  };
  for (const Format& format : kFormats) {
    platform.number_format = format.format;
    for (const auto& c : cases) {
      f.SetFocus(Ctl::Text1);
      f.TextCF.SetText(c.list);
      f.Text1.SetText("42");
      platform.messages.clear();
      Compute(c.button);
      ASSERT_EQ(platform.messages.size(), 1u) << format.name << " " << c.list;
      EXPECT_EQ(LastMessage(), kVerify + std::string(c.message)) << format.name;
      EXPECT_EQ(f.TextCF.Text(), c.list) << format.name;
      EXPECT_TRUE(f.Frame1.Visible);
      EXPECT_EQ(f.Focused(), Ctl::TextCF);
      EXPECT_EQ(f.LabelLineNum.Caption, c.line) << format.name << " " << c.list;
      EXPECT_EQ(f.TextCF.SelLength(), 0);
      EXPECT_EQ(f.Text1.Text(), "42");
    }
  }
}

TEST_F(CashFlowList, CaretGoesToTheStartOfTheFirstUnreadableLine) {
  f.TextCF.SetText("-1000\r\n\u20AC5\r\n1.2.3");
  Compute(Ctl::CommandNPV);
  EXPECT_EQ(f.TextCF.SelStart(), 7);  // counted in characters, after "-1000" CR LF
  EXPECT_EQ(f.LabelLineNum.Caption, " 2");
}

// Blank lines are no numbers, but nothing the user wrote is lost with them.
TEST_F(CashFlowList, BlankLinesGo) {
  f.TextCF.SetText("\r\n-1000\r\n \r\n300\r\n\t\r\n400\r\n500\r\n\r\n");
  Compute(Ctl::CommandNPV);
  EXPECT_EQ(f.TextCF.Text(), "-1000.00\r\n300.00\r\n400.00\r\n500.00\r\n");
  EXPECT_EQ(f.Text1.Text(), "-19.12");
  EXPECT_TRUE(platform.messages.empty()) << LastMessage();
}

// A long list takes a while to paste and to read: the window is told how
// far the work has got, from 0 to the end, so that it can show it.
TEST_F(CashFlowList, LongWorkReportsItsProgress) {
  std::string list;
  for (int i = 0; i < 100000; ++i) list += i == 0 ? "-1.000.000,5\n" : "12,25\n";
  platform.number_format = {",", "."};
  OpenList();
  Paste(list);
  const auto& reports = platform.progress;
  ASSERT_GE(reports.size(), 3u);
  EXPECT_EQ(reports.front(), std::make_pair(std::size_t{0}, list.size()));
  EXPECT_EQ(reports.back(), std::make_pair(list.size(), list.size()));
  for (std::size_t i = 1; i < reports.size(); ++i) {
    EXPECT_LT(reports[i - 1].first, reports[i].first);
    EXPECT_EQ(reports[i].second, list.size());
  }
  EXPECT_EQ(f.TextCF.Length(), 12 + 99999 * 7);  // "-1000000.5" and "12.25", CR LF each

  platform.progress.clear();
  Compute(Ctl::CommandNPV, "1");
  ASSERT_GE(platform.progress.size(), 3u);
  EXPECT_EQ(platform.progress.back().first, platform.progress.back().second);
  EXPECT_EQ(f.CashFlows.size(), 100000u);
  EXPECT_EQ(f.CashFlows[0], -1000000.5);
  EXPECT_TRUE(platform.messages.empty()) << LastMessage();

  platform.progress.clear();  // a short list reports nothing
  OpenList();
  Paste("1\n2\n");
  Compute(Ctl::CommandIRR);
  EXPECT_TRUE(platform.progress.empty());
}

}  // namespace
}  // namespace quorvel
