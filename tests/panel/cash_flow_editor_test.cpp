// The cash-flow editor: unrolling, hiding, the line indicator and the key
// filter of the list.

#include <gtest/gtest.h>

#include <string>

#include "calculator_session.h"
#include "core/keys.h"
#include "panel/panel.h"

namespace quorvel {
namespace {

using testing::CalculatorSession;

class CashFlowEditor : public CalculatorSession {};

TEST_F(CashFlowEditor, HiddenAtStart) {
  EXPECT_FALSE(f.Frame1.Visible);
  EXPECT_EQ(f.LabelLineNum.Caption, "");
  EXPECT_EQ(f.TextCF.Text(), "");
}

TEST_F(CashFlowEditor, UnrollsOneTwipPerPassThroughTheEventLoop) {
  std::vector<int> heights;
  platform.on_do_events = [&] { heights.push_back(f.Frame1.Height); };
  f.Click(Ctl::CommandCF);
  ASSERT_EQ(heights.size(), 2400u);
  for (std::size_t i = 0; i < heights.size(); ++i) ASSERT_EQ(heights[i], static_cast<int>(i));
  EXPECT_TRUE(f.Frame1.Visible);
  EXPECT_EQ(f.Frame1.Height, 2400);
  EXPECT_EQ(f.Focused(), Ctl::TextCF);
  EXPECT_EQ(f.ActiveField, Field::TextCF);
  EXPECT_EQ(f.LabelLineNum.Caption, " 1");
}

TEST_F(CashFlowEditor, SecondClickDuringTheUnrollEndsFullyOpen) {
  int passes = 0;
  platform.on_do_events = [&] {
    if (++passes == 1000) f.Click(Ctl::CommandCF);
  };
  f.Click(Ctl::CommandCF);
  EXPECT_TRUE(f.Frame1.Visible);
  EXPECT_EQ(f.Frame1.Height, 2400);
  EXPECT_EQ(f.Focused(), Ctl::TextCF);
  // The inner click unrolled to the height of its moment (999 twips).
  EXPECT_EQ(passes, 2400 + 999);
}

TEST_F(CashFlowEditor, ClickWhileTheListHasTheFocusUnrollsAgain) {
  f.Click(Ctl::CommandCF);
  bool hidden_during_unroll = false;
  platform.on_do_events = [&] {
    if (f.Frame1.Height == 0) hidden_during_unroll = f.Frame1.Visible;
  };
  f.Click(Ctl::CommandCF);
  EXPECT_TRUE(hidden_during_unroll);  // shown again from height 0
  EXPECT_EQ(f.Frame1.Height, 2400);
  EXPECT_TRUE(f.Frame1.Visible);
  EXPECT_EQ(f.Focused(), Ctl::TextCF);
}

TEST_F(CashFlowEditor, ClosingTheWindowStopsTheUnroll) {
  int passes = 0;
  platform.on_do_events = [&] {
    if (++passes == 10) shell::Form_Unload(f, module);
  };
  f.Click(Ctl::CommandCF);
  EXPECT_EQ(passes, 10);
  EXPECT_EQ(f.Frame1.Height, 2400);  // never left half-open
}

TEST_F(CashFlowEditor, HidesWhenTheListLosesTheFocus) {
  f.Click(Ctl::CommandCF);
  f.Type("100\r-50");
  f.SetFocus(Ctl::Text1);
  EXPECT_FALSE(f.Frame1.Visible);
  EXPECT_FALSE(f.KeyPreview);  // Text1 has the focus
  f.Click(Ctl::CommandCF);
  EXPECT_EQ(f.TextCF.Text(), "100\r\n-50");
  f.SetFocus(Ctl::TextDecimal);
  EXPECT_FALSE(f.Frame1.Visible);
  EXPECT_TRUE(f.KeyPreview);
}

TEST_F(CashFlowEditor, ListTakesOnlyItsCharacters) {
  f.Click(Ctl::CommandCF);
  f.Type("a 1,0$-.5x\r");
  EXPECT_EQ(f.TextCF.Text(), "10$-.5\r\n");
  f.Keystroke(keys::kReturn, 10);  // Ctrl+Enter types a line feed
  EXPECT_EQ(f.TextCF.Text(), "10$-.5\r\n\r\n");
  f.Type("\b\b");
  EXPECT_EQ(f.TextCF.Text(), "10$-.5");
}

TEST_F(CashFlowEditor, LineIndicatorFollowsTheCaret) {
  f.Click(Ctl::CommandCF);
  f.Type("100\r-50");
  EXPECT_EQ(f.LabelLineNum.Caption, " 2");  // after every key release
  const struct {
    int start;
    int length;
    const char* shown;
  } cases[] = {{10, 0, " 2"}, {5, 0, " 2"}, {3, 0, " 1"}, {0, 0, " 1"}, {2, 6, " 1"}};
  for (const auto& c : cases) {
    f.TextCF.Select(c.start, c.length);
    f.MouseUp(Ctl::TextCF);
    EXPECT_EQ(f.LabelLineNum.Caption, c.shown) << c.start;
  }
  f.TextCF.SetText("1\r\n2\r\n3\r\n4\r\n5\r\n6");
  f.TextCF.Select(7, 6);  // from line 3 to line 5
  f.KeyUp(Ctl::TextCF, keys::kDown);
  EXPECT_EQ(f.LabelLineNum.Caption, " 3");
}

TEST_F(CashFlowEditor, LineIndicatorCountsCharactersNotBytes) {
  // Pasted text may hold any character; the caret counts characters, and
  // "€" is three bytes, "é" two, "𝟙" four.
  const struct {
    const char* list;
    int caret;
    const char* shown;
  } cases[] = {
      {"€€\r\n1", 0, " 1"},     {"€€\r\n1", 2, " 1"},     {"€€\r\n1", 4, " 2"},
      {"€€\r\n1", 5, " 2"},     {"é\r\né\r\n5", 3, " 2"}, {"é\r\né\r\n5", 4, " 2"},
      {"é\r\né\r\n5", 6, " 3"}, {"𝟙\r\n2", 1, " 1"},      {"𝟙\r\n2", 3, " 2"},
  };
  f.Click(Ctl::CommandCF);
  for (const auto& c : cases) {
    f.TextCF.SetText(c.list);
    f.TextCF.SetSelStart(c.caret);
    f.KeyUp(Ctl::TextCF, keys::kRight);
    EXPECT_EQ(f.LabelLineNum.Caption, c.shown) << c.list << " at " << c.caret;
  }
}

TEST_F(CashFlowEditor, IndicatorIsBlankAfterClearUntilTheListIsFocused) {
  f.Click(Ctl::CommandCF);
  f.Type("1\r2");
  f.Click(Ctl::CommandClear);
  EXPECT_EQ(f.LabelLineNum.Caption, "");
  EXPECT_EQ(f.TextCF.Text(), "");
  f.Click(Ctl::CommandCF);
  EXPECT_EQ(f.LabelLineNum.Caption, " 1");
}

TEST_F(CashFlowEditor, KeypadLeavesTheListAlone) {
  f.Click(Ctl::CommandCF);
  f.Type("5");
  Keys("7");
  EXPECT_EQ(f.TextCF.Text(), "5");
  EXPECT_EQ(f.Text1.Text(), "0");
  EXPECT_EQ(f.Focused(), Ctl::Text1);
  EXPECT_FALSE(f.Frame1.Visible);
}

TEST_F(CashFlowEditor, NumericPadOperatorsAreIgnoredAfterTheList) {
  f.Click(Ctl::CommandCF);
  f.SetFocus(Ctl::TextDecimal);
  Numpad('+');
  EXPECT_EQ(f.Label1.Caption, "");
}

TEST_F(CashFlowEditor, LongListCountsEveryLine) {
  std::string list;
  for (int i = 0; i < 40000; ++i) list += "-1000.00\r\n";
  f.Click(Ctl::CommandCF);
  f.TextCF.SetText(list);  // as a paste leaves it
  f.KeyUp(Ctl::TextCF, 'V');
  EXPECT_EQ(f.LabelLineNum.Caption, " 40001");
  f.TextCF.SetSelStart(10 * 32767);
  f.MouseUp(Ctl::TextCF);
  EXPECT_EQ(f.LabelLineNum.Caption, " 32768");
}

TEST_F(CashFlowEditor, LineBreaksAreAlwaysCarriageReturnAndLineFeed) {
  f.Click(Ctl::CommandCF);
  f.TextCF.SetSelText("1\n2\r3\r\n4");
  EXPECT_EQ(f.TextCF.Text(), "1\r\n2\r\n3\r\n4");
}

}  // namespace
}  // namespace quorvel
