#include "platform/text/gb18030_count.h"

#include <gtest/gtest.h>

namespace marevisk {
namespace {

TEST(Gb18030CountTest, CountsBytesOfTheChineseCodePage) {
    const std::pair<const char*, std::size_t> cases[] = {
        {"", 0},    {"abc", 3},    {"举牌图", 6},
        {"A举", 3}, {"【】：", 6}, {"À", 4},  // outside GBK: four bytes
        {"😀", 4},                             // outside the basic plane
        {"𠀀", 4},
    };
    for (auto [text, bytes] : cases) EXPECT_EQ(Gb18030ByteCount(text), bytes) << text;
}

}  // namespace
}  // namespace marevisk
