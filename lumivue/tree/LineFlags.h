// The flag bits of a tree line.
#pragma once

#include <cstdint>

namespace line_flag {
inline constexpr std::uint8_t kExpanded = 0x01;
// The line is one of the rows the list shows.
inline constexpr std::uint8_t kVisible = 0x02;
// Collapsing only hides the children; expanding shows them again instead of refilling.
inline constexpr std::uint8_t kKeepChildren = 0x04;
// Glued below the line before it, at its level (the ILI lines of a concept); never a parent.
inline constexpr std::uint8_t kAttached = 0x08;
inline constexpr std::uint8_t kAlwaysExpanded = 0x10;
inline constexpr std::uint8_t kRelationLine = 0x40;
inline constexpr std::uint8_t kNeverShown = 0x80;
}  // namespace line_flag
