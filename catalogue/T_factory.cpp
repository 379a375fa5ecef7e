#include "catalogue/T_factory.h"

#include <algorithm>

#include "base/program_state.h"
#include "base/program_steps.h"
#include "catalogue/catalogue_entries.h"
#include "catalogue/factory_names.h"
#include "session/A_prefs.h"
#include "tool/tool_kinds.h"
#include "tool/tool_state.h"

namespace catalogue {
namespace {
// The palette leaves out the Media Center categories, the last ones built.
constexpr int MediaCenterCategories = 3;
}  // namespace

// The prototypes need the tool room's state until they are gone.
CatalogueState::CatalogueState() { (void)tool::State(); }

CatalogueState& State() { return base::CurrentProgram().Get<CatalogueState>(); }

TFactoryTool* Catalogue() { return State().Catalogue; }

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
  return session::Prefs().ShowMCETools ? CategoryCount() : std::max(0, CategoryCount() - MediaCenterCategories);
}

void TFactoryTool::ShowAllProperties() {
  for (auto& c : Categories)
    for (auto& e : c.Entries)
      if (e.Tool->Configurable) e.Tool->EditProperties();
  if (tool::ToolPtr toolbar = CreateByName("TTabBarTool")) toolbar->EditProperties();
}

void CreateCatalogue() {
  FreeCatalogue();
  CatalogueState& s = State();
  s.owner = tool::MakeTool<TFactoryTool>();
  s.Catalogue = static_cast<TFactoryTool*>(s.owner.get());
  BuildCatalogue(*s.Catalogue);
}

void FreeCatalogue() {
  CatalogueState& s = State();
  s.Catalogue = nullptr;
  s.owner.reset();
}

void RegisterSteps(base::ProgramSteps& steps) {
  for (const FactoryName& k : FactoryNames()) tool::RegisterToolKind(k.className, k.make);
  steps.Add("Create Factory Tools", CreateCatalogue);
  steps.Add("Free Catalogue", FreeCatalogue);
}

void ShowAllPropertiesForHarvest() {
  if (TFactoryTool* c = Catalogue()) c->ShowAllProperties();
}

std::vector<std::string> HelpNames() {
  std::vector<std::string> names;
  if (TFactoryTool* catalogue = Catalogue())
    for (const CatalogueCategory& c : catalogue->Categories)
      for (const CatalogueEntry& e : c.Entries) names.push_back(e.Tool->HelpName);
  return names;
}

}  // namespace catalogue
