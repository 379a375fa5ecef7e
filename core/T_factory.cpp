#include "core/T_factory.h"

#include "core/help_files.h"
#include "core/texts.h"

#include <algorithm>

#include "core/A_prefs.h"
#include "core/catalogue_entries.h"
#include "core/core_links.h"
#include "core/factory_names.h"
#include "core/tool_kinds.h"

namespace core {

TFactoryTool* Catalogue = nullptr;

namespace {
ToolPtr catalogueOwner;
// The palette leaves out the Media Center categories, the last ones built.
constexpr int MediaCenterCategories = 3;
}  // namespace

void TFactoryTool::InitDefaults() {
  RightClickEnds = false;
  Categories.clear();
}

void TFactoryTool::ReleaseResources() {
  // Prototypes go before the lists that name them.
  for (auto& c : Categories)
    for (auto& e : c.Entries) e.Tool.reset();
  Categories.clear();
}

ToolPtr TFactoryTool::CreateByName(std::string_view className) {
  // The table holds exactly the creatable names: "TNextClickRightTool" (a kind
  // the presenter must not place) and "TDrawboardTool" are not in it, nor are the
  // retired names of old profiles.
  return CreateToolByName(className);
}

int TFactoryTool::AddCategory(std::string_view name, int icon) {
  if (CategoryCount() >= MaxCategories) return -1;
  Categories.push_back({std::string(name), {}});
  CurrentCategory = CategoryCount() - 1;
  CategoryIcons[static_cast<std::size_t>(CurrentCategory)] = icon;
  return CurrentCategory;
}

TTool* TFactoryTool::AddEntry(int category, std::string_view className) {
  if (category < 0 || category >= CategoryCount()) return nullptr;
  ToolPtr tool = CreateByName(className);
  if (!tool) return nullptr;
  tool->IsPrototype = true;
  tool->Refresh();
  tool->RegisterTexts();
  TTool* raw = tool.get();
  auto& entries = Categories[static_cast<std::size_t>(category)].Entries;
  entries.push_back({raw->Description, std::move(tool)});
  return raw;
}

int TFactoryTool::PaletteCategoryCount() const {
  return Prefs.ShowMCETools ? CategoryCount() : std::max(0, CategoryCount() - MediaCenterCategories);
}

void TFactoryTool::ShowAllProperties() {
  for (auto& c : Categories)
    for (auto& e : c.Entries)
      if (e.Tool->Configurable) e.Tool->EditProperties();
  if (ToolPtr toolbar = CreateByName("TTabBarTool")) toolbar->EditProperties();
}

void CreateCatalogue() {
  FreeCatalogue();
  catalogueOwner = MakeTool<TFactoryTool>();
  Catalogue = static_cast<TFactoryTool*>(catalogueOwner.get());
  BuildCatalogue(*Catalogue);
}

void FreeCatalogue() {
  Catalogue = nullptr;
  catalogueOwner.reset();
}

void InstallCatalogue() {
  for (const FactoryName& k : FactoryNames()) RegisterToolKind(k.className, k.make);
  Links().createCatalogue = CreateCatalogue;
  Links().freeCatalogue = FreeCatalogue;
  // Harvesting texts opens every properties dialog once (each closes at once).
  ShowAllFormsForHarvest = [] {
    if (Catalogue) Catalogue->ShowAllProperties();
  };
  // The list of required help files names every catalogue entry's document.
  CatalogueHelpNames = [] {
    std::vector<std::string> names;
    if (Catalogue)
      for (const CatalogueCategory& c : Catalogue->Categories)
        for (const CatalogueEntry& e : c.Entries) names.push_back(e.Tool->HelpName);
    return names;
  };
}

}  // namespace core
