// Wires the desk calculator's handlers to the controls' events.

#include "core/calculator.h"

namespace quorvel::calc {

void RegisterCalculator(Form1& f) {
  Form1* form = &f;
  auto click = [form](Ctl control, void (*handler)(Form1&)) {
    form->On(control).Click = [form, handler] { handler(*form); };
  };
  const Ctl digits[] = {Ctl::Num0Command, Ctl::Num1Command, Ctl::Num2Command, Ctl::Num3Command,
                        Ctl::Num4Command, Ctl::Num5Command, Ctl::Num6Command, Ctl::Num7Command,
                        Ctl::Num8Command, Ctl::Num9Command};
  for (int i = 0; i < 10; ++i) {
    const char digit = static_cast<char>('0' + i);
    f.On(digits[i]).Click = [form, digit] { DigitKey_Click(*form, digit); };
  }
  click(Ctl::NumDotCommand, NumDotCommand_Click);
  click(Ctl::NumSignCommand, NumSignCommand_Click);
  click(Ctl::CommandBackSpace, CommandBackSpace_Click);
  click(Ctl::NumCCommand, NumCCommand_Click);
  click(Ctl::NumACCommand, NumACCommand_Click);
  click(Ctl::NumPlusCommand, NumPlusCommand_Click);
  click(Ctl::NumMinusCommand, NumMinusCommand_Click);
  click(Ctl::NumMULCommand, NumMULCommand_Click);
  click(Ctl::NumDivCommand, NumDivCommand_Click);
  click(Ctl::NumEqCommand, NumEqCommand_Click);
  click(Ctl::NumSqRtCommand, NumSqRtCommand_Click);
  click(Ctl::NumSquareCommand, NumSquareCommand_Click);
  click(Ctl::CommandInvertX, CommandInvertX_Click);
  click(Ctl::NumMCommand, NumMCommand_Click);
  click(Ctl::NumMPlusCommand, NumMPlusCommand_Click);
  click(Ctl::NumMMinusCommand, NumMMinusCommand_Click);
  click(Ctl::NumMRCommand, NumMRCommand_Click);
  click(Ctl::NumMCCommand, NumMCCommand_Click);

  f.On(Ctl::Text1).GotFocus = [form] { Text1_GotFocus(*form); };
  f.On(Ctl::Text1).LostFocus = [form] { Text1_LostFocus(*form); };
  f.On(Ctl::Text1).KeyPress = [form](int& key) { Text1_KeyPress(*form, key); };
  f.On(Ctl::Text1).KeyDown = [form](int& key, int shift) { Text1_KeyDown(*form, key, shift); };
  f.On(Ctl::TextDecimal).LostFocus = [form] { TextDecimal_LostFocus(*form); };
  f.On(Ctl::TextDecimal).KeyPress = [form](int& key) { TextDecimal_KeyPress(*form, key); };
  f.Form_KeyDown = [form](int& key, int shift) { Form_KeyDown(*form, key, shift); };
}

}  // namespace quorvel::calc
