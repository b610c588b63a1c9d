#pragma once
// A main window model as a user finds it after start-up, with a recording
// platform, and helpers that press keypad keys by their legends.

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <string_view>

#include "core/form1.h"
#include "core/keys.h"
#include "fake_platform.h"
#include "shell/main_window.h"

namespace quorvel::testing {

class CalculatorSession : public ::testing::Test {
 protected:
  CalculatorSession() {
    shell::RegisterHandlers(f, module);
    shell::Form_Load(f, module);
    shell::Form_Shown(f);
  }

  // Clicks keypad keys given by their legends, separated by blanks:
  // digits, ".", "+/-", "BS", "C", "AC", "+", "-", "X", "/", "=", "Sqr",
  // "X^2", "1/X", "M", "M+", "M-", "MR", "MC".
  void Keys(std::string_view legends) {
    static const std::map<std::string, Ctl, std::less<>> kKeys = {
        {"0", Ctl::Num0Command},        {"1", Ctl::Num1Command},       {"2", Ctl::Num2Command},
        {"3", Ctl::Num3Command},        {"4", Ctl::Num4Command},       {"5", Ctl::Num5Command},
        {"6", Ctl::Num6Command},        {"7", Ctl::Num7Command},       {"8", Ctl::Num8Command},
        {"9", Ctl::Num9Command},        {".", Ctl::NumDotCommand},     {"+/-", Ctl::NumSignCommand},
        {"BS", Ctl::CommandBackSpace},  {"C", Ctl::NumCCommand},       {"AC", Ctl::NumACCommand},
        {"+", Ctl::NumPlusCommand},     {"-", Ctl::NumMinusCommand},   {"X", Ctl::NumMULCommand},
        {"/", Ctl::NumDivCommand},      {"=", Ctl::NumEqCommand},      {"Sqr", Ctl::NumSqRtCommand},
        {"X^2", Ctl::NumSquareCommand}, {"1/X", Ctl::CommandInvertX},  {"M", Ctl::NumMCommand},
        {"M+", Ctl::NumMPlusCommand},   {"M-", Ctl::NumMMinusCommand}, {"MR", Ctl::NumMRCommand},
        {"MC", Ctl::NumMCCommand}};
    std::istringstream words{std::string(legends)};
    for (std::string word; words >> word;) {
      auto key = kKeys.find(word);
      ASSERT_NE(key, kKeys.end()) << "no key " << word;
      f.Click(key->second);
    }
  }

  // A numeric-pad operator key ('*', '+', '-', '/') on the focused control.
  void Numpad(char op) {
    int code = op == '*'   ? keys::kMultiply
               : op == '+' ? keys::kAdd
               : op == '-' ? keys::kSubtract
                           : keys::kDivide;
    f.Keystroke(code, op);
  }

  FakePlatform platform;
  Form1 f{platform};
  shell::Module1 module;  // no settings file
};

}  // namespace quorvel::testing
