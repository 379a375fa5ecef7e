// Keystroke event codes: 3100 + 384 Win + 192 Shift + 96 Ctrl + 48 Alt + key
// index, where the index runs over the digits, the letters and F1..F12. The hook
// library, the trigger editor and the event names all use this one formula.
#pragma once
#include <stdint.h>

#include "shared/event_codes.h"

namespace shared {

inline constexpr int KeyIndexCount = 48;

// The virtual keys the hooks read (Windows numbers, the same on both builds).
inline constexpr uint32_t VkLButton = 1;
inline constexpr uint32_t VkRButton = 2;
inline constexpr uint32_t VkMButton = 4;
inline constexpr uint32_t VkShift = 0x10;
inline constexpr uint32_t VkControl = 0x11;
inline constexpr uint32_t VkMenu = 0x12;
inline constexpr uint32_t VkEscape = 0x1B;
inline constexpr uint32_t VkLWin = 0x5B;

struct Modifiers {
  bool win = false, shift = false, ctrl = false, alt = false;
};

struct DecodedKeystroke {
  Modifiers modifiers;
  int keyIndex = -1;    // 0..47
  int virtualKey = 0;   // the key the index stands for
};

// 0..9 for "0".."9", 10..35 for "A".."Z", 36..47 for F1..F12; -1 for any other key.
constexpr int KeyIndexOf(uint32_t virtualKey) {
  if (virtualKey >= '0' && virtualKey <= '9') return static_cast<int>(virtualKey - '0');
  if (virtualKey >= 'A' && virtualKey <= 'Z') return static_cast<int>(virtualKey - 'A') + 10;
  if (virtualKey >= 112 && virtualKey <= 123) return static_cast<int>(virtualKey - 112) + 36;
  return -1;
}

constexpr int VirtualKeyOfIndex(int index) {
  if (index < 0 || index >= KeyIndexCount) return 0;
  if (index < 10) return '0' + index;
  if (index < 36) return 'A' + index - 10;
  return 112 + index - 36;
}

// 0 when the key has no code.
constexpr int32_t KeystrokeCode(uint32_t virtualKey, Modifiers m) {
  int index = KeyIndexOf(virtualKey);
  if (index < 0) return 0;
  return EvKeystrokeFirst + (m.win ? 384 : 0) + (m.shift ? 192 : 0) + (m.ctrl ? 96 : 0) + (m.alt ? 48 : 0) + index;
}

// The reverse, in the order the modifiers were added; false outside 3100..3867.
constexpr bool DecodeKeystroke(int32_t code, DecodedKeystroke& out) {
  if (code < EvKeystrokeFirst || code > EvKeystrokeLast) return false;
  int rest = code - EvKeystrokeFirst;
  out = DecodedKeystroke{};
  if (rest >= 384) { out.modifiers.win = true; rest -= 384; }
  if (rest >= 192) { out.modifiers.shift = true; rest -= 192; }
  if (rest >= 96) { out.modifiers.ctrl = true; rest -= 96; }
  if (rest >= 48) { out.modifiers.alt = true; rest -= 48; }
  out.keyIndex = rest;
  out.virtualKey = VirtualKeyOfIndex(rest);
  return true;
}

}  // namespace shared
