// The command table.
#include "command_set/command_table.h"

#include <array>

namespace command_set {

namespace {

using K = CommandKind;
using W = WhenCompiled;

bool writesCode(const CommandRow& row) { return row.kind != K::remark && row.whenCompiled != W::noCode; }

}  // namespace

const CommandRow* commandRowOf(code::Opcode opcode) {
    static const std::array<const CommandRow*, code::kOpcodeCount> byOpcode = [] {
        std::array<const CommandRow*, code::kOpcodeCount> built{};
        for (const CommandRow& row : kCommandRows) {
            const CommandRow*& slot = built[static_cast<size_t>(row.opcode)];
            if (!slot && writesCode(row)) slot = &row;
        }
        return built;
    }();
    return byOpcode[static_cast<size_t>(opcode)];
}

}  // namespace command_set
