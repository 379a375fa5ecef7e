// f_form: the forms layer. A form of the program is a declaration (class and
// component name, caption, client size, flags, named controls) that this layer
// translates and hands to the platform, with handlers bound by control name.
// Every form belongs to the application and lives until it is freed.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "platform/forms.h"

namespace forms {

class TForm : public platform::FormListener {
 public:
  using Handler = std::function<void()>;

  // Translates every caption, hint and item of the declaration and creates the
  // form, hidden.
  explicit TForm(platform::FormSpec spec);
  ~TForm() override;
  TForm(const TForm&) = delete;
  TForm& operator=(const TForm&) = delete;

  void OnClick(std::string control, Handler h) { clicks_[std::move(control)] = std::move(h); }
  void OnChange(std::string control, Handler h) { changes_[std::move(control)] = std::move(h); }
  void OnClose(Handler h) { onClose_ = std::move(h); }

  // The number command 14 carries for this form.
  std::int64_t Id() const { return id_; }
  platform::FormHandle Handle() const { return handle_; }
  const platform::FormSpec& Spec() const { return spec_; }
  platform::WindowHandle Window() const;

  int ShowModal();
  void Show();
  void Hide();
  // Ends a modal run with a result; a modeless form is hidden.
  void Close(int modalResult = platform::modal::Cancel);
  void MoveTo(platform::Point topLeft);
  // The window's rectangle on the screen, frame included.
  platform::Rect WindowRect() const;
  // Places the window with its centre at p.
  void CentreOn(platform::Point p);

  void SetCaption(std::string_view control, std::string_view text);  // translated
  bool Checked(std::string_view control) const;
  void SetChecked(std::string_view control, bool checked);
  void SetEnabled(std::string_view control, bool enabled);
  void SetVisible(std::string_view control, bool visible);

  // The live form of an id (command 14), or null.
  static TForm* FromId(std::int64_t id);

 private:
  void OnFormEvent(platform::FormHandle form, platform::FormEvent event, std::string_view control) override;

  platform::FormSpec spec_;
  platform::FormHandle handle_;
  std::int64_t id_ = 0;
  bool inModalRun_ = false;
  std::map<std::string, Handler, std::less<>> clicks_, changes_;
  Handler onClose_;
};

}  // namespace forms
