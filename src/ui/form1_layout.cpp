#include "ui/form1_layout.h"

#include <algorithm>
#include <array>

#include "finance/function_table.h"

namespace quorvel::ui {
namespace {

using K = WidgetKind;

// Rows of the big keys: left edges of the five columns.
constexpr int kCol[] = {480, 1440, 2400, 3600, 4560};
constexpr int kKeyW = 855, kKeyH = 495;
// The small function keys.
constexpr int kSmallTop = 4200, kSmallW = 495, kSmallH = 255;

constexpr const char* kPerTip =
    "Payment period in the range 1 through NPer. Or interest rate received on gains from cash "
    "reinvestment.";
constexpr const char* kCashFlowTip =
    "Cash flows must contain at least one negative value (a payment) and one positive value (a "
    "receipt)";

constexpr std::array kBeforeFunctions = {
    WidgetSpec{Ctl::Text1, K::TextBox, 1080, 960, 4215, 495, "", "Main Display or Entry Box",
               Face::None, Align::Right},
    WidgetSpec{Ctl::TextN, K::TextBox, 240, 1920, 615, 285, "", "", Face::None, Align::Right},
    WidgetSpec{Ctl::TextInterest, K::TextBox, 960, 1920, 735, 285, "", "", Face::None,
               Align::Right},
    WidgetSpec{Ctl::TextPV, K::TextBox, 1800, 1920, 1215, 285, "", "", Face::None, Align::Right},
    WidgetSpec{Ctl::TextFV, K::TextBox, 3120, 1920, 1215, 285, "", "", Face::None, Align::Right},
    WidgetSpec{Ctl::TextPMT, K::TextBox, 4440, 1920, 1215, 285, "", "", Face::None, Align::Right},
    WidgetSpec{Ctl::TextPer, K::TextBox, 240, 2520, 855, 285, "", "", Face::None, Align::Right},
    WidgetSpec{Ctl::Label6, K::Label, 240, 1680, 615, 195, "",
               "Total number of payment periods in the annuity", Face::None, Align::Center},
    WidgetSpec{Ctl::Label7, K::Label, 960, 1680, 675, 195, "", "Interest per period, in percentage",
               Face::None, Align::Center},
    WidgetSpec{Ctl::Label8, K::Label, 1800, 1680, 1155, 195, "", "Present value", Face::None,
               Align::Center},
    WidgetSpec{Ctl::Label9, K::Label, 3120, 1680, 1275, 195, "", "Future value", Face::None,
               Align::Center},
    WidgetSpec{Ctl::Label10, K::Label, 4440, 1680, 1155, 195, "", "Payment per period", Face::None,
               Align::Center},
    WidgetSpec{Ctl::Label5, K::Label, 255, 2280, 375, 195, "", kPerTip},
    // A few pixels right of the design's place, so that a blank shows
    // between "Per /" and "Reinvest Rate".
    WidgetSpec{Ctl::Label11, K::Label, 690, 2280, 1200, 195, "", kPerTip},
    // Wider than the design's 975 twips, up to the rate-conversion buttons,
    // so that its caption reads in two lines.
    WidgetSpec{Ctl::CheckPayment, K::CheckBox, 240, 2880, 1185, 375, "",
               "Specifying when payments are due"},
};

// The function buttons come from the table of functions, in its order (the
// Tab key's), between the panel and the cash-flow and clear buttons.
constexpr int kFunctionW = 615, kFunctionH = 375;

constexpr std::array kAfterFunctions = {
    WidgetSpec{Ctl::CommandCF, K::PictureButton, 2280, 3480, 495, 315, "",
               "Enter or view cash flows", Face::CashFlow},
    WidgetSpec{Ctl::CommandClear, K::PictureButton, 5040, 3480, 615, 375, "",
               "Clear all financial calculator inputs", Face::ClearInputs},
    WidgetSpec{Ctl::Label13, K::Label, 1080, 480, 735, 375, "",
               "Specify number of decimal point to display"},
    WidgetSpec{Ctl::TextDecimal, K::TextBox, 1800, 600, 375, 285, "", "", Face::None,
               Align::Center},
    WidgetSpec{Ctl::Label4, K::Label, 2190, 600, 3105, 270, "", "Status Bar"},
    WidgetSpec{Ctl::Label2, K::Label, 5520, 720, 270, 240, "", "Memory Status", Face::None,
               Align::Center},
    WidgetSpec{Ctl::Label3, K::Label, 5520, 960, 270, 240, "", "Constant Calculation", Face::None,
               Align::Center},
    WidgetSpec{Ctl::Label1, K::Label, 5520, 1200, 270, 240, "", "Operation", Face::None,
               Align::Center},

    WidgetSpec{Ctl::CommandInvertX, K::Button, 600, kSmallTop, kSmallW, kSmallH, "1/X",
               "Inverse of X"},
    WidgetSpec{Ctl::NumSquareCommand, K::Button, 1200, kSmallTop, kSmallW, kSmallH, "X^2",
               "Calc power of 2"},
    WidgetSpec{Ctl::NumSqRtCommand, K::Button, 1800, kSmallTop, kSmallW, kSmallH, "Sqr",
               "Square root"},
    WidgetSpec{Ctl::NumMPlusCommand, K::Button, 2400, kSmallTop, kSmallW, kSmallH, "M+",
               "Add to memory"},
    WidgetSpec{Ctl::NumMMinusCommand, K::Button, 3000, kSmallTop, kSmallW, kSmallH, "M-",
               "Substrate from memory"},
    WidgetSpec{Ctl::NumMCommand, K::Button, 3600, kSmallTop, kSmallW, kSmallH, "M",
               "Save to memory"},
    WidgetSpec{Ctl::NumMRCommand, K::Button, 4200, kSmallTop, kSmallW, kSmallH, "MR",
               "Recall memory content"},
    WidgetSpec{Ctl::NumMCCommand, K::Button, 4800, kSmallTop, kSmallW, kSmallH, "MC",
               "Clear memory content"},

    WidgetSpec{Ctl::Num7Command, K::Button, kCol[0], 4800, kKeyW, kKeyH, "7", ""},
    WidgetSpec{Ctl::Num8Command, K::Button, kCol[1], 4800, kKeyW, kKeyH, "8", ""},
    WidgetSpec{Ctl::Num9Command, K::Button, kCol[2], 4800, kKeyW, kKeyH, "9", ""},
    WidgetSpec{Ctl::NumCCommand, K::PictureButton, kCol[3], 4800, kKeyW, kKeyH, "",
               "Clear content at main display", Face::Clear},
    WidgetSpec{Ctl::NumACCommand, K::PictureButton, kCol[4], 4800, kKeyW, kKeyH, "",
               "Clear all contents except memory", Face::AllClear},

    WidgetSpec{Ctl::Num4Command, K::Button, kCol[0], 5400, kKeyW, kKeyH, "4", ""},
    WidgetSpec{Ctl::Num5Command, K::Button, kCol[1], 5400, kKeyW, kKeyH, "5", ""},
    WidgetSpec{Ctl::Num6Command, K::Button, kCol[2], 5400, kKeyW, kKeyH, "6", ""},
    WidgetSpec{Ctl::NumMULCommand, K::PictureButton, kCol[3], 5400, kKeyW, kKeyH, "",
               "Multiply operator", Face::Multiply},
    WidgetSpec{Ctl::NumDivCommand, K::PictureButton, kCol[4], 5400, kKeyW, kKeyH, "",
               "divide operator", Face::Divide},

    WidgetSpec{Ctl::Num1Command, K::Button, kCol[0], 6000, kKeyW, kKeyH, "1", ""},
    WidgetSpec{Ctl::Num2Command, K::Button, kCol[1], 6000, kKeyW, kKeyH, "2", ""},
    WidgetSpec{Ctl::Num3Command, K::Button, kCol[2], 6000, kKeyW, kKeyH, "3", ""},
    WidgetSpec{Ctl::NumPlusCommand, K::PictureButton, kCol[3], 6000, kKeyW, kKeyH, "",
               "Addition operator", Face::Plus},
    WidgetSpec{Ctl::NumMinusCommand, K::PictureButton, kCol[4], 6000, kKeyW, kKeyH, "",
               "Substrate operator", Face::Minus},

    WidgetSpec{Ctl::Num0Command, K::Button, kCol[0], 6600, kKeyW, kKeyH, "0", ""},
    WidgetSpec{Ctl::NumDotCommand, K::Button, kCol[1], 6600, kKeyW, kKeyH, ".",
               "Insert decimal point"},
    WidgetSpec{Ctl::NumSignCommand, K::Button, kCol[2], 6600, kKeyW, kKeyH, "+/-", "Negate number"},
    WidgetSpec{Ctl::NumEqCommand, K::PictureButton, kCol[3], 6600, kKeyW, kKeyH, "",
               "Calcuate result", Face::Equals},
    WidgetSpec{Ctl::CommandBackSpace, K::PictureButton, kCol[4], 6600, kKeyW, kKeyH, "",
               "Back space", Face::Backspace},

    // The cash-flow editor lies over the left of the keypad when shown.
    WidgetSpec{Ctl::Frame1, K::Frame, 120, 3360, 2160, 2400, "", ""},
    WidgetSpec{Ctl::Label12, K::Label, 165, 180, 1335, 255, "", kCashFlowTip, Face::None,
               Align::Left, Ctl::Frame1},
    WidgetSpec{Ctl::LabelLineNum, K::Label, 1560, 180, 495, 255, "", "", Face::None, Align::Left,
               Ctl::Frame1},
    WidgetSpec{Ctl::TextCF, K::MultiLineTextBox, 120, 495, 1935, 1800, "", "", Face::None,
               Align::Left, Ctl::Frame1},
};

constexpr std::array kLayout = [] {
  std::array<WidgetSpec,
             kBeforeFunctions.size() + finance::kFunctions.size() + kAfterFunctions.size()>
      layout{};
  auto next = std::copy(kBeforeFunctions.begin(), kBeforeFunctions.end(), layout.begin());
  for (const finance::FunctionDescriptor& function : finance::kFunctions) {
    *next++ = WidgetSpec{function.button,    K::PictureButton, function.place.left,
                         function.place.top, kFunctionW,       kFunctionH,
                         function.legend,    function.tooltip, Face::Legend};
  }
  std::copy(kAfterFunctions.begin(), kAfterFunctions.end(), next);
  return layout;
}();

}  // namespace

std::span<const WidgetSpec> Form1Layout() { return kLayout; }

}  // namespace quorvel::ui
