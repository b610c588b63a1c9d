// What a text box does with typed characters, its caret and its selection.

#include "core/text_box.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace quorvel
