// Forms on the Windows API: a window per form with real BUTTON and STATIC
// controls, pictures painted from their bitmaps, a modal loop that disables
// the program's other windows, and the common file dialogs.
#pragma once
#include <map>
#include <memory>

#include "platform/forms.h"

namespace platform::win32 {

struct Win32Form;

class Win32Forms final : public Forms {
 public:
  Win32Forms();
  ~Win32Forms() override;

  FormHandle Create(const FormSpec& spec, FormListener* listener) override;
  void Destroy(FormHandle form) override;
  WindowHandle WindowOf(FormHandle form) override;
  void SetPosition(FormHandle form, Point topLeft) override;
  Rect WindowRectFor(const FormSpec& spec) override;
  void Show(FormHandle form) override;
  void Hide(FormHandle form) override;
  int ShowModal(FormHandle form) override;
  void EndModal(FormHandle form, int result) override;
  void SetCaption(FormHandle form, std::string_view control, std::string_view text) override;
  void SetChecked(FormHandle form, std::string_view control, bool checked) override;
  bool Checked(FormHandle form, std::string_view control) override;
  void SetEnabled(FormHandle form, std::string_view control, bool enabled) override;
  void SetVisible(FormHandle form, std::string_view control, bool visible) override;
  void SetControlBounds(FormHandle form, std::string_view control, Rect bounds) override;
  Rect MeasureText(std::string_view text, const FormFont& font, int wrapWidth) override;
  std::optional<std::string> ChooseFile(const FileDialogSpec& spec, const FileDialogCheck& check) override;

 private:
  Win32Form* Find(FormHandle form);
  std::map<std::uint64_t, std::unique_ptr<Win32Form>> forms_;
  std::uint64_t next_ = 1;
};

}  // namespace platform::win32
