// Lookups over the opcode table.
#include "code/opcodes.h"

#include <cstdint>
#include <iterator>

namespace code {

namespace {

constexpr std::string_view kTexts[] = {
#define VELMISH_OPCODE_TEXT(code) #code,
#define VELMISH_COMMAND_OPCODE_TEXT(keyword, kind, code, ...) #code,
    VELMISH_CODE_LINES(VELMISH_OPCODE_TEXT)
        VELMISH_COMMANDS(VELMISH_COMMAND_OPCODE_TEXT, VELMISH_SKIP_ROW, VELMISH_SKIP_ROW)
#undef VELMISH_COMMAND_OPCODE_TEXT
#undef VELMISH_OPCODE_TEXT
};

}  // namespace

namespace {

// The four bytes of an opcode as one number, so that a switch finds it.
constexpr std::uint32_t packed(std::string_view code) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(code[0])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(code[1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(code[2])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(code[3]));
}

}  // namespace

std::optional<Opcode> opcodeOf(std::string_view codeLine) {
    if (codeLine.size() < 4) return std::nullopt;
    switch (packed(codeLine)) {
#define VELMISH_OPCODE_CASE(code) \
    case packed(#code):           \
        return Opcode::code;
#define VELMISH_COMMAND_OPCODE_CASE(keyword, kind, code, ...) VELMISH_OPCODE_CASE(code)
        VELMISH_CODE_LINES(VELMISH_OPCODE_CASE)
        VELMISH_COMMANDS(VELMISH_COMMAND_OPCODE_CASE, VELMISH_SKIP_ROW, VELMISH_SKIP_ROW)
#undef VELMISH_COMMAND_OPCODE_CASE
#undef VELMISH_OPCODE_CASE
        default: return std::nullopt;
    }
}

std::string_view opcodeText(Opcode opcode) { return kTexts[static_cast<int>(opcode)]; }

}  // namespace code
