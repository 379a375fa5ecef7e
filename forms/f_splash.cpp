#include "forms/f_splash.h"

#include <memory>

#include "forms/forms_state.h"
#include "platform/platform.h"
#include "resources/A_resrce.h"
#include "resources/resource_names.h"

namespace forms {
namespace {

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
  // The application's icon beside the words, when the resources have it.
  s.clientWidth = PlainWidth;
  s.clientHeight = PlainHeight;
  const gfx::Bitmap* picture = resources::IconPicture(resources::EnabledIconName);
  int textLeft = 20;
  if (picture && !picture->empty()) {
    platform::ControlSpec img;
    img.kind = platform::ControlKind::Picture;
    img.name = "imgSplash";
    img.picture = std::make_shared<gfx::Bitmap>(*picture);
    int top = (PlainHeight - picture->height()) / 2;
    img.bounds = {20, top, 20 + picture->width(), top + picture->height()};
    s.controls.push_back(std::move(img));
    textLeft = 20 + picture->width() + 16;
  }
  platform::ControlSpec c;
  c.kind = platform::ControlKind::Label;
  c.name = "lblLoading";
  c.caption = "Loading...";
  int h = platform::os().forms().MeasureText(c.caption, s.font, 0).Height();
  c.bounds = {textLeft, (PlainHeight - h) / 2, PlainWidth - 20, (PlainHeight + h) / 2};
  s.controls.push_back(std::move(c));
  return s;
}

void ShowSplash() {
  auto& splash = State().splash;
  splash = std::make_unique<TForm>(SplashFormSpec());
  platform::Rect screen = platform::os().screen().MonitorBounds(0);
  splash->CentreOn({screen.left + screen.Width() / 2, screen.top + screen.Height() / 2});
  splash->Show();
  State().splashShownAt = platform::os().clock().TickCount();
}

bool SplashShown() { return State().splash != nullptr; }
platform::Tick SplashShownAt() { return State().splashShownAt; }

void FreeSplash() {
  auto& splash = State().splash;
  if (!splash) return;
  splash->Hide();
  splash.reset();
}

}  // namespace forms
