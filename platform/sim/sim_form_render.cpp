// Drawing a simulated form so that a person can look at it: the classic
// dialog look (grey face, bevelled buttons, sunken check boxes, a blue caption
// bar) through our own Canvas, in the sans face that stands for the dialog font.
#include <array>

#include "gfx/canvas.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_form_text.h"
#include "platform/sim/sim_forms.h"

namespace platform::sim {
namespace {

constexpr gfx::Color Face = gfx::Rgb(212, 208, 200);
constexpr gfx::Color Light = gfx::Rgb(255, 255, 255);
constexpr gfx::Color Shadow = gfx::Rgb(128, 128, 128);
constexpr gfx::Color DarkShadow = gfx::Rgb(64, 64, 64);
constexpr gfx::Color Text = gfx::Rgb(0, 0, 0);
constexpr gfx::Color CaptionLeft = gfx::Rgb(10, 36, 106);
constexpr gfx::Color CaptionRight = gfx::Rgb(166, 202, 240);

struct Painter {
  gfx::Bitmap& bmp;
  gfx::FontService& fonts;
  FormFont font;
  int ox = 0, oy = 0;  // client origin in the bitmap

  void Fill(int l, int t, int r, int b, gfx::Color c) { bmp.FillRect({ox + l, oy + t, ox + r, oy + b}, c); }
  // A raised (or sunken) edge one pixel wide around l, t, r, b.
  void Edge(int l, int t, int r, int b, gfx::Color topLeft, gfx::Color bottomRight) {
    Fill(l, t, r, t + 1, topLeft);
    Fill(l, t, l + 1, b, topLeft);
    Fill(l, b - 1, r, b, bottomRight);
    Fill(r - 1, t, r, b, bottomRight);
  }
  void Lines(const std::vector<std::string>& lines, int x, int y, int width, bool centre, bool enabled,
             bool bold, gfx::Color color = Text) {
    FormFont f = font;
    f.bold = f.bold || bold;
    gfx::Canvas canvas(bmp, &fonts);
    canvas.setFont(GfxFont(fonts, f));
    canvas.setBackgroundMode(gfx::BackgroundMode::Transparent);
    int lineHeight = canvas.fontMetrics().height;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      int lx = x + (centre ? (width - canvas.TextExtent(lines[i]).cx) / 2 : 0);
      int ly = y + static_cast<int>(i) * lineHeight;
      if (!enabled) {
        // Greyed text as the system draws it: an embossed white copy under grey.
        canvas.setTextColor(Light);
        canvas.TextOut(ox + lx + 1, oy + ly + 1, lines[i]);
        canvas.setTextColor(Shadow);
      } else {
        canvas.setTextColor(color);
      }
      canvas.TextOut(ox + lx, oy + ly, lines[i]);
    }
  }
  int LineHeight(bool bold) {
    FormFont f = font;
    f.bold = f.bold || bold;
    auto face = OpenFormFont(fonts, f);
    return face ? face->metrics().height : 0;
  }
  std::vector<std::string> Wrap(std::string_view text, int width, bool bold) {
    FormFont f = font;
    f.bold = f.bold || bold;
    auto face = OpenFormFont(fonts, f);
    if (!face) return {};
    return WrapText(*face, text, width);
  }
};

void DrawLabel(Painter& p, const ControlSpec& c) {
  const Rect& r = c.bounds;
  p.Lines(p.Wrap(c.caption, c.wordWrap ? r.Width() : 0, c.bold), r.left, r.top, r.Width(), false, c.enabled, c.bold);
}

void DrawButton(Painter& p, const ControlSpec& c) {
  Rect r = c.bounds;
  p.Fill(r.left, r.top, r.right, r.bottom, Face);
  if (c.isDefault) {
    p.Edge(r.left, r.top, r.right, r.bottom, Text, Text);
    r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  }
  p.Edge(r.left, r.top, r.right, r.bottom, Light, DarkShadow);
  p.Edge(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1, Face, Shadow);
  int lh = p.LineHeight(c.bold);
  p.Lines({c.caption}, r.left, r.top + (r.Height() - lh) / 2, r.Width(), true, c.enabled, c.bold);
}

void DrawCheckBox(Painter& p, const ControlSpec& c) {
  const Rect& r = c.bounds;
  constexpr int box = 13;
  int bx = r.left, by = r.top + (r.Height() - box) / 2;
  p.Fill(bx, by, bx + box, by + box, c.enabled ? Light : Face);
  p.Edge(bx, by, bx + box, by + box, Shadow, Light);
  p.Edge(bx + 1, by + 1, bx + box - 1, by + box - 1, DarkShadow, Face);
  if (c.checked) {
    static constexpr std::array<const char*, 7> tick = {"......X", ".....XX", "X...XXX", "XX.XXX.",
                                                        "XXXXX..", ".XXX...", "..X...."};
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 7; ++x)
        if (tick[y][x] == 'X') p.Fill(bx + 3 + x, by + 3 + y, bx + 4 + x, by + 4 + y, c.enabled ? Text : Shadow);
  }
  int lh = p.LineHeight(c.bold);
  p.Lines({c.caption}, r.left + box + 4, r.top + (r.Height() - lh) / 2, r.Width(), false, c.enabled, c.bold);
}

