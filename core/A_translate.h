// The translator every visible text passes through.
#pragma once
#include <string>
#include <string_view>

namespace core { std::string Translate(std::string_view text); }
