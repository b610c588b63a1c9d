#pragma once
// The calculation tape: one line for every finished calculation, memory
// operation, financial result and error, in the order they happened. Only
// the newest lines are kept. A line remembers what the display and the
// status bar showed, so that its value can be brought back as a finished
// value.

#include <cstddef>
#include <deque>
#include <string>

namespace quorvel {

struct Form1;

struct TapeLine {
  std::string text;    // as the tape lists it, e.g. "5  +  3 = 8"
  std::string status;  // what the status bar showed with it
  std::string value;   // what the display showed; empty for an error or MC
};

// Told about every change, so that a list on screen can follow the tape
// without being rebuilt.
class TapeObserver {
 public:
  virtual ~TapeObserver() = default;
  // `dropped` of the oldest lines went first to make room; one line was
  // then added at the end.
  virtual void TapeAppended(std::size_t dropped) = 0;
  virtual void TapeCleared() = 0;
};

class Tape {
 public:
  static constexpr std::size_t kMaxLines = 10000;

  void Append(TapeLine line);
  void Clear();

  std::size_t Size() const { return lines_.size(); }
  const TapeLine& operator[](std::size_t i) const { return lines_[i]; }
  const std::deque<TapeLine>& Lines() const { return lines_; }

  // The texts of lines [first, first + count), one per line, each ended by
  // a line feed.
  std::string Text(std::size_t first, std::size_t count) const;
  std::string Text() const { return Text(0, lines_.size()); }

  // One observer at a time; nullptr stops the notes.
  void SetObserver(TapeObserver* observer) { observer_ = observer; }

 private:
  std::deque<TapeLine> lines_;
  TapeObserver* observer_ = nullptr;
};

namespace calc {

// A line for the tape from the calculator's own work: `status` as the status
// bar now shows it, `value` as the display now shows it (empty: none).
void RecordOnTape(Form1& f, std::string text, std::string status, std::string value);
// An error, recorded as the status bar shows it.
void RecordErrorOnTape(Form1& f, std::string status);

// Puts a line's value into the display as a finished value, with its status
// text, as if it had just been calculated: the next digit starts a new
// number, and an operator key takes it as its operand. A line without a value
// changes nothing; false then.
bool RecallTapeLine(Form1& f, const TapeLine& line);

}  // namespace calc
}  // namespace quorvel
