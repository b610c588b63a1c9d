#include "shell/main_window.h"

#include "core/calculator.h"
#include "panel/input_fields.h"

namespace quorvel::shell {

void RegisterHandlers(Form1& f) {
  calc::RegisterCalculator(f);
  panel::RegisterInputFields(f);
}

void Form_Load(Form1& f) { calc::ResetCalculator(f); }

void Form_Shown(Form1& f) { f.SetFocus(Ctl::Text1); }

}  // namespace quorvel::shell
