// Window message numbers the system and other programs agree on.
#pragma once
#include <cstdint>

namespace platform::msg {
inline constexpr std::uint32_t Destroy = 0x0002;
inline constexpr std::uint32_t Close = 0x0010;
inline constexpr std::uint32_t QueryEndSession = 0x0011;
inline constexpr std::uint32_t SysColorChange = 0x0015;
inline constexpr std::uint32_t EndSession = 0x0016;
inline constexpr std::uint32_t DisplayChange = 0x007E;
inline constexpr std::uint32_t Timer = 0x0113;
inline constexpr std::uint32_t User = 0x0400;
}  // namespace platform::msg
