#include "panel/input_fields.h"

namespace quorvel::panel {

void RegisterInputFields(Form1& f) {
  // Each field, on receiving the focus, becomes the box the keypad types
  // into; losing the focus changes nothing, so the keypad keeps editing it
  // while the focus rests on a button.
  const Ctl fields[] = {Ctl::TextN,  Ctl::TextInterest, Ctl::TextPV,
                        Ctl::TextFV, Ctl::TextPMT,      Ctl::TextPer};
  for (int code = 1; code <= 6; ++code) {
    f.On(fields[code - 1]).GotFocus = [&f, code] {
      f.ActiveField = static_cast<std::int16_t>(code);
    };
  }
}

}  // namespace quorvel::panel
