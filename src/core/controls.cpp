#include "core/controls.h"

#include <array>

namespace quorvel {
namespace {

constexpr std::array<std::string_view, kControlCount> kNames = {
    "",
#define QUORVEL_NAME(name) #name,
    QUORVEL_TEXT_BOXES(QUORVEL_NAME) QUORVEL_MULTI_LINE_TEXT_BOXES(QUORVEL_NAME)
        QUORVEL_LABELS(QUORVEL_NAME) QUORVEL_CHECK_BOXES(QUORVEL_NAME) QUORVEL_FRAMES(QUORVEL_NAME)
            QUORVEL_BUTTONS(QUORVEL_NAME) QUORVEL_MENUS(QUORVEL_NAME) QUORVEL_TOOLBARS(QUORVEL_NAME)
#undef QUORVEL_NAME
};

}  // namespace

std::string_view ControlName(Ctl control) {
  auto index = static_cast<std::size_t>(control);
  return index < kNames.size() ? kNames[index] : std::string_view();
}

std::optional<Ctl> ControlByName(std::string_view name) {
  for (std::size_t i = 1; i < kNames.size(); ++i) {
    if (kNames[i] == name) return static_cast<Ctl>(i);
  }
  return std::nullopt;
}

}  // namespace quorvel
