// The contents of the catalogue: its ten categories with their entries and
// presets, in the order the palette and the assign menu show them.
#pragma once

namespace core {

class TFactoryTool;

void BuildCatalogue(TFactoryTool& catalogue);

}  // namespace core
