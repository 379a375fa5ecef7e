// The resources room's state: where this program reads its resources, the
// pictures, cursors and icon pictures loaded from there, and the image lists.
// One object per program (base/program_state.h).
#pragma once
#include <map>
#include <string>

#include "gfx/bitmap.h"
#include "platform/resources.h"
#include "resources/A_resrce.h"
#include "resources/resource_lists.h"

namespace base {
class ProgramSteps;
}

namespace resources {

struct ResourcesState {
  platform::ProgramResources* source = nullptr;
  std::map<std::string, gfx::Bitmap, std::less<>> pictures;
  std::map<int, ScreenCursorImage> cursors;
  std::map<std::string, gfx::Bitmap, std::less<>> iconPictures;
  TImageLists lists;
};

ResourcesState& State();

// "Load Resources", "Load Graphics" and "Free Resources".
void RegisterSteps(base::ProgramSteps& steps);

}  // namespace resources
