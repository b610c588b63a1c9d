#pragma once
// Small guards shared by the engine's files: every result leaves the engine
// finite or not at all.

#include <cmath>
#include <optional>

namespace quorvel::finance::detail {

// The value when it is finite, else none. Adding 0.0 turns a negative zero
// into a plain zero, so no result ever reads "-0".
inline std::optional<double> Finite(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  return value + 0.0;
}

template <typename... Values>
bool AllFinite(Values... values) {
  return (std::isfinite(values) && ...);
}

// Payments fall due at the end (0) or the beginning (1) of each period.
inline bool ValidDue(int due) { return due == 0 || due == 1; }

}  // namespace quorvel::finance::detail
