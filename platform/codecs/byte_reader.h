// Bounds-checked little- and big-endian reads from a byte string.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace marevisk {

using Bytes = std::string_view;  // a view of picture data; never owned here

inline bool HasBytes(Bytes b, std::size_t at, std::size_t n) {
    return at <= b.size() && n <= b.size() - at;
}
inline std::uint32_t U8(Bytes b, std::size_t at) {
    return HasBytes(b, at, 1) ? std::uint8_t(b[at]) : 0u;
}
inline std::uint32_t U16LE(Bytes b, std::size_t at) {
    return U8(b, at) | (U8(b, at + 1) << 8);
}
inline std::uint32_t U32LE(Bytes b, std::size_t at) {
    return U16LE(b, at) | (U16LE(b, at + 2) << 16);
}
inline std::int32_t I32LE(Bytes b, std::size_t at) {
    return std::int32_t(U32LE(b, at));
}
inline std::uint32_t U16BE(Bytes b, std::size_t at) {
    return (U8(b, at) << 8) | U8(b, at + 1);
}
inline std::uint32_t U32BE(Bytes b, std::size_t at) {
    return (U16BE(b, at) << 16) | U16BE(b, at + 2);
}

}  // namespace marevisk
