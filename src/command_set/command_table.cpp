// The command table.
#include "command_set/command_table.h"

#include <array>

namespace command_set {

namespace {

using K = CommandKind;
using W = WhenCompiled;

bool writesCode(const CommandRow& row) { return row.kind != K::remark && row.whenCompiled != W::noCode; }

}  // namespace

std::optional<FormStep> takeStep(std::string_view& form) {
    if (form.empty()) return std::nullopt;
    size_t blank = form.find(' ');
    std::string_view step = form.substr(0, blank);
    form = blank == std::string_view::npos ? std::string_view() : form.substr(blank + 1);
    if (step == "[]") return FormStep{StepKind::target, {}};
    if (step == "V") return FormStep{StepKind::value, {}};
    if (step == "V*") return FormStep{StepKind::lenientValue, {}};
    if (step == "C") return FormStep{StepKind::condition, {}};
    if (step == "$") return FormStep{StepKind::lineEnd, {}};
    if (step == "*") return FormStep{StepKind::restOfLine, {}};
    if (step[0] == 'L') return FormStep{StepKind::list, step.substr(1)};
    if (step[0] == 'O') return FormStep{StepKind::operatorList, step.substr(1)};
    return FormStep{StepKind::separator, step};
}

const CommandRow* commandRowOf(compiler::Opcode opcode) {
    static const std::array<const CommandRow*, compiler::kOpcodeCount> byOpcode = [] {
        std::array<const CommandRow*, compiler::kOpcodeCount> built{};
        for (const CommandRow& row : kCommandRows) {
            const CommandRow*& slot = built[static_cast<size_t>(row.opcode)];
            if (!slot && writesCode(row)) slot = &row;
        }
        return built;
    }();
    return byOpcode[static_cast<size_t>(opcode)];
}

}  // namespace command_set
