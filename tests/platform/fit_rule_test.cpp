#include "platform/pixels/fit_rule.h"

#include <gtest/gtest.h>

namespace marevisk {
namespace {

struct FitCase {
    int w, h;
    Rect drawn;
};

TEST(FitRuleTest, CentresAndShrinksButNeverEnlarges) {
    const FitCase cases[] = {
        {283, 410, {2, 3, 283, 410}},  // the base photograph, natural size
        {300, 400, {0, 16, 288, 384}},
        {100, 100, {94, 158, 100, 100}},
        {640, 480, {0, 100, 288, 216}},
        {200, 1000, {102, 0, 83, 416}},
        {288, 416, {0, 0, 288, 416}},
        {222, 389, {33, 13, 222, 389}},  // a saved placard imported again
        {289, 416, {0, 1, 288, 414}},
        {1, 100000, {143, 0, 1, 415}},  // never narrower than one pixel
    };
    for (const FitCase& c : cases)
        EXPECT_EQ(FitCentred(288, 416, c.w, c.h), c.drawn) << c.w << "x" << c.h;
    EXPECT_TRUE(FitCentred(288, 416, 0, 10).empty());
}

}  // namespace
}  // namespace marevisk
