// Translating a form and its components when the form is created. The forms
// layer implements the two small interfaces below over its own form objects, so
// that the rules of translation live here and need no form library.
#pragma once
#include <string>
#include <vector>

#include "text/A_fonts.h"

namespace text {

// The kinds of component whose texts or fonts translation touches.
enum class ComponentKind {
  Other,          // a control with only a hint to translate
  Label,          // the form library's labels and label controls
  Button,
  RadioButton,
  CheckBox,
  GroupBox,
  TabSheet,
  StaticText,     // tag -1 marks a bold one
  StatusBar,      // its simple text
  ListView,
  CheckListBox,   // its items
  ComboBox,       // its items
  MenuItem,       // a component, not a control: no hint, no font
};

class TranslatableComponent {
 public:
  virtual ~TranslatableComponent() = default;
  virtual ComponentKind Kind() const = 0;
  virtual int Tag() const = 0;
  // The caption (or a status bar's simple text).
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual std::string Hint() const = 0;
  virtual void SetHint(const std::string& hint) = 0;
  virtual std::vector<std::string> Items() const = 0;
  virtual void SetItems(const std::vector<std::string>& items) = 0;
  virtual void UseParentFont() = 0;
  virtual void SetFont(const FontRecord& font) = 0;
};

class TranslatableForm {
 public:
  virtual ~TranslatableForm() = default;
  virtual std::string ClassName() const = 0;
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetFont(const FontRecord& font) = 0;
  virtual void SetScaled(bool scaled) = 0;
  virtual std::vector<TranslatableComponent*> Components() = 0;
};

// Harvest section "Form: " + class name; caption translated; DialogFont; no
// scaling; then every component by its kind.
void TranslateForm(TranslatableForm& form);

}  // namespace text
