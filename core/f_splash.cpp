#include "core/f_splash.h"

#include <memory>

#include "core/f_msgform.h"
#include "platform/platform.h"

namespace core {
namespace {

std::unique_ptr<TForm> splash;
platform::Tick shownAt = 0;

// Without the picture the window keeps a plain size and says what it says.
constexpr int PlainWidth = 300, PlainHeight = 80;

}  // namespace

platform::FormSpec SplashFormSpec() {
  platform::FormSpec s;
  s.className = "TSplashForm";
  s.name = "SplashForm";
  s.caption = "Loading...";
  s.dialog = false;
  s.border = false;
  s.stayOnTop = true;
  const gfx::Bitmap* picture = FindPicture ? FindPicture("ic_1_Enabled") : nullptr;
  platform::ControlSpec c;
  if (picture && !picture->empty()) {
    s.clientWidth = picture->width();
    s.clientHeight = picture->height();
    c.kind = platform::ControlKind::Picture;
    c.name = "imgSplash";
    c.picture = std::make_shared<gfx::Bitmap>(*picture);
    c.bounds = {0, 0, s.clientWidth, s.clientHeight};
  } else {
    s.clientWidth = PlainWidth;
    s.clientHeight = PlainHeight;
    c.kind = platform::ControlKind::Label;
    c.name = "lblLoading";
    c.caption = "Loading...";
    int h = platform::os().forms().MeasureText(c.caption, s.font, 0).Height();
    c.bounds = {20, (PlainHeight - h) / 2, PlainWidth - 20, (PlainHeight + h) / 2};
  }
  s.controls.push_back(std::move(c));
  return s;
}

void ShowSplash() {
  splash = std::make_unique<TForm>(SplashFormSpec());
  platform::Rect screen = platform::os().screen().MonitorBounds(0);
  splash->CentreOn({screen.left + screen.Width() / 2, screen.top + screen.Height() / 2});
  splash->Show();
  shownAt = platform::os().clock().TickCount();
}

bool SplashShown() { return splash != nullptr; }
platform::Tick SplashShownAt() { return shownAt; }

void FreeSplash() {
  if (!splash) return;
  splash->Hide();
  splash.reset();
}

}  // namespace core
