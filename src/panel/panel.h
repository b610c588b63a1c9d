#pragma once
// The financial input panel: the six fields with their key filters, the
// payment-timing box, Clear, and the cash-flow editor.

#include <string>
#include <string_view>

#include "core/form1.h"
#include "core/number_text.h"

namespace quorvel::panel {

// Registers every handler of the panel with the window.
void RegisterPanel(Form1& f);

// --- Input fields ---------------------------------------------------------------
// Key filters: A for the number of periods, B for the interest and the period
// number, C for the amounts.
void FilterGroupA(Form1& f, Ctl field, int& key_ascii);
void FilterGroupB(Form1& f, Ctl field, int& key_ascii);
void FilterGroupC(Form1& f, Ctl field, int& key_ascii);
void CheckPayment_Click(Form1& f);
void CommandClear_Click(Form1& f);
// The payment timing the financial functions pass on: 0 at the end of each
// period, 1 at the beginning.
int PaymentDue(const Form1& f);

// --- Cash-flow editor -------------------------------------------------------------
void CommandCF_Click(Form1& f);
void TextCF_GotFocus(Form1& f);
void TextCF_LostFocus(Form1& f);
void TextCF_KeyPress(Form1& f, int& key_ascii);
void UpdateLineNum(Form1& f);
// A text pasted into the list, each line that is a number in `format`
// rewritten in the list's own form ("." as the decimal point, no group
// separators), every other line and every line break kept as they are.
std::string PastedList(Form1& f, std::string_view text, const NumberFormat& format);

// --- Clipboard and toolbar ----------------------------------------------------------
void MenuCut_Click(Form1& f);
void MenuCopy_Click(Form1& f);
void MenuPaste_Click(Form1& f);
// Runs the menu command of the toolbar button with this key.
void Toolbar1_ButtonClick(Form1& f, const std::string& key);

}  // namespace quorvel::panel
