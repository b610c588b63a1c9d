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

// The one encoder and decoder of the program: every code point survives the
// round trip, and what cannot be encoded becomes the replacement character.
TEST(Utf8, EncodesAndDecodesEveryRange) {
  const struct {
    char32_t code;
    const char* bytes;
  } cases[] = {
      {U'7', "7"},
      {0xA0, "\xC2\xA0"},
      {0x7FF, "\xDF\xBF"},
      {0x20AC, "\xE2\x82\xAC"},
      {0x202F, "\xE2\x80\xAF"},
      {0x1F4B0, "\xF0\x9F\x92\xB0"},
      {0xD800, "\xEF\xBF\xBD"},
      {0x110000, "\xEF\xBF\xBD"},
      {0, "\xEF\xBF\xBD"},
  };
  for (const auto& c : cases) {
    const std::string encoded = utf8::Encode(c.code);
    EXPECT_EQ(encoded, c.bytes) << static_cast<unsigned>(c.code);
    std::size_t at = 0;
    const char32_t decoded = utf8::Next(encoded, at);
    EXPECT_EQ(at, encoded.size());
    if (encoded != "\xEF\xBF\xBD") EXPECT_EQ(decoded, c.code);
  }
  // A lead byte whose continuation is missing does not swallow the next
  // character.
  const std::string cut =
      "\xE2\x82"
      "5";
  std::size_t at = 0;
  utf8::Next(cut, at);
  EXPECT_EQ(utf8::Next(cut, at), U'5');
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
