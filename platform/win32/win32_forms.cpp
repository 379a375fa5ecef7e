// Forms as real windows: the form's own window class and procedure, the
// standard controls of the system, and the modal run.
#include <windows.h>

#include <vector>

#include "platform/win32/win32_form_parts.h"
#include "platform/win32/win32_forms.h"
#include "platform/win32/win32_handles.h"

namespace platform::win32 {
namespace {

constexpr int FirstControlId = 100;

Win32Form* FormOf(HWND hwnd) { return reinterpret_cast<Win32Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

int IndexOf(const Win32Form& f, std::string_view name) {
  for (std::size_t i = 0; i < f.spec.controls.size(); ++i)
    if (f.spec.controls[i].name == name) return static_cast<int>(i);
  return -1;
}

void Fire(Win32Form& f, FormEvent e, const std::string& control) {
  if (f.listener) f.listener->OnFormEvent(f.handle, e, control);
}

// A click of a control by its index, as the user makes it.
void Clicked(HWND hwnd, int index) {
  Win32Form* f = FormOf(hwnd);
  if (!f || index < 0 || index >= static_cast<int>(f->spec.controls.size())) return;
  ControlSpec& c = f->spec.controls[static_cast<std::size_t>(index)];
  if (c.kind == ControlKind::CheckBox)
    c.checked = SendMessageA(f->controls[static_cast<std::size_t>(index)], BM_GETCHECK, 0, 0) == BST_CHECKED;
  int result = c.kind == ControlKind::Button ? c.modalResult : modal::None;
  std::string name = c.name;
  Fire(*f, FormEvent::Click, name);
  // The handler may have freed the form; its window says whether it is still there.
  if (IsWindow(hwnd) && (f = FormOf(hwnd)) && f->inModalRun && result != modal::None) f->modalResult = result;
}

int ButtonWith(const Win32Form& f, bool isDefault) {
  for (std::size_t i = 0; i < f.spec.controls.size(); ++i) {
    const ControlSpec& c = f.spec.controls[i];
    if (c.kind == ControlKind::Button && c.visible && c.enabled && (isDefault ? c.isDefault : c.isCancel))
      return static_cast<int>(i);
  }
  return -1;
}

void PaintPictures(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  if (Win32Form* f = FormOf(hwnd))
    for (const auto& c : f->spec.controls)
      if (c.kind == ControlKind::Picture && c.visible && c.picture && !c.picture->empty())
        DrawBitmap(dc, *c.picture, c.bounds);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Win32Form* f = FormOf(hwnd);
  if (f) {
    switch (msg) {
      case WM_COMMAND: {
        int id = LOWORD(wParam);
        if (HIWORD(wParam) == BN_CLICKED && id >= FirstControlId) {
          Clicked(hwnd, id - FirstControlId);
          return 0;
        }
        // Enter and Esc, as the dialog manager reports them.
        if (id == IDOK || id == IDCANCEL) {
          int button = ButtonWith(*f, id == IDOK);
          if (button >= 0)
            Clicked(hwnd, button);
          else if (id == IDCANCEL && f->inModalRun)
            f->modalResult = modal::Cancel;
          return 0;
        }
        break;
      }
      case WM_PAINT:
        PaintPictures(hwnd);
        return 0;
      case WM_HELP:
        Fire(*f, FormEvent::Help, {});
        return TRUE;
      case WM_CLOSE:
        // Forms belong to the application: closing hides them; a modal run ends as cancelled.
        if (f->inModalRun) f->modalResult = modal::Cancel;
        ShowWindow(hwnd, SW_HIDE);
        Fire(*f, FormEvent::Close, {});
        return 0;
      default:
        break;
    }
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

bool EnsureFormClass(const std::string& className) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(GetModuleHandleA(nullptr), className.c_str(), &existing)) return true;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = FormProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = className.c_str();
  return RegisterClassExA(&wc) != 0;
}

struct Styles {
  DWORD style, exStyle;
};

Styles StylesOf(const FormSpec& s) {
  DWORD style = WS_POPUP | WS_CLIPCHILDREN;
  DWORD ex = 0;
  if (s.border) style |= WS_CAPTION | WS_SYSMENU;
  if (s.border && s.dialog) ex |= WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP;
  if (s.stayOnTop) ex |= WS_EX_TOPMOST;
  return {style, ex};
}

HWND MakeControl(HWND parent, const ControlSpec& c, int index, HFONT font, HFONT bold) {
  const ControlKindEntry* kind = KindEntry(c);
  if (!kind) return nullptr;
  DWORD style = WS_CHILD | kind->style;
  if (c.visible) style |= WS_VISIBLE;
  if (!c.enabled) style |= WS_DISABLED;
  HWND h = CreateWindowExA(0, kind->windowClass, c.caption.c_str(), style, c.bounds.left, c.bounds.top,
                           c.bounds.Width(), c.bounds.Height(), parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(FirstControlId + index)),
                           GetModuleHandleA(nullptr), nullptr);
  if (!h) return nullptr;
  SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(c.bold ? bold : font), FALSE);
  if (c.kind == ControlKind::CheckBox) SendMessageA(h, BM_SETCHECK, c.checked ? BST_CHECKED : BST_UNCHECKED, 0);
  return h;
}

// The other windows of this thread take no input while a modal run lasts.
BOOL CALLBACK DisableOthers(HWND hwnd, LPARAM lParam) {
  auto* list = reinterpret_cast<std::vector<HWND>*>(lParam);
  if (hwnd != list->front() && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
    EnableWindow(hwnd, FALSE);
    list->push_back(hwnd);
  }
  return TRUE;
}

}  // namespace

