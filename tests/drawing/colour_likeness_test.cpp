#include "drawing/colour_likeness.h"

#include <gtest/gtest.h>

namespace marevisk {
namespace {

struct LikenessCase {
    const char* name;
    Colour a, b;
    float factor;
    int expected;
};

TEST(ColourLikenessTest, FollowsTheBrightnessAndChannelLimits) {
    const LikenessCase cases[] = {
        {"factor 1", 0x000000, 0xffffff, 1.0f, -1},
        {"factor 1 for alike colours", 0x123456, 0x123456, 1.0f, -1},
        {"factor within 1e-7 of 1", 0x000000, 0x000000, 1.00000005f, -1},
        {"black and grey 59", 0x000000, 0x3b3b3b, 0.5f, 1},
        {"black and grey 60", 0x000000, 0x3c3c3c, 0.5f, 0},
        {"black and red 112", 0x000000, 0x000070, 0.5f, 1},
        {"black and red 113", 0x000000, 0x000071, 0.5f, 0},
        {"channel sums 179 apart", 0x000000, 0x3b3c3c, 0.5f, 1},  // 60+60+59
        {"channel sums 180 apart", 0x000000, 0x3c3c3c, 0.5f, 0},
        {"high byte ignored", 0x00102030, 0xff102030, 0.5f, 1},
        {"factor above 1", 0x000000, 0x000000, 1.5f, 0},
        {"blue channel alone", 0x000000, 0x710000, 0.5f, 0},
        {"same colour", 0x808080, 0x808080, 0.5f, 1},
        {"factor 0: limit 225", 0x000000, 0x00009f, 0.0f, 1},
    };
    for (const LikenessCase& c : cases)
        EXPECT_EQ(ColourLikeness(c.a, c.b, c.factor), c.expected) << c.name;
}

}  // namespace
}  // namespace marevisk
