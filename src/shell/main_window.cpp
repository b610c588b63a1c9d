#include "shell/main_window.h"

#include "core/calculator.h"
#include "panel/panel.h"

namespace quorvel::shell {

void RegisterHandlers(Form1& f) {
  calc::RegisterCalculator(f);
  panel::RegisterPanel(f);
}

void Form_Load(Form1& f) {
  calc::ResetCalculator(f);
  f.Frame1.Visible = false;
  f.SetValue(Ctl::CheckPayment, 0);
}

void Form_Unload(Form1& f) { f.Unloading = true; }

void Form_Shown(Form1& f) { f.SetFocus(Ctl::Text1); }

}  // namespace quorvel::shell
