#include "platform/text/gb18030_count.h"

#include <iconv.h>

#include <cstdint>
#include <string>

namespace marevisk {
namespace {

// Fallback when the converter is missing: 1 byte for ASCII, 4 for everything else, which can
// only make a limit stricter, never let a text overflow it.
std::size_t CountWithoutConverter(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8) {
        if (c < 0x80)
            n += 1;
        else if ((c & 0xc0) != 0x80)
            n += 4;  // a lead byte starts one code point
    }
    return n;
}

}  // namespace

std::size_t Gb18030ByteCount(std::string_view utf8) {
    iconv_t cd = iconv_open("GB18030", "UTF-8");
    if (cd == iconv_t(-1)) return CountWithoutConverter(utf8);
    std::string in(utf8);
    char* src = in.data();
    std::size_t src_left = in.size();
    std::size_t total = 0;
    char buffer[256];
    while (src_left > 0) {
        char* dst = buffer;
        std::size_t dst_left = sizeof buffer;
        const std::size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
        total += sizeof buffer - dst_left;
        if (r == std::size_t(-1) && src_left > 0 && dst_left == sizeof buffer) {
            // Malformed input: count the rest the safe way.
            total += CountWithoutConverter(std::string_view(src, src_left));
            break;
        }
    }
    iconv_close(cd);
    return total;
}

}  // namespace marevisk
