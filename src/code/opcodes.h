// The intermediate code: opcodes and the fixed texts of a code stream.
//
// The compiler writes these and the runtime reads them; both use this one table.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/command_list.h"
#include "core/product.h"

namespace code {

// The code's own lines, which no keyword writes: X(opcode), each with its operands.
#define VELMISH_CODE_LINES(X)                                                              \
    X(RRLR) /* the header: RRLR'version', the language version the code was written for */ \
    X(RLBL) /* a label line: RLBLname */                                                   \
    X(R0IF) /* a one-line IF: R0IF condition, then the code of the command it guards  */

// Every opcode: the code's own lines, then those of the command list (core/command_list.h),
// where each command's opcode stands with its form and meaning. The numbers are this build's
// own; the code holds the opcodes' texts.
enum class Opcode {
#define VELMISH_OPCODE_ENUM(code) code,
#define VELMISH_COMMAND_OPCODE(keyword, kind, code, ...) code,
    VELMISH_CODE_LINES(VELMISH_OPCODE_ENUM) VELMISH_COMMANDS(VELMISH_COMMAND_OPCODE, VELMISH_SKIP_ROW, VELMISH_SKIP_ROW)
#undef VELMISH_COMMAND_OPCODE
#undef VELMISH_OPCODE_ENUM
};

inline constexpr size_t kOpcodeCount = 0
#define VELMISH_COUNT_OPCODE(...) +1
    VELMISH_CODE_LINES(VELMISH_COUNT_OPCODE) VELMISH_COMMANDS(VELMISH_COUNT_OPCODE, VELMISH_SKIP_ROW, VELMISH_SKIP_ROW)
#undef VELMISH_COUNT_OPCODE
    ;

// The opcode spelled by the first four bytes of a code line; nullopt for a shorter line or an
// unknown opcode.
std::optional<Opcode> opcodeOf(std::string_view codeLine);

std::string_view opcodeText(Opcode opcode);

// Every code line ends with this byte; no code line holds it otherwise.
inline constexpr char kLineTerminator = '\x01';
// The header line: the code format carries the language version.
inline constexpr std::string_view kHeaderLine = "RRLR'" VELMISH_LANGUAGE_VERSION "'";
inline constexpr std::string_view kEndMarker = "R009";

}  // namespace code
