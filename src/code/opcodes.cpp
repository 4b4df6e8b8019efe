// Lookups over the opcode table.
#include "code/opcodes.h"

#include <iterator>

namespace compiler {

namespace {

constexpr std::string_view kTexts[] = {
#define VELMISH_OPCODE_TEXT(code) #code,
    VELMISH_OPCODES(VELMISH_OPCODE_TEXT)
#undef VELMISH_OPCODE_TEXT
};

}  // namespace

std::optional<Opcode> opcodeOf(std::string_view codeLine) {
    if (codeLine.size() < 4) return std::nullopt;
    std::string_view code = codeLine.substr(0, 4);
    for (size_t i = 0; i < std::size(kTexts); ++i) {
        if (kTexts[i] == code) return static_cast<Opcode>(i);
    }
    return std::nullopt;
}

std::string_view opcodeText(Opcode opcode) { return kTexts[static_cast<int>(opcode)]; }

}  // namespace compiler
