#include "session/program_window.h"

#include "platform/platform.h"
#include "session/session_state.h"
#include "shared/A_globtr.h"

namespace session {

void PostCommand(std::uint32_t code, std::int64_t lParam) {
  platform::WindowHandle control = State().ControlWindowHandle;
  // Without the window a post would land in the thread's queue, where no
  // window procedure sees it.
  if (!control) return;
  platform::os().windows().Post(control, {shared::InternalCommand, static_cast<std::uint64_t>(code), lParam});
}

void ForceForeground(platform::WindowHandle target) {
  auto& w = platform::os().windows();
  if (!target || !w.IsWindow(target)) return;
  w.SetForeground(target);
  if (w.Foreground() == target) return;
  if (w.IsMinimized(target)) w.Show(target, platform::ShowCommand::Restore);
  // The foreground lock lets only the foreground thread change the foreground:
  // borrow its input state for a moment.
  std::uint32_t mine = w.CurrentThread();
  std::uint32_t theirs = w.ThreadOf(w.Foreground());
  if (theirs && theirs != mine) w.AttachInput(mine, theirs, true);
  w.BringToTop(target);
  w.SetForeground(target);
  if (theirs && theirs != mine) w.AttachInput(mine, theirs, false);
  if (w.Foreground() == target) return;
  std::uint32_t timeout = w.ForegroundLockTimeout();
  w.SetForegroundLockTimeout(0);
  w.BringToTop(target);
  w.SetForeground(target);
  w.SetForegroundLockTimeout(timeout);
}

}  // namespace session