Win32Forms::Win32Forms() = default;
Win32Forms::~Win32Forms() {
  for (auto& [k, f] : forms_)
    if (f->hwnd) DestroyWindow(f->hwnd);
}

Win32Form* Win32Forms::Find(FormHandle h) {
  auto it = forms_.find(h.value);
  return it == forms_.end() ? nullptr : it->second.get();
}

Rect Win32Forms::WindowRectFor(const FormSpec& spec) {
  Styles st = StylesOf(spec);
  RECT r{spec.position.x, spec.position.y, spec.position.x + spec.clientWidth, spec.position.y + spec.clientHeight};
  AdjustWindowRectEx(&r, st.style, FALSE, st.exStyle);
  // The window keeps its top-left where the form says.
  return {spec.position.x, spec.position.y, spec.position.x + (r.right - r.left), spec.position.y + (r.bottom - r.top)};
}

FormHandle Win32Forms::Create(const FormSpec& spec, FormListener* listener) {
  if (!EnsureFormClass(spec.className)) return {};
  auto f = std::make_unique<Win32Form>();
  f->handle = FormHandle{next_++};
  f->spec = spec;
  f->listener = listener;
  f->font = MakeFont(spec.font, false);
  f->bold = MakeFont(spec.font, true);
  Styles st = StylesOf(spec);
  Rect r = WindowRectFor(spec);
  f->hwnd = CreateWindowExA(st.exStyle, spec.className.c_str(), spec.caption.c_str(), st.style, r.left, r.top,
                            r.Width(), r.Height(), nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!f->hwnd) return {};
  SetWindowLongPtrA(f->hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(f.get()));
  for (std::size_t i = 0; i < spec.controls.size(); ++i)
    f->controls.push_back(MakeControl(f->hwnd, spec.controls[i], static_cast<int>(i), f->font, f->bold));
  FormHandle h = f->handle;
  forms_[h.value] = std::move(f);
  return h;
}

void Win32Forms::Destroy(FormHandle h) {
  auto it = forms_.find(h.value);
  if (it == forms_.end()) return;
  Win32Form& f = *it->second;
  if (f.hwnd) {
    SetWindowLongPtrA(f.hwnd, GWLP_USERDATA, 0);
    DestroyWindow(f.hwnd);
  }
  if (f.font) DeleteObject(f.font);
  if (f.bold) DeleteObject(f.bold);
  forms_.erase(it);
}

WindowHandle Win32Forms::WindowOf(FormHandle h) {
  Win32Form* f = Find(h);
  return f ? FromHwnd(f->hwnd) : WindowHandle{};
}

