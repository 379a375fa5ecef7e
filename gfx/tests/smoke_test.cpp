#include <gtest/gtest.h>
#include "gfx/canvas.h"
TEST(Smoke, Builds) { gfx::Bitmap b(4, 4); gfx::Canvas c(b); c.rectangle(0,0,4,4); EXPECT_EQ(b.pixel(0,0), 0u); }
