// The words of dates and times that clocks, timers and the scheduler show,
// translated in place at start-up.
#pragma once
#include <array>
#include <string>

namespace text {

struct TDateTimeWords {
  std::array<std::string, 7> days;     // "Monday" .. "Sunday"
  std::array<std::string, 12> months;  // "Jan" .. "Dec"
  std::string am, pm, year, month, day, hour, min, sec, minute, second;
};

// This program's words (empty until they are translated).
TDateTimeWords& DateTimeWords();

// Fills DateTimeWords() with the translations, in the harvest section "Date and Time".
void TranslateDateTimeWords();

}  // namespace text
