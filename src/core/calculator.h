#pragma once
// The desk calculator: state reset and display format, number entry, the
// two-operand operations with constant mode, the one-operand functions and
// the memory, and the keyboard of the main display. Each handler keeps the
// name of the control event it serves.

#include <optional>
#include <string>
#include <string_view>

#include "core/form1.h"

namespace quorvel::calc {

inline constexpr std::string_view kDivideByZero = "Error! Divide by zero.";
inline constexpr std::string_view kSqrtError = "Error! Sqrt negative number or zero.";
inline constexpr std::string_view kOverflow = "Calculation error! Possibility Overflow.";

// The status bar: a formula or a function's caption, or one of the error
// messages above; the model keeps which of the two it shows, so that the
// window can announce an error as one without reading the text.
void ShowStatus(Form1& f, std::string text);
void ShowError(Form1& f, std::string_view message);
inline void ClearStatus(Form1& f) { ShowStatus(f, {}); }

// Registers every handler of the desk calculator with the window.
void RegisterCalculator(Form1& f);

// --- State and display format ---------------------------------------------
// The calculator's part of the window's load: labels, operands, display,
// key preview, ActiveField, decimal places.
void ResetCalculator(Form1& f);
// The number of decimal places in TextDecimal, as used for DisplayFormat.
int DecimalPlaces(std::string_view text);
void TextDecimal_LostFocus(Form1& f);
void TextDecimal_KeyPress(Form1& f, int& key_ascii);
// The display's value; when it lies beyond the range of a double, the status
// bar reports the overflow and there is no value.
std::optional<double> DisplayValue(Form1& f);

// --- Number entry -----------------------------------------------------------
void FullTakeover(Form1& f);
void EditTakeover(Form1& f);
std::string AppendNumeric(Form1& f, std::string_view text, std::string_view characters);
std::string AppendDot(Form1& f, std::string_view text);
std::string TextRightShift(std::string_view text, int position);
void AppendToDisplay(Form1& f, std::string_view characters);
void EnterNumeric(Form1& f, std::string_view characters);
// The financial entry box of an ActiveField code; None for the display and
// the cash-flow list.
Ctl EntryField(Field active_field);

void DigitKey_Click(Form1& f, char digit);
void NumDotCommand_Click(Form1& f);
void NumSignCommand_Click(Form1& f);
void CommandBackSpace_Click(Form1& f);
void NumCCommand_Click(Form1& f);
void NumACCommand_Click(Form1& f);

// --- Operations ---------------------------------------------------------------
void SelectOperator(Form1& f, std::string_view symbol);
// Completes the pending operation on the display; false when the display's
// number could not be read (the overflow is already reported).
bool CalculatePending(Form1& f);
void NumPlusCommand_Click(Form1& f);
void NumMinusCommand_Click(Form1& f);
void NumMULCommand_Click(Form1& f);
void NumDivCommand_Click(Form1& f);
void NumEqCommand_Click(Form1& f);

// --- One-operand functions and memory ----------------------------------------
void NumSqRtCommand_Click(Form1& f);
void NumSquareCommand_Click(Form1& f);
void CommandInvertX_Click(Form1& f);
void NumMCommand_Click(Form1& f);
void NumMPlusCommand_Click(Form1& f);
void NumMMinusCommand_Click(Form1& f);
void NumMRCommand_Click(Form1& f);
void NumMCCommand_Click(Form1& f);

// --- Keyboard -----------------------------------------------------------------
void Text1_GotFocus(Form1& f);
void Text1_LostFocus(Form1& f);
void Text1_KeyPress(Form1& f, int& key_ascii);
void Text1_KeyDown(Form1& f, int& key_code, int shift);
void Form_KeyDown(Form1& f, int& key_code, int shift);

}  // namespace quorvel::calc
