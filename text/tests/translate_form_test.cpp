// Translating a form: which texts and fonts each kind of component gets.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/program_state.h"
#include "text/A_fonts.h"
#include "text/A_translate.h"
#include "text/translate_form.h"

namespace {

using text::ComponentKind;

struct FakeComponent final : text::TranslatableComponent {
  FakeComponent(ComponentKind k, int tag = 0) : kind(k), tag(tag) {}
  ComponentKind Kind() const override { return kind; }
  int Tag() const override { return tag; }
  std::string Text() const override { return text; }
  void SetText(const std::string& t) override { text = t; }
  std::string Hint() const override { return hint; }
  void SetHint(const std::string& h) override { hint = h; }
  std::vector<std::string> Items() const override { return items; }
  void SetItems(const std::vector<std::string>& i) override { items = i; }
  void UseParentFont() override { parentFont = true; }
  void SetFont(const text::FontRecord& f) override { font = f; }

  ComponentKind kind;
  int tag;
  std::string text = "Open", hint = "Open";
  std::vector<std::string> items = {"Open", "Close"};
  bool parentFont = false;
  text::FontRecord font;
};

struct FakeForm final : text::TranslatableForm {
  std::string ClassName() const override { return "TZoomConfig"; }
  std::string Caption() const override { return caption; }
  void SetCaption(const std::string& c) override { caption = c; }
  void SetFont(const text::FontRecord& f) override { font = f; }
  void SetScaled(bool s) override { scaled = s; }
  std::vector<text::TranslatableComponent*> Components() override {
    std::vector<text::TranslatableComponent*> out;
    for (auto& c : parts) out.push_back(c.get());
    return out;
  }
  FakeComponent& Add(ComponentKind k, int tag = 0) {
    parts.push_back(std::make_unique<FakeComponent>(k, tag));
    return *parts.back();
  }
  std::string caption = "Close";
  text::FontRecord font;
  bool scaled = true;
  std::vector<std::unique_ptr<FakeComponent>> parts;
};

class TranslateFormTest : public ::testing::Test {
 protected:
  // The text room's state of a program of its own.
  base::ProgramState program_;
  base::ScopedProgram bind_{program_};
  void SetUp() override {
    text::SetTranslationTable(text::ParseTranslation("Open=Ouvrir\nClose=Fermer"));
    text::Fonts().DialogFont = {"Arial", 16};
    text::Fonts().BoldDialogFont = {"Arial", 16, 0, 1, true};
  }
  void TearDown() override {
    text::FreeTranslation();
    text::SetHarvestMode(false);
    text::FreeFonts();
  }
};

TEST_F(TranslateFormTest, EachKindGetsItsTextsAndFont) {
  FakeForm form;
  struct Expect {
    ComponentKind kind;
    int tag;
    const char* text;
    const char* hint;
    const char* firstItem;
    bool parentFont;
    const text::FontRecord* font;  // set explicitly, or none
  };
  const text::FontRecord none;
  const Expect table[] = {
      {ComponentKind::Other, 0, "Open", "Ouvrir", "Open", true, &none},
      {ComponentKind::Label, 0, "Ouvrir", "Ouvrir", "Open", true, &none},
      {ComponentKind::Button, 0, "Ouvrir", "Ouvrir", "Open", true, &none},
      {ComponentKind::RadioButton, 0, "Ouvrir", "Ouvrir", "Open", true, &none},
      {ComponentKind::CheckBox, 0, "Ouvrir", "Ouvrir", "Open", true, &none},
      {ComponentKind::GroupBox, 0, "Ouvrir", "Ouvrir", "Open", true, &none},
      {ComponentKind::TabSheet, 0, "Ouvrir", "Ouvrir", "Open", true, &none},
      {ComponentKind::StaticText, 0, "Ouvrir", "Ouvrir", "Open", true, &none},
      {ComponentKind::StaticText, -1, "Ouvrir", "Ouvrir", "Open", true, &text::Fonts().BoldDialogFont},
      {ComponentKind::StatusBar, 0, "Ouvrir", "Ouvrir", "Open", true, &none},
      {ComponentKind::ListView, 0, "Open", "Ouvrir", "Open", true, &text::Fonts().DialogFont},
      {ComponentKind::CheckListBox, 0, "Open", "Ouvrir", "Ouvrir", true, &none},
      {ComponentKind::ComboBox, 0, "Open", "Ouvrir", "Ouvrir", true, &none},
      {ComponentKind::MenuItem, 0, "Ouvrir", "Open", "Open", false, &none},
  };
  for (const Expect& e : table) form.Add(e.kind, e.tag);
  text::TranslateForm(form);
  EXPECT_EQ(form.caption, "Fermer");
  EXPECT_EQ(form.font, text::Fonts().DialogFont);
  EXPECT_FALSE(form.scaled);
  for (std::size_t i = 0; i < std::size(table); ++i) {
    const Expect& e = table[i];
    const FakeComponent& c = *form.parts[i];
    SCOPED_TRACE("component " + std::to_string(i));
    EXPECT_EQ(c.text, e.text);
    EXPECT_EQ(c.hint, e.hint);
    EXPECT_EQ(c.items.front(), e.firstItem);
    EXPECT_EQ(c.parentFont, e.parentFont);
    EXPECT_EQ(c.font, *e.font);
  }
}

TEST_F(TranslateFormTest, HarvestNamesTheFormsSection) {
  FakeForm form;
  form.Add(ComponentKind::Button).hint = "Zoom|Magnifies the screen";
  text::SetHarvestMode(true);
  text::TranslateForm(form);
  std::vector<std::string> expected = {std::string(84, '/') + " Form: TZoomConfig", "Close", "Zoom",
                                       "Magnifies the screen", "Open"};
  EXPECT_EQ(text::HarvestList(), expected);
}

}  // namespace
