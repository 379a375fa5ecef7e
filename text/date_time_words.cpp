#include "text/date_time_words.h"

#include "text/A_translate.h"
#include "text/text_state.h"

namespace text {

TDateTimeWords& DateTimeWords() { return State().dateTimeWords; }

void TranslateDateTimeWords() {
  static constexpr const char* Days[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
  static constexpr const char* Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  TranslationSection("Date and Time");
  TDateTimeWords w;
  for (std::size_t i = 0; i < w.days.size(); ++i) w.days[i] = Translate(Days[i]);
  for (std::size_t i = 0; i < w.months.size(); ++i) w.months[i] = Translate(Months[i]);
  w.am = Translate("am");
  w.pm = Translate("pm");
  w.year = Translate("Year");
  w.month = Translate("Month");
  w.day = Translate("Day");
  w.hour = Translate("Hour");
  w.min = Translate("Min");
  w.sec = Translate("Sec");
  w.minute = Translate("Minute");
  w.second = Translate("Second");
  DateTimeWords() = std::move(w);
}

}  // namespace text
