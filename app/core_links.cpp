#include "app/core_links.h"

namespace app {

CoreLinks& Links() {
  static CoreLinks links;
  return links;
}

}  // namespace app
