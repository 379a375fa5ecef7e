#include "resources/generator/autoshape_art.h"

#include <cmath>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "resources/resource_names.h"
#include "resources/generator/coverage.h"

namespace resources::generator {
namespace {

constexpr int Cell = resources::AutoshapeCellSize;
constexpr double Pi = 3.14159265358979323846;

using Pts = std::vector<std::pair<double, double>>;

// Draws one shape in 16-unit cell coordinates, once for its fill and once for
// its outline, so the same description gives both.
class Pen {
 public:
  Pen(gfx::Canvas& c, int f, bool fill) : c_(c), f_(f), fill_(fill) {
    if (fill) {
      c.setPen({gfx::PenStyle::Clear});
      c.setBrush(gfx::Brush::Solid(0xFFFFFF));
    } else {
      c.setPen({gfx::PenStyle::Solid, f, 0xFFFFFF});
      c.setBrush(gfx::Brush::clear());
    }
  }
  int p(double v) const { return static_cast<int>(std::lround(v * f_)); }
  void Poly(const Pts& pts) {
    std::vector<gfx::Point> v;
    for (auto [x, y] : pts) v.push_back({p(x), p(y)});
    c_.Polygon(v);
  }
  void Line(const Pts& pts) {
    if (fill_) return;
    std::vector<gfx::Point> v;
    for (auto [x, y] : pts) v.push_back({p(x), p(y)});
    c_.Polyline(v);
  }
  void rect(double l, double t, double r, double b) { c_.Rectangle(p(l), p(t), p(r), p(b)); }
  void Rrect(double l, double t, double r, double b, double rad) {
    c_.RoundRect(p(l), p(t), p(r), p(b), p(rad * 2), p(rad * 2));
  }
  void Ellipse(double l, double t, double r, double b) { c_.Ellipse(p(l), p(t), p(r), p(b)); }
  // What follows cuts a hole into the fill (and is outlined as usual).
  void Hole() {
    if (fill_) c_.setBrush(gfx::Brush::Solid(0x000000));
  }
  void Solid() {
    if (fill_) c_.setBrush(gfx::Brush::Solid(0xFFFFFF));
  }

