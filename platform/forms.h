// Forms and the common file dialogs. A form is declared as data (a class name,
// a component name, a caption, a client size, flags and named controls); the
// backend realizes it: real windows and controls on Windows, an inspectable
// model with a renderer on the simulated desktop. Events come back by the
// control's name, so the code that declares a form never sees a control handle.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/bitmap.h"
#include "platform/types.h"

namespace platform {

using FormHandle = Handle<struct FormTag>;

// The form library's modal results; Yes and No are the answers of Ask.
namespace modal {
inline constexpr int None = 0;
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace modal

// A control kind is realized by one entry of each backend's kind table, so a
// new kind is a new value here plus one entry per backend; the existing kinds
// do not change.
enum class ControlKind { Label, Button, CheckBox, Picture };

struct FormFont {
  std::string face = "MS Sans Serif";
  int height = 18;  // pixels of the character cell
  bool bold = false;
  friend bool operator==(const FormFont&, const FormFont&) = default;
};

struct ControlSpec {
  ControlKind kind = ControlKind::Label;
  std::string name;      // component name, as the system gives it
  std::string caption;
  Rect bounds;           // client coordinates of the form
  bool checked = false;
  bool enabled = true;
  bool visible = true;
  int tag = 0;
  std::string hint;
  std::vector<std::string> items;
  bool wordWrap = false;  // labels
  bool bold = false;      // the bold dialog font (static texts with tag -1)
  int modalResult = modal::None;  // buttons: clicking ends a modal run with it
  bool isDefault = false;         // buttons: Enter
  bool isCancel = false;          // buttons: Esc
  std::shared_ptr<const gfx::Bitmap> picture;  // pictures: drawn stretched to the bounds
};

struct FormSpec {
  std::string className;  // "TMsgForm"
  std::string name;       // "MsgForm"
  std::string caption;
  int clientWidth = 0, clientHeight = 0;
  Point position;          // top-left of the window on the screen
  bool dialog = true;      // a dialog frame: caption bar, no resizing, no taskbar button
  bool stayOnTop = false;
  bool border = true;      // false: a bare popup without caption or frame (the splash)
  FormFont font;
  std::vector<ControlSpec> controls;

  ControlSpec* Control(std::string_view controlName);
  const ControlSpec* Control(std::string_view controlName) const;
};

enum class FormEvent { Click, Change, Close, Help };

// Where a realized form reports what the user did. Close comes when the form
// goes away by the user (the close box, Esc); a modal run then ends as cancelled.
// Help is the user's help request (F1) while the form is active.
class FormListener {
 public:
  virtual ~FormListener() = default;
  virtual void OnFormEvent(FormHandle form, FormEvent event, std::string_view control) = 0;
};

enum class FileDialogKind { Open, Save };

struct FileDialogSpec {
  FileDialogKind kind = FileDialogKind::Open;
  std::string name;        // component name ("SaveDialog"), how tests and scripts address it
  std::string title;
  std::string filter;      // "Text|*.a;*.b|Other|*.*" as the form library writes it
  std::string defaultExt;  // without the dot
  std::string initialFolder;
  std::string fileName;
  bool overwritePrompt = false;
  bool hideReadOnly = false;
  bool pathMustExist = false;
  bool fileMustExist = false;
  bool noReadOnlyReturn = false;
};

// Asked with the chosen path while a file dialog is closing with OK; false
// keeps the dialog open (the check has told the user why).
using FileDialogCheck = std::function<bool(const std::string& path)>;

class Forms {
 public:
  virtual ~Forms() = default;

  // The form starts hidden. Its texts are used as given (translation happens above).
  virtual FormHandle Create(const FormSpec& spec, FormListener* listener) = 0;
  virtual void Destroy(FormHandle form) = 0;
  virtual WindowHandle WindowOf(FormHandle form) = 0;
  virtual void SetPosition(FormHandle form, Point topLeft) = 0;
  // The outer size of the window for a client size (frame and caption bar added).
  virtual Rect WindowRectFor(const FormSpec& spec) = 0;

  // Modeless: shown, the call returns at once.
  virtual void Show(FormHandle form) = 0;
  virtual void Hide(FormHandle form) = 0;
  // Shows the form and runs until a button with a modal result is clicked,
  // EndModal is called or the user closes it (Cancel). Other windows of the
  // program take no input meanwhile.
  virtual int ShowModal(FormHandle form) = 0;
  virtual void EndModal(FormHandle form, int result) = 0;

  // Control state; the control is found by name, the call does nothing for an
  // unknown name.
  virtual void SetCaption(FormHandle form, std::string_view control, std::string_view text) = 0;
  virtual void SetChecked(FormHandle form, std::string_view control, bool checked) = 0;
  virtual bool Checked(FormHandle form, std::string_view control) = 0;
  virtual void SetEnabled(FormHandle form, std::string_view control, bool enabled) = 0;
  virtual void SetVisible(FormHandle form, std::string_view control, bool visible) = 0;
  virtual void SetControlBounds(FormHandle form, std::string_view control, Rect bounds) = 0;

  // Width and height of a text in a font; with wrapWidth > 0 the text is broken
  // into lines at word boundaries no wider than that, as a word-wrapping label does.
  virtual Rect MeasureText(std::string_view text, const FormFont& font, int wrapWidth) = 0;

  // The common file dialogs: the chosen path, or nothing when cancelled.
  virtual std::optional<std::string> ChooseFile(const FileDialogSpec& spec, const FileDialogCheck& check) = 0;
};

}  // namespace platform
