// What a text box does with typed characters, its caret and its selection.

#include "core/text_box.h"

#include <gtest/gtest.h>

#include <string>

#include "core/utf8.h"
#include "editing_keys.h"

namespace quorvel {
namespace {

TEST(TextBox, TypedCharactersReplaceTheSelection) {
  TextBox box;
  box.SetText("1234");
  EXPECT_EQ(box.SelStart(), 4);
  box.Select(1, 2);
  EXPECT_EQ(box.SelText(), "23");
  box.ApplyKey('9');
  EXPECT_EQ(box.Text(), "194");
  EXPECT_EQ(box.SelStart(), 2);
  box.ApplyKey(8);
  EXPECT_EQ(box.Text(), "14");
  box.SetSelStart(0);
  box.ApplyKey(8);  // nothing before the caret
  EXPECT_EQ(box.Text(), "14");
  box.DeleteForward();
  EXPECT_EQ(box.Text(), "4");
  box.ApplyKey(13);  // a single-line box has no line breaks
  EXPECT_EQ(box.Text(), "4");
}

TEST(TextBox, CaretIsClampedToTheText) {
  TextBox box;
  box.SetText("12");
  box.SetSelStart(99);
  EXPECT_EQ(box.SelStart(), 2);
  box.SetSelStart(-1);
  EXPECT_EQ(box.SelStart(), 0);
  box.Select(1, 50);
  EXPECT_EQ(box.SelLength(), 1);
}

TEST(TextBox, CountsCharactersNotBytes) {
  TextBox box;
  box.SetText("1\u00A0000");  // a no-break space groups the digits
  EXPECT_EQ(box.Length(), 5);
  box.SetSelStart(2);
  box.ApplyKey(8);
  EXPECT_EQ(box.Text(), "1000");
  box.SetSelStart(1);
  box.ApplyKey(0x20AC);
  EXPECT_EQ(box.Text(), "1\u20AC000");
  EXPECT_EQ(box.SelStart(), 2);
}

TEST(TextBox, MultiLineBoxBreaksLinesWithCarriageReturnAndLineFeed) {
  TextBox box(true);
  box.SetText("100");
  box.ApplyKey(13);
  box.ApplyKey('5');
  EXPECT_EQ(box.Text(), "100\r\n5");
  box.SetSelStart(5);  // start of the second line
  box.ApplyKey(8);     // removes the whole break
  EXPECT_EQ(box.Text(), "1005");
}

// "|" marks the caret, "[...]" a selection.
TextBox BoxFrom(std::string marked, bool multi_line = false) {
  TextBox box(multi_line);
  const std::size_t open = marked.find('[');
  if (open != std::string::npos) {
    const std::size_t close = marked.find(']');
    marked.erase(close, 1);
    marked.erase(open, 1);
    box.SetText(marked);
    box.Select(utf8::Length(marked.substr(0, open)),
               utf8::Length(marked.substr(open, close - open - 1)));
    return box;
  }
  const std::size_t caret = marked.find('|');
  marked.erase(caret, 1);
  box.SetText(marked);
  box.SetSelStart(utf8::Length(marked.substr(0, caret)));
  return box;
}

TEST(TextBox, CtrlBackspaceAndCtrlDeleteTakeAWord) {
  const struct {
    const char* before;
    bool multi_line;
    const char* backward;  // after Ctrl+Backspace
    const char* forward;   // after Ctrl+Delete
  } cases[] = {
      {"12.50|", false, "|", "12.50|"},
      {"|12.50", false, "|12.50", "|"},
      {"12|.50", false, "|.50", "12|"},
      {"-12|", false, "-|", "-12|"},
      {"-|12", false, "|12", "-|"},
      {"30*12|", false, "30*|", "30*12|"},
      {"30|*12", false, "|*12", "30|12"},
      {"1 2  |3", false, "1 |3", "1 2  |"},
      {"1 |2  3", false, "|2  3", "1 |3"},
      {"1[2.5]0", false, "1|0", "1|0"},
      {"€1|0", false, "|0", "€1|"},
      {"100\r\n|-50", true, "100|-50", "100\r\n|50"},
      {"100|\r\n-50", true, "|\r\n-50", "100|-50"},
      {"100\r\n  |5", true, "100|5", "100\r\n  |"},
  };
  for (const auto& c : cases) {
    TextBox box = BoxFrom(c.before, c.multi_line);
    box.DeleteWordBackward();
    EXPECT_EQ(testing::Marked(box), c.backward) << c.before;
    box = BoxFrom(c.before, c.multi_line);
    box.DeleteWordForward();
    EXPECT_EQ(testing::Marked(box), c.forward) << c.before;
  }
}

TEST(TextBox, SelectAllChangesNoText) {
  TextBox box(true);
  box.SetText("1\r\n2");
  box.SetSelStart(1);
  const unsigned long long revision = box.Revision();
  box.SelectAll();
  EXPECT_EQ(testing::Marked(box), "[1\r\n2]");
  EXPECT_GT(box.Revision(), revision);
}

}  // namespace
}  // namespace quorvel
