// Every key that can change a text box's text, in the display, a field and
// the cash-flow list: the model applies each edit by the rules of the plain
// key it resembles, or swallows the key.

#include <gtest/gtest.h>

#include "calculator_session.h"
#include "core/calculator.h"
#include "editing_keys.h"

namespace quorvel {
namespace {

using testing::EditPlace;

class EditingKeys : public testing::CalculatorSession {
 protected:
  // Brings the place into its starting state, the caret between 4 and 6.
  void Prepare(EditPlace place) {
    shell::Form_Load(f, module);
    f.SetFocus(Ctl::Text1);
    platform.clipboard = testing::kClipboardBefore;
    switch (place) {
      case EditPlace::ResultOnDisplay:
        Keys("1 2 + 3 4 =");
        f.Text1.SetSelStart(1);
        break;
      case EditPlace::OperatorPending:
        Keys("4 6 +");
        f.Text1.SetSelStart(1);
        break;
      case EditPlace::Field:
        f.TextPV.SetText("");
        f.SetFocus(Ctl::TextPV);
        f.Type("46");
        f.TextPV.SetSelStart(1);
        break;
      case EditPlace::CashFlowList:
        f.TextCF.SetText("");
        f.Click(Ctl::CommandCF);
        f.Type("1\r46");
        f.TextCF.SetSelStart(4);
        break;
    }
  }
  testing::DeskState State(EditPlace place) { return StateOf(f, place, platform.clipboard); }
};

TEST_F(EditingKeys, EveryKeyInEveryPlace) {
  for (const auto& key : testing::kEditingKeys) {
    for (EditPlace place : testing::kEditPlaces) {
      Prepare(place);
      const std::string where = std::string(key.name) + " in " + testing::PlaceName(place);
      ASSERT_EQ(State(place), testing::StateBefore(place)) << where;
      if (key.key_code == 0) {
        f.TypeCharacter(f.Focused(), key.character);
      } else {
        f.Keystroke(key.key_code, key.character, key.shift);
      }
      const testing::DeskState expected = testing::StateAfter(key, place);
      EXPECT_EQ(State(place), expected) << where;
    }
  }
}

TEST_F(EditingKeys, DeletingAfterAnOperatorKeepsTheFirstOperand) {
  // 5 + (key) 3 Enter: the key takes the shown 5 over as the first operand
  // as backspace does, whatever it then deletes.
  const struct {
    int key_code;
    int shift;
    int character;
    const char* result;
  } cases[] = {
      {keys::kBack, 0, 8, "8"},                // "5" goes, 3 is typed alone
      {keys::kBack, keys::kCtrlMask, 0, "8"},  // the word "5" goes
      {'H', keys::kCtrlMask, 8, "8"},
      {keys::kDelete, 0, 0, "58"},  // nothing after the caret: 3 joins the 5
      {keys::kDelete, keys::kCtrlMask, 0, "58"},
      {'Z', keys::kCtrlMask, 26, "8"},  // swallowed: 3 starts a new number
  };
  for (const auto& c : cases) {
    shell::Form_Load(f, module);
    f.Type("5+");
    f.Keystroke(c.key_code, c.character, c.shift);
    f.Type("3\r");
    EXPECT_EQ(f.Text1.Text(), c.result) << c.key_code << '/' << c.shift;
    EXPECT_EQ(f.PendingOperator, "") << c.key_code << '/' << c.shift;
  }
}

// With Ctrl, Delete and Backspace take the whole run of digits beside the
// caret, not one character.
TEST_F(EditingKeys, CtrlDeletesAWordInAField) {
  const struct {
    int key_code;
    int shift;
    int character;
    int caret;
    const char* result;
  } cases[] = {
      {keys::kDelete, 0, 0, 1, "13 456"},
      {keys::kDelete, keys::kCtrlMask, 0, 1, "1456"},  // the rest of the run and the blank
      {keys::kDelete, keys::kCtrlMask, 0, 0, "456"},
      {keys::kDelete, 0, 0, 0, "23 456"},
      {keys::kBack, 0, 8, 7, "123 45"},
      {keys::kBack, keys::kCtrlMask, 0, 7, "123 "},
  };
  for (const auto& c : cases) {
    shell::Form_Load(f, module);
    f.TextPV.SetText("123 456");
    f.SetFocus(Ctl::TextPV);
    f.TextPV.SetSelStart(c.caret);
    f.Keystroke(c.key_code, c.character, c.shift);
    EXPECT_EQ(f.TextPV.Text(), c.result) << c.key_code << '/' << c.shift << " at " << c.caret;
  }
}

TEST_F(EditingKeys, KeypadBackspaceRemovesTheCharacterBeforeTheSelection) {
  Keys("1 2 3 4");
  f.Text1.Select(1, 2);
  Keys("BS");
  EXPECT_EQ(f.Text1.Text(), "234");
  EXPECT_EQ(f.Text1.SelStart(), 0);
  EXPECT_EQ(f.Text1.SelLength(), 0);
}

TEST_F(EditingKeys, TheUsersDecimalKeyTypesThePoint) {
  const struct {
    const char* format;  // the user's decimal and group separators
    NumberFormat number_format;
    int key_code;
    int character;
    const char* typed;  // into "1", then "5" after it
  } cases[] = {
      {"en", {".", ","}, 188, ',', "15"},  // a comma is no number character
      {"en", {".", ","}, 190, '.', "1.5"},
      {"en", {".", ","}, keys::kDecimal, '.', "1.5"},
      {"de_DE", {",", "."}, 188, ',', "1.5"},
      {"de_DE", {",", "."}, 190, '.', "1.5"},  // the point stays the point
      {"de_DE", {",", "."}, keys::kDecimal, ',', "1.5"},
      {"fr_FR", {",", "\u202F"}, 188, ',', "1.5"},
      {"fr_FR", {",", "\u202F"}, keys::kDecimal, ',', "1.5"},
      {"fr_FR", {",", "\u202F"}, keys::kDecimal, '.', "1.5"},
  };
  for (const auto& c : cases) {
    for (Ctl box : {Ctl::Text1, Ctl::TextPV, Ctl::TextN, Ctl::TextCF}) {
      shell::Form_Load(f, module);
      platform.number_format = c.number_format;
      f.TextBoxOf(box)->SetText("");
      f.SetFocus(Ctl::Text1);
      if (box == Ctl::TextCF) {
        f.Click(Ctl::CommandCF);
      } else {
        f.SetFocus(box);
      }
      f.Type("1");
      f.Keystroke(c.key_code, c.character);
      f.Type("5");
      EXPECT_EQ(f.TextBoxOf(box)->Text(), c.typed)
          << c.format << ' ' << ControlName(box) << ' ' << c.key_code;
    }
  }
  // The value typed is the value used.
  shell::Form_Load(f, module);
  platform.number_format = {",", "."};
  f.SetFocus(Ctl::Text1);
  f.Type("1,5+1\r");
  EXPECT_EQ(f.Text1.Text(), "2.5");
}

TEST_F(EditingKeys, LongTextsAreKeptWhole) {
  // The model keeps every character it is given: what it computes with is
  // what the window shows.
  const std::string text = std::string(40000, '0') + "123";
  platform.clipboard = text;
  f.SetFocus(Ctl::Text1);
  f.Text1.SelectAll();
  f.RaiseClick(Ctl::MenuPaste);
  EXPECT_EQ(f.Text1.Text(), text);
  Keys("+ 1 =");
  EXPECT_EQ(f.Text1.Text(), "124");
}

}  // namespace
}  // namespace quorvel
