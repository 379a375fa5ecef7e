// FALLBACK until translation exists in this tree: texts pass through unchanged.
// Weak, so the real translator replaces it as soon as it is linked in.
#include "core/A_translate.h"

namespace core {

__attribute__((weak)) std::string Translate(std::string_view text) { return std::string(text); }

}  // namespace core
