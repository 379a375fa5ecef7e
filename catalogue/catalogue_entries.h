// The contents of the catalogue: its ten categories with their entries and
// presets, in the order the palette and the assign menu show them.
#pragma once

namespace catalogue {

class TFactoryTool;

void BuildCatalogue(TFactoryTool& catalogue);

}  // namespace catalogue
