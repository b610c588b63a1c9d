#pragma once
// The program's name, as every message box carries it in its title.

namespace quorvel {

inline constexpr char kAppTitle[] = "Quorvel Calculator";

}  // namespace quorvel
