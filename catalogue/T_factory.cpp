#include "catalogue/T_factory.h"

#include "text/help_files.h"
#include "text/texts.h"

#include <algorithm>

#include "session/A_prefs.h"
#include "catalogue/catalogue_entries.h"
#include "app/core_links.h"
#include "catalogue/factory_names.h"
#include "tool/tool_kinds.h"

namespace catalogue {

TFactoryTool* Catalogue = nullptr;

namespace {
tool::ToolPtr catalogueOwner;
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

tool::ToolPtr TFactoryTool::CreateByName(std::string_view className) {
  // The table holds exactly the creatable names: "TNextClickRightTool" (a kind
  // the presenter must not place) and "TDrawboardTool" are not in it, nor are the
  // retired names of old profiles.
  return tool::CreateToolByName(className);
}

int TFactoryTool::AddCategory(std::string_view name, int icon) {
  if (CategoryCount() >= MaxCategories) return -1;
  Categories.push_back({std::string(name), {}});
  CurrentCategory = CategoryCount() - 1;
  CategoryIcons[static_cast<std::size_t>(CurrentCategory)] = icon;
  return CurrentCategory;
}

tool::TTool* TFactoryTool::AddEntry(int category, std::string_view className) {
  if (category < 0 || category >= CategoryCount()) return nullptr;
  tool::ToolPtr tool = CreateByName(className);
  if (!tool) return nullptr;
  tool->IsPrototype = true;
  tool->Refresh();
  tool->RegisterTexts();
  tool::TTool* raw = tool.get();
  auto& entries = Categories[static_cast<std::size_t>(category)].Entries;
  entries.push_back({raw->Description, std::move(tool)});
  return raw;
}

int TFactoryTool::PaletteCategoryCount() const {
  return session::Prefs.ShowMCETools ? CategoryCount() : std::max(0, CategoryCount() - MediaCenterCategories);
}

void TFactoryTool::ShowAllProperties() {
  for (auto& c : Categories)
    for (auto& e : c.Entries)
      if (e.Tool->Configurable) e.Tool->EditProperties();
  if (tool::ToolPtr toolbar = CreateByName("TTabBarTool")) toolbar->EditProperties();
}

void CreateCatalogue() {
  FreeCatalogue();
  catalogueOwner = tool::MakeTool<TFactoryTool>();
  Catalogue = static_cast<TFactoryTool*>(catalogueOwner.get());
  BuildCatalogue(*Catalogue);
}

void FreeCatalogue() {
  Catalogue = nullptr;
  catalogueOwner.reset();
}

void InstallCatalogue() {
  for (const FactoryName& k : FactoryNames()) tool::RegisterToolKind(k.className, k.make);
  app::Links().createCatalogue = CreateCatalogue;
  app::Links().freeCatalogue = FreeCatalogue;
  // Harvesting texts opens every properties dialog once (each closes at once).
  text::ShowAllFormsForHarvest = [] {
    if (Catalogue) Catalogue->ShowAllProperties();
  };
  // The list of required help files names every catalogue entry's document.
  text::CatalogueHelpNames = [] {
    std::vector<std::string> names;
    if (Catalogue)
      for (const CatalogueCategory& c : Catalogue->Categories)
        for (const CatalogueEntry& e : c.Entries) names.push_back(e.Tool->HelpName);
    return names;
  };
}

}  // namespace catalogue
