#pragma once
// The controls of the main window, by name. The lists drive the control ids,
// the members of Form1 and the names the window layer gives its widgets.

#include <cstdint>
#include <optional>
#include <string_view>

// clang-format off
#define QUORVEL_TEXT_BOXES(X) \
  X(Text1) X(TextDecimal) X(TextN) X(TextInterest) X(TextPV) X(TextFV) X(TextPMT) X(TextPer)

#define QUORVEL_MULTI_LINE_TEXT_BOXES(X) X(TextCF)

#define QUORVEL_LABELS(X)                                                           \
  X(Label1) X(Label2) X(Label3) X(Label4) X(Label5) X(Label6) X(Label7) X(Label8)    \
  X(Label9) X(Label10) X(Label11) X(Label12) X(Label13) X(LabelLineNum)

#define QUORVEL_CHECK_BOXES(X) X(CheckPayment)

#define QUORVEL_FRAMES(X) X(Frame1)

#define QUORVEL_MENUS(X)                                                              \
  X(MenuEdit) X(MenuCut) X(MenuCopy) X(MenuPaste) X(MenuExit) X(MenuHelp) X(MenuHelpTopics) \
  X(MenuAbout)

#define QUORVEL_TOOLBARS(X) X(Toolbar1)

#define QUORVEL_BUTTONS(X)                                                          \
  X(Num0Command) X(Num1Command) X(Num2Command) X(Num3Command) X(Num4Command)        \
  X(Num5Command) X(Num6Command) X(Num7Command) X(Num8Command) X(Num9Command)        \
  X(NumDotCommand) X(NumSignCommand) X(CommandBackSpace) X(NumCCommand)             \
  X(NumACCommand) X(NumPlusCommand) X(NumMinusCommand) X(NumMULCommand)             \
  X(NumDivCommand) X(NumEqCommand) X(NumSqRtCommand) X(NumSquareCommand)            \
  X(CommandInvertX) X(NumMCommand) X(NumMPlusCommand) X(NumMMinusCommand)           \
  X(NumMRCommand) X(NumMCCommand) X(CommandClear) X(CommandCF) X(CommandN)                \
  X(CommandInterest) X(CommandPV) X(CommandFV) X(CommandPMT) X(CommandPPMT) X(CommandIPMT) \
  X(CommandPrincipal) X(CommandInterestPaid) X(CommandBalance) X(CommandNPV) X(CommandIRR) \
  X(CommandMIRR) X(CommandEffect) X(CommandNominal)
// clang-format on

namespace quorvel {

enum class Ctl : std::int16_t {
  None,
#define QUORVEL_ENUM(name) name,
  QUORVEL_TEXT_BOXES(QUORVEL_ENUM) QUORVEL_MULTI_LINE_TEXT_BOXES(QUORVEL_ENUM)
      QUORVEL_LABELS(QUORVEL_ENUM) QUORVEL_CHECK_BOXES(QUORVEL_ENUM) QUORVEL_FRAMES(QUORVEL_ENUM)
          QUORVEL_BUTTONS(QUORVEL_ENUM) QUORVEL_MENUS(QUORVEL_ENUM) QUORVEL_TOOLBARS(QUORVEL_ENUM)
#undef QUORVEL_ENUM
              Count
};

inline constexpr int kControlCount = static_cast<int>(Ctl::Count);

// Window positions and control layouts are in twips: 1440 to the inch, which
// is 96 logical pixels, so 15 to a pixel.
inline constexpr int kTwipsPerPixel = 15;

// The control's name, which is also its widget's object name.
std::string_view ControlName(Ctl control);
std::optional<Ctl> ControlByName(std::string_view name);

}  // namespace quorvel
