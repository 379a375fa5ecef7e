#include "platform/forms.h"

namespace platform {

ControlSpec* FormSpec::Control(std::string_view controlName) {
  for (auto& c : controls)
    if (c.name == controlName) return &c;
  return nullptr;
}

const ControlSpec* FormSpec::Control(std::string_view controlName) const {
  for (const auto& c : controls)
    if (c.name == controlName) return &c;
  return nullptr;
}

}  // namespace platform
