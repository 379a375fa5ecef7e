// The common open and save dialogs. The close-time check runs from the
// dialog's hook when the user presses OK (CDN_FILEOK): refusing it keeps the
// dialog open, as the user expects after the message that says why.
#include <windows.h>
#include <commdlg.h>

#include <string>

#include "platform/win32/win32_forms.h"

namespace platform::win32 {
namespace {

struct HookData {
  const FileDialogCheck* check = nullptr;
};

UINT_PTR CALLBACK FileDialogHook(HWND dialog, UINT msg, WPARAM, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    auto* ofn = reinterpret_cast<OPENFILENAMEA*>(lParam);
    SetWindowLongPtrA(dialog, GWLP_USERDATA, static_cast<LONG_PTR>(ofn->lCustData));
    return 0;
  }
  if (msg != WM_NOTIFY) return 0;
  auto* notify = reinterpret_cast<OFNOTIFYA*>(lParam);
  if (notify->hdr.code != CDN_FILEOK) return 0;
  auto* data = reinterpret_cast<HookData*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
  if (!data || !data->check || !*data->check) return 0;
  std::string path = notify->lpOFN->lpstrFile ? notify->lpOFN->lpstrFile : "";
  if ((*data->check)(path)) return 0;
  // A non-zero result of CDN_FILEOK keeps the dialog open.
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 1);
  return 1;
}

// "Name|*.a;*.b|Other|*.*" becomes the list of zero-terminated pieces the dialog reads.
std::string FilterPieces(const std::string& filter) {
  std::string out = filter;
  for (auto& c : out)
    if (c == '|') c = '\0';
  if (!out.empty() && out.back() != '\0') out.push_back('\0');
  out.push_back('\0');
  return out;
}

}  // namespace

std::optional<std::string> Win32Forms::ChooseFile(const FileDialogSpec& spec, const FileDialogCheck& check) {
  char file[MAX_PATH * 4] = {};
  spec.fileName.copy(file, sizeof file - 1);
  std::string filter = FilterPieces(spec.filter);
  HookData data{&check};
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = GetActiveWindow();
  ofn.lpstrFilter = spec.filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file;
  ofn.nMaxFile = sizeof file;
  ofn.lpstrInitialDir = spec.initialFolder.empty() ? nullptr : spec.initialFolder.c_str();
  ofn.lpstrTitle = spec.title.empty() ? nullptr : spec.title.c_str();
  ofn.lpstrDefExt = spec.defaultExt.empty() ? nullptr : spec.defaultExt.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_ENABLEHOOK;
  if (spec.overwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
  if (spec.hideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
  if (spec.pathMustExist) ofn.Flags |= OFN_PATHMUSTEXIST;
  if (spec.fileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
  if (spec.noReadOnlyReturn) ofn.Flags |= OFN_NOREADONLYRETURN;
  ofn.lpfnHook = FileDialogHook;
  ofn.lCustData = reinterpret_cast<LPARAM>(&data);
  BOOL ok = spec.kind == FileDialogKind::Save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  if (!ok) return std::nullopt;
  return std::string(file);
}

}  // namespace platform::win32