void DrawPicture(Painter& p, const ControlSpec& c) {
  if (!c.picture || c.picture->empty()) return;
  gfx::Canvas canvas(p.bmp, &p.fonts);
  canvas.setStretchMode(gfx::StretchMode::Smooth);
  const Rect& r = c.bounds;
  canvas.StretchBlt(p.ox + r.left, p.oy + r.top, r.Width(), r.Height(), *c.picture, 0, 0, c.picture->width(),
                    c.picture->height());
}

// One entry per control kind, in the order of the enumeration.
using DrawFn = void (*)(Painter&, const ControlSpec&);
constexpr DrawFn Draw[] = {DrawLabel, DrawButton, DrawCheckBox, DrawPicture};

}  // namespace

gfx::Bitmap RenderForm(SimDesktop& desktop, const SimForm& form) {
  const FormSpec& s = form.spec;
  int fw = s.border ? FrameWidth : 0, ch = s.border ? CaptionHeight : 0;
  gfx::Bitmap bmp(s.clientWidth + 2 * fw, s.clientHeight + 2 * fw + ch, Face);
  if (bmp.empty()) return bmp;
  Painter p{bmp, desktop.fonts(), s.font};
  if (s.border) {
    int w = bmp.width(), h = bmp.height();
    p.Edge(0, 0, w, h, Face, DarkShadow);
    p.Edge(1, 1, w - 1, h - 1, Light, Shadow);
    for (int x = fw; x < w - fw; ++x) {
      // The caption bar's gradient, left to right.
      int t = (x - fw) * 256 / std::max(1, w - 2 * fw);
      auto mix = [&](int a, int b) { return a + (b - a) * t / 256; };
      gfx::Color c = gfx::Rgb(mix(gfx::RedOf(CaptionLeft), gfx::RedOf(CaptionRight)),
                              mix(gfx::GreenOf(CaptionLeft), gfx::GreenOf(CaptionRight)),
                              mix(gfx::BlueOf(CaptionLeft), gfx::BlueOf(CaptionRight)));
      bmp.FillRect({x, fw, x + 1, fw + ch - 2}, c);
    }
    int lh = p.LineHeight(true);
    p.Lines({s.caption}, fw + 4, fw + (ch - 2 - lh) / 2, w, false, true, true, Light);
  }
  p.ox = fw;
  p.oy = fw + ch;
  for (const auto& c : s.controls)
    if (c.visible) Draw[static_cast<int>(c.kind)](p, c);
  return bmp;
}

}  // namespace platform::sim
