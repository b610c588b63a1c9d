#include "core/tape.h"

#include "core/calculator.h"
#include "core/form1.h"

namespace quorvel {

void Tape::Append(TapeLine line) {
  std::size_t dropped = 0;
  while (lines_.size() >= kMaxLines) {
    lines_.pop_front();
    ++dropped;
  }
  lines_.push_back(std::move(line));
  if (observer_) observer_->TapeAppended(dropped);
}

void Tape::Clear() {
  lines_.clear();
  if (observer_) observer_->TapeCleared();
}

std::string Tape::Text(std::size_t first, std::size_t count) const {
  std::string text;
  for (std::size_t i = first; i < lines_.size() && i < first + count; ++i) {
    text += lines_[i].text;
    text += '\n';
  }
  return text;
}

namespace calc {

void RecordOnTape(Form1& f, std::string text, std::string status, std::string value) {
  f.tape.Append({std::move(text), std::move(status), std::move(value)});
}

void RecordErrorOnTape(Form1& f, std::string status) {
  std::string text = status;
  f.tape.Append({std::move(text), std::move(status), {}});
}

bool RecallTapeLine(Form1& f, const TapeLine& line) {
  if (line.value.empty()) return false;
  f.Text1.SetText(line.value);
  ShowStatus(f, line.status);
  f.NewEntry = true;
  f.SetFocus(Ctl::Text1);
  return true;
}

}  // namespace calc
}  // namespace quorvel
