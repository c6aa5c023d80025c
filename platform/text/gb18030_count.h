// How many bytes a text takes in the Chinese code page (GB18030): ASCII 1, GBK characters 2,
// everything else 4. Edit-box limits count in these bytes.
#pragma once
#include <cstddef>
#include <string_view>

namespace marevisk {

// `utf8` is the text as the program holds it.
std::size_t Gb18030ByteCount(std::string_view utf8);

}  // namespace marevisk
