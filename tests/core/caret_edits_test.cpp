// Editing at the caret, wherever it stands: the keypad's digit, point, sign
// and backspace keys and the typed keys, in the display and in a financial
// field, with and without a selection; and what the calculator does after a
// backspace or an arrow key when a digit or an operator follows.
//
// A box's text is written with its caret as "|" ("12|34": caret 2) and a
// selection in brackets ("1[23]4": start 1, length 2).

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

#include "calculator_session.h"
#include "core/keys.h"

namespace quorvel {
namespace {

using testing::CalculatorSession;

// Sets a box from the caret notation.
void Put(TextBox& box, const std::string& marked) {
  std::string text;
  int start = 0, length = 0;
  for (char c : marked) {
    if (c == '|' || c == '[') {
      start = static_cast<int>(text.size());
    } else if (c == ']') {
      length = static_cast<int>(text.size()) - start;
    } else {
      text += c;
    }
  }
  box.SetText(text);
  box.Select(start, length);
}

// The box in the caret notation.
std::string Marked(const TextBox& box) {
  std::string text = box.Text();
  if (box.SelLength() == 0) return text.insert(static_cast<std::size_t>(box.SelStart()), "|");
  text.insert(static_cast<std::size_t>(box.SelStart() + box.SelLength()), "]");
  return text.insert(static_cast<std::size_t>(box.SelStart()), "[");
}

struct CaretCase {
  const char* before;
  Ctl key;  // a keypad button
  const char* after;
};

// The same rows hold for the display and for the amount fields: the keypad
// inserts at the caret (the selection is not replaced), a second point
// changes nothing, the sign toggles in front and the caret keeps its
// characters, backspace removes the character before the caret or before the
// start of the selection.
const CaretCase kKeypadAtEveryCaret[] = {
    {"|1234", Ctl::Num5Command, "5|1234"},     {"1|234", Ctl::Num5Command, "15|234"},
    {"12|34", Ctl::Num5Command, "125|34"},     {"123|4", Ctl::Num5Command, "1235|4"},
    {"1234|", Ctl::Num5Command, "12345|"},     {"1[23]4", Ctl::Num5Command, "15|234"},
    {"|1234", Ctl::NumDotCommand, ".|1234"},   {"1|234", Ctl::NumDotCommand, "1.|234"},
    {"12|34", Ctl::NumDotCommand, "12.|34"},   {"1234|", Ctl::NumDotCommand, "1234.|"},
    {"[12]34", Ctl::NumDotCommand, ".|1234"},  {"|-1.5", Ctl::NumDotCommand, "|-1.5"},
    {"-1|.5", Ctl::NumDotCommand, "-1|.5"},    {"-1.5|", Ctl::NumDotCommand, "-1.5|"},
    {"|0", Ctl::NumDotCommand, "0.|"},         {"0|", Ctl::NumDotCommand, "0.|"},
    {"|1234", Ctl::NumSignCommand, "-|1234"},  {"12|34", Ctl::NumSignCommand, "-12|34"},
    {"1234|", Ctl::NumSignCommand, "-1234|"},  {"1[23]4", Ctl::NumSignCommand, "-1|234"},
    {"|-1234", Ctl::NumSignCommand, "|1234"},  {"-|1234", Ctl::NumSignCommand, "|1234"},
    {"-12|34", Ctl::NumSignCommand, "12|34"},  {"-1234|", Ctl::NumSignCommand, "1234|"},
    {"-1[23]4", Ctl::NumSignCommand, "1|234"}, {"|1234", Ctl::CommandBackSpace, "|1234"},
    {"1|234", Ctl::CommandBackSpace, "|234"},  {"12|34", Ctl::CommandBackSpace, "1|34"},
    {"1234|", Ctl::CommandBackSpace, "123|"},  {"1[23]4", Ctl::CommandBackSpace, "|234"},
    {"-|5", Ctl::CommandBackSpace, "|5"},
};

class CaretEdits : public CalculatorSession {
 protected:
  // Makes `field` the box the keypad edits, as the user's click into it does.
  void Edit(Ctl field) { f.SetFocus(field); }
};

TEST_F(CaretEdits, KeypadInTheDisplayAtEveryCaret) {
  for (const CaretCase& c : kKeypadAtEveryCaret) {
    Edit(Ctl::Text1);
    Put(f.Text1, c.before);
    f.Click(c.key);
    EXPECT_EQ(Marked(f.Text1), c.after) << c.before << " " << ControlName(c.key);
    EXPECT_EQ(f.Focused(), Ctl::Text1);
  }
}

TEST_F(CaretEdits, KeypadInTheAmountFieldsAtEveryCaret) {
  for (Ctl field : {Ctl::TextPV, Ctl::TextInterest, Ctl::TextPer}) {
    for (const CaretCase& c : kKeypadAtEveryCaret) {
      Edit(field);
      Put(*f.TextBoxOf(field), c.before);
      f.Click(c.key);
      EXPECT_EQ(Marked(*f.TextBoxOf(field)), c.after)
          << ControlName(field) << " " << c.before << " " << ControlName(c.key);
      EXPECT_EQ(f.Focused(), field);
    }
  }
  // The number of periods takes no sign, wherever the caret is.
  Edit(Ctl::TextN);
  Put(f.TextN, "1|2");
  f.Click(Ctl::NumSignCommand);
  EXPECT_EQ(Marked(f.TextN), "1|2");
}

TEST_F(CaretEdits, TypedKeysAtEveryCaret) {
  // Typed characters go through the key handlers into the box: a digit
  // replaces the selection; "-" in an amount field turns the sign of the
  // whole field, the caret keeping its characters.
  const struct {
    Ctl box;
    const char* before;
    const char* typed;
    const char* after;
  } cases[] = {
      {Ctl::Text1, "|12", "5", "5|12"},      {Ctl::Text1, "1|2", "5", "15|2"},
      {Ctl::Text1, "12|", "5", "125|"},      {Ctl::Text1, "1[23]4", "5", "15|4"},
      {Ctl::Text1, "|12", ".", ".|12"},      {Ctl::Text1, "1|2", ".", "1.|2"},
      {Ctl::Text1, "1|.2", ".", "1|.2"},     {Ctl::Text1, "|12", "\b", "|12"},
      {Ctl::Text1, "1|2", "\b", "|2"},       {Ctl::Text1, "12|", "\b", "1|"},
      {Ctl::TextPV, "|12", "5", "5|12"},     {Ctl::TextPV, "1|2", "5", "15|2"},
      {Ctl::TextPV, "1[23]4", "5", "15|4"},  {Ctl::TextPV, "1|2", ".", "1.|2"},
      {Ctl::TextPV, "1[.5]", ".", "1[.5]"},  {Ctl::TextPV, "|12", "-", "-|12"},
      {Ctl::TextPV, "1|2", "-", "-1|2"},     {Ctl::TextPV, "12|", "-", "-12|"},
      {Ctl::TextPV, "-|12", "-", "|12"},     {Ctl::TextPV, "-1|2", "-", "1|2"},
      {Ctl::TextPV, "1|2", "\b", "|2"},      {Ctl::TextPV, "|12", "\b", "|12"},
      {Ctl::TextInterest, "6|", "/", "6/|"}, {Ctl::TextInterest, "6/|", "*", "6/|"},
      {Ctl::TextInterest, "|6", "-", "-|6"}, {Ctl::TextN, "3|0", "-", "3|0"},
  };
  for (const auto& c : cases) {
    f.SetFocus(c.box);
    Put(*f.TextBoxOf(c.box), c.before);
    f.Type(c.typed);
    EXPECT_EQ(Marked(*f.TextBoxOf(c.box)), c.after)
        << ControlName(c.box) << " " << c.before << " typed " << c.typed;
  }
}

// A calculator as the user finds it after start-up, worked by keypad legends,
// by keys typed into the display ("bs" and the four arrows) and by a click
// that puts the display's caret before its first character ("click0").
class Session : public CalculatorSession {
 public:
  void TestBody() override {}
  void Press(std::string_view legends) {
    std::istringstream words{std::string(legends)};
    for (std::string word; words >> word;) {
      const struct {
        const char* name;
        int code;
        int character;
      } typed[] = {{"bs", keys::kBack, '\b'},
                   {"left", keys::kLeft, 0},
                   {"right", keys::kRight, 0},
                   {"up", keys::kUp, 0},
                   {"down", keys::kDown, 0}};
      bool keyboard = false;
      for (const auto& t : typed) {
        if (word == t.name) {
          f.Keystroke(t.code, t.character);
          keyboard = true;
        }
      }
      // A click into the display moves its caret without a key.
      if (word == "click0") {
        f.Text1.SetSelStart(0);
        keyboard = true;
      }
      if (!keyboard) Keys(word);
    }
  }
  Form1& form() { return f; }
};

TEST(CaretEditsState, AfterBackspaceAndArrowsThenADigitOrAnOperator) {
  const struct {
    const char* keys;
    const char* display;
    const char* status;
  } cases[] = {
      // The finished value is taken over by the backspace, not lost.
      {"5 + BS 3 =", "8", "5  +  3"},
      {"5 + bs 3 =", "8", "5  +  3"},
      {"5 + BS + 2 =", "7", "5  +  2"},
      {"5 + bs X 2 =", "10", "5 * 2"},
      {"2 X 3 = BS 4 =", "4", ""},
      {"2 X 3 = bs 4 + 1 =", "5", "4  +  1"},
      // An arrow makes the shown value editable without a takeover.
      {"5 + left 3 =", "40", "5  +  35"},
      {"5 + right 3 =", "58", "5  +  53"},
      {"5 + up 3 =", "58", "5  +  53"},
      {"5 + down 3 =", "58", "5  +  53"},
      {"5 + left + 2 =", "12", "10  +  2"},
      {"5 + right X 2 =", "20", "10 * 2"},
      {"5 + up - 1 =", "9", "10  -  1"},
      {"5 + down / 2 =", "5", "10 / 2"},
      {"2 X 3 = left 4 =", "46", ""},
      {"2 X 3 = down 4 + 1 =", "65", "64  +  1"},
      // The point after a result starts "0." with the caret after it,
      // wherever the caret was.
      {"2 X 3 = click0 . 5", "0.5", ""},
      {"5 + click0 . 5 =", "5.5", "5  +  0.5"},
      // Without them the next digit starts a new number.
      {"5 + 3 =", "8", "5  +  3"},
      {"2 X 3 = 4 =", "4", ""},
  };
  for (const auto& c : cases) {
    Session session;
    session.Press(c.keys);
    EXPECT_EQ(session.form().Text1.Text(), c.display) << c.keys;
    EXPECT_EQ(session.form().Label4.Caption, c.status) << c.keys;
  }
}

}  // namespace
}  // namespace quorvel