void Win32Forms::SetPosition(FormHandle h, Point p) {
  Win32Form* f = Find(h);
  if (!f) return;
  f->spec.position = p;
  SetWindowPos(f->hwnd, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Forms::Show(FormHandle h) {
  if (Win32Form* f = Find(h)) {
    ShowWindow(f->hwnd, SW_SHOW);
    UpdateWindow(f->hwnd);
  }
}

void Win32Forms::Hide(FormHandle h) {
  if (Win32Form* f = Find(h)) ShowWindow(f->hwnd, SW_HIDE);
}

int Win32Forms::ShowModal(FormHandle h) {
  Win32Form* f = Find(h);
  if (!f) return modal::Cancel;
  HWND hwnd = f->hwnd;
  f->inModalRun = true;
  f->modalResult = modal::None;
  std::vector<HWND> disabled{hwnd};
  EnumThreadWindows(GetCurrentThreadId(), DisableOthers, reinterpret_cast<LPARAM>(&disabled));
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
  int def = ButtonWith(*f, true);
  if (def >= 0) SetFocus(f->controls[static_cast<std::size_t>(def)]);
  bool quit = false;
  int quitCode = 0;
  MSG m;
  while (IsWindow(hwnd) && FormOf(hwnd) && FormOf(hwnd)->modalResult == modal::None) {
    if (GetMessageA(&m, nullptr, 0, 0) <= 0) {
      quit = true;
      quitCode = static_cast<int>(m.wParam);
      break;
    }
    if (!IsDialogMessageA(hwnd, &m)) {
      TranslateMessage(&m);
      DispatchMessageA(&m);
    }
  }
  for (std::size_t i = 1; i < disabled.size(); ++i)
    if (IsWindow(disabled[i])) EnableWindow(disabled[i], TRUE);
  // A quit ends the run as cancelled and goes on to the loop that owns it.
  if (quit) PostQuitMessage(quitCode);
  f = IsWindow(hwnd) ? FormOf(hwnd) : nullptr;
  if (!f) return modal::Cancel;
  int result = quit ? modal::Cancel : f->modalResult;
  f->inModalRun = false;
  ShowWindow(hwnd, SW_HIDE);
  return result;
}

void Win32Forms::EndModal(FormHandle h, int result) {
  if (Win32Form* f = Find(h); f && f->inModalRun) {
    f->modalResult = result;
    // Wakes the modal loop, which waits for a message.
    PostMessageA(f->hwnd, WM_NULL, 0, 0);
  }
}

void Win32Forms::SetCaption(FormHandle h, std::string_view control, std::string_view text) {
  Win32Form* f = Find(h);
  if (!f) return;
  std::string t(text);
  if (control.empty()) {
    f->spec.caption = t;
    SetWindowTextA(f->hwnd, t.c_str());
  } else if (int i = IndexOf(*f, control); i >= 0) {
    f->spec.controls[static_cast<std::size_t>(i)].caption = t;
    SetWindowTextA(f->controls[static_cast<std::size_t>(i)], t.c_str());
  }
}

void Win32Forms::SetChecked(FormHandle h, std::string_view control, bool checked) {
  Win32Form* f = Find(h);
  int i = f ? IndexOf(*f, control) : -1;
  if (i < 0) return;
  f->spec.controls[static_cast<std::size_t>(i)].checked = checked;
  SendMessageA(f->controls[static_cast<std::size_t>(i)], BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32Forms::Checked(FormHandle h, std::string_view control) {
  Win32Form* f = Find(h);
  int i = f ? IndexOf(*f, control) : -1;
  if (i < 0) return false;
  return SendMessageA(f->controls[static_cast<std::size_t>(i)], BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Forms::SetEnabled(FormHandle h, std::string_view control, bool enabled) {
  Win32Form* f = Find(h);
  int i = f ? IndexOf(*f, control) : -1;
  if (i < 0) return;
  f->spec.controls[static_cast<std::size_t>(i)].enabled = enabled;
  EnableWindow(f->controls[static_cast<std::size_t>(i)], enabled);
}

void Win32Forms::SetVisible(FormHandle h, std::string_view control, bool visible) {
  Win32Form* f = Find(h);
  int i = f ? IndexOf(*f, control) : -1;
  if (i < 0) return;
  f->spec.controls[static_cast<std::size_t>(i)].visible = visible;
  if (HWND c = f->controls[static_cast<std::size_t>(i)]) ShowWindow(c, visible ? SW_SHOW : SW_HIDE);
  InvalidateRect(f->hwnd, nullptr, TRUE);
}

void Win32Forms::SetControlBounds(FormHandle h, std::string_view control, Rect b) {
  Win32Form* f = Find(h);
  int i = f ? IndexOf(*f, control) : -1;
  if (i < 0) return;
  f->spec.controls[static_cast<std::size_t>(i)].bounds = b;
  if (HWND c = f->controls[static_cast<std::size_t>(i)])
    SetWindowPos(c, nullptr, b.left, b.top, b.Width(), b.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(f->hwnd, nullptr, TRUE);
}

Rect Win32Forms::MeasureText(std::string_view text, const FormFont& font, int wrapWidth) {
  HFONT hf = MakeFont(font, font.bold);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, hf);
  RECT r{0, 0, wrapWidth > 0 ? wrapWidth : 0, 0};
  std::string t(text);
  UINT flags = DT_CALCRECT | DT_NOPREFIX | (wrapWidth > 0 ? DT_WORDBREAK : 0);
  DrawTextA(dc, t.c_str(), static_cast<int>(t.size()), &r, flags);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(hf);
  return {0, 0, r.right - r.left, r.bottom - r.top};
}

}  // namespace platform::win32
