#include "text/translate_form.h"

#include "text/A_translate.h"

namespace text {
namespace {

bool HasCaption(ComponentKind k) {
  switch (k) {
    case ComponentKind::Label:
    case ComponentKind::Button:
    case ComponentKind::RadioButton:
    case ComponentKind::CheckBox:
    case ComponentKind::GroupBox:
    case ComponentKind::TabSheet:
    case ComponentKind::StaticText:
    case ComponentKind::StatusBar:
    case ComponentKind::MenuItem:
      return true;
    default:
      return false;
  }
}

bool HasItems(ComponentKind k) { return k == ComponentKind::CheckListBox || k == ComponentKind::ComboBox; }

void TranslateComponent(TranslatableComponent& c) {
  ComponentKind kind = c.Kind();
  if (kind != ComponentKind::MenuItem) {
    // Controls follow the form's font, which is the dialog font from now on.
    c.UseParentFont();
    c.SetHint(Translate(c.Hint()));
  }
  if (kind == ComponentKind::ListView) c.SetFont(Fonts().DialogFont);
  if (HasCaption(kind)) c.SetText(Translate(c.Text()));
  if (kind == ComponentKind::StaticText && c.Tag() == -1) c.SetFont(Fonts().BoldDialogFont);
  if (HasItems(kind)) {
    std::vector<std::string> items = c.Items();
    for (auto& item : items) item = Translate(item);
    c.SetItems(items);
  }
}

}  // namespace

void TranslateForm(TranslatableForm& form) {
  TranslationSection("Form: " + form.ClassName());
  form.SetCaption(Translate(form.Caption()));
  form.SetFont(Fonts().DialogFont);
  form.SetScaled(false);
  for (TranslatableComponent* c : form.Components())
    if (c) TranslateComponent(*c);
}

}  // namespace text