 private:
  gfx::Canvas& c_;
  int f_;
  bool fill_;
};

Pts Star(int points, double outer, double inner, double cx = 8, double cy = 8, double turn = -Pi / 2) {
  Pts pts;
  for (int i = 0; i < points * 2; ++i) {
    double r = i % 2 ? inner : outer, a = turn + i * Pi / points;
    pts.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  return pts;
}

Pts ArcPts(double cx, double cy, double rx, double ry, double from, double to, int steps = 16) {
  Pts pts;
  for (int i = 0; i <= steps; ++i) {
    double a = (from + (to - from) * i / steps) * Pi / 180;
    pts.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
  return pts;
}

Pts Join(Pts a, const Pts& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// A block arrow pointing right, turned to the direction (0 right, 1 down, 2 left, 3 up).
Pts Arrow(int dir, double l = 1, double r = 15, double shaft = 3, double head = 6, double headLen = 6) {
  Pts pts = {{l, 8 - shaft}, {r - headLen, 8 - shaft}, {r - headLen, 8 - head}, {r, 8},
             {r - headLen, 8 + head}, {r - headLen, 8 + shaft}, {l, 8 + shaft}};
  for (auto& [x, y] : pts) {
    for (int i = 0; i < dir; ++i) {
      double nx = 16 - y, ny = x;
      x = nx, y = ny;
    }
  }
  return pts;
}

Pts Wave(double top, double amp, double height) {
  Pts pts;
  for (int i = 0; i <= 12; ++i) pts.push_back({1 + i * 14 / 12.0, top + amp * std::sin(i * Pi / 6)});
  for (int i = 12; i >= 0; --i) pts.push_back({1 + i * 14 / 12.0, top + height + amp * std::sin(i * Pi / 6)});
  return pts;
}

void CurvedArrow(Pen& d, int dir) {
  // A bent band with a head, as the curved arrows of the set.
  Pts band = Join(ArcPts(14, 8, 10, 6, 180, 270, 8), ArcPts(14, 8, 7, 3, 270, 180, 8));
  Pts head = {{12, -1}, {16, 3.5}, {12, 8}};
  Pts shape = Join(band, {});
  auto turn = [&](Pts pts) {
    for (auto& [x, y] : pts) {
      double ox = x, oy = y + 4;
      switch (dir) {
        case 0: x = ox, y = oy; break;            // right
        case 1: x = 16 - ox, y = oy; break;       // left
        case 2: x = oy, y = 16 - ox; break;       // up
        default: x = oy, y = ox; break;           // down
      }
    }
    return pts;
  };
  d.Poly(turn(shape));
  d.Poly(turn(head));
}

void LineCallout(Pen& d, int segments, bool border, bool accent) {
  d.Solid();
  if (border) {
    d.rect(6, 2, 15, 9);
  } else {
    // Without a border only the fill shows; the outline pass draws nothing here.
    Pts box = {{6, 2}, {15, 2}, {15, 9}, {6, 9}};
    d.Hole();
    d.Solid();
    d.Poly(box);
  }
  if (accent) d.Line({{5, 2}, {5, 9}});
  Pts lead = {{4.5, 6}};
  if (segments >= 2) lead.push_back({3, 10});
  if (segments >= 3) lead.push_back({3, 13});
  lead.push_back({1, 15});
  if (segments == 4) lead.insert(lead.begin() + 1, {4, 8});
  d.Line(lead);
}

void ActionButton(Pen& d) {
  d.rect(1, 1, 15, 15);
  d.Line({{1, 1}, {3, 3}});
  d.Line({{15, 1}, {13, 3}});
  d.Line({{1, 15}, {3, 13}});
  d.Line({{15, 15}, {13, 13}});
  d.Line({{3, 3}, {13, 3}, {13, 13}, {3, 13}, {3, 3}});
}

using Shape = std::function<void(Pen&)>;

std::vector<Shape> Shapes() {
  std::vector<Shape> s;
  auto add = [&](Shape f) { s.push_back(std::move(f)); };
  add([](Pen& d) { d.rect(2, 4, 15, 13); });
  add([](Pen& d) { d.Poly({{5, 4}, {15, 4}, {11, 12}, {1, 12}}); });
  add([](Pen& d) { d.Poly({{5, 4}, {11, 4}, {15, 12}, {1, 12}}); });
  add([](Pen& d) { d.Poly({{8, 1}, {15, 8}, {8, 15}, {1, 8}}); });
  add([](Pen& d) { d.Rrect(1, 3, 16, 14, 3); });
  add([](Pen& d) { d.Poly({{5, 1}, {11, 1}, {15, 5}, {15, 11}, {11, 15}, {5, 15}, {1, 11}, {1, 5}}); });
  add([](Pen& d) { d.Poly({{8, 1}, {15, 14}, {1, 14}}); });
  add([](Pen& d) { d.Poly({{2, 2}, {14, 14}, {2, 14}}); });
  add([](Pen& d) { d.Ellipse(1, 3, 16, 14); });
  add([](Pen& d) { d.Poly({{4.5, 2}, {11.5, 2}, {15, 8}, {11.5, 14}, {4.5, 14}, {1, 8}}); });
  add([](Pen& d) {
    d.Poly({{5, 1}, {11, 1}, {11, 5}, {15, 5}, {15, 11}, {11, 11}, {11, 15}, {5, 15}, {5, 11}, {1, 11}, {1, 5}, {5, 5}});
  });
  add([](Pen& d) { d.Poly(Star(5, 7, 7 * std::cos(Pi / 5) / std::cos(0.0), 8, 8.5)); });
  add([](Pen& d) {
    d.rect(3, 4, 14, 13);
    d.Ellipse(3, 11, 14, 15);
    d.Ellipse(3, 2, 14, 6);
  });
  add([](Pen& d) {
    d.Poly({{1, 5}, {11, 5}, {11, 15}, {1, 15}});
    d.Poly({{1, 5}, {5, 1}, {15, 1}, {11, 5}});
    d.Poly({{11, 5}, {15, 1}, {15, 11}, {11, 15}});
  });
  add([](Pen& d) {
    d.rect(1, 2, 16, 15);
    d.Line({{4, 5}, {12, 5}, {12, 11}, {4, 11}, {4, 5}});
    d.Line({{1, 2}, {4, 5}});
    d.Line({{15, 2}, {12, 5}});
    d.Line({{1, 14}, {4, 11}});
    d.Line({{15, 14}, {12, 11}});
  });
  add([](Pen& d) {
    d.Poly({{2, 2}, {14, 2}, {14, 10}, {10, 14}, {2, 14}});
    d.Line({{14, 10}, {10, 10}, {10, 14}});
  });
  add([](Pen& d) {
    d.Ellipse(1, 1, 16, 16);
    d.Hole();
    d.Ellipse(5, 5, 7, 7);
    d.Ellipse(9, 5, 11, 7);
    d.Line(ArcPts(8, 8, 4, 3.5, 20, 160, 8));
  });
  add([](Pen& d) {
    d.Ellipse(1, 1, 16, 16);
    d.Hole();
    d.Ellipse(5, 5, 12, 12);
  });
  add([](Pen& d) {
    d.Ellipse(1, 1, 16, 16);
    d.Hole();
    d.Poly(Join(ArcPts(8, 8, 5, 5, 60, 210, 10), {}));
    d.Poly(Join(ArcPts(8, 8, 5, 5, 240, 390, 10), {}));
  });
  add([](Pen& d) { d.Poly(Join(ArcPts(8, 11, 7, 7, 180, 360), ArcPts(8, 11, 4, 4, 360, 180))); });
  add([](Pen& d) {
    Pts h;
    for (int i = 0; i <= 24; ++i) {
      double t = i * 2 * Pi / 24;
      h.push_back({8 + 0.42 * 16 * std::pow(std::sin(t), 3),
                   7.5 - 0.42 * (13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t))});
    }
    d.Poly(h);
  });
  add([](Pen& d) { d.Poly({{6, 1}, {11, 5}, {9, 6}, {13, 10}, {11, 11}, {15, 15}, {7, 12}, {9, 11}, {4, 8}, {6, 7}, {2, 4}}); });
  add([](Pen& d) {
    d.Ellipse(4, 4, 13, 13);
    for (int i = 0; i < 8; ++i) {
      double a = i * Pi / 4;
      d.Line({{8.5 + 5.5 * std::cos(a), 8.5 + 5.5 * std::sin(a)}, {8.5 + 7.5 * std::cos(a), 8.5 + 7.5 * std::sin(a)}});
    }
  });
  add([](Pen& d) { d.Poly(Join(ArcPts(9, 8, 7, 7, 90, 270), ArcPts(12, 8, 5, 6.8, 250, 110))); });
  add([](Pen& d) { d.Line(ArcPts(8, 10, 7, 7, 180, 360)); });
  add([](Pen& d) {
    d.Line({{4, 2}, {2, 4}, {2, 12}, {4, 14}});
    d.Line({{12, 2}, {14, 4}, {14, 12}, {12, 14}});
  });
  add([](Pen& d) {
    d.Line({{5, 1}, {3, 2}, {3, 7}, {1, 8}, {3, 9}, {3, 14}, {5, 15}});
    d.Line({{11, 1}, {13, 2}, {13, 7}, {15, 8}, {13, 9}, {13, 14}, {11, 15}});
  });
  add([](Pen& d) {
    d.Poly(Join(Join(ArcPts(1, 3, 2, 2, 90, 0, 4), ArcPts(15, 3, 2, 2, 180, 90, 4)),
                Join(ArcPts(15, 13, 2, 2, 270, 180, 4), ArcPts(1, 13, 2, 2, 0, -90, 4))));
  });
  add([](Pen& d) { d.Line({{10, 1}, {6, 3}, {6, 13}, {10, 15}}); });
  add([](Pen& d) { d.Line({{6, 1}, {10, 3}, {10, 13}, {6, 15}}); });
  add([](Pen& d) { d.Line({{11, 1}, {8, 2}, {8, 7}, {5, 8}, {8, 9}, {8, 14}, {11, 15}}); });
  add([](Pen& d) { d.Line({{5, 1}, {8, 2}, {8, 7}, {11, 8}, {8, 9}, {8, 14}, {5, 15}}); });
  add([](Pen& d) { d.Poly(Arrow(0)); });
  add([](Pen& d) { d.Poly(Arrow(2)); });
  add([](Pen& d) { d.Poly(Arrow(3)); });
  add([](Pen& d) { d.Poly(Arrow(1)); });
  add([](Pen& d) { d.Poly({{1, 8}, {5, 3}, {5, 6}, {11, 6}, {11, 3}, {15, 8}, {11, 13}, {11, 10}, {5, 10}, {5, 13}}); });
  add([](Pen& d) { d.Poly({{8, 1}, {13, 5}, {10, 5}, {10, 11}, {13, 11}, {8, 15}, {3, 11}, {6, 11}, {6, 5}, {3, 5}}); });
  add([](Pen& d) {
    d.Poly({{8, 0.5}, {11, 3.5}, {9.5, 3.5}, {9.5, 6.5}, {12.5, 6.5}, {12.5, 5}, {15.5, 8}, {12.5, 11}, {12.5, 9.5},
            {9.5, 9.5}, {9.5, 12.5}, {11, 12.5}, {8, 15.5}, {5, 12.5}, {6.5, 12.5}, {6.5, 9.5}, {3.5, 9.5}, {3.5, 11},
            {0.5, 8}, {3.5, 5}, {3.5, 6.5}, {6.5, 6.5}, {6.5, 3.5}, {5, 3.5}});
  });
  add([](Pen& d) {
    d.Poly({{1, 11}, {4, 8}, {4, 10}, {7, 10}, {7, 5}, {5, 5}, {8, 2}, {11, 5}, {9, 5}, {9, 10}, {12, 10}, {12, 8},
            {15, 11}, {12, 14}, {12, 12}, {4, 12}, {4, 14}});
  });
  add([](Pen& d) { d.Poly({{2, 15}, {2, 7}, {4, 5}, {10, 5}, {10, 2}, {15, 7}, {10, 12}, {10, 9}, {6, 9}, {6, 15}}); });
  add([](Pen& d) {
    d.Poly(Join(Join(Pts{{1, 15}, {1, 6}}, ArcPts(6, 6, 5, 4, 180, 360, 8)),
                Pts{{11, 8}, {9, 8}, {12.5, 12}, {16, 8}, {14, 8}, {14, 6}}));
    d.Hole();
    d.Poly(Join(Pts{{4, 15}, {4, 6.5}}, ArcPts(6.5, 6.5, 2.5, 1.5, 180, 360, 6)));
  });
  add([](Pen& d) { d.Poly({{1, 11}, {5, 7}, {5, 9}, {10, 9}, {10, 5}, {8, 5}, {12, 1}, {16, 5}, {14, 5}, {14, 13}, {5, 13}, {5, 15}}); });
  add([](Pen& d) { d.Poly({{1, 11}, {10, 11}, {10, 5}, {8, 5}, {12, 1}, {16, 5}, {14, 5}, {14, 15}, {1, 15}}); });
  add([](Pen& d) { CurvedArrow(d, 0); });
  add([](Pen& d) { CurvedArrow(d, 1); });
  add([](Pen& d) { CurvedArrow(d, 2); });
  add([](Pen& d) { CurvedArrow(d, 3); });
  add([](Pen& d) {
    d.Poly(Arrow(0, 5));
    d.rect(1, 5, 2, 12);
    d.rect(3, 5, 4, 12);
  });
  add([](Pen& d) { d.Poly({{1, 5}, {9, 5}, {9, 2}, {15, 8}, {9, 14}, {9, 11}, {1, 11}, {3, 8}}); });
  add([](Pen& d) { d.Poly({{1, 4}, {11, 4}, {15, 8}, {11, 12}, {1, 12}}); });
  add([](Pen& d) { d.Poly({{1, 4}, {11, 4}, {15, 8}, {11, 12}, {1, 12}, {5, 8}}); });
  for (int dir : {0, 2, 3, 1}) {  // right, left, up, down callouts
    add([dir](Pen& d) {
      Pts box = {{4, 4}, {12, 4}, {12, 12}, {4, 12}};
      d.Poly(Arrow(dir, 8, 16, 1.5, 3.5, 3.5));
      d.Poly(box);
    });
  }
  add([](Pen& d) {
    d.Poly({{1, 8}, {3.5, 5}, {3.5, 7}, {5, 7}, {5, 4}, {11, 4}, {11, 7}, {12.5, 7}, {12.5, 5}, {15, 8}, {12.5, 11},
            {12.5, 9}, {11, 9}, {11, 12}, {5, 12}, {5, 9}, {3.5, 9}, {3.5, 11}});
  });
  add([](Pen& d) {
    d.Poly({{8, 1}, {11, 3.5}, {9, 3.5}, {9, 5}, {12, 5}, {12, 11}, {9, 11}, {9, 12.5}, {11, 12.5}, {8, 15}, {5, 12.5},
            {7, 12.5}, {7, 11}, {4, 11}, {4, 5}, {7, 5}, {7, 3.5}, {5, 3.5}});
  });
  add([](Pen& d) {
    d.rect(5, 5, 12, 12);
    d.Poly(Arrow(0, 11, 16, 1, 2.5, 2.5));
    d.Poly(Arrow(1, 11, 16, 1, 2.5, 2.5));
    d.Poly(Arrow(2, 11, 16, 1, 2.5, 2.5));
    d.Poly(Arrow(3, 11, 16, 1, 2.5, 2.5));
  });
  add([](Pen& d) {
    d.Poly(Join(ArcPts(8, 9, 6.5, 6.5, 180, 330, 12), ArcPts(8, 9, 3.5, 3.5, 330, 180, 12)));
    d.Poly({{10.5, 8}, {16, 8}, {13.5, 4}});
  });
  // Flowchart shapes.
  add([](Pen& d) { d.rect(1, 4, 16, 13); });
  add([](Pen& d) { d.Rrect(1, 4, 16, 13, 2); });
  add([](Pen& d) { d.Poly({{8, 2}, {15, 8}, {8, 14}, {1, 8}}); });
  add([](Pen& d) { d.Poly({{4, 4}, {15, 4}, {12, 12}, {1, 12}}); });
  add([](Pen& d) {
    d.rect(1, 4, 16, 13);
    d.Line({{3, 4}, {3, 12}});
    d.Line({{13, 4}, {13, 12}});
  });
  add([](Pen& d) {
    d.rect(2, 2, 15, 15);
    d.Line({{2, 5}, {14, 5}});
    d.Line({{5, 2}, {5, 14}});
  });
  add([](Pen& d) {
    d.Poly(Join(Join(Pts{{1, 3}, {15, 3}, {15, 12}}, ArcPts(11.5, 12, 3.5, 1.5, 0, 180, 6)),
                ArcPts(4.5, 12, 3.5, 1.5, 0, -180, 6)));
  });
  add([](Pen& d) {
    d.Poly({{5, 1}, {15, 1}, {15, 9}, {13, 9}, {13, 3}, {5, 3}});
    d.Poly({{3, 3}, {13, 3}, {13, 11}, {11, 11}, {11, 5}, {3, 5}});
    d.Poly(Join(Join(Pts{{1, 5}, {11, 5}, {11, 13}}, ArcPts(8.5, 13, 2.5, 1.2, 0, 180, 4)), ArcPts(3.5, 13, 2.5, 1.2, 0, -180, 4)));
  });
  add([](Pen& d) { d.Rrect(1, 5, 16, 12, 3.5); });
  add([](Pen& d) { d.Poly({{4, 4}, {12, 4}, {15, 8}, {12, 12}, {4, 12}, {1, 8}}); });
  add([](Pen& d) { d.Poly({{1, 7}, {15, 3}, {15, 13}, {1, 13}}); });
  add([](Pen& d) { d.Poly({{1, 4}, {15, 4}, {12, 12}, {4, 12}}); });
  add([](Pen& d) { d.Ellipse(3, 3, 14, 14); });
  add([](Pen& d) { d.Poly({{3, 2}, {13, 2}, {13, 10}, {8, 14}, {3, 10}}); });
  add([](Pen& d) { d.Poly({{5, 3}, {15, 3}, {15, 13}, {1, 13}, {1, 7}}); });
  add([](Pen& d) { d.Poly(Wave(4, 1.5, 8)); });
  add([](Pen& d) {
    d.Ellipse(2, 2, 15, 15);
    d.Line({{4, 4}, {13, 13}});
    d.Line({{13, 4}, {4, 13}});
  });
  add([](Pen& d) {
    d.Ellipse(2, 2, 15, 15);
    d.Line({{8.5, 2}, {8.5, 15}});
    d.Line({{2, 8.5}, {15, 8.5}});
  });
  add([](Pen& d) { d.Poly({{3, 2}, {13, 2}, {3, 14}, {13, 14}}); });
  add([](Pen& d) {
    d.Poly({{8, 1}, {14, 8}, {8, 15}, {2, 8}});
    d.Line({{2, 8}, {14, 8}});
  });
  add([](Pen& d) { d.Poly({{8, 2}, {14, 14}, {2, 14}}); });
  add([](Pen& d) { d.Poly({{2, 2}, {14, 2}, {8, 14}}); });
  add([](Pen& d) { d.Poly(Join(Join(Pts{{4, 3}, {15, 3}}, ArcPts(15, 8.5, 2.5, 5.5, 270, 90, 8)), Join(Pts{{4, 14}}, ArcPts(4, 8.5, 2.5, 5.5, 90, 270, 8)))); });
  add([](Pen& d) { d.Poly(Join(Pts{{1, 3}, {8, 3}}, Join(ArcPts(8, 8.5, 6, 5.5, 270, 450, 10), Pts{{1, 14}}))); });
  add([](Pen& d) {
    d.Ellipse(2, 2, 15, 15);
    d.Line({{8.5, 15}, {16, 15}});
  });
  add([](Pen& d) {
    d.rect(3, 4, 14, 13);
    d.Ellipse(3, 11, 14, 15);
    d.Ellipse(3, 2, 14, 6);
  });
  add([](Pen& d) {
    d.rect(3, 3, 13, 14);
    d.Ellipse(11, 3, 15, 14);
    d.Ellipse(1, 3, 5, 14);
  });
  add([](Pen& d) { d.Poly(Join(Pts{{1, 8}, {4, 3}, {11, 3}}, Join(ArcPts(11, 8.5, 4, 5.5, 270, 450, 8), Pts{{4, 14}}))); });
  // Explosions and stars.
  add([](Pen& d) { d.Poly({{1, 3}, {6, 5}, {8, 1}, {9, 5}, {14, 2}, {12, 7}, {16, 9}, {11, 10}, {13, 15}, {8, 12}, {5, 16}, {5, 11}, {0, 11}, {4, 8}}); });
  add([](Pen& d) { d.Poly({{2, 5}, {5, 6}, {6, 1}, {9, 5}, {11, 2}, {12, 6}, {16, 5}, {13, 9}, {15, 12}, {11, 12}, {10, 16}, {7, 12}, {3, 15}, {4, 11}, {0, 9}, {3, 8}}); });
  add([](Pen& d) { d.Poly(Star(4, 7.5, 2.5)); });
  add([](Pen& d) { d.Poly(Star(5, 7.5, 3.2, 8, 8.5)); });
  add([](Pen& d) { d.Poly(Star(8, 7.5, 4.5)); });
  add([](Pen& d) { d.Poly(Star(16, 7.5, 5.5)); });
  add([](Pen& d) { d.Poly(Star(24, 7.5, 6)); });
  add([](Pen& d) { d.Poly(Star(32, 7.5, 6.3)); });
  // Ribbons and scrolls.
  add([](Pen& d) {
    d.Poly({{1, 8}, {4, 8}, {4, 13}, {1, 13}, {3, 10.5}});
    d.Poly({{15, 8}, {12, 8}, {12, 13}, {15, 13}, {13, 10.5}});
    d.Poly({{4, 5}, {12, 5}, {12, 11}, {4, 11}});
  });
  add([](Pen& d) {
    d.Poly({{1, 3}, {4, 3}, {4, 8}, {1, 8}, {3, 5.5}});
    d.Poly({{15, 3}, {12, 3}, {12, 8}, {15, 8}, {13, 5.5}});
    d.Poly({{4, 5}, {12, 5}, {12, 11}, {4, 11}});
  });
  add([](Pen& d) {
    d.Poly(Join(Pts{{1, 9}, {4, 9}}, Join(ArcPts(8, 14, 4, 2, 180, 0, 6), Pts{{15, 9}, {13, 12}, {15, 15}, {1, 15}, {3, 12}})));
    d.Poly(Join(ArcPts(8, 5, 4, 2, 180, 360, 6), Join(Pts{{12, 11}}, ArcPts(8, 11, 4, 2, 0, -180, 6))));
  });
  add([](Pen& d) {
    d.Poly(Join(Pts{{1, 1}, {15, 1}, {13, 4}, {15, 7}, {12, 7}}, ArcPts(8, 2, 4, 2, 0, 180, 6)));
    d.Poly(Join(ArcPts(8, 5, 4, 2, 180, 0, 6), Join(Pts{{12, 12}}, ArcPts(8, 12, 4, 2, 0, 180, 6))));
  });
  add([](Pen& d) {
    d.rect(4, 2, 13, 14);
    d.Ellipse(2, 1, 6, 4);
    d.Ellipse(11, 12, 15, 15);
  });
  add([](Pen& d) {
    d.rect(2, 4, 14, 13);
    d.Ellipse(1, 2, 4, 6);
    d.Ellipse(12, 11, 15, 15);
  });
  add([](Pen& d) { d.Poly(Wave(4, 2, 8)); });
  add([](Pen& d) {
    Pts p;
    for (int i = 0; i <= 16; ++i) p.push_back({1 + i * 14 / 16.0, 4 + 2 * std::sin(i * Pi / 4)});
    for (int i = 16; i >= 0; --i) p.push_back({1 + i * 14 / 16.0, 12 + 2 * std::sin(i * Pi / 4)});
    d.Poly(p);
  });
  // Callouts.
  add([](Pen& d) { d.Poly({{1, 2}, {15, 2}, {15, 10}, {8, 10}, {4, 15}, {5, 10}, {1, 10}}); });
  add([](Pen& d) {
    d.Poly(Join(Join(ArcPts(3, 4, 2, 2, 180, 270, 3), ArcPts(13, 4, 2, 2, 270, 360, 3)),
                Join(ArcPts(13, 8, 2, 2, 0, 90, 3), Join(Pts{{8, 10}, {4, 15}, {5, 10}}, ArcPts(3, 8, 2, 2, 90, 180, 3)))));
  });
  add([](Pen& d) { d.Poly(Join(ArcPts(8, 6.5, 7, 5, 110, 430, 20), Pts{{4, 15}})); });
  add([](Pen& d) {
    d.Poly(Star(9, 6.5, 5, 8.5, 6, 0));
    d.Ellipse(3, 12, 6, 15);
    d.Ellipse(1, 14, 3, 16);
  });
  for (int variant = 0; variant < 4; ++variant)
    for (int segments = 1; segments <= 4; ++segments)
      add([variant, segments](Pen& d) {
        const bool border = variant != 2, accent = variant == 1 || variant == 3;
        LineCallout(d, segments, variant == 0 ? true : border, accent);
      });
  return s;
}

// Action buttons: a bevelled square with the symbol of its action.
constexpr const char* ActionGlyphs[12] = {"",       "home",     "help",          "information-variant",
                                           "menu-left", "menu-right", "skip-previous", "skip-next",
                                           "undo-variant", "file",   "volume-high",   "movie"};

}  // namespace

gfx::Bitmap PaintAutoshapeSheet(const ArtContext& ctx) {
  const int w = (resources::AutoshapeColumns - 1) * resources::AutoshapeColumnPitch + Cell;
  const int rows = resources::AutoshapeCount / resources::AutoshapeColumns;
  const int h = (rows - 1) * resources::AutoshapeRowPitch + Cell;
  // The list view shows them on white.
  KeyedPicture sheet(w, h, Key, 0xFFFFFF);
  const std::vector<Shape> shapes = Shapes();
  // Every shape but the action buttons has its drawing; anything else is a
  // mistake in the table above and gives no sheet at all.
  if (shapes.size() != static_cast<std::size_t>(resources::AutoshapeCount - 12)) return {};
  const gfx::Color fill = gfx::Rgb(144, 202, 249), line = gfx::Rgb(21, 101, 192);
  for (int i = 0; i < resources::AutoshapeCount; ++i) {
    const int x = (i % resources::AutoshapeColumns) * resources::AutoshapeColumnPitch;
    const int y = (i / resources::AutoshapeColumns) * resources::AutoshapeRowPitch;
    auto pass = [&](bool fillPass, const Shape& shape) {
      return Placed(Supersample(Cell, Cell, 4, [&](gfx::Canvas& c, int f) {
                      Pen pen(c, f, fillPass);
                      shape(pen);
                    }),
                    w, h, x, y);
    };
    const int action = i - (resources::AutoshapeCount - 12);
    if (action >= 0) {
      sheet.Paint(pass(true, ActionButton), fill);
      sheet.Paint(pass(false, ActionButton), line);
      if (*ActionGlyphs[action])
        sheet.Paint(Placed(ctx.glyphs.Render(ActionGlyphs[action], 12), w, h, x + 2, y + 2), line);
      continue;
    }
    if (static_cast<std::size_t>(i) >= shapes.size()) continue;
    sheet.Paint(pass(true, shapes[static_cast<std::size_t>(i)]), fill);
    sheet.Paint(pass(false, shapes[static_cast<std::size_t>(i)]), line);
  }
  return sheet.Finish();
}

}  // namespace resources::generator::generator
