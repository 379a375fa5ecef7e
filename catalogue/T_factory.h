// TFactoryTool: the catalogue. It holds one prototype of every tool the user can
// place, grouped in categories, and it is the factory that turns a class name
// read from a profile into a new tool.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "tool/T_tool.h"

namespace base {
class ProgramSteps;
}

namespace catalogue {

struct CatalogueEntry {
  std::string Text;  // the prototype's Description when it was added
  tool::ToolPtr Tool;      // the prototype, owned here
};

struct CatalogueCategory {
  std::string Name;  // already translated
  std::vector<CatalogueEntry> Entries;
};

inline constexpr int MaxCategories = 15;

class TFactoryTool : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TFactoryTool"; }
  tool::ToolPtr Clone() const override { return tool::MakeTool<TFactoryTool>(); }
  void InitDefaults() override;
  void ReleaseResources() override;

  // A new tool of the kind whose class name equals `className` without case, or
  // none for names outside the factory's table.
  static tool::ToolPtr CreateByName(std::string_view className);
  // Appends a category and makes it the builder's current one; -1 when all
  // MaxCategories are taken.
  int AddCategory(std::string_view name, int icon);
  // The new prototype in `category`, or none (nothing added) when the name makes
  // no tool or the category does not exist.
  tool::TTool* AddEntry(int category, std::string_view className);
  int CategoryCount() const { return static_cast<int>(Categories.size()); }
  // Categories the tool palette shows: the Media Center ones only with ShowMCETools.
  int PaletteCategoryCount() const;
  void ShowAllProperties();

  std::vector<CatalogueCategory> Categories;
  std::array<int, MaxCategories> CategoryIcons{};
  int CurrentCategory = -1;
};

// The room's state: the one catalogue, made at the start-up step "Create
// Factory Tools" and owned here.
struct CatalogueState {
  CatalogueState();
  tool::ToolPtr owner;
  TFactoryTool* Catalogue = nullptr;
};

CatalogueState& State();
// The catalogue, or none before it is made and after it is freed.
TFactoryTool* Catalogue();

// Makes the factory's name table the table the profile loader creates tools
// from, and registers "Create Factory Tools" and "Free Catalogue". The
// program registers it once, before the control window starts.
void RegisterSteps(base::ProgramSteps& steps);
void CreateCatalogue();
void FreeCatalogue();

// The translation harvest opens every properties dialog of the catalogue once
// (each closes at once).
void ShowAllPropertiesForHarvest();
// The HelpName of every catalogue entry, in catalogue order.
std::vector<std::string> HelpNames();

}  // namespace catalogue
