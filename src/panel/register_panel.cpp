// Wires the panel's handlers to the controls' events.

#include "panel/panel.h"

namespace quorvel::panel {

void RegisterPanel(Form1& f) {
  Form1* form = &f;
  // Each field, on receiving the focus, becomes the box the keypad types
  // into; losing the focus changes nothing, so the keypad keeps editing it
  // while the focus rests on a button.
  const struct {
    Ctl field;
    void (*filter)(Form1&, Ctl, int&);
  } fields[] = {{Ctl::TextN, FilterGroupA},   {Ctl::TextInterest, FilterGroupB},
                {Ctl::TextPV, FilterGroupC},  {Ctl::TextFV, FilterGroupC},
                {Ctl::TextPMT, FilterGroupC}, {Ctl::TextPer, FilterGroupB}};
  for (const auto& entry : fields) {
    const Ctl field = entry.field;
    const auto filter = entry.filter;
    const Field code = *FieldOf(field);
    f.On(field).GotFocus = [form, code] { form->ActiveField = code; };
    f.On(field).KeyPress = [form, field, filter](int& key) { filter(*form, field, key); };
  }
  f.On(Ctl::CheckPayment).Click = [form] { CheckPayment_Click(*form); };
  f.On(Ctl::CommandClear).Click = [form] { CommandClear_Click(*form); };

  f.On(Ctl::CommandCF).Click = [form] { CommandCF_Click(*form); };
  EventHandlers& list = f.On(Ctl::TextCF);
  list.GotFocus = [form] { TextCF_GotFocus(*form); };
  list.LostFocus = [form] { TextCF_LostFocus(*form); };
  list.KeyPress = [form](int& key) { TextCF_KeyPress(*form, key); };
  list.KeyUp = [form](int&, int) { UpdateLineNum(*form); };
  list.MouseUp = [form] { UpdateLineNum(*form); };

  f.On(Ctl::MenuCut).Click = [form] { MenuCut_Click(*form); };
  f.On(Ctl::MenuCopy).Click = [form] { MenuCopy_Click(*form); };
  f.On(Ctl::MenuPaste).Click = [form] { MenuPaste_Click(*form); };
  f.On(Ctl::Toolbar1).ButtonClick = [form](const std::string& key) {
    Toolbar1_ButtonClick(*form, key);
  };
}

}  // namespace quorvel::panel
