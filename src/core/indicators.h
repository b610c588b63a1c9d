#pragma once
// The marks the calculator shows in its indicator labels and keeps in its
// variables, and the keys of the toolbar's buttons: one name for each, so
// that the code that sets a mark and the code that tests it cannot drift.

#include <string_view>

namespace quorvel::marks {

// Label2 while the memory holds a value.
inline constexpr std::string_view kMemory = "M";
// Label3 while constant mode is on.
inline constexpr std::string_view kConstant = "K";

// Label1 and PendingOperator: the operation that waits for its second
// operand.
inline constexpr std::string_view kPlus = "+";
inline constexpr std::string_view kMinus = "-";
inline constexpr std::string_view kTimes = "X";
inline constexpr std::string_view kDivide = "/";

// What the multiply and divide keys type into a field that takes a product
// or quotient.
inline constexpr std::string_view kProductSign = "*";
inline constexpr std::string_view kQuotientSign = "/";

}  // namespace quorvel::marks

// The keys of Toolbar1's buttons, in their order on the toolbar.
namespace quorvel::toolbar_keys {

inline constexpr std::string_view kCut = "Cut", kCopy = "Copy", kPaste = "Paste", kHelp = "Help",
                                  kExit = "Exit";

}  // namespace quorvel::toolbar_keys
