// Little-endian numbers inside byte strings, as the icon and executable formats store them. The
// callers check the bounds before they read or write.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace compiler {

inline std::uint16_t read16(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1])
                                                                                  << 8);
}

inline std::uint32_t read32(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(read16(bytes, at)) | static_cast<std::uint32_t>(read16(bytes, at + 2)) << 16;
}

inline void write16(std::string& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

inline void write32(std::string& bytes, std::size_t at, std::uint32_t value) {
    write16(bytes, at, static_cast<std::uint16_t>(value & 0xFFFF));
    write16(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}

// True when count bytes starting at at lie inside a string of the given size. Wide enough for
// any offset read from a file plus any base, even where std::size_t has 32 bits.
inline bool fits(std::uint64_t size, std::uint64_t at, std::uint64_t count) { return at <= size && count <= size - at; }

}  // namespace compiler
