#include "core/core_links.h"

namespace core {

CoreLinks& Links() {
  static CoreLinks links;
  return links;
}

}  // namespace core
